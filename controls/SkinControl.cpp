// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SkinControl.h"

namespace {
const std::string kNoCaption;
} // namespace

const std::string& SkinControl::caption(const std::string& language) const {
    const auto found = captions.find(language);
    return found == captions.end() ? kNoCaption : found->second;
}

SkinControl makeControl(const ControlSpec& tableRow) {
    SkinControl control;
    control.id = tableRow.id;
    if (tableRow.captionZh != nullptr)
        control.captions["zh-CN"] = tableRow.captionZh;
    if (tableRow.captionEn != nullptr)
        control.captions["en-US"] = tableRow.captionEn;
    if (tableRow.tooltipZh != nullptr)
        control.tooltips["zh-CN"] = tableRow.tooltipZh;
    if (tableRow.tooltipEn != nullptr)
        control.tooltips["en-US"] = tableRow.tooltipEn;
    control.rect = tableRow.rect;
    control.textColour = tableRow.textColour;
    control.selectedTextColour = tableRow.selectedTextColour;
    control.keyIndex = tableRow.keyIndex;
    control.controlCode = tableRow.controlCode;
    control.selected = tableRow.selected;
    control.isLabel = tableRow.isLabel;
    control.showsText = tableRow.showsText;
    control.visible = tableRow.visible;
    control.textFormat = tableRow.textFormat;
    control.fontIndex = tableRow.fontIndex;
    control.role = tableRow.role;
    return control;
}
