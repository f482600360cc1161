// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/MacroEditRules.h"

#include "keymap/rules/ActionRecorder.h"
#include "model/ActionItem.h"
#include "model/ActionList.h"
#include "model/ConfigStore.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace {

struct EntryNameFormat {
    LibraryKind kind;
    const char* zh;
    const char* en;
};
constexpr EntryNameFormat kEntryNameFormats[] = {
    {LibraryKind::Combo, "组合键", "New Combo "},
    {LibraryKind::Macro, "宏定义", "New Macro "},
    {LibraryKind::Emulation, "模拟击键", "New Emu "},
};

// What each inserting command puts in: the device code of the mouse action and how many times.
struct MenuInsertion {
    int command;
    int code;
    int times;
};
constexpr MenuInsertion kMenuInsertions[] = {
    {kMenuLeftPress, 130, 1},   {kMenuLeftRelease, 130, 1},   {kMenuLeftClick, 130, 2},
    {kMenuRightPress, 131, 1},  {kMenuRightRelease, 131, 1},  {kMenuRightClick, 131, 2},
    {kMenuMiddlePress, 132, 1}, {kMenuMiddleRelease, 132, 1}, {kMenuMiddleClick, 132, 2},
    {kMenuWheelUp, 133, 1},     {kMenuWheelDown, 134, 1},     {kMenuCursorLeft, 126, 1},
    {kMenuCursorRight, 127, 1}, {kMenuCursorUp, 128, 1},      {kMenuCursorDown, 129, 1},
};

// Each caption pair: Chinese, English.
struct Caption {
    const char* zh;
    const char* en;
};
struct ButtonSubmenu {
    Caption caption;
    int press;
    int release;
    int click;
};
constexpr ButtonSubmenu kButtonSubmenus[] = {
    {{"鼠标左键", "Left Click"}, kMenuLeftPress, kMenuLeftRelease, kMenuLeftClick},
    {{"鼠标右键", "Right Click"}, kMenuRightPress, kMenuRightRelease, kMenuRightClick},
    {{"鼠标中键", "Middle Click"}, kMenuMiddlePress, kMenuMiddleRelease, kMenuMiddleClick},
};
struct CursorCommand {
    int id;
    Caption caption;
};
constexpr CursorCommand kCursorCommands[] = {
    {kMenuCursorLeft, {"鼠标光标左移(点动)", "Cursor Move Left(Point)"}},
    {kMenuCursorRight, {"鼠标光标右移(点动)", "Cursor Move Right(Point)"}},
    {kMenuCursorUp, {"鼠标光标上移(点动)", "Cursor Move Up(Point)"}},
    {kMenuCursorDown, {"鼠标光标下移(点动)", "Cursor Move Down(Point)"}},
};
constexpr Caption kPress{"按下", "Press"};
constexpr Caption kRelease{"释放", "Release"};
constexpr Caption kClick{"点击", "Click"};
constexpr Caption kWheel{"滚轮", "Wheel"};
constexpr Caption kWheelUp{"前翻", "Up"};
constexpr Caption kWheelDown{"后翻", "Down"};
constexpr Caption kDelete{"删除", "Delete"};

void insertOnce(ActionList& macro, int row, const std::string& name) {
    if (macro.IsAutoInterval) {
        macro.insert(row, name);
    } else if (!ActionItem::isDelay(macro.item(row))) {
        macro.insert(row, ActionItem::delay(0));
        macro.insert(row, name);
    } else {
        macro.insert(row, name);
        macro.insert(row, ActionItem::delay(0));
    }
}

// A delay row's partner is the key event after it; a key event's is the delay after it, so the
// list keeps alternating.
void deleteRow(ActionList& macro, int row) {
    macro.remove(row);
    if (!macro.IsAutoInterval)
        macro.remove(row);
}

void trimToLimit(ActionList& macro) {
    while (macro.count() > macroItemLimit(macro))
        macro.remove(macro.count());
}

} // namespace

