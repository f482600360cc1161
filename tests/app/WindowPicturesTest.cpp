// SPDX-License-Identifier: GPL-3.0-or-later
// Every window's pictures against its control table: the pictures exist, hold every rectangle, keep
// the colour key outside the outline only, and change between looks only where a control or strip is.
#include "app/WindowPictures.h"
#include "app/ProgramPictures.h"
#include "res/PictureLibrary.h"
#include "res/PictureSet.h"
#include "res/PictureStyle.h"

#include <gtest/gtest.h>

#include <QRegion>

#include <ostream>
#include <set>
#include <string>

// Names the window in test output instead of dumping its bytes.
void PrintTo(const WindowPictures& window, std::ostream* out) {
    *out << window.name;
}

namespace {

QRgb keyPixel(Rgb colourKey) {
    return qRgb(redOf(colourKey), greenOf(colourKey), blueOf(colourKey));
}

bool drawsSomething(const ControlSpec& control) {
    return control.id >= 1 && control.role != ControlRole::None && control.role != ControlRole::Label;
}

// Where the looks of a window may differ from its background.
QRegion changeableRegion(const WindowPictures& window) {
    QRegion region;
    for (const ControlSpec& control : window.controls) {
        if (drawsSomething(control))
            region += PictureStyle::areaOf(control.rect);
    }
    for (const SkinRect& strip : window.strips)
        region += PictureStyle::areaOf(strip);
    return region;
}

// The first pixel where a differs from b outside region, as "x,y", or empty when there is none.
std::string firstChangeOutside(const QImage& a, const QImage& b, const QRegion& region) {
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (rowA[x] != rowB[x] && !region.contains(QPoint(x, y)))
                return std::to_string(x) + "," + std::to_string(y);
        }
    }
    return {};
}

bool differsInside(const QImage& a, const QImage& b, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return true;
        }
    }
    return false;
}

class WindowPicturesTest : public ::testing::TestWithParam<WindowPictures> {
protected:
    static const PictureLibrary& library() {
        static const PictureLibrary shared = programPictureLibrary();
        return shared;
    }
    std::vector<int> looks() const {
        std::vector<int> numbers;
        for (int number : {GetParam().hover, GetParam().selected}) {
            if (number >= 0)
                numbers.push_back(number);
        }
        return numbers;
    }
};

TEST_P(WindowPicturesTest, EveryRectangleLiesInsideTheBackground) {
    const WindowPictures& window = GetParam();
    const QImage background = library().picture(window.background);
    ASSERT_FALSE(background.isNull()) << window.background;
    const QRect bounds = background.rect();
    for (const ControlSpec& control : window.controls) {
        if (control.id < 1)
            continue;
        EXPECT_TRUE(bounds.contains(PictureStyle::areaOf(control.rect)))
            << "id " << control.id << " at " << control.rect.left << "," << control.rect.top << " outside "
            << bounds.width() << "x" << bounds.height();
    }
    for (const SkinRect& strip : window.strips)
        EXPECT_TRUE(bounds.contains(PictureStyle::areaOf(strip)));
}

TEST_P(WindowPicturesTest, ColourKeyLiesOutsideTheOutlineOnly) {
    const WindowPictures& window = GetParam();
    const QImage background = library().picture(window.background);
    ASSERT_FALSE(background.isNull());
    const QRgb key = keyPixel(window.colourKey);
    EXPECT_EQ(background.pixel(0, 0), key) << "the corners are see-through";
    EXPECT_NE(background.pixel(background.width() / 2, background.height() / 2), key);
    // A control with the colour key inside would show a hole in the window.
    for (int number : looks()) {
        const QImage look = library().picture(number);
        for (const ControlSpec& control : window.controls) {
            if (!drawsSomething(control))
                continue;
            const QRect area = PictureStyle::areaOf(control.rect);
            const QPoint centre = area.center();
            EXPECT_NE(look.pixel(centre), key) << "picture " << number << " id " << control.id;
            EXPECT_NE(background.pixel(centre), key) << "background id " << control.id;
        }
    }
}

TEST_P(WindowPicturesTest, LooksDifferFromTheBackgroundInsideControlsOnly) {
    const WindowPictures& window = GetParam();
    const QImage background = library().picture(window.background);
    const QRegion changeable = changeableRegion(window);
    std::vector<int> numbers = looks();
    numbers.insert(numbers.end(), window.stripPictures.begin(), window.stripPictures.end());
    for (int number : numbers) {
        const QImage look = library().picture(number);
        ASSERT_FALSE(look.isNull()) << number;
        ASSERT_EQ(look.size(), background.size()) << number;
        EXPECT_EQ(firstChangeOutside(background, look, changeable), "") << "picture " << number;
    }
}

TEST_P(WindowPicturesTest, EveryControlShowsAChangeInSomeLook) {
    const WindowPictures& window = GetParam();
    if (looks().empty())
        GTEST_SKIP() << "no hover or selected picture";
    const QImage background = library().picture(window.background);
    for (const ControlSpec& control : window.controls) {
        if (!drawsSomething(control) || control.role == ControlRole::Area)
            continue;
        bool changes = false;
        for (int number : looks())
            changes = changes || differsInside(background, library().picture(number),
                                               PictureStyle::areaOf(control.rect));
        EXPECT_TRUE(changes) << window.name << " id " << control.id;
    }
}

std::string nameOf(const ::testing::TestParamInfo<WindowPictures>& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        if (c == '-')
            c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowPicturesTest, ::testing::ValuesIn(everyWindowsPictures()),
                         nameOf);

TEST(PictureCoverageTest, EverySlotHasAPictureForEveryVariant) {
    const PictureLibrary library = programPictureLibrary();
    for (int variant : {1, 2, 3, 4}) {
        const PictureSet pictures(library, variant);
        for (int slot = 0; slot < PictureSet::kSlots; ++slot)
            EXPECT_FALSE(pictures.picture(slot).isNull()) << "slot " << slot << " variant " << variant;
    }
}

TEST(PictureCoverageTest, EveryWindowPictureIsDrawnOnlyWhenAskedFor) {
    const PictureLibrary library = programPictureLibrary();
    std::set<int> numbers;
    for (const WindowPictures& window : everyWindowsPictures()) {
        for (int number : {window.background, window.hover, window.selected}) {
            if (number >= 0)
                numbers.insert(number);
        }
    }
    EXPECT_EQ(library.drawnCount(), 0);
    for (int number : numbers)
        EXPECT_TRUE(library.has(number)) << number;
    EXPECT_EQ(library.drawnCount(), 0);
}

} // namespace
