// SPDX-License-Identifier: GPL-3.0-or-later
// The travel bars of the fine-adjust and tracking dialogs: the windows copy any horizontal slice of
// the gauge strip out of one picture, so the bar must fill the strip over its whole height and look
// the same in every row, and the background's strip must not show a bar.
#include "app/ProgramPictures.h"
#include "app/WindowPictures.h"
#include "res/PictureLibrary.h"
#include "res/PictureStyle.h"

#include <gtest/gtest.h>

#include <QColor>

#include <string>
#include <vector>

namespace {

struct Gauge {
    const char* window;
    bool barInHover; // the bar lives in the hover picture, else in the selected one
};

const WindowPictures* windowNamed(const std::string& name) {
    static const std::vector<WindowPictures> windows = everyWindowsPictures();
    for (const WindowPictures& window : windows) {
        if (window.name == name)
            return &window;
    }
    return nullptr;
}

bool isAccent(QRgb pixel) {
    return qRed(pixel) >= 180 && qGreen(pixel) >= 60 && qBlue(pixel) <= 90;
}

class TravelBarTest : public ::testing::TestWithParam<Gauge> {
protected:
    static const PictureLibrary& library() {
        static const PictureLibrary shared = programPictureLibrary();
        return shared;
    }
};

TEST_P(TravelBarTest, BarFillsTheWholeStripAlike) {
    const WindowPictures* window = windowNamed(GetParam().window);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->strips.size(), 1U);
    const QRect strip = PictureStyle::areaOf(window->strips.front());
    ASSERT_EQ(strip.height(), 60);
    const QImage bar = library().picture(GetParam().barInHover ? window->hover : window->selected);
    ASSERT_FALSE(bar.isNull());
    for (int y = strip.top(); y <= strip.bottom(); ++y) {
        for (int x = strip.left(); x <= strip.right(); ++x) {
            ASSERT_TRUE(isAccent(bar.pixel(x, y))) << x << "," << y;
            ASSERT_EQ(bar.pixel(x, y), bar.pixel(x, strip.top())) << x << "," << y;
        }
    }
}

TEST_P(TravelBarTest, BackgroundShowsAnEmptyGauge) {
    const WindowPictures* window = windowNamed(GetParam().window);
    ASSERT_NE(window, nullptr);
    const QRect strip = PictureStyle::areaOf(window->strips.front());
    const QImage background = library().picture(window->background);
    ASSERT_FALSE(background.isNull());
    for (int y = strip.top(); y <= strip.bottom(); ++y) {
        for (int x = strip.left(); x <= strip.right(); ++x)
            ASSERT_LT(QColor(background.pixel(x, y)).lightness(), 60) << x << "," << y;
    }
}

std::string nameOf(const ::testing::TestParamInfo<Gauge>& gauge) {
    return gauge.param.barInHover ? "FineAdjust" : "Track";
}

INSTANTIATE_TEST_SUITE_P(FineAdjustAndTrack, TravelBarTest,
                         ::testing::Values(Gauge{"fine-adjust", true}, Gauge{"track", false}), nameOf);

} // namespace
