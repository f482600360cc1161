// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include <array>
#include <optional>

// The 50 fonts every window picks by index: font k (1..49) is k pixels high, font 0 has the default
// size. All use the application's CJK-capable face so Chinese captions show.
class FontTable {
public:
    static constexpr int kFonts = 50;
    // The face every font uses when it is installed.
    static constexpr const char* kPreferredFamily = "WenQuanYi Micro Hei";

    // Font index; an index beyond the table gives its largest font, a negative one font 0. Each font
    // is made the first time it is asked for, so start-up pays only for the fonts it shows.
    const QFont& font(int index) const;

private:
    const QFont& baseFont() const;

    // The face is looked up in the font database once: every lookup asks the system's font
    // configuration anew.
    mutable std::optional<QFont> base_;
    mutable std::array<std::optional<QFont>, kFonts> fonts_;
};