std::string newEntryName(const ActionList& library, LibraryKind kind, const std::string& language) {
    const bool chinese = language == "zh-CN";
    if (!chinese && language != "en-US")
        return {};
    const auto format = std::ranges::find(kEntryNameFormats, kind, &EntryNameFormat::kind);
    const std::string prefix = chinese ? format->zh : format->en;
    for (int n = 1;; ++n) {
        std::string name = prefix + std::to_string(n);
        if (library.find(name) < 0)
            return name;
    }
}

LimitedNumber limitedNumber(const std::string& text, int minimum, int maximum) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0)
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0; ++at)
        value = std::min<long long>(value * 10 + (text[at] - '0'), INT_MAX);
    if (negative)
        value = -value;
    if (value > maximum)
        return {maximum, std::to_string(maximum)};
    if (value < minimum)
        return {minimum, std::to_string(minimum)};
    return {static_cast<int>(value), std::nullopt};
}

bool keepPlayCountInRange(ActionList& macro) {
    if (macro.PlayMode != 0)
        return false;
    const int count = std::clamp(macro.Cycles, kMinCycles, kMaxCycles);
    const bool changed = count != macro.Cycles;
    macro.Cycles = count;
    return changed;
}

std::optional<std::string> delayRowEditText(const std::string& item) {
    if (!ActionItem::isBracketedDelay(item))
        return std::nullopt;
    return std::string(ActionItem::delayNumberText(item));
}

std::string typedDelayItem(const std::string& text) {
    return ActionItem::delay(limitedNumber(text, 0, kMaxRecordedDelayMs).value);
}

void switchToAutomaticDelay(ActionList& macro) {
    ActionList rebuilt = macro;
    clearForRecording(rebuilt);
    for (std::size_t i = 0; i < macro.items().size(); i += 2)
        rebuilt.setOrAppend(ActionList::kAppend, macro.items()[i]);
    rebuilt.IsAutoInterval = true;
    macro = rebuilt;
}

void switchToRecordedDelays(ActionList& macro) {
    ActionList rebuilt = macro;
    clearForRecording(rebuilt);
    for (std::size_t i = 0; i < macro.items().size(); ++i) {
        if (i > 0)
            rebuilt.setOrAppend(ActionList::kAppend, ActionItem::delay(macro.Delay));
        rebuilt.setOrAppend(ActionList::kAppend, macro.items()[i]);
    }
    rebuilt.IsAutoInterval = false;
    macro = rebuilt;
}

std::vector<MacroMenuEntry> macroMenu(const std::string& language) {
    const bool chinese = language == "zh-CN";
    if (!chinese && language != "en-US")
        return {};
    const auto text = [chinese](const Caption& caption) {
        return std::string(chinese ? caption.zh : caption.en);
    };
    std::vector<MacroMenuEntry> menu;
    for (const CursorCommand& command : kCursorCommands)
        menu.push_back({command.id, text(command.caption), {}});
    for (const ButtonSubmenu& button : kButtonSubmenus)
        menu.push_back({0,
                        text(button.caption),
                        {{button.press, text(kPress), {}},
                         {button.release, text(kRelease), {}},
                         {button.click, text(kClick), {}}}});
    menu.push_back(
        {0, text(kWheel), {{kMenuWheelUp, text(kWheelUp), {}}, {kMenuWheelDown, text(kWheelDown), {}}}});
    menu.push_back({kMenuDelete, text(kDelete), {}});
    return menu;
}

bool runMacroMenuCommand(ActionList& macro, int command, int row, const CConfigStore& store) {
    if (command == kMenuDelete) {
        deleteRow(macro, row);
    } else {
        const auto insertion = std::ranges::find(kMenuInsertions, command, &MenuInsertion::command);
        if (insertion == std::end(kMenuInsertions))
            return false;
        const std::string name = store.codeToName(insertion->code);
        for (int time = 0; time < insertion->times; ++time)
            insertOnce(macro, row, name);
    }
    trimToLimit(macro);
    return true;
}
