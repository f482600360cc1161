#include "trigger/RapidTriggerControls.h"

#include "ui/KeyGrid.h"

#include <array>

namespace {

// The buttons and labels, entries 0 to 15. Buttons draw no caption; the text on them comes from the
// label laid over each.
constexpr std::array<ControlSpec, 16> kFrameRows{{
    {.id = 81, .captionZh = "", .captionEn = "", .rect = {818, 12, 838, 32}, .role = ControlRole::Close},
    {.id = 82,
     .captionZh = "全选",
     .captionEn = "Select All",
     .rect = {73, 420, 160, 454},
     .role = ControlRole::Button},
    {.id = 83,
     .captionZh = "设置",
     .captionEn = "Set",
     .rect = {178, 420, 265, 454},
     .role = ControlRole::Button},
    {.id = 84,
     .captionZh = "从键盘读取",
     .captionEn = "Read",
     .rect = {333, 420, 420, 454},
     .role = ControlRole::Button},
    {.id = 85,
     .captionZh = "写入到键盘",
     .captionEn = "Write",
     .rect = {438, 420, 525, 454},
     .role = ControlRole::Button},
    {.id = 86,
     .captionZh = "确定",
     .captionEn = "OK",
     .rect = {598, 420, 685, 454},
     .role = ControlRole::Button},
    {.id = 87,
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {703, 420, 790, 454},
     .role = ControlRole::Button},
    {.id = 88,
     .captionZh = "跟踪键程",
     .captionEn = "Track",
     .rect = {345, 50, 505, 87},
     .role = ControlRole::Button},
    {.id = 91,
     .captionZh = "动态快速触发设置",
     .captionEn = "Dynamic Rapid Trigger Setting",
     .rect = {305, 13, 535, 45},
     .isLabel = true,
     .fontIndex = 17,
     .role = ControlRole::Label},
    {.id = 92,
     .captionZh = "全选",
     .captionEn = "Select All",
     .rect = {73, 431, 160, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = 93,
     .captionZh = "设置",
     .captionEn = "Set",
     .rect = {178, 431, 265, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = 94,
     .captionZh = "从键盘读取",
     .captionEn = "Read",
     .rect = {343, 431, 420, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = 95,
     .captionZh = "写入到键盘",
     .captionEn = "Update",
     .rect = {448, 431, 525, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = 96,
     .captionZh = "确定",
     .captionEn = "OK",
     .rect = {598, 431, 685, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = 97,
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {703, 431, 790, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = 98,
     .captionZh = "实时跟踪按键行程",
     .captionEn = "Real-time to Track",
     .rect = {375, 60, 505, 87},
     .isLabel = true,
     .fontIndex = 13,
     .textFormat = 0,
     .role = ControlRole::Label},
}};

// One key of the keyboard: its index, caption and horizontal extent.
struct KeyCell {
    int key = 0;
    const char* caption = nullptr;
    int left = -1;
    int right = -1;
};

constexpr std::array<KeyRow, 6> kKeyRows{{
    {.firstKey = 1, .top = 133, .bottom = 174},
    {.firstKey = 17, .top = 176, .bottom = 217},
    {.firstKey = 32, .top = 219, .bottom = 259},
    {.firstKey = 47, .top = 261, .bottom = 301},
    {.firstKey = 61, .top = 303, .bottom = 344},
    {.firstKey = 75, .top = 346, .bottom = 386},
}};

constexpr std::array<KeyCell, kRapidTriggerKeyCount> kKeyCells{{
    {.key = 1, .caption = "Esc", .left = 93, .right = 135},
    {.key = 2, .caption = "F1", .left = 136, .right = 178},
    {.key = 3, .caption = "F2", .left = 179, .right = 220},
    {.key = 4, .caption = "F3", .left = 221, .right = 262},
    {.key = 5, .caption = "F4", .left = 263, .right = 305},
    {.key = 6, .caption = "F5", .left = 306, .right = 348},
    {.key = 7, .caption = "F6", .left = 349, .right = 390},
    {.key = 8, .caption = "F7", .left = 391, .right = 432},
    {.key = 9, .caption = "F8", .left = 433, .right = 474},
    {.key = 10, .caption = "F9", .left = 475, .right = 516},
    {.key = 11, .caption = "F10", .left = 517, .right = 558},
    {.key = 12, .caption = "F11", .left = 559, .right = 601},
    {.key = 13, .caption = "F12", .left = 602, .right = 644},
    {.key = 14, .caption = "PrtSc", .left = 645, .right = 686},
    {.key = 15, .caption = "Pause", .left = 687, .right = 728},
    {.key = 16, .caption = "Del", .left = 729, .right = 770},
    {.key = 17, .caption = "~", .left = 93, .right = 135},
    {.key = 18, .caption = "1", .left = 136, .right = 178},
    {.key = 19, .caption = "2", .left = 179, .right = 220},
    {.key = 20, .caption = "3", .left = 221, .right = 262},
    {.key = 21, .caption = "4", .left = 263, .right = 305},
    {.key = 22, .caption = "5", .left = 306, .right = 348},
    {.key = 23, .caption = "6", .left = 349, .right = 390},
    {.key = 24, .caption = "7", .left = 391, .right = 432},
    {.key = 25, .caption = "8", .left = 433, .right = 474},
    {.key = 26, .caption = "9", .left = 475, .right = 516},
    {.key = 27, .caption = "0", .left = 517, .right = 558},
    {.key = 28, .caption = "-", .left = 559, .right = 601},
    {.key = 29, .caption = "+", .left = 602, .right = 644},
    {.key = 30, .caption = "BackSpace", .left = 645, .right = 728},
    {.key = 31, .caption = "Home", .left = 729, .right = 770},
    {.key = 32, .caption = "Tab", .left = 93, .right = 156},
    {.key = 33, .caption = "Q", .left = 157, .right = 199},
    {.key = 34, .caption = "W", .left = 200, .right = 241},
    {.key = 35, .caption = "E", .left = 242, .right = 283},
    {.key = 36, .caption = "R", .left = 284, .right = 326},
    {.key = 37, .caption = "T", .left = 327, .right = 368},
    {.key = 38, .caption = "Y", .left = 369, .right = 410},
    {.key = 39, .caption = "U", .left = 411, .right = 453},
    {.key = 40, .caption = "I", .left = 454, .right = 496},
    {.key = 41, .caption = "O", .left = 497, .right = 538},
    {.key = 42, .caption = "P", .left = 539, .right = 580},
    {.key = 43, .caption = "[", .left = 581, .right = 622},
    {.key = 44, .caption = "]", .left = 623, .right = 664},
    {.key = 45, .caption = "\\", .left = 665, .right = 728},
    {.key = 46, .caption = "PgUp", .left = 729, .right = 770},
    {.key = 47, .caption = "Caps Lock", .left = 93, .right = 167},
    {.key = 48, .caption = "A", .left = 168, .right = 209},
    {.key = 49, .caption = "S", .left = 210, .right = 251},
    {.key = 50, .caption = "D", .left = 252, .right = 294},
    {.key = 51, .caption = "F", .left = 295, .right = 336},
    {.key = 52, .caption = "G", .left = 337, .right = 378},
    {.key = 53, .caption = "H", .left = 379, .right = 421},
    {.key = 54, .caption = "J", .left = 422, .right = 464},
    {.key = 55, .caption = "K", .left = 465, .right = 506},
    {.key = 56, .caption = "L", .left = 507, .right = 548},
    {.key = 57, .caption = ";", .left = 549, .right = 590},
    {.key = 58, .caption = "'", .left = 591, .right = 633},
    {.key = 59, .caption = "Enter", .left = 634, .right = 727},
    {.key = 60, .caption = "PgDown", .left = 728, .right = 769},
    {.key = 61, .caption = "Shift", .left = 93, .right = 188},
    {.key = 62, .caption = "Z", .left = 189, .right = 230},
    {.key = 63, .caption = "X", .left = 231, .right = 273},
    {.key = 64, .caption = "C", .left = 274, .right = 316},
    {.key = 65, .caption = "V", .left = 317, .right = 358},
    {.key = 66, .caption = "B", .left = 359, .right = 400},
    {.key = 67, .caption = "N", .left = 401, .right = 442},
    {.key = 68, .caption = "M", .left = 443, .right = 484},
    {.key = 69, .caption = "<", .left = 485, .right = 527},
    {.key = 70, .caption = ">", .left = 528, .right = 570},
    {.key = 71, .caption = "?", .left = 571, .right = 612},
    {.key = 72, .caption = "Shift", .left = 613, .right = 685},
    {.key = 73, .caption = "Up", .left = 686, .right = 727},
    {.key = 74, .caption = "End", .left = 728, .right = 769},
    {.key = 75, .caption = "Ctrl", .left = 93, .right = 145},
    {.key = 76, .caption = "Win", .left = 146, .right = 198},
    {.key = 77, .caption = "Alt", .left = 199, .right = 251},
    {.key = 78, .caption = "Space", .left = 252, .right = 368},
    {.key = 79, .caption = "Space", .left = 369, .right = 485},
    {.key = 80, .caption = "Alt", .left = 486, .right = 538},
    {.key = 81, .caption = "RFn", .left = 539, .right = 591},
    {.key = 82, .caption = "Ctrl", .left = 592, .right = 644},
    {.key = 83, .caption = "Left", .left = 645, .right = 686},
    {.key = 84, .caption = "Down", .left = 687, .right = 728},
    {.key = 85, .caption = "Right", .left = 729, .right = 770},
}};

// The keys whose "zh-CN" tooltip names the side of the keyboard they sit on.
struct TooltipException {
    int key = 0;
    const char* tooltipZh = nullptr;
};

constexpr std::array<TooltipException, 4> kTooltipExceptions{{
    {.key = 76, .tooltipZh = "LWin"},
    {.key = 77, .tooltipZh = "LAlt"},
    {.key = 80, .tooltipZh = "RAlt"},
    {.key = 82, .tooltipZh = "RCtrl"},
}};

static_assert(listedByKeyIndex(kKeyCells), "key cells are listed by key index, from 1");

constexpr bool isKey(int keyIndex) {
    return keyIndex >= 1 && keyIndex <= kRapidTriggerKeyCount;
}

constexpr KeyLegend legendOf(int keyIndex) {
    if (!isKey(keyIndex))
        return {};
    const char* caption = kKeyCells[static_cast<std::size_t>(keyIndex - 1)].caption;
    for (const TooltipException& exception : kTooltipExceptions) {
        if (exception.key == keyIndex)
            return {.caption = caption, .tooltipZh = exception.tooltipZh};
    }
    return {.caption = caption, .tooltipZh = caption};
}

constexpr SkinRect rectOf(int keyIndex) {
    return keyRectInGrid(kKeyRows, kKeyCells, keyIndex);
}

constexpr ControlSpec keyControl(int keyIndex, SkinRect rect) {
    const KeyLegend legend = legendOf(keyIndex);
    return {
        .id = 99 + keyIndex,
        .captionZh = legend.caption,
        .captionEn = legend.caption,
        .rect = rect,
        .keyIndex = keyIndex,
        .tooltipZh = legend.tooltipZh,
        .role = ControlRole::Key,
    };
}

constexpr std::array<ControlSpec, kRapidTriggerControlCount> buildTable() {
    std::array<ControlSpec, kRapidTriggerControlCount> table{};
    for (std::size_t entry = 0; entry < kFrameRows.size(); ++entry)
        table[entry] = kFrameRows[entry];
    for (int key = 1; key <= kRapidTriggerKeyCount; ++key)
        table[static_cast<std::size_t>(kRapidTriggerKeyEntryOffset + key)] = keyControl(key, rectOf(key));
    return table;
}

constexpr std::array<ControlSpec, kRapidTriggerControlCount> kTable = buildTable();

} // namespace

std::span<const ControlSpec> rapidTriggerControls() {
    return kTable;
}

KeyLegend rapidTriggerKeyLegend(int keyIndex) {
    return legendOf(keyIndex);
}

SkinRect rapidTriggerKeyRect(int keyIndex) {
    return rectOf(keyIndex);
}

ControlSpec keyboardKeyControl(int keyIndex, SkinRect rect) {
    return keyControl(keyIndex, rect);
}
