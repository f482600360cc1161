// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/KeyboardPicture.h"

#include "app/rules/MainWindowControls.h"
#include "model/ConfigStore.h"

#include <algorithm>

namespace KeyboardPicture {

namespace {

// The control entry of key 1..85 in the variant's table, or nothing.
const ControlSpec* keyEntry(int variant, int key) {
    if (key < kFirstKey || key > kLastKey)
        return nullptr;
    const auto controls = mainWindowControls(mainWindowLayoutFor(variant));
    return &controls[static_cast<std::size_t>(kMainWindowKeyEntryOffset + key)];
}

} // namespace

SkinRect keyRect(int variant, int key) {
    const ControlSpec* entry = keyEntry(variant, key);
    return entry != nullptr ? entry->rect : SkinRect{};
}

SkinRect keysBounds(int variant) {
    SkinRect bounds = keyRect(variant, kFirstKey);
    for (int key = kFirstKey + 1; key <= kLastKey; ++key) {
        const SkinRect rect = keyRect(variant, key);
        bounds = {std::min(bounds.left, rect.left), std::min(bounds.top, rect.top),
                  std::max(bounds.right, rect.right), std::max(bounds.bottom, rect.bottom)};
    }
    return bounds;
}

std::string labelCaption(int id) {
    for (const ControlSpec& entry : mainWindowControls(MainWindowLayout::RgbLayout)) {
        if (entry.id == id && entry.isLabel && entry.captionEn != nullptr)
            return entry.captionEn;
    }
    return {};
}

} // namespace KeyboardPicture
