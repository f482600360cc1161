// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/FontTable.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>

const QFont& FontTable::baseFont() const {
    if (!base_) {
        base_ = QGuiApplication::font();
        if (QFontDatabase::hasFamily(kPreferredFamily))
            base_->setFamilies({kPreferredFamily, base_->family()});
    }
    return *base_;
}

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
