#include "ui/SkinControl.h"

namespace {
const std::string kNoCaption;
} // namespace

const std::string& SkinControl::caption(const std::string& language) const {
    const auto found = captions.find(language);
    return found == captions.end() ? kNoCaption : found->second;
}

SkinControl makeControl(const ControlSpec& spec) {
    SkinControl control;
    control.id = spec.id;
    if (spec.captionZh != nullptr)
        control.captions["zh-CN"] = spec.captionZh;
    if (spec.captionEn != nullptr)
        control.captions["en-US"] = spec.captionEn;
    if (spec.tooltipZh != nullptr)
        control.tooltips["zh-CN"] = spec.tooltipZh;
    if (spec.tooltipEn != nullptr)
        control.tooltips["en-US"] = spec.tooltipEn;
    control.rect = spec.rect;
    control.textColour = spec.textColour;
    control.selectedTextColour = spec.selectedTextColour;
    control.keyIndex = spec.keyIndex;
    control.controlCode = spec.controlCode;
    control.selected = spec.selected;
    control.isLabel = spec.isLabel;
    control.showsText = spec.showsText;
    control.visible = spec.visible;
    control.textFormat = spec.textFormat;
    control.fontIndex = spec.fontIndex;
    return control;
}
