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

const QFont& FontTable::font(int index) const {
    const auto slot = static_cast<std::size_t>(std::clamp(index, 0, kFonts - 1));
    std::optional<QFont>& font = fonts_[slot];
    if (!font) {
        font = baseFont();
        if (slot > 0)
            font->setPixelSize(static_cast<int>(slot));
    }
    return *font;
}
