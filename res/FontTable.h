#pragma once

#include <QFont>

#include <array>

// The 50 fonts every window picks by index: font k (1..49) is k pixels high, font 0 has the default
// size. All use the application's CJK-capable face so Chinese captions show.
class FontTable {
public:
    static constexpr int kFonts = 50;
    // The face every font uses when it is installed.
    static constexpr const char* kPreferredFamily = "WenQuanYi Micro Hei";

    FontTable();

    // Font index; an index beyond the table gives its largest font, a negative one font 0.
    const QFont& font(int index) const;

private:
    std::array<QFont, kFonts> fonts_;
};
