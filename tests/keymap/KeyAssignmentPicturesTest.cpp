// SPDX-License-Identifier: GPL-3.0-or-later
// The key assignment dialog's icon glyphs and page pictures, and the firmware dialog's bar strip.
#include "app/ProgramPictures.h"
#include "app/WindowPictures.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "model/KeyboardVariant.h"
#include "res/FunctionGlyphs.h"
#include "res/PictureLibrary.h"
#include "res/PictureSet.h"
#include "res/PictureStyle.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <map>
#include <vector>

namespace {

constexpr int kTile = 36;

QImage glyphImage(int code, QSize size = {kTile, kTile}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    drawFunctionGlyph(painter, image.rect(), code, Qt::white);
    return image;
}

std::vector<int> iconCodes() {
    std::vector<int> codes;
    for (int page = 4; page <= 7; ++page) {
        for (const ControlSpec& icon : keyAssignmentIcons(page))
            codes.push_back(icon.controlCode);
    }
    return codes;
}

TEST(KeyAssignmentPicturesTest, EveryIconCodeHasAGlyphOfItsOwn) {
    const std::vector<int> codes = iconCodes();
    ASSERT_FALSE(codes.empty());
    const QImage neutral = glyphImage(-1);
    std::map<int, QImage> drawn;
    for (int code : codes) {
        EXPECT_TRUE(hasFunctionGlyph(code)) << "code " << code;
        const QImage glyph = glyphImage(code);
        EXPECT_NE(glyph, neutral) << "code " << code << " draws the neutral mark";
        for (const auto& [other, image] : drawn)
            EXPECT_NE(glyph, image) << "codes " << code << " and " << other << " look the same";
        drawn.emplace(code, glyph);
    }
}

TEST(KeyAssignmentPicturesTest, AWideTileKeepsItsMiddleFreeForTheWord) {
    // Mouse and power icons carry a label over their middle.
    const QImage glyph = glyphImage(130, {100, 12});
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 30; x < 70; ++x)
            ASSERT_EQ(glyph.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
    }
}

TEST(KeyAssignmentPicturesTest, FunctionPageDimsTheFunctionsAVariantLacks) {
    const PictureLibrary library = programPictureLibrary();
    const KeyAssignmentPage& functionPage = keyAssignmentPages()[5];
    ASSERT_EQ(functionPage.page, 6);
    const QImage full = library.picture(PictureSet::pictureNumber(functionPage.normalPicture, 1));
    for (int variant : {2, 3, 4}) {
        const QImage own = library.picture(PictureSet::pictureNumber(functionPage.normalPicture, variant));
        ASSERT_EQ(own.size(), full.size());
        for (const ControlSpec& icon : keyAssignmentIcons(6)) {
            const QRect area = PictureStyle::areaOf(icon.rect);
            const bool lighting = KeyboardVariant::functionFamilyOf(icon.controlCode) ==
                                  KeyboardVariant::FunctionFamily::ColourLighting;
            const bool wireless = KeyboardVariant::functionFamilyOf(icon.controlCode) ==
                                  KeyboardVariant::FunctionFamily::Wireless;
            const bool lacks =
                (lighting && (variant == 2 || variant == 3)) || (wireless && (variant == 3 || variant == 4));
            EXPECT_EQ(own.copy(area) != full.copy(area), lacks)
                << "variant " << variant << " icon " << icon.id;
        }
    }
}

TEST(KeyAssignmentPicturesTest, FirmwareSelectedPictureHoldsAFullBar) {
    const PictureLibrary library = programPictureLibrary();
    for (const WindowPictures& window : everyWindowsPictures()) {
        if (window.name != "firmware")
            continue;
        ASSERT_EQ(window.strips.size(), 1U);
        const QImage background = library.picture(window.background);
        const QImage selected = library.picture(window.selected);
        ASSERT_EQ(background.size(), selected.size());
        // The dialog copies the bar from the strip as far as the download has come: the strip's
        // inside is filled from end to end.
        const QRect strip = PictureStyle::areaOf(window.strips.front()).adjusted(1, 1, -1, -1);
        for (int x = strip.left(); x <= strip.right(); ++x)
            ASSERT_NE(background.pixel(x, strip.center().y()), selected.pixel(x, strip.center().y())) << x;
        return;
    }
    FAIL() << "no firmware window";
}

// A look is drawn only for the entries a window shows: every entry's part of every page picture,
// drawn on its own, must match the whole picture exactly.
TEST(KeyAssignmentPicturesTest, PartsDrawnOnTheirOwnMatchTheWholePictures) {
    const PictureLibrary whole = programPictureLibrary();
    for (const KeyAssignmentPage& page : keyAssignmentPages()) {
        for (int slot : {page.normalPicture, page.hoverPicture, page.selectedPicture}) {
            const int number = PictureSet::pictureNumber(slot, 4);
            const PictureLibrary parts = programPictureLibrary();
            const QImage picture = whole.picture(number);
            for (const ControlSpec& control : keyAssignmentControls()) {
                if (!keyAssignmentDrawnOnPage(control.id, page.page))
                    continue;
                const QRect area = PictureStyle::areaOf(control.rect);
                ASSERT_EQ(parts.area(number, area), picture.copy(area.intersected(picture.rect())))
                    << "page " << page.page << " picture " << number << " entry " << control.id;
            }
            EXPECT_EQ(parts.drawnCount(), 0);
        }
    }
}

} // namespace
