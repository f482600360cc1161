// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's pictures of each variant and the virtual key dialog's pictures, beyond the checks
// every window's pictures pass: what each look must show where the windows copy it from.
#include "app/ProgramPictures.h"
#include "app/rules/MainWindowControls.h"
#include "keymap/rules/VirtualKeyControls.h"
#include "res/PictureLibrary.h"
#include "res/PictureSet.h"
#include "res/PictureStyle.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

constexpr std::array<int, 4> kVariants{1, 2, 3, 4};

const PictureLibrary& library() {
    static const PictureLibrary shared = programPictureLibrary();
    return shared;
}

QImage mainPicture(int slot, int variant) {
    return library().picture(PictureSet::pictureNumber(slot, variant));
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

// The marker bar the window paints for a key with a function, in design units.
QRect markerBarOf(const SkinRect& key) {
    const int margin = (key.width() - 14) / 2;
    return QRect(QPoint(key.left + margin, key.bottom - 4), QPoint(key.right - margin, key.bottom - 1));
}

TEST(MainWindowPicturesTest, EveryVariantHasThreePicturesOfOneSize) {
    for (int variant : kVariants) {
        const QImage background = mainPicture(0, variant);
        ASSERT_FALSE(background.isNull()) << variant;
        EXPECT_EQ(mainPicture(1, variant).size(), background.size()) << variant;
        EXPECT_EQ(mainPicture(2, variant).size(), background.size()) << variant;
        EXPECT_EQ(background.size(), mainPicture(0, 1).size()) << "every variant's window is the same size";
    }
}

// Parts are drawn on their own (the whole look is not drawn for a hover), so every part the window
// copies, and parts cut by the picture's edge, must match the whole picture exactly.
TEST(MainWindowPicturesTest, PartsDrawnOnTheirOwnMatchTheWholePicture) {
    for (int variant : kVariants) {
        const auto controls = mainWindowControls(mainWindowLayoutFor(variant));
        for (int slot : {0, 1, 2}) {
            const int number = PictureSet::pictureNumber(slot, variant);
            const PictureLibrary fresh = programPictureLibrary();
            const QImage whole = mainPicture(slot, variant);
            std::vector<QRect> areas{QRect(-5, -5, 40, 30), QRect(1020, 660, 50, 50), QRect(0, 0, 1040, 680)};
            for (const ControlSpec& control : controls) {
                if (control.id > 0)
                    areas.push_back(PictureStyle::areaOf(control.rect));
            }
            for (const QRect& area : areas) {
                const QRect inside = area.intersected(whole.rect());
                EXPECT_EQ(fresh.area(number, area), whole.copy(inside))
                    << "variant " << variant << " slot " << slot << " at " << area.x() << "," << area.y();
            }
            EXPECT_EQ(fresh.drawnCount(), 0) << "parts never draw the whole picture";
            EXPECT_TRUE(fresh.area(number, QRect(2000, 0, 10, 10)).isNull());
        }
    }
}

TEST(MainWindowPicturesTest, TheFourVariantsBackgroundsDiffer) {
    for (int a : kVariants) {
        for (int b : kVariants) {
            if (a < b) {
                EXPECT_NE(mainPicture(0, a), mainPicture(0, b)) << a << " and " << b;
            }
        }
    }
}

// Every key shows three looks: at rest, hovered, and empty (the pressed picture is the look of a key
// with nothing assigned), and they differ where the marker bar is not, so a key with a bar still
// shows whether it is hovered.
TEST(MainWindowPicturesTest, EveryKeyHasThreeDistinctLooksAboveItsMarkerBar) {
    for (int variant : kVariants) {
        const QImage background = mainPicture(0, variant);
        const QImage hover = mainPicture(1, variant);
        const QImage pressed = mainPicture(2, variant);
        for (const ControlSpec& control : mainWindowControls(mainWindowLayoutFor(variant))) {
            if (control.role != ControlRole::Key)
                continue;
            const QRect area = PictureStyle::areaOf(control.rect);
            const QRect aboveBar(area.left(), area.top(), area.width(),
                                 markerBarOf(control.rect).top() - area.top());
            EXPECT_TRUE(differsInside(background, hover, aboveBar)) << variant << " key " << control.keyIndex;
            EXPECT_TRUE(differsInside(background, pressed, aboveBar))
                << variant << " key " << control.keyIndex;
            EXPECT_TRUE(differsInside(hover, pressed, aboveBar)) << variant << " key " << control.keyIndex;
        }
    }
}

TEST(MainWindowPicturesTest, EveryButtonHasAHoverAndAPressedLook) {
    for (int variant : kVariants) {
        const QImage background = mainPicture(0, variant);
        for (const ControlSpec& control : mainWindowControls(mainWindowLayoutFor(variant))) {
            if (control.id < 1 || control.role == ControlRole::Key || control.role == ControlRole::Label)
                continue;
            const QRect area = PictureStyle::areaOf(control.rect);
            EXPECT_TRUE(differsInside(background, mainPicture(1, variant), area))
                << variant << " id " << control.id;
            EXPECT_TRUE(differsInside(background, mainPicture(2, variant), area))
                << variant << " id " << control.id;
        }
    }
}

// The S models have no backlight button: where the RGB layout's language button stands, their
// command row is bare.
TEST(MainWindowPicturesTest, TheSModelsCommandRowEndsOneButtonEarlier) {
    const QRect lastRgbButton(919, 92, 91, 36);
    for (int variant : {2, 3}) {
        const QImage background = mainPicture(0, variant);
        const QRgb row = background.pixel(lastRgbButton.center());
        for (int x = lastRgbButton.left(); x <= lastRgbButton.right(); ++x)
            EXPECT_EQ(background.pixel(x, lastRgbButton.center().y()), row) << variant << " at " << x;
    }
    EXPECT_TRUE(differsInside(mainPicture(0, 1), mainPicture(0, 3), lastRgbButton));
}

// The text box covers 47..1000 x 506..653: the picture frames it and fills it with the
// text box's own background, so that the window looks the same before the box is shown.
TEST(MainWindowPicturesTest, TheInformationBoxStandsInAFramedWell) {
    for (int variant : kVariants) {
        const QImage background = mainPicture(0, variant);
        EXPECT_EQ(background.pixel(500, 580), qRgb(20, 20, 20)) << variant;
        EXPECT_EQ(background.pixel(48, 507), qRgb(20, 20, 20)) << variant;
        EXPECT_NE(background.pixel(44, 580), qRgb(20, 20, 20)) << variant;
    }
}

TEST(VirtualKeyPicturesTest, EveryKeyHasThreeDistinctLooks) {
    const QImage background = library().picture(158);
    const QImage hover = library().picture(159);
    const QImage selected = library().picture(157);
    ASSERT_FALSE(background.isNull());
    for (const ControlSpec& key : virtualKeyButtons()) {
        const QRect area = PictureStyle::areaOf(key.rect);
        EXPECT_TRUE(differsInside(background, hover, area)) << key.id;
        EXPECT_TRUE(differsInside(background, selected, area)) << key.id;
        EXPECT_TRUE(differsInside(hover, selected, area)) << key.id;
    }
}

TEST(VirtualKeyPicturesTest, TheDisplayLineStandsInAFramedWell) {
    // The display line covers 20..520 x 306..339 at scale 1.
    const QImage background = library().picture(158);
    EXPECT_EQ(background.pixel(270, 322), qRgb(20, 20, 20));
    EXPECT_NE(background.pixel(17, 322), qRgb(20, 20, 20));
}

} // namespace
