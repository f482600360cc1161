// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rules/HistoryTexts.h"

#include "app/rules/MainWindowControls.h"
#include "keymap/rules/ActionTexts.h"
#include "model/ConfigStore.h"

#include <array>
#include <cstdio>

namespace HistoryTexts {

namespace {

constexpr std::array<const char*, kLayers> kLayerNamesZh{"顶层", "Fn层", "Fn2层"};
constexpr std::array<const char*, kLayers> kLayerNamesEn{"top layer", "Fn layer", "Fn2 layer"};

bool inChinese(const std::string& language) {
    return language == "zh-CN";
}

std::string keyName(int slot) {
    const ControlSpec& entry = mainWindowControls(
        MainWindowLayout::RgbLayout)[static_cast<std::size_t>(kMainWindowKeyEntryOffset + slot)];
    return entry.captionEn;
}

template <typename Names>
std::string entryOf(const Names& names, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < names.size()
               ? names[static_cast<std::size_t>(index)]
               : std::string();
}

std::string withSummary(const std::string& kind, const std::string& summary) {
    return summary.empty() ? kind : kind + " " + summary;
}

int differingSlots(const PerKeyTriples& before, const PerKeyTriples& after) {
    int count = 0;
    for (int slot = kFirstKey; slot <= kLastKey; ++slot)
        count += before[static_cast<std::size_t>(slot)] != after[static_cast<std::size_t>(slot)] ? 1 : 0;
    return count;
}

StepName keysStep(const char* zh, const char* en, int count) {
    return {std::string(zh) + "：" + std::to_string(count) + " 个键",
            std::string(en) + ": " + std::to_string(count) + (count == 1 ? " key" : " keys")};
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

StepName assignment(const CConfigStore& store, int slot, int table) {
    const int kind = store.keyKind[static_cast<std::size_t>(slot)][static_cast<std::size_t>(table)];
    const std::string summary = visible(assignmentSummary(store, slot, table));
    return {withSummary(entryOf(store.kindNamesZh, kind), summary),
            withSummary(entryOf(store.kindNamesEn, kind), summary)};
}

StepName keyEdit(const CConfigStore& store, int slot, int table, const StepName& before) {
    const StepName after = assignment(store, slot, table);
    const std::string key = keyName(slot);
    const auto layer = static_cast<std::size_t>(table % kLayers);
    const std::string program = std::to_string(table / kLayers + 1);
    return {"按键 " + key + "，编程键盘" + program + "，" + kLayerNamesZh[layer] + "：" + before.zh + " → " +
                after.zh,
            "key " + key + ", program " + program + ", " + kLayerNamesEn[layer] + ": " + before.en + " → " +
                after.en};
}

StepName defaults() {
    return {"恢复默认", "Default"};
}

StepName openProfile(const std::string& path) {
    const std::string name = visible(fileNameOf(path));
    return {"打开配置 " + name, "Open profile " + name};
}

StepName readAll() {
    return {"读取配置", "Read All"};
}

StepName backlight(const StoreConfiguration& before, const StoreConfiguration& after) {
    return keysStep("设置背光", "Backlight", differingSlots(before.lightArea, after.lightArea));
}

StepName rapidTrigger(const StoreConfiguration& before, const StoreConfiguration& after) {
    return keysStep("动态快触", "Rapid trigger", differingSlots(before.triggerValues, after.triggerValues));
}

StepName restored() {
    return {"恢复未保存的更改", "Restore unsaved changes"};
}

std::string undone(const std::string& language, const StepName& step) {
    return inChinese(language) ? "已撤销：" + step.zh : "Undone: " + step.en;
}

std::string redone(const std::string& language, const StepName& step) {
    return inChinese(language) ? "已重做：" + step.zh : "Redone: " + step.en;
}

std::string nothingToUndo(const std::string& language) {
    return inChinese(language) ? "没有可撤销的操作" : "Nothing to undo";
}

std::string nothingToRedo(const std::string& language) {
    return inChinese(language) ? "没有可重做的操作" : "Nothing to redo";
}

std::string restoreQuestion(const std::string& language, const std::vector<StepName>& steps) {
    const bool zh = inChinese(language);
    std::string text = zh ? "上次运行结束时，以下更改既未写入键盘也未保存：\n"
                          : "When the program last ended, these changes were neither written to the "
                            "keyboard nor saved:\n";
    const std::size_t first = steps.size() > kListedSteps ? steps.size() - kListedSteps : 0;
    if (first > 0)
        text += zh ? "  …（另有 " + std::to_string(first) + " 项）\n"
                   : "  … (" + std::to_string(first) + " more)\n";
    for (std::size_t i = first; i < steps.size(); ++i)
        text += "  " + visible(steps[i].in(language)) + "\n";
    text += zh ? "是否恢复这些更改？" : "Restore these changes?";
    return text;
}

std::string visible(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace HistoryTexts
