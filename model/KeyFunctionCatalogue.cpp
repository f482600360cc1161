// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KeyFunctionCatalogue.h"

#include "model/ActionItem.h"
#include "model/KeyboardVariant.h"
#include "model/catalogue/DeviceCodeTable.h"
#include "model/catalogue/FunctionNotes.h"
#include "model/catalogue/KeyNameTable.h"

#include <optional>

namespace {

constexpr std::array<const char*, kKindCount> kKindNamesZh{
    "未设置", "单键", "组合键", "宏键", "模拟击键", "多媒体键", "鼠标键", "操控键", "电源键"};
constexpr std::array<const char*, kKindCount> kKindNamesEn{
    "Not set", "Single", "Combo", "Macro", "Emulation", "Multimedia", "Mouse", "Function", "Power"};
constexpr std::array<const char*, 5> kProgramNamesZh{"编程键盘1：", "编程键盘2：", "编程键盘3：",
                                                     "编程键盘4：", "编程键盘5："};
constexpr std::array<const char*, 5> kProgramNamesEn{
    "Program1:", "Program2:", "Program3:", "Program4:", "Program5:"};

const std::string kNoName = "-- --";
constexpr int kNameIndexMask = 511;

template <std::size_t N>
void copyTexts(std::array<std::string, N>& to, const std::array<const char*, N>& from) {
    for (std::size_t i = 0; i < N; ++i)
        to[i] = from[i];
}

bool inCatalogue(int index) {
    return index >= 0 && index < kCatalogueSize;
}

} // namespace

void KeyFunctionCatalogue::fillFor(int deviceVariant) {
    keyNames.clear();
    for (const KeyNameEntry& entry : keyNameTable())
        keyNames.emplace(entry.index, entry.name);

    vkToCode.fill(0);
    for (const DeviceCodeEntry& entry : deviceCodeTable()) {
        if (inCatalogue(entry.keyIndex))
            vkToCode[static_cast<std::size_t>(entry.keyIndex)] = entry.code;
    }
    codeToVk.fill(0);
    for (int index = 0; index < kCatalogueSize; ++index) {
        const int code = vkToCode[static_cast<std::size_t>(index)];
        if (inCatalogue(code))
            codeToVk[static_cast<std::size_t>(code)] = index;
    }

    copyTexts(kindNamesZh, kKindNamesZh);
    copyTexts(kindNamesEn, kKindNamesEn);
    copyTexts(programNamesZh, kProgramNamesZh);
    copyTexts(programNamesEn, kProgramNamesEn);

    for (auto& note : notesZh)
        note.clear();
    for (auto& note : notesEn)
        note.clear();
    auto setNote = [this](const FunctionNote& note) {
        if (note.code >= 0 && note.code < kNoteCount) {
            notesEn[static_cast<std::size_t>(note.code)] = note.en;
            notesZh[static_cast<std::size_t>(note.code)] = note.zh;
        }
    };
    for (const FunctionNote& note : functionNotes())
        setNote(note);
    if (!KeyboardVariant::isWireless(deviceVariant)) {
        for (const FunctionNote& note : wiredIndicatorNotes())
            setNote(note);
    }
}

std::string KeyFunctionCatalogue::codeToName(int code) const {
    if (!inCatalogue(code))
        return kNoName;
    const int index = codeToVk[static_cast<std::size_t>(code)] & kNameIndexMask;
    const auto found = keyNames.find(index);
    return found == keyNames.end() ? kNoName : found->second;
}

std::string KeyFunctionCatalogue::keyEventName(int index, bool withSuffix) const {
    if (index < 0)
        return kNoName;
    const auto found = keyNames.find(index & kNameIndexMask);
    if (found == keyNames.end())
        return kNoName;
    if (!withSuffix)
        return found->second;
    return ActionItem::keyEvent(found->second, index < 512);
}

int KeyFunctionCatalogue::nameToIndex(std::string_view text) const {
    for (const auto& [index, name] : keyNames) {
        if (name == text)
            return index;
    }
    return -1;
}

int KeyFunctionCatalogue::nameToCode(std::string_view text) const {
    if (ActionItem::isDelay(text))
        return ActionItem::delayMilliseconds(text);
    // The first entry, in ascending index, that is the text itself or the key of the key event.
    const std::optional<std::string_view> key = ActionItem::keyOfEvent(text);
    for (const auto& [index, name] : keyNames) {
        if (name == text || (key && name == *key))
            return inCatalogue(index) ? vkToCode[static_cast<std::size_t>(index)] : 0;
    }
    return 0;
}
