// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rules/MainWindowTexts.h"

#include "model/KeyboardVariant.h"

#include "app/rules/MainWindowControls.h"
#include "keymap/rules/ActionTexts.h"
#include "model/ConfigStore.h"

#include <array>

namespace MainWindowTexts {

namespace {

bool inChinese(const std::string& language) {
    return language == "zh-CN";
}

// The title of each variant; the two counter places follow "Highest" and "Lowest".
struct TitleText {
    const char* zh;
    const char* en;
};

TitleText titleFor(int deviceVariant) {
    switch (deviceVariant) {
    case 2:
        return {"QelEC(S)Ble 编程软件 [版本 1.0.10]\r\n\r\n高频键：",
                "QelEC(S)Ble Programming Software [Ver 1.0.10]\r\n\r\nHighest: "};
    case 3:
        return {"QelEC(S) 编程软件 [版本 1.0.10]\r\n\r\n高频键：",
                "QelEC(S) Programming Software [Ver 1.0.10]\r\n\r\nHighest: "};
    case 4:
        return {"QelEC(RGB) 编程软件 [版本 1.0.10]\r\n\r\n高频键：",
                "QelEC(RGB) Programming Software [Ver 1.0.10]\r\n\r\nHighest: "};
    default:
        return {"QelEC(RGB)Ble 编程软件 [版本 1.0.10]\r\n\r\n高频键：",
                "QelEC(RGB)Ble Programming Software [Ver 1.0.10]\r\n\r\nHighest: "};
    }
}

// A counter place: the key's name and a blank, or five blanks for no key.
std::string counterPlace(int key) {
    if (key < 1 || key > kLastKey)
        return "     ";
    const ControlSpec& entry = mainWindowControls(
        MainWindowLayout::RgbLayout)[static_cast<std::size_t>(kMainWindowKeyEntryOffset + key)];
    return std::string(entry.captionEn) + " ";
}

// The line formats of the three layers, before and after the assignment.
struct LayerLine {
    const char* zh;
    const char* en;
    const char* enWithNote;
};
constexpr std::array<LayerLine, 3> kLayerLines{{
    {"\r\n顶层键：", "\r\nTopLayer Key:", "\r\nTopLayer Key:"},
    {"\r\nFn组合键：", "\r\nFnLayer Key:", "\r\nFnLayer Key Key:"},
    {"\r\nFn2组合键：", "\r\nFn2Layer Key:", "\r\nFn2Layer Key:"},
}};

bool carriesNote(int kind) {
    return kind == kKindMouse || kind == kKindFunction;
}

template <typename Names>
const std::string& entryOf(const Names& names, int index) {
    static const std::string none;
    return index >= 0 && static_cast<std::size_t>(index) < names.size()
               ? names[static_cast<std::size_t>(index)]
               : none;
}

std::string layerLine(const CConfigStore& store, int key, int layer) {
    const bool zh = inChinese(store.language);
    const int table = store.currentProgram * 3 + layer;
    const auto k = static_cast<std::size_t>(key);
    const int kind = store.keyKind[k][static_cast<std::size_t>(table)];
    const LayerLine& format = kLayerLines[static_cast<std::size_t>(layer)];
    std::string line = zh ? format.zh : carriesNote(kind) ? format.enWithNote : format.en;
    line += entryOf(zh ? store.kindNamesZh : store.kindNamesEn, kind);
    line += ' ';
    line += assignmentSummary(store, key, table);
    if (carriesNote(kind)) {
        const int code = store.keyCode[k][static_cast<std::size_t>(table)];
        line += " (" + entryOf(zh ? store.notesZh : store.notesEn, code) + ")";
    }
    return line;
}

} // namespace

std::string title(const CConfigStore& store) {
    const bool zh = inChinese(store.language);
    const TitleText text = titleFor(store.deviceVariant);
    std::string title = zh ? text.zh : text.en;
    title += counterPlace(store.highestKey);
    title += zh ? " 低频键：" : " Lowest: ";
    title += counterPlace(store.lowestKey);
    title += zh ? "\r\n敲击次数：" : "\r\nCounter: ";
    return title;
}

std::string keyInformation(const CConfigStore& store, int key) {
    if (key < 1 || key > kLastKey)
        return {};
    const bool zh = inChinese(store.language);
    std::string text;
    const int count = store.pressCounts[static_cast<std::size_t>(key)];
    if (count >= 0)
        text += std::to_string(count);
    text += "\r\n" + entryOf(zh ? store.programNamesZh : store.programNamesEn, store.currentProgram);
    for (int layer = 0; layer < 3; ++layer)
        text += layerLine(store, key, layer);
    return text;
}

std::string information(const CConfigStore& store, int key, const std::string& notice) {
    std::string text = title(store);
    if (!notice.empty()) {
        const std::size_t blankLine = text.find("\r\n\r\n");
        if (blankLine != std::string::npos)
            text.insert(blankLine + 2, notice);
    }
    return text + keyInformation(store, key);
}

std::string unwrittenChangesQuestion(const std::string& language) {
    return inChinese(language) ? "配置未写入，是否继续退出??"
                               : "Configuration don't be writted,continue to exit??";
}

std::string saveProfileQuestion(const std::string& language) {
    return inChinese(language) ? "是否保存按键配置文件??" : "Save configuration file of key??";
}

std::string trayExitItem(const std::string& language) {
    return inChinese(language) ? "关闭" : "Exit";
}

namespace {

// Whether name is the root element of some keyboard variant's profiles.
bool isKeyboardName(const std::string& name) {
    for (const int variant :
         {KeyboardVariant::kRgbBle, KeyboardVariant::kSBle, KeyboardVariant::kS, KeyboardVariant::kRgb}) {
        if (name == KeyboardVariant::name(variant))
            return true;
    }
    return false;
}

} // namespace

std::string profileNotOpened(const std::string& language, const std::string& path,
                             const ProfileLoadReport& report) {
    const bool zh = inChinese(language);
    std::string reason;
    switch (report.status) {
    case ProfileLoadReport::Status::Loaded:
        return {};
    case ProfileLoadReport::Status::Unreadable:
        if (!report.reason.empty())
            reason = (zh ? "文件无法读取：" : "The file cannot be read: ") + report.reason;
        else
            reason = zh ? "文件无法读取。" : "The file cannot be read.";
        break;
    case ProfileLoadReport::Status::NotWellFormed:
        reason = zh ? "文件不是有效的配置文件。" : "The file is not a well-formed profile.";
        break;
    case ProfileLoadReport::Status::WrongVariant:
        if (!isKeyboardName(report.rootName)) {
            reason = zh ? "该文件不是本程序的配置文件。" : "The file is not a profile of this program.";
            break;
        }
        reason = zh ? "该配置文件属于另一款键盘（" + report.rootName + "）。"
                    : "The profile is for another keyboard (" + report.rootName + ").";
        break;
    }
    const std::string unchanged = zh ? "当前配置没有改变。" : "The current configuration is unchanged.";
    return (zh ? "无法打开配置文件：\n" : "The profile could not be opened:\n") + path + "\n" + reason +
           "\n" + unchanged;
}

std::string profileNotSaved(const std::string& language, const std::string& path, const std::string& reason) {
    if (inChinese(language)) {
        if (!reason.empty())
            return "无法保存配置文件：\n" + path + "\n" + reason + "\n原有文件保持不变。";
        return "无法保存配置文件：\n" + path + "\n请确认文件夹存在且可以写入；原有文件保持不变。";
    }
    if (!reason.empty())
        return "The profile could not be saved:\n" + path + "\n" + reason +
               "\nAny existing file is unchanged.";
    return "The profile could not be saved:\n" + path +
           "\nCheck that the folder exists and can be written to; any existing file is unchanged.";
}

} // namespace MainWindowTexts
