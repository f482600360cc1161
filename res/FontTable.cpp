#include "res/FontTable.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>

namespace {
QFont baseFont() {
    QFont font = QGuiApplication::font();
    if (QFontDatabase::hasFamily(FontTable::kPreferredFamily))
        font.setFamilies({FontTable::kPreferredFamily, font.family()});
    return font;
}
} // namespace

FontTable::FontTable() {
    const QFont base = baseFont();
    for (int index = 0; index < kFonts; ++index) {
        QFont& font = fonts_[static_cast<std::size_t>(index)];
        font = base;
        if (index > 0)
            font.setPixelSize(index);
    }
}

const QFont& FontTable::font(int index) const {
    return fonts_[static_cast<std::size_t>(std::clamp(index, 0, kFonts - 1))];
}
