// SPDX-License-Identifier: GPL-3.0-or-later
#include "lighting/rules/LightColour.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    LightRow row;
    Rgb colour;
};

// Each component is the low 8 bits of its integer, whatever a profile or the keyboard left in it.
TEST(LightColour, RowsBecomeTwentyFourBitColoursFromTheLowBitsOfEachComponent) {
    const Conversion cases[] = {
        {{0, 0, 0}, 0x000000},   {{255, 255, 255}, 0xFFFFFF},      {{0x12, 0x34, 0x56}, 0x123456},
        {{255, 0, 0}, 0xFF0000}, {{0, 0, 255}, 0x0000FF},          {{256 + 1, 512 + 2, 3}, 0x010203},
        {{-1, 0, 0}, 0xFF0000},  {{0x1FF, 0x100, 0x80}, 0xFF0080},
    };
    for (const Conversion& conversion : cases)
        EXPECT_EQ(LightColour::colourOf(conversion.row), conversion.colour)
            << conversion.row[0] << "," << conversion.row[1] << "," << conversion.row[2];
}

TEST(LightColour, ColoursBecomeRowsAndComeBackUnchanged) {
    for (Rgb colour : {0x000000U, 0xFFFFFFU, 0x123456U, 0xFF0000U, 0x00FF00U, 0x0000FFU, 0x804020U}) {
        const LightRow row = LightColour::rowOf(colour);
        EXPECT_EQ(row, (LightRow{static_cast<int>(colour >> 16), static_cast<int>((colour >> 8) & 0xFF),
                                 static_cast<int>(colour & 0xFF)}));
        EXPECT_EQ(LightColour::colourOf(row), colour);
    }
    EXPECT_EQ(LightColour::rowOf(0xAB123456U), (LightRow{0x12, 0x34, 0x56})) << "bits above 24 ignored";
}

TEST(LightColour, FlatRowsKeepEverySlotInPlace) {
    PerKeyTriples rows{};
    for (std::size_t slot = 0; slot < rows.size(); ++slot)
        rows[slot] = {static_cast<int>(slot), static_cast<int>(slot) + 100, static_cast<int>(slot) + 200};
    const FlatLightRows flat = LightColour::flatten(rows);
    EXPECT_EQ(flat.size(), 258U);
    EXPECT_EQ(flat[0], 0);
    EXPECT_EQ(flat[78 * 3 + 1], 178);
    EXPECT_EQ(flat[85 * 3 + 2], 285);
    EXPECT_EQ(LightColour::unflatten(flat), rows);
}

TEST(LightColour, FillColoursRowZeroAndEveryKey) {
    PerKeyTriples rows{};
    rows[40] = {1, 2, 3};
    LightColour::fill(rows, 0x0A0B0C);
    for (const LightRow& row : rows)
        EXPECT_EQ(row, (LightRow{10, 11, 12}));
}

} // namespace
