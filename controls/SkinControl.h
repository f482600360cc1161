// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <type_traits>

// A 24-bit colour, 0xRRGGBB.
using Rgb = std::uint32_t;
constexpr Rgb rgb(int red, int green, int blue) {
    return (static_cast<Rgb>(red & 0xFF) << 16) | (static_cast<Rgb>(green & 0xFF) << 8) |
           static_cast<Rgb>(blue & 0xFF);
}
constexpr int redOf(Rgb colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}
constexpr int greenOf(Rgb colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int blueOf(Rgb colour) {
    return static_cast<int>(colour & 0xFF);
}

// A rectangle as left, top, right, bottom; right and bottom lie outside it.
struct SkinRect {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend constexpr bool operator==(const SkinRect&, const SkinRect&) = default;
};

inline constexpr Rgb kDefaultTextColour = rgb(200, 200, 200);

// Every window names its control ids once, in one enum class in its rules header (BacklightControlId,
// KeyAssignmentControlId, ...); its table, code and tests use those names, and idOf gives a name's
// number.
template <typename T>
concept ControlIdName = std::is_enum_v<T>;

constexpr int idOf(ControlIdName auto id) {
    return static_cast<int>(id);
}

// What an entry is, as its window's pictures draw it. The windows themselves go by id; the role tells
// the picture library what to draw inside the entry's rectangle.
enum class ControlRole : std::uint8_t {
    None,   // unused entry
    Label,  // text only; the window draws the caption
    Button, // a command button (its caption is drawn by a label over it, or by the window)
    Close,  // the small title-bar buttons
    Minimise,
    Help,
    Key,      // a keycap; the picture carries its legend (the entry's caption)
    Tab,      // a page tab
    Radio,    // a radio choice
    Check,    // a check box
    Icon,     // a function icon; controlCode names the function (device key code)
    Increase, // the up and down steppers of a value
    Decrease,
    Swatch, // a colour field or colour choice
    Area,   // a framed area: list, text box, gauge or bar strip
};

// One entry of a skinned window's control table: a button, key, label or icon drawn from the window's
// pictures. Only entries with id > 0 take part in drawing, hit-testing and clicks.
struct SkinControl {
    int id = -1;
    std::map<std::string, std::string> captions{{"en", "Unused"}};
    std::map<std::string, std::string> tooltips{{"en", "Unused"}};
    SkinRect rect;
    Rgb textColour = kDefaultTextColour;
    Rgb selectedTextColour = kDefaultTextColour;
    int keyIndex = -1;
    int controlCode = -1;
    bool selected = false;
    bool isLabel = false;
    bool showsText = false;
    bool visible = true;
    bool hovered = false;
    int textFormat = 1; // 1 centred horizontally, 0 left-aligned; both from the top
    int fontIndex = 13;
    // What the entry is, as its table row says.
    ControlRole role = ControlRole::None;

    // The caption for language, empty when the map has none.
    const std::string& caption(const std::string& language) const;
};

// One row of a window's control table as the window's data file writes it. Texts are UTF-8; a null
// text leaves that map entry out.
struct ControlSpec {
    int id = -1;
    const char* captionZh = nullptr;
    const char* captionEn = nullptr;
    SkinRect rect;
    bool isLabel = false;
    bool showsText = false;
    int fontIndex = 13;
    int textFormat = 1;
    int keyIndex = -1;
    int controlCode = -1;
    const char* tooltipZh = "tip"; // most entries hold "tip" under "zh-CN"
    const char* tooltipEn = nullptr;
    Rgb textColour = kDefaultTextColour;
    Rgb selectedTextColour = kDefaultTextColour;
    bool selected = false;
    bool visible = true;
    ControlRole role = ControlRole::None;
};

// True when every cell's key is its position plus one: for tables of keys listed by key index.
template <typename Cells>
constexpr bool listedByKeyIndex(const Cells& cells) {
    int expected = 1;
    for (const auto& cell : cells) {
        if (cell.key != expected++)
            return false;
    }
    return true;
}

// The control entry a table row describes, with captions and tooltips under "zh-CN" and "en-US".
SkinControl makeControl(const ControlSpec& tableRow);
