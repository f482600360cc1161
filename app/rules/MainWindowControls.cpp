// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rules/MainWindowControls.h"

#include "controls/KeyboardKeys.h"

#include <array>

namespace {

using enum MainWindowControlId;

// Where a command row entry sits in the S layout.
enum class InS : std::uint8_t {
    Same,  // the rectangle of the RGB layout
    Moved, // the rectangle sRect
    Absent // an unused entry
};

struct CommandRow {
    ControlSpec control; // as in the RGB layout
    InS inS = InS::Same;
    SkinRect sRect{};
};

constexpr Rgb kSelectedLabelColour = rgb(0, 255, 0);

// Buttons show their caption only while hovered; labels always show theirs. The language button and
// its label show the other language's name. Every command button holds "tip" under "zh-CN" only,
// except the three title-bar buttons.
constexpr std::array<CommandRow, 40> kCommandRows{{
    {.control = {.id = idOf(Language),
                 .captionZh = "English",
                 .captionEn = "简体中文",
                 .rect = {919, 92, 1010, 128},
                 .role = ControlRole::Button},
     .inS = InS::Moved,
     .sRect = {818, 92, 908, 128}},
    {.control = {.id = idOf(ReadCounters),
                 .captionZh = "读取计数",
                 .captionEn = "ReadCounter",
                 .rect = {623, 92, 713, 128},
                 .role = ControlRole::Button},
     .inS = InS::Moved,
     .sRect = {526, 92, 616, 128}},
    {.control = {.id = idOf(Help),
                 .captionZh = "",
                 .captionEn = "",
                 .rect = {940, 20, 965, 50},
                 .tooltipZh = "帮助",
                 .role = ControlRole::Help}},
    {.control = {.id = idOf(Minimise),
                 .captionZh = "",
                 .captionEn = "",
                 .rect = {913, 20, 938, 50},
                 .tooltipZh = "最小化",
                 .role = ControlRole::Minimise}},
    {.control = {.id = idOf(Exit),
                 .captionZh = "",
                 .captionEn = "",
                 .rect = {967, 20, 992, 50},
                 .tooltipZh = "退出",
                 .role = ControlRole::Close}},
    {.control = {.id = idOf(SaveProfile),
                 .captionZh = "保存配置",
                 .captionEn = "Save",
                 .rect = {40, 92, 130, 128},
                 .role = ControlRole::Button}},
    {.control = {.id = idOf(OpenProfile),
                 .captionZh = "打开配置",
                 .captionEn = "Open",
                 .rect = {137, 92, 227, 128},
                 .role = ControlRole::Button}},
    {.control = {.id = idOf(Defaults),
                 .captionZh = "恢复默认",
                 .captionEn = "Default",
                 .rect = {235, 92, 325, 128},
                 .role = ControlRole::Button}},
    {.control = {.id = idOf(WriteKeys),
                 .captionZh = "写入按键",
                 .captionEn = "Write key settings",
                 .rect = {333, 92, 423, 128},
                 .role = ControlRole::Button}},
    {.control = {.id = idOf(Backlight),
                 .captionZh = "设置背光",
                 .captionEn = "Write backlight",
                 .rect = {428, 92, 518, 128},
                 .role = ControlRole::Button},
     .inS = InS::Absent},
    {.control = {.id = idOf(ReadAll),
                 .captionZh = "读取配置",
                 .captionEn = "Load",
                 .rect = {526, 92, 616, 128},
                 .role = ControlRole::Button},
     .inS = InS::Moved,
     .sRect = {428, 92, 518, 128}},
    {.control = {.id = idOf(FirmwareUpdate),
                 .captionZh = "固件升级",
                 .captionEn = "Firmware Update",
                 .rect = {721, 92, 811, 128},
                 .role = ControlRole::Button},
     .inS = InS::Moved,
     .sRect = {623, 92, 713, 128}},
    {.control = {.id = idOf(RapidTrigger),
                 .captionZh = "动态点设置",
                 .captionEn = "Rapid Set",
                 .rect = {818, 92, 908, 128},
                 .role = ControlRole::Button},
     .inS = InS::Moved,
     .sRect = {721, 92, 811, 128}},
    {.control = {.id = idOf(TopLayer),
                 .captionZh = "top",
                 .captionEn = "top",
                 .rect = {58, 167, 110, 219},
                 .role = ControlRole::Radio}},
    {.control = {.id = idOf(FnLayer),
                 .captionZh = "Fn",
                 .captionEn = "Fn",
                 .rect = {58, 238, 110, 290},
                 .role = ControlRole::Radio}},
    {.control = {.id = idOf(Fn2Layer),
                 .captionZh = "Fn2",
                 .captionEn = "Fn2",
                 .rect = {58, 310, 110, 362},
                 .role = ControlRole::Radio}},
    {.control = {.id = idOf(Program),
                 .captionZh = "Program",
                 .captionEn = "Program",
                 .rect = {58, 423, 110, 475},
                 .role = ControlRole::Button}},
    {.control = {.id = idOf(LanguageLabel),
                 .captionZh = "English",
                 .captionEn = "简体中文",
                 .rect = {919, 101, 1010, 130},
                 .isLabel = true,
                 .role = ControlRole::Label},
     .inS = InS::Moved,
     .sRect = {818, 101, 908, 130}},
    {.control = {.id = idOf(ReadCountersLabel),
                 .captionZh = "读取计数",
                 .captionEn = "ReadCounter",
                 .rect = {623, 101, 713, 130},
                 .isLabel = true,
                 .role = ControlRole::Label},
     .inS = InS::Moved,
     .sRect = {526, 101, 616, 130}},
    {.control = {.id = idOf(SaveProfileLabel),
                 .captionZh = "保存配置",
                 .captionEn = "Save",
                 .rect = {40, 101, 130, 130},
                 .isLabel = true,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(OpenProfileLabel),
                 .captionZh = "打开配置",
                 .captionEn = "Open",
                 .rect = {137, 101, 227, 130},
                 .isLabel = true,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(DefaultsLabel),
                 .captionZh = "恢复默认",
                 .captionEn = "Default",
                 .rect = {235, 101, 325, 130},
                 .isLabel = true,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(WriteKeysLabel),
                 .captionZh = "写入按键",
                 .captionEn = "WriteKeys",
                 .rect = {333, 101, 423, 130},
                 .isLabel = true,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(BacklightLabel),
                 .captionZh = "设置背光",
                 .captionEn = "LightSet",
                 .rect = {428, 101, 518, 130},
                 .isLabel = true,
                 .role = ControlRole::Label},
     .inS = InS::Absent},
    {.control = {.id = idOf(ReadAllLabel),
                 .captionZh = "读取配置",
                 .captionEn = "ReadAll",
                 .rect = {526, 101, 616, 130},
                 .isLabel = true,
                 .role = ControlRole::Label},
     .inS = InS::Moved,
     .sRect = {428, 101, 518, 130}},
    {.control = {.id = idOf(FirmwareUpdateLabel),
                 .captionZh = "固件升级",
                 .captionEn = "Update",
                 .rect = {721, 101, 811, 130},
                 .isLabel = true,
                 .role = ControlRole::Label},
     .inS = InS::Moved,
     .sRect = {623, 101, 713, 130}},
    {.control = {.id = idOf(RapidTriggerLabel),
                 .captionZh = "动态快触",
                 .captionEn = "DRT",
                 .rect = {817, 101, 908, 130},
                 .isLabel = true,
                 .role = ControlRole::Label},
     .inS = InS::Moved,
     .sRect = {720, 101, 811, 130}},
    {.control = {.id = idOf(TopLayerLabel),
                 .captionZh = "顶层",
                 .captionEn = "TopLayer",
                 .rect = {55, 150, 115, 170},
                 .isLabel = true,
                 .selectedTextColour = kSelectedLabelColour,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(FnLayerLabel),
                 .captionZh = "Fn组合层",
                 .captionEn = "FnLayer",
                 .rect = {55, 223, 115, 243},
                 .isLabel = true,
                 .selectedTextColour = kSelectedLabelColour,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(Fn2LayerLabel),
                 .captionZh = "Fn2组合层",
                 .captionEn = "Fn2Layer",
                 .rect = {55, 295, 115, 315},
                 .isLabel = true,
                 .selectedTextColour = kSelectedLabelColour,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(Program1Label),
                 .captionZh = "编程键盘1",
                 .captionEn = "Program1",
                 .rect = {49, 365, 120, 384},
                 .isLabel = true,
                 .selectedTextColour = kSelectedLabelColour,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(Program2Label),
                 .captionZh = "编程键盘2",
                 .captionEn = "Program2",
                 .rect = {49, 385, 120, 404},
                 .isLabel = true,
                 .selectedTextColour = kSelectedLabelColour,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(Program3Label),
                 .captionZh = "编程键盘3",
                 .captionEn = "Program3",
                 .rect = {49, 405, 120, 424},
                 .isLabel = true,
                 .selectedTextColour = kSelectedLabelColour,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(CombinationLegend),
                 .captionZh = "组合键",
                 .captionEn = "Combo",
                 .rect = {316, 483, 386, 503},
                 .isLabel = true,
                 .textFormat = 0,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(MacroLegend),
                 .captionZh = "宏定义键",
                 .captionEn = "Macro",
                 .rect = {405, 483, 475, 503},
                 .isLabel = true,
                 .textFormat = 0,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(EmulationLegend),
                 .captionZh = "模拟击键",
                 .captionEn = "Emulation",
                 .rect = {485, 483, 555, 503},
                 .isLabel = true,
                 .textFormat = 0,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(MultimediaLegend),
                 .captionZh = "多媒体键",
                 .captionEn = "Multimedia",
                 .rect = {576, 483, 646, 503},
                 .isLabel = true,
                 .textFormat = 0,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(MouseLegend),
                 .captionZh = "鼠标键",
                 .captionEn = "Mouse",
                 .rect = {656, 483, 726, 503},
                 .isLabel = true,
                 .textFormat = 0,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(FunctionLegend),
                 .captionZh = "操控键",
                 .captionEn = "Function",
                 .rect = {746, 483, 816, 503},
                 .isLabel = true,
                 .textFormat = 0,
                 .role = ControlRole::Label}},
    {.control = {.id = idOf(PowerLegend),
                 .captionZh = "电源键",
                 .captionEn = "Power",
                 .rect = {843, 483, 913, 503},
                 .isLabel = true,
                 .textFormat = 0,
                 .role = ControlRole::Label}},
}};

// One key button: its index, legend and rectangle, the same in both layouts.
struct KeyButton {
    int key = 0;
    const char* name = nullptr;
    SkinRect rect{};
};

constexpr std::array<KeyButton, 85> kKeyButtons{{
    {.key = 1, .name = "Esc", .rect = {239, 194, 281, 236}},
    {.key = 2, .name = "F1", .rect = {281, 194, 324, 236}},
    {.key = 3, .name = "F2", .rect = {324, 194, 367, 236}},
    {.key = 4, .name = "F3", .rect = {367, 194, 409, 236}},
    {.key = 5, .name = "F4", .rect = {409, 194, 451, 236}},
    {.key = 6, .name = "F5", .rect = {451, 194, 493, 236}},
    {.key = 7, .name = "F6", .rect = {493, 194, 535, 236}},
    {.key = 8, .name = "F7", .rect = {535, 194, 578, 236}},
    {.key = 9, .name = "F8", .rect = {578, 194, 621, 236}},
    {.key = 10, .name = "F9", .rect = {621, 194, 663, 236}},
    {.key = 11, .name = "F10", .rect = {663, 194, 705, 236}},
    {.key = 12, .name = "F11", .rect = {705, 194, 747, 236}},
    {.key = 13, .name = "F12", .rect = {747, 194, 789, 236}},
    {.key = 14, .name = "PrtSc", .rect = {789, 194, 832, 236}},
    {.key = 15, .name = "Pause", .rect = {832, 194, 875, 236}},
    {.key = 16, .name = "Del", .rect = {875, 194, 918, 236}},
    {.key = 17, .name = "~", .rect = {239, 236, 281, 279}},
    {.key = 18, .name = "1", .rect = {281, 236, 324, 279}},
    {.key = 19, .name = "2", .rect = {324, 236, 367, 279}},
    {.key = 20, .name = "3", .rect = {367, 236, 409, 279}},
    {.key = 21, .name = "4", .rect = {409, 236, 451, 279}},
    {.key = 22, .name = "5", .rect = {451, 236, 493, 279}},
    {.key = 23, .name = "6", .rect = {493, 236, 535, 279}},
    {.key = 24, .name = "7", .rect = {535, 236, 578, 279}},
    {.key = 25, .name = "8", .rect = {578, 236, 621, 279}},
    {.key = 26, .name = "9", .rect = {621, 236, 663, 279}},
    {.key = 27, .name = "0", .rect = {663, 236, 705, 279}},
    {.key = 28, .name = "-", .rect = {705, 236, 747, 279}},
    {.key = 29, .name = "+", .rect = {747, 236, 789, 279}},
    {.key = 30, .name = "BackSpace", .rect = {789, 236, 876, 279}},
    {.key = 31, .name = "Home", .rect = {876, 236, 919, 279}},
    {.key = 32, .name = "Tab", .rect = {239, 279, 303, 321}},
    {.key = 33, .name = "Q", .rect = {303, 279, 345, 321}},
    {.key = 34, .name = "W", .rect = {345, 279, 387, 321}},
    {.key = 35, .name = "E", .rect = {387, 279, 429, 321}},
    {.key = 36, .name = "R", .rect = {429, 279, 472, 321}},
    {.key = 37, .name = "T", .rect = {472, 279, 515, 321}},
    {.key = 38, .name = "Y", .rect = {515, 279, 557, 321}},
    {.key = 39, .name = "U", .rect = {557, 279, 599, 321}},
    {.key = 40, .name = "I", .rect = {599, 279, 641, 321}},
    {.key = 41, .name = "O", .rect = {641, 279, 683, 321}},
    {.key = 42, .name = "P", .rect = {683, 279, 726, 321}},
    {.key = 43, .name = "[", .rect = {726, 279, 769, 321}},
    {.key = 44, .name = "]", .rect = {769, 279, 812, 321}},
    {.key = 45, .name = "\\", .rect = {812, 279, 874, 321}},
    {.key = 46, .name = "PgUp", .rect = {874, 279, 917, 321}},
    {.key = 47, .name = "Caps Lock", .rect = {239, 321, 314, 364}},
    {.key = 48, .name = "A", .rect = {314, 321, 356, 364}},
    {.key = 49, .name = "S", .rect = {356, 321, 398, 364}},
    {.key = 50, .name = "D", .rect = {398, 321, 440, 364}},
    {.key = 51, .name = "F", .rect = {440, 321, 482, 364}},
    {.key = 52, .name = "G", .rect = {482, 321, 524, 364}},
    {.key = 53, .name = "H", .rect = {524, 321, 566, 364}},
    {.key = 54, .name = "J", .rect = {566, 321, 609, 364}},
    {.key = 55, .name = "K", .rect = {609, 321, 652, 364}},
    {.key = 56, .name = "L", .rect = {652, 321, 695, 364}},
    {.key = 57, .name = ";", .rect = {695, 321, 737, 364}},
    {.key = 58, .name = "'", .rect = {737, 321, 779, 364}},
    {.key = 59, .name = "Enter", .rect = {779, 321, 874, 364}},
    {.key = 60, .name = "PgDown", .rect = {874, 321, 917, 364}},
    {.key = 61, .name = "Shift", .rect = {239, 364, 335, 407}},
    {.key = 62, .name = "Z", .rect = {335, 364, 377, 407}},
    {.key = 63, .name = "X", .rect = {377, 364, 419, 407}},
    {.key = 64, .name = "C", .rect = {419, 364, 461, 407}},
    {.key = 65, .name = "V", .rect = {461, 364, 504, 407}},
    {.key = 66, .name = "B", .rect = {504, 364, 547, 407}},
    {.key = 67, .name = "N", .rect = {547, 364, 589, 407}},
    {.key = 68, .name = "M", .rect = {589, 364, 631, 407}},
    {.key = 69, .name = "<", .rect = {631, 364, 673, 407}},
    {.key = 70, .name = ">", .rect = {673, 364, 715, 407}},
    {.key = 71, .name = "?", .rect = {715, 364, 758, 407}},
    {.key = 72, .name = "Shift", .rect = {758, 364, 832, 407}},
    {.key = 73, .name = "Up", .rect = {832, 364, 875, 407}},
    {.key = 74, .name = "End", .rect = {875, 364, 918, 407}},
    {.key = 75, .name = "Ctrl", .rect = {239, 407, 292, 449}},
    {.key = 76, .name = "Win", .rect = {292, 407, 345, 449}},
    {.key = 77, .name = "Alt", .rect = {345, 407, 398, 449}},
    {.key = 78, .name = "Space", .rect = {398, 407, 514, 449}},
    {.key = 79, .name = "Space", .rect = {514, 407, 630, 449}},
    {.key = 80, .name = "Alt", .rect = {630, 407, 683, 449}},
    {.key = 81, .name = "RFn", .rect = {683, 407, 736, 449}},
    {.key = 82, .name = "Ctrl", .rect = {736, 407, 789, 449}},
    {.key = 83, .name = "Left", .rect = {789, 407, 832, 449}},
    {.key = 84, .name = "Down", .rect = {832, 407, 875, 449}},
    {.key = 85, .name = "Right", .rect = {875, 407, 918, 449}},
}};

static_assert(listedByKeyIndex(kKeyButtons), "key cells are listed by key index, from 1");

constexpr std::array<ControlSpec, kMainWindowControlCount> buildTable(MainWindowLayout layout) {
    std::array<ControlSpec, kMainWindowControlCount> table{};
    std::size_t entry = 0;
    for (const CommandRow& row : kCommandRows) {
        ControlSpec control = row.control;
        if (layout == MainWindowLayout::SLayout && row.inS == InS::Absent)
            control = ControlSpec{};
        else if (layout == MainWindowLayout::SLayout && row.inS == InS::Moved)
            control.rect = row.sRect;
        table[entry++] = control;
    }
    for (const KeyButton& cell : kKeyButtons) {
        table[static_cast<std::size_t>(kMainWindowKeyEntryOffset + cell.key)] = {
            .id = keyboardKeyId(cell.key),
            .captionZh = cell.name,
            .captionEn = cell.name,
            .rect = cell.rect,
            .keyIndex = cell.key,
            .tooltipZh = cell.name,
            .role = ControlRole::Key,
        };
    }
    return table;
}

constexpr std::array<ControlSpec, kMainWindowControlCount> kRgbTable =
    buildTable(MainWindowLayout::RgbLayout);
constexpr std::array<ControlSpec, kMainWindowControlCount> kSTable = buildTable(MainWindowLayout::SLayout);

constexpr std::array<Rgb, kMainWindowKindPaletteSize> kKindPalette{
    rgb(0, 0, 0),     // not set: drawn in the pressed look instead
    rgb(0, 128, 192), // single key: an ordinary key
    rgb(255, 255, 0), // combination
    rgb(0, 255, 0),   // macro
    rgb(128, 128, 0), // emulation
    rgb(255, 0, 255), // multimedia
    rgb(10, 10, 255), // mouse
    rgb(0, 255, 255), // function
    rgb(255, 0, 0),   // power
};

} // namespace

std::span<const ControlSpec> mainWindowControls(MainWindowLayout layout) {
    return layout == MainWindowLayout::SLayout ? std::span<const ControlSpec>(kSTable) : kRgbTable;
}

std::span<const Rgb> mainWindowKindPalette() {
    return kKindPalette;
}

std::span<const ControlSpec> mainWindowRgbControls() {
    return mainWindowControls(MainWindowLayout::RgbLayout);
}

std::span<const ControlSpec> mainWindowSControls() {
    return mainWindowControls(MainWindowLayout::SLayout);
}

namespace {

constexpr std::array<SpokenName, 4> kPictureNames{{
    {.id = idOf(TopLayer), .zh = "顶层", .en = "TopLayer"},
    {.id = idOf(FnLayer), .zh = "Fn组合层", .en = "FnLayer"},
    {.id = idOf(Fn2Layer), .zh = "Fn2组合层", .en = "Fn2Layer"},
    {.id = idOf(Program), .zh = "切换编程键盘", .en = "Next program"},
}};

} // namespace

std::span<const SpokenName> mainWindowPictureNames() {
    return kPictureNames;
}
