// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FactoryDefaults.h"

#include "model/KeyboardVariant.h"

#include <algorithm>
#include <array>

namespace {

struct FactoryRow {
    int top;
    int fn; // the Fn and Fn2 layers are the same in every row
};

// Variant 1, key slots 0..85.
constexpr std::array<FactoryRow, 86> kFactoryRows{{
    {0, 0},     {1, 0},    {2, 112},  {3, 114},  {4, 113},  {5, 110},  {6, 109},  {7, 111},  {8, 108},
    {9, 149},   {10, 168}, {11, 169}, {12, 182}, {13, 167}, {78, 91},  {79, 80},  {84, 159}, {14, 136},
    {15, 148},  {16, 138}, {17, 137}, {18, 139}, {19, 135}, {20, 0},   {21, 94},  {22, 95},  {23, 96},
    {24, 92},   {25, 142}, {26, 143}, {27, 0},   {82, 81},  {28, 173}, {29, 158}, {30, 128}, {31, 157},
    {32, 154},  {33, 178}, {34, 0},   {35, 97},  {36, 98},  {37, 99},  {38, 93},  {39, 174}, {40, 175},
    {41, 177},  {83, 0},   {42, 0},   {43, 126}, {44, 129}, {45, 127}, {46, 133}, {47, 171}, {48, 0},
    {49, 100},  {50, 101}, {51, 102}, {52, 105}, {53, 0},   {54, 0},   {86, 0},   {55, 198}, {56, 130},
    {57, 132},  {58, 131}, {59, 134}, {60, 172}, {61, 0},   {62, 103}, {63, 203}, {64, 104}, {65, 106},
    {66, 0},    {87, 145}, {85, 0},   {67, 152}, {68, 0},   {69, 155}, {70, 0},   {70, 0},   {71, 0},
    {156, 156}, {74, 0},   {88, 146}, {89, 144}, {90, 147},
}};

// Lighting functions that the S variants (2, 3) do not have.
constexpr std::array kWithoutColourLighting{135, 136, 137, 138, 139, 142, 143, 146, 147, 148};
// Wireless functions that the wired variants (3, 4) do not have.
constexpr std::array kWithoutWireless{167, 168, 169, 171, 172, 178, 182};

template <std::size_t N>
bool contains(const std::array<int, N>& codes, int code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

int fnLayerCode(int variant, int code) {
    const bool knownVariant = variant >= KeyboardVariant::kSBle && variant <= KeyboardVariant::kRgb;
    if (!knownVariant)
        return code;
    if (!KeyboardVariant::hasColourLighting(variant) && contains(kWithoutColourLighting, code))
        return 0;
    if (!KeyboardVariant::isWireless(variant) && contains(kWithoutWireless, code))
        return 0;
    return code;
}

} // namespace

int defaultKeyCode(int variant, int slot, int layer) {
    if (slot < 0 || slot >= static_cast<int>(kFactoryRows.size()) || layer < 0)
        return 0;
    const FactoryRow& row = kFactoryRows[static_cast<std::size_t>(slot)];
    return layer % 3 == 0 ? row.top : fnLayerCode(variant, row.fn);
}

int defaultKindForCode(int code) {
    if (code == 0)
        return 0;
    if (code >= 75 && code <= 77)
        return 8;
    if (code < 108 || code == 204 || (code >= 210 && code <= 221))
        return 1;
    if (code <= 125)
        return 5;
    if (code <= 134 || code == 157 || code == 158 || code == 173 || code == 198)
        return 6;
    if (code >= 199 && code <= 202)
        return 1;
    return 7;
}
