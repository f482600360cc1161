// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/KeyAssignmentControls.h"

#include <array>
#include <cstddef>
#include <span>

namespace {

using enum KeyAssignmentControlId;

constexpr Rgb kGreen = rgb(0, 255, 0);

// ---------------------------------------------------------------------------------------------
// Frame, on every page.

// Default, Clear, OK and Cancel; their words are the labels laid over them.
constexpr ControlSpec kFrameButtons[] = {
    {.id = idOf(Default), .rect = {33, 320, 117, 353}, .role = ControlRole::Button}, // under DefaultLabel
    {.id = idOf(Clear), .rect = {130, 320, 214, 353}, .role = ControlRole::Button},  // under ClearLabel
    {.id = idOf(Ok), .rect = {365, 320, 449, 353}, .role = ControlRole::Button},     // under OkLabel
    {.id = idOf(Cancel), .rect = {462, 320, 544, 353}, .role = ControlRole::Button}, // under CancelLabel
};

// The seven page tabs: 77 units wide, from x 18 in steps of 78, y 48..82.
constexpr ControlSpec tab(int page) {
    const int left = 18 + 78 * (page - 1);
    return {.id = keyAssignmentTabId(page), .rect = {left, 48, left + 77, 82}, .role = ControlRole::Tab};
}

constexpr ControlSpec kFrameRest[] = {
    {.id = idOf(Close), .rect = {547, 14, 565, 30}, .role = ControlRole::Close}, // acts as Cancel
    {.id = idOf(Title),
     .captionZh = "按键设置面板",
     .captionEn = "Key Settings",
     .rect = {1, 14, 573, 35},
     .isLabel = true,
     .fontIndex = 17,
     .role = ControlRole::Label},
    {.id = idOf(DefaultLabel),
     .captionZh = "恢复默认",
     .captionEn = "Default",
     .rect = {37, 330, 117, 353},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(ClearLabel),
     .captionZh = "清空配置",
     .captionEn = "Clear",
     .rect = {135, 330, 215, 353},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(OkLabel),
     .captionZh = "确定",
     .captionEn = "OK",
     .rect = {365, 330, 449, 353},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(CancelLabel),
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {462, 330, 544, 353},
     .isLabel = true,
     .role = ControlRole::Label},
    // The words on the tabs.
    {.id = keyAssignmentTabLabelId(1),
     .captionZh = "单/组合键",
     .captionEn = "Single/Com",
     .rect = {18, 56, 95, 80},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = keyAssignmentTabLabelId(2),
     .captionZh = "宏定义",
     .captionEn = "Macro",
     .rect = {96, 56, 173, 80},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = keyAssignmentTabLabelId(3),
     .captionZh = "模拟击键",
     .captionEn = "Emulate",
     .rect = {174, 56, 251, 80},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = keyAssignmentTabLabelId(4),
     .captionZh = "多媒体",
     .captionEn = "Multimedia",
     .rect = {252, 56, 329, 80},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = keyAssignmentTabLabelId(5),
     .captionZh = "鼠标",
     .captionEn = "Mouse",
     .rect = {330, 56, 407, 80},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = keyAssignmentTabLabelId(6),
     .captionZh = "操控键",
     .captionEn = "Function",
     .rect = {408, 56, 485, 80},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = keyAssignmentTabLabelId(7),
     .captionZh = "电源键",
     .captionEn = "Power",
     .rect = {486, 56, 563, 80},
     .isLabel = true,
     .role = ControlRole::Label},
};

// ---------------------------------------------------------------------------------------------
// List rows: blocks of text rows, row k at top + pitch * k, each pitch - 1 units high.

struct RowGeometry {
    int firstId;
    int count;
    int left;
    int right;
    int top;
    int pitch;
    int textFormat;
};

constexpr ControlSpec listRow(const RowGeometry& block, int k) {
    const int top = block.top + block.pitch * k;
    return {.id = block.firstId + k,
            .rect = {block.left, top, block.right, top + block.pitch - 1},
            .showsText = true,
            .fontIndex = 11,
            .textFormat = block.textFormat,
            .role = ControlRole::Area};
}

constexpr RowGeometry kComboNameRows{.firstId = idOf(FirstComboRow),
                                     .count = 6,
                                     .left = 214,
                                     .right = 355,
                                     .top = 136,
                                     .pitch = 16,
                                     .textFormat = 0};
constexpr RowGeometry kComboRecordRows{.firstId = idOf(FirstComboRecordRow),
                                       .count = 3,
                                       .left = 378,
                                       .right = 522,
                                       .top = 136,
                                       .pitch = 16,
                                       .textFormat = 1}; // under the combination edit box
constexpr RowGeometry kMacroNameRows{.firstId = idOf(FirstMacroRow),
                                     .count = 9,
                                     .left = 37,
                                     .right = 178,
                                     .top = 114,
                                     .pitch = 14,
                                     .textFormat = 0};
constexpr RowGeometry kMacroActionRows{.firstId = idOf(FirstMacroActionRow),
                                       .count = 9,
                                       .left = 213,
                                       .right = 355,
                                       .top = 114,
                                       .pitch = 14,
                                       .textFormat = 0};
constexpr RowGeometry kEmulationNameRows{.firstId = idOf(FirstEmulationRow),
                                         .count = 9,
                                         .left = 37,
                                         .right = 178,
                                         .top = 114,
                                         .pitch = 14,
                                         .textFormat = 0};
constexpr RowGeometry kEmulationKeyRows{.firstId = idOf(FirstEmulationKeyRow),
                                        .count = 9,
                                        .left = 213,
                                        .right = 355,
                                        .top = 114,
                                        .pitch = 14,
                                        .textFormat = 0};

// ---------------------------------------------------------------------------------------------
// Page 1, single key or combination.

constexpr ControlSpec kSingleComboButtons[] = {
    {.id = idOf(SingleRadio),
     .rect = {50, 100, 110, 125},
     .selected = true,
     .role = ControlRole::Radio},                                                           // single
    {.id = idOf(ComboRadio), .rect = {207, 100, 275, 125}, .role = ControlRole::Radio},     // combination
    {.id = idOf(SingleNoAction), .rect = {45, 135, 160, 155}, .role = ControlRole::Button}, // no action
    {.id = idOf(Capture), .rect = {43, 204, 165, 238}, .role = ControlRole::Button},        // capture / stop
    {.id = idOf(NewCombo), .rect = {220, 242, 280, 278}, .role = ControlRole::Button},      // new combination
    {.id = idOf(DeleteCombo),
     .rect = {290, 242, 350, 278},
     .role = ControlRole::Button}, // delete combination
    {.id = idOf(RecordCombo), .rect = {375, 204, 525, 238}, .role = ControlRole::Button}, // record / stop
    {.id = idOf(PickSingleKey),
     .rect = {43, 242, 165, 278},
     .role = ControlRole::Button}, // virtual keyboard, single key
    {.id = idOf(PickCombination),
     .rect = {375, 242, 525, 278},
     .role = ControlRole::Button}, // virtual keyboard, combination
};

constexpr ControlSpec kSingleComboLabels[] = {
    {.id = idOf(SingleLabel),
     .captionZh = "单键",
     .captionEn = "Single",
     .rect = {70, 104, 115, 125},
     .isLabel = true,
     .selectedTextColour = kGreen,
     .role = ControlRole::Label},
    {.id = idOf(ComboLabel),
     .captionZh = "组合键",
     .captionEn = "Combo",
     .rect = {230, 104, 275, 125},
     .isLabel = true,
     .selectedTextColour = kGreen,
     .role = ControlRole::Label},
    {.id = idOf(PressAKeyLabel),
     .captionZh = "请输入一个单键：",
     .captionEn = "Press a key:",
     .rect = {45, 135, 160, 155},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(CaptureLabel),
     .captionZh = "开始录制",
     .captionEn = "Record",
     .rect = {43, 215, 165, 238},
     .isLabel = true,
     .role = ControlRole::Label}, // while not capturing
    {.id = idOf(StopCaptureLabel),
     .captionZh = "停止录制",
     .captionEn = "Stop Rec",
     .rect = {43, 215, 165, 238},
     .isLabel = true,
     .textColour = kGreen,
     .visible = false,
     .role = ControlRole::Label}, // while capturing
    {.id = idOf(NewComboLabel),
     .captionZh = "新建",
     .captionEn = "New",
     .rect = {220, 252, 280, 278},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(DeleteComboLabel),
     .captionZh = "删除",
     .captionEn = "Delete",
     .rect = {290, 252, 350, 278},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(KeyName),
     .captionZh = " ",
     .captionEn = " ",
     .rect = {48, 166, 160, 188},
     .isLabel = true,
     .role = ControlRole::Label}, // the name of the single key
    {.id = idOf(RecordComboLabel),
     .captionZh = "开始录制",
     .captionEn = "Record",
     .rect = {375, 212, 525, 238},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(StopComboLabel),
     .captionZh = "停止录制",
     .captionEn = "Stop Rec",
     .rect = {375, 212, 525, 238},
     .isLabel = true,
     .textColour = kGreen,
     .visible = false,
     .role = ControlRole::Label},
    {.id = idOf(ComboListLabel),
     .captionZh = "组合键列表",
     .captionEn = "Combo List",
     .rect = {214, 122, 355, 136},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(ComboRecordListLabel),
     .captionZh = "录制框",
     .captionEn = "Record List",
     .rect = {378, 120, 522, 134},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(PickSingleKeyLabel),
     .captionZh = "虚拟键盘输入",
     .captionEn = "Virtual Key Input",
     .rect = {43, 252, 165, 278},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(PickCombinationLabel),
     .captionZh = "虚拟键盘输入",
     .captionEn = "Virtual Key Input",
     .rect = {375, 252, 525, 278},
     .isLabel = true,
     .role = ControlRole::Label},
};

// ---------------------------------------------------------------------------------------------
// Page 2, macros.

constexpr ControlSpec kMacroButtons[] = {
    {.id = idOf(TimesPlayRadio),
     .rect = {390, 115, 405, 130},
     .role = ControlRole::Radio}, // play a number of times
    {.id = idOf(WhileHeldRadio), .rect = {390, 135, 405, 150}, .role = ControlRole::Radio}, // play while held
    {.id = idOf(TogglePlayRadio),
     .rect = {390, 155, 405, 170},
     .role = ControlRole::Radio}, // each press toggles
    {.id = idOf(AutomaticDelayRadio),
     .rect = {390, 175, 405, 190},
     .role = ControlRole::Radio}, // automatic delay
    {.id = idOf(RecordedDelayRadio),
     .rect = {390, 195, 405, 210},
     .role = ControlRole::Radio},                                                         // recorded delays
    {.id = idOf(NewMacro), .rect = {45, 258, 105, 288}, .role = ControlRole::Button},     // new macro
    {.id = idOf(RemoveMacro), .rect = {114, 258, 174, 288}, .role = ControlRole::Button}, // remove macro
    {.id = idOf(RecordMacro), .rect = {385, 215, 539, 248}, .role = ControlRole::Button}, // record / stop
};

constexpr ControlSpec kMacroLabels[] = {
    {.id = idOf(TimesPlayLabel),
     .captionZh = "次数播放",
     .captionEn = "Times Play",
     .rect = {407, 113, 475, 129},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(WhileHeldLabel),
     .captionZh = "按下播放，释放停止",
     .captionEn = "Press play, release stop",
     .rect = {407, 134, 570, 150},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(TogglePlayLabel),
     .captionZh = "按键开/关播放",
     .captionEn = "Press to play/stop",
     .rect = {407, 155, 520, 171},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(AutomaticDelayLabel),
     .captionZh = "自动延时",
     .captionEn = "Auto delay",
     .rect = {407, 174, 475, 192},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(RecordedDelayLabel),
     .captionZh = "记录延时",
     .captionEn = "Record delay",
     .rect = {407, 195, 510, 213},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(TimesLabel),
     .captionZh = "次",
     .captionEn = "times",
     .rect = {522, 111, 580, 129},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    // A second record with the id of the automatic delay's label.
    {.id = idOf(AutomaticDelayLabel),
     .captionZh = "毫秒",
     .captionEn = "ms",
     .rect = {522, 174, 580, 192},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(NewMacroLabel),
     .captionZh = "新建",
     .captionEn = "New",
     .rect = {45, 266, 105, 290},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(RemoveMacroLabel),
     .captionZh = "删除",
     .captionEn = "Remove",
     .rect = {114, 266, 174, 290},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(RecordMacroLabel),
     .captionZh = "开始录制",
     .captionEn = "Record",
     .rect = {385, 226, 539, 250},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(StopMacroLabel),
     .captionZh = "停止录制",
     .captionEn = "Stop Rec",
     .rect = {385, 226, 539, 250},
     .isLabel = true,
     .textColour = kGreen,
     .visible = false,
     .role = ControlRole::Label},
    {.id = idOf(MacroHint),
     .captionZh =
         "温馨提示：录制框中单击鼠标右键可插入鼠标功能\n录制框中选中延时参数并双击鼠标左键可对其编辑",
     .captionEn =
         "Tip:Right of mouse click to insert mouse actions in\nrecord list. Select delay parameter and "
         "double click\nleft of mouse to edit in record list.",
     .rect = {230, 254, 539, 308},
     .isLabel = true,
     .textFormat = 4,
     .role = ControlRole::Label},
    {.id = idOf(MacroListLabel),
     .captionZh = "宏列表",
     .captionEn = "Macro List",
     .rect = {37, 97, 178, 111},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(MacroRecordListLabel),
     .captionZh = "录制框",
     .captionEn = "Record List",
     .rect = {213, 97, 355, 111},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
};

// ---------------------------------------------------------------------------------------------
// Page 3, emulations.

constexpr ControlSpec kEmulationButtons[] = {
    {.id = idOf(EmulationNoAction), .rect = {383, 110, 467, 140}, .role = ControlRole::Button}, // no action
    {.id = idOf(RecordEmulation), .rect = {383, 148, 538, 178}, .role = ControlRole::Button}, // record / stop
    {.id = idOf(NewEmulation), .rect = {45, 258, 105, 288}, .role = ControlRole::Button},     // new emulation
    {.id = idOf(RemoveEmulation),
     .rect = {114, 258, 174, 288},
     .role = ControlRole::Button}, // remove emulation
};

constexpr ControlSpec kEmulationLabels[] = {
    {.id = idOf(EmulationDelayLabel),
     .captionZh = "延时",
     .captionEn = "Delay",
     .rect = {387, 112, 447, 130},
     .isLabel = true,
     .role = ControlRole::Label},
    // A second record with the id of the delay's label.
    {.id = idOf(EmulationDelayLabel),
     .captionZh = "毫秒",
     .captionEn = "ms",
     .rect = {510, 112, 550, 130},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(RecordEmulationLabel),
     .captionZh = "开始录制",
     .captionEn = "Record",
     .rect = {383, 156, 538, 176},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(StopEmulationLabel),
     .captionZh = "停止录制",
     .captionEn = "Stop Rec",
     .rect = {383, 156, 538, 176},
     .isLabel = true,
     .textColour = kGreen,
     .visible = false,
     .role = ControlRole::Label},
    {.id = idOf(NewEmulationLabel),
     .captionZh = "新建",
     .captionEn = "New",
     .rect = {45, 266, 105, 290},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(RemoveEmulationLabel),
     .captionZh = "删除",
     .captionEn = "Remove",
     .rect = {114, 266, 174, 290},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(EmulationListLabel),
     .captionZh = "模拟击键列表",
     .captionEn = "Emu List",
     .rect = {37, 97, 178, 111},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(EmulationRecordListLabel),
     .captionZh = "录制框",
     .captionEn = "Record List",
     .rect = {213, 97, 355, 111},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
};

// ---------------------------------------------------------------------------------------------
// Page 4, multimedia. Icons carry the device key code of their function and a tooltip.

constexpr ControlSpec kMultimediaIcons[] = {
    {.id = idOf(MediaSelect),
     .rect = {46, 152, 81, 188},
     .controlCode = 115,
     .tooltipZh = "播放器",
     .tooltipEn = "Media Select",
     .role = ControlRole::Icon},
    {.id = idOf(PlayPause),
     .rect = {96, 152, 131, 188},
     .controlCode = 111,
     .tooltipZh = "播放/暂停",
     .tooltipEn = "Play/Pause",
     .role = ControlRole::Icon},
    {.id = idOf(MediaStop),
     .rect = {146, 152, 181, 188},
     .controlCode = 110,
     .tooltipZh = "停止",
     .tooltipEn = "Stop",
     .role = ControlRole::Icon},
    {.id = idOf(NextTrack),
     .rect = {196, 152, 231, 188},
     .controlCode = 108,
     .tooltipZh = "下一首",
     .tooltipEn = "Next Track",
     .role = ControlRole::Icon},
    {.id = idOf(PreviousTrack),
     .rect = {246, 152, 281, 188},
     .controlCode = 109,
     .tooltipZh = "上一首",
     .tooltipEn = "Previous Track",
     .role = ControlRole::Icon},
    {.id = idOf(VolumeDown),
     .rect = {296, 152, 331, 188},
     .controlCode = 114,
     .tooltipZh = "音量减小",
     .tooltipEn = "Volume Down",
     .role = ControlRole::Icon},
    {.id = idOf(VolumeUp),
     .rect = {346, 152, 381, 188},
     .controlCode = 113,
     .tooltipZh = "音量加大",
     .tooltipEn = "Volume Up",
     .role = ControlRole::Icon},
    {.id = idOf(Mute),
     .rect = {396, 152, 431, 188},
     .controlCode = 112,
     .tooltipZh = "静音",
     .tooltipEn = "Mute",
     .role = ControlRole::Icon},
    {.id = idOf(WwwBack),
     .rect = {46, 235, 81, 274},
     .controlCode = 121,
     .tooltipZh = "后退",
     .tooltipEn = "WWW Back",
     .role = ControlRole::Icon},
    {.id = idOf(WwwForward),
     .rect = {96, 235, 131, 274},
     .controlCode = 122,
     .tooltipZh = "前进",
     .tooltipEn = "WWW Forward",
     .role = ControlRole::Icon},
    {.id = idOf(WwwStop),
     .rect = {146, 235, 181, 274},
     .controlCode = 123,
     .tooltipZh = "停止",
     .tooltipEn = "WWW Stop",
     .role = ControlRole::Icon},
    {.id = idOf(WwwRefresh),
     .rect = {196, 235, 231, 274},
     .controlCode = 124,
     .tooltipZh = "刷新",
     .tooltipEn = "WWW Refresh",
     .role = ControlRole::Icon},
    {.id = idOf(WwwFavorites),
     .rect = {246, 235, 281, 274},
     .controlCode = 125,
     .tooltipZh = "收藏夹",
     .tooltipEn = "WWW Favorites",
     .role = ControlRole::Icon},
    {.id = idOf(WwwSearch),
     .rect = {296, 235, 331, 274},
     .controlCode = 119,
     .tooltipZh = "搜索",
     .tooltipEn = "WWW Search",
     .role = ControlRole::Icon},
    {.id = idOf(Email),
     .rect = {346, 235, 381, 274},
     .controlCode = 116,
     .tooltipZh = "邮件",
     .tooltipEn = "E-mail",
     .role = ControlRole::Icon},
    {.id = idOf(WwwHome),
     .rect = {396, 235, 431, 274},
     .controlCode = 120,
     .tooltipZh = "主页",
     .tooltipEn = "WWW Home",
     .role = ControlRole::Icon},
    {.id = idOf(MyComputer),
     .rect = {446, 235, 481, 274},
     .controlCode = 118,
     .tooltipZh = "资源管理器",
     .tooltipEn = "My Computer",
     .role = ControlRole::Icon},
    {.id = idOf(Calculator),
     .rect = {496, 235, 531, 274},
     .controlCode = 117,
     .tooltipZh = "计算器",
     .tooltipEn = "Calculator",
     .role = ControlRole::Icon},
};

constexpr ControlSpec kMultimediaLabels[] = {
    {.id = idOf(MediaFunctionLabel),
     .captionZh = "多媒体功能",
     .captionEn = "Media Function",
     .rect = {46, 127, 167, 150},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(BrowserFunctionLabel),
     .captionZh = "浏览器功能",
     .captionEn = "Browser Function",
     .rect = {46, 207, 167, 230},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
};

// ---------------------------------------------------------------------------------------------
// Page 5, mouse. Every icon has a label with the same rectangle, keyAssignmentMouseLabelId(icon).

constexpr ControlSpec kMouseIcons[] = {
    {.id = idOf(CursorLeft),
     .rect = {37, 114, 140, 130},
     .controlCode = 126,
     .tooltipZh = "光标左移",
     .tooltipEn = "The Cursor to left move",
     .role = ControlRole::Icon},
    {.id = idOf(CursorRight),
     .rect = {37, 131, 140, 147},
     .controlCode = 127,
     .tooltipZh = "光标右移",
     .tooltipEn = "The Cursor to right move",
     .role = ControlRole::Icon},
    {.id = idOf(CursorUp),
     .rect = {37, 148, 140, 164},
     .controlCode = 128,
     .tooltipZh = "光标上移",
     .tooltipEn = "The Cursor to up move",
     .role = ControlRole::Icon},
    {.id = idOf(CursorDown),
     .rect = {37, 165, 140, 181},
     .controlCode = 129,
     .tooltipZh = "光标下移",
     .tooltipEn = "The Cursor to down move",
     .role = ControlRole::Icon},
    {.id = idOf(MouseLeftButton),
     .rect = {37, 182, 140, 198},
     .controlCode = 130,
     .tooltipZh = "鼠标左键",
     .tooltipEn = "The left key of mouse",
     .role = ControlRole::Icon},
    {.id = idOf(MouseRightButton),
     .rect = {37, 199, 140, 215},
     .controlCode = 131,
     .tooltipZh = "鼠标右键",
     .tooltipEn = "The right key of mouse",
     .role = ControlRole::Icon},
    {.id = idOf(MouseMiddleButton),
     .rect = {37, 216, 140, 232},
     .controlCode = 132,
     .tooltipZh = "鼠标中键（滚轮键）",
     .tooltipEn = "The middle key of mouse(Wheel key)",
     .role = ControlRole::Icon},
    {.id = idOf(WheelUp),
     .rect = {37, 233, 140, 249},
     .controlCode = 133,
     .tooltipZh = "滚轮上（前）翻",
     .tooltipEn = "Wheel roll up(forward)",
     .role = ControlRole::Icon},
    {.id = idOf(WheelDown),
     .rect = {37, 250, 140, 266},
     .controlCode = 134,
     .tooltipZh = "滚轮下（后）翻",
     .tooltipEn = "Wheel roll down(backward)",
     .role = ControlRole::Icon},
    {.id = idOf(DoubleClick),
     .rect = {37, 267, 140, 283},
     .controlCode = 199,
     .tooltipZh = "鼠标左键双击",
     .tooltipEn = "The Left key of mouse to double click",
     .role = ControlRole::Icon},
    {.id = idOf(PointMove),
     .rect = {154, 114, 258, 130},
     .controlCode = 158,
     .tooltipZh = "设置光标点动距离",
     .tooltipEn = "Set the Cursor move distance to Point move",
     .role = ControlRole::Icon},
    {.id = idOf(ContinuousMove),
     .rect = {154, 131, 258, 147},
     .controlCode = 157,
     .tooltipZh = "设置光标连动快慢",
     .tooltipEn = "Set the Cursor move speed to continue move",
     .role = ControlRole::Icon},
    {.id = idOf(AcceleratedMove),
     .rect = {154, 148, 258, 164},
     .controlCode = 173,
     .tooltipZh = "设置光标加速移动的快慢",
     .tooltipEn = "Set the Cursor move speed to Accelerate move",
     .role = ControlRole::Icon},
    {.id = idOf(CursorAccelerateKey),
     .rect = {154, 165, 258, 181},
     .controlCode = 198,
     .tooltipZh = "光标加速键",
     .tooltipEn = "The key of Cursor move to Accelerate",
     .role = ControlRole::Icon},
};

struct MouseCaption {
    const char* zh;
    const char* en;
};

// The captions of the mouse icons' labels, in the order of the icons.
constexpr MouseCaption kMouseCaptions[] = {
    {.zh = "左移", .en = "Move Left"},
    {.zh = "右移", .en = "Move Right"},
    {.zh = "上移", .en = "Move Up"},
    {.zh = "下移", .en = "Move Down"},
    {.zh = "左键", .en = "Left Key"},
    {.zh = "右键", .en = "Right Key"},
    {.zh = "中键", .en = "Middle Key"},
    {.zh = "滚轮前翻", .en = "Wheel Up"},
    {.zh = "滚轮后翻", .en = "Wheel Down"},
    {.zh = "左键双击", .en = "Double Left Key"},
    {.zh = "点动像素", .en = "Point Move"},
    {.zh = "连动像素", .en = "Continue Move"},
    {.zh = "加速连动", .en = "Accelerate Move"},
    {.zh = "光标加速键", .en = "Cursor Accelerate Key"},
};
static_assert(std::size(kMouseCaptions) == std::size(kMouseIcons));

// The label laid over mouse icon k.
constexpr ControlSpec mouseLabel(std::size_t k) {
    return {.id = keyAssignmentMouseLabelId(kMouseIcons[k].id),
            .captionZh = kMouseCaptions[k].zh,
            .captionEn = kMouseCaptions[k].en,
            .rect = kMouseIcons[k].rect,
            .isLabel = true,
            .role = ControlRole::Label};
}

// ---------------------------------------------------------------------------------------------
// Page 6, keyboard functions: key functions, Bluetooth, backlight.

constexpr ControlSpec kFunctionIcons[] = {
    {.id = idOf(WinMacSwitch),
     .rect = {32, 110, 68, 146},
     .controlCode = 155,
     .tooltipZh = "Windows/Mac系统切换",
     .tooltipEn = "Win/Mac System Switch",
     .role = ControlRole::Icon},
    {.id = idOf(ProgrammableOfficeSwitch),
     .rect = {80, 110, 116, 146},
     .controlCode = 159,
     .tooltipZh = "可编程/办公键盘",
     .tooltipEn = "Programmable/Office Keyboard",
     .role = ControlRole::Icon},
    {.id = idOf(CapsCtrlSwap),
     .rect = {129, 110, 167, 146},
     .controlCode = 152,
     .tooltipZh = "Caps/Left Ctrl对调",
     .tooltipEn = "Caps/LCtrl Exchange",
     .role = ControlRole::Icon},
    {.id = idOf(TriggerPointAdjust),
     .rect = {180, 110, 216, 146},
     .controlCode = 149,
     .tooltipZh = "按键触发行程调节",
     .tooltipEn = "Trig point of key to adjust",
     .role = ControlRole::Icon},
    {.id = idOf(ScreenBrightnessDown),
     .rect = {229, 110, 265, 146},
     .controlCode = 208,
     .tooltipZh = "屏幕亮度-",
     .tooltipEn = "Display screen brighteness-",
     .role = ControlRole::Icon},
    {.id = idOf(ScreenBrightnessUp),
     .rect = {278, 110, 314, 146},
     .controlCode = 209,
     .tooltipZh = "屏幕亮度+",
     .tooltipEn = "Display screen brighteness+",
     .role = ControlRole::Icon},
    {.id = idOf(MacFn),
     .rect = {326, 110, 362, 146},
     .controlCode = 207,
     .tooltipZh = "Mac fn,Mac系统下实现与F1-F12组合功能",
     .tooltipEn = "Mac fn,realize the combination function of F1-F12 for Mac OS",
     .role = ControlRole::Icon},
    {.id = idOf(KeypadDoubleZero),
     .rect = {374, 110, 412, 146},
     .controlCode = 203,
     .tooltipZh = "数字键盘(00)键",
     .tooltipEn = "Key of (00) on number keyboard",
     .role = ControlRole::Icon},
    {.id = idOf(WinAppLock),
     .rect = {32, 152, 68, 188},
     .controlCode = 153,
     .tooltipZh = "锁Win+App",
     .tooltipEn = "Win+App Lock",
     .role = ControlRole::Icon},
    {.id = idOf(KeyboardLock),
     .rect = {80, 152, 116, 188},
     .controlCode = 150,
     .tooltipZh = "锁键盘",
     .tooltipEn = "Keyboard Lock",
     .role = ControlRole::Icon},
    {.id = idOf(RepeatRate),
     .rect = {129, 152, 167, 188},
     .controlCode = 174,
     .tooltipZh = "按键字符击打速率（键按下后连续打击的快慢）",
     .tooltipEn = "Repeat rate of key characters",
     .role = ControlRole::Icon},
    {.id = idOf(RepeatDelay),
     .rect = {180, 152, 216, 188},
     .controlCode = 175,
     .tooltipZh = "按键字符击打响应延迟(键按下等待这个延迟后开始连续击打)",
     .tooltipEn = "Response delay of characters repeat",
     .role = ControlRole::Icon},
    {.id = idOf(BackspaceBackslashSwap),
     .rect = {229, 152, 266, 188},
     .controlCode = 177,
     .tooltipZh = "Backspace与|对调",
     .tooltipEn = "Backspace and | Exchange",
     .role = ControlRole::Icon},
    {.id = idOf(FnKey),
     .rect = {278, 152, 314, 188},
     .controlCode = 156,
     .tooltipZh = "键盘Fn键,按键的3个层须同时设置为Fn",
     .tooltipEn = "Fn key for keyboard,Key's 3 level must be set to Fn",
     .role = ControlRole::Icon},
    {.id = idOf(Fn2Key),
     .rect = {327, 152, 365, 188},
     .controlCode = 166,
     .tooltipZh = "键盘Fn2键,按键的3个层须同时设置为Fn2",
     .tooltipEn = "Fn2 key for keyboard,Key's 3 level must be set to Fn2",
     .role = ControlRole::Icon},
    {.id = idOf(UsbReportRate),
     .rect = {376, 152, 413, 188},
     .controlCode = 154,
     .tooltipZh = "USB上传回报率",
     .tooltipEn = "USB Report rate",
     .role = ControlRole::Icon},
    {.id = idOf(Bluetooth1),
     .rect = {32, 206, 68, 242},
     .controlCode = 168,
     .tooltipZh = "蓝牙设备1",
     .tooltipEn = "Bluetooth device1",
     .role = ControlRole::Icon},
    {.id = idOf(Bluetooth2),
     .rect = {74, 206, 110, 242},
     .controlCode = 169,
     .tooltipZh = "蓝牙设备2",
     .tooltipEn = "Bluetooth device2",
     .role = ControlRole::Icon},
    {.id = idOf(Bluetooth3),
     .rect = {117, 206, 153, 242},
     .controlCode = 170,
     .tooltipZh = "蓝牙设备3",
     .tooltipEn = "Bluetooth device3",
     .role = ControlRole::Icon},
    {.id = idOf(Bluetooth4),
     .rect = {160, 206, 196, 242},
     .controlCode = 180,
     .tooltipZh = "蓝牙设备4",
     .tooltipEn = "Bluetooth device4",
     .role = ControlRole::Icon},
    {.id = idOf(Bluetooth5),
     .rect = {203, 206, 240, 242},
     .controlCode = 181,
     .tooltipZh = "蓝牙设备5",
     .tooltipEn = "Bluetooth device5",
     .role = ControlRole::Icon},
    {.id = idOf(LowLatencyDongle),
     .rect = {246, 206, 283, 242},
     .controlCode = 182,
     .tooltipZh = "低延时接收器",
     .tooltipEn = "Low Latency Dongle",
     .role = ControlRole::Icon},
    {.id = idOf(WiredWirelessSwitch),
     .rect = {289, 206, 325, 242},
     .controlCode = 167,
     .tooltipZh = "有线/无线切换",
     .tooltipEn = "Wire/Wireless Switch",
     .role = ControlRole::Icon},
    {.id = idOf(GameMode),
     .rect = {332, 206, 369, 242},
     .controlCode = 171,
     .tooltipZh = "游戏模式",
     .tooltipEn = "Game mode",
     .role = ControlRole::Icon},
    {.id = idOf(EcoMode),
     .rect = {375, 206, 411, 242},
     .controlCode = 172,
     .tooltipZh = "节能模式",
     .tooltipEn = "ECO mode",
     .role = ControlRole::Icon},
    {.id = idOf(ShutdownTime),
     .rect = {418, 206, 454, 242},
     .controlCode = 178,
     .tooltipZh = "键盘关机时间设置",
     .tooltipEn = "Shutdown time settings for keyboard",
     .role = ControlRole::Icon},
    {.id = idOf(LightBrightnessDown),
     .rect = {32, 265, 68, 301},
     .controlCode = 144,
     .tooltipZh = "亮度-",
     .tooltipEn = "Lighteness-",
     .role = ControlRole::Icon},
    {.id = idOf(LightBrightnessUp),
     .rect = {74, 265, 110, 301},
     .controlCode = 145,
     .tooltipZh = "亮度+",
     .tooltipEn = "Lighteness+",
     .role = ControlRole::Icon},
    {.id = idOf(BacklightColour),
     .rect = {117, 265, 154, 301},
     .controlCode = 148,
     .tooltipZh = "背景颜色切换",
     .tooltipEn = "Color of backlight Switch",
     .role = ControlRole::Icon},
    {.id = idOf(EffectColour),
     .rect = {160, 265, 196, 301},
     .controlCode = 138,
     .tooltipZh = "灯效颜色切换",
     .tooltipEn = "Color of effect Switch",
     .role = ControlRole::Icon},
    {.id = idOf(LightEffect),
     .rect = {203, 265, 240, 301},
     .controlCode = 137,
     .tooltipZh = "灯效切换",
     .tooltipEn = "Light Effect Switch",
     .role = ControlRole::Icon},
    {.id = idOf(LightEffectOff),
     .rect = {245, 265, 282, 301},
     .controlCode = 139,
     .tooltipZh = "灯效退出",
     .tooltipEn = "Light Effect Quit",
     .role = ControlRole::Icon},
    {.id = idOf(BacklightOnOff),
     .rect = {288, 265, 325, 301},
     .controlCode = 135,
     .tooltipZh = "背光开关",
     .tooltipEn = "Backlight switch",
     .role = ControlRole::Icon},
    {.id = idOf(BacklightByProgram),
     .rect = {331, 265, 368, 301},
     .controlCode = 136,
     .tooltipZh = "编程软件自定义背光",
     .tooltipEn = "Backlight customed by program software",
     .role = ControlRole::Icon},
    {.id = idOf(FrequencyUp),
     .rect = {375, 265, 411, 301},
     .controlCode = 143,
     .tooltipZh = "频率+(加速)",
     .tooltipEn = "Frequence+",
     .role = ControlRole::Icon},
    {.id = idOf(FrequencyDown),
     .rect = {417, 265, 454, 301},
     .controlCode = 142,
     .tooltipZh = "频率-(减速)",
     .tooltipEn = "Frequence-",
     .role = ControlRole::Icon},
    {.id = idOf(LightDirectionLeft),
     .rect = {461, 265, 497, 301},
     .controlCode = 146,
     .tooltipZh = "灯效方向左",
     .tooltipEn = "Light effect Direction Left",
     .role = ControlRole::Icon},
    {.id = idOf(LightDirectionRight),
     .rect = {504, 265, 540, 301},
     .controlCode = 147,
     .tooltipZh = "灯效方向右",
     .tooltipEn = "Light effect Direction Right",
     .role = ControlRole::Icon},
};

// The group headings; they overlap the icons of their group, so they follow them in the table.
constexpr ControlSpec kFunctionLabels[] = {
    {.id = idOf(KeyFunctionLabel),
     .captionZh = "按键功能",
     .captionEn = "Key Function",
     .rect = {36, 92, 167, 150},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(BluetoothFunctionLabel),
     .captionZh = "蓝牙功能",
     .captionEn = "Bluetooth Function",
     .rect = {36, 190, 167, 220},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
    {.id = idOf(BacklightFunctionLabel),
     .captionZh = "背光功能",
     .captionEn = "Backlight Function",
     .rect = {36, 248, 167, 278},
     .isLabel = true,
     .textFormat = 0,
     .role = ControlRole::Label},
};

// ---------------------------------------------------------------------------------------------
// Page 7, power.

constexpr ControlSpec kPowerIcons[] = {
    {.id = idOf(WakeUp),
     .rect = {162, 160, 242, 190},
     .controlCode = 75,
     .tooltipZh = "唤醒",
     .tooltipEn = "WakeUp",
     .role = ControlRole::Icon},
    {.id = idOf(Sleep),
     .rect = {251, 160, 331, 190},
     .controlCode = 76,
     .tooltipZh = "睡眠",
     .tooltipEn = "Sleep",
     .role = ControlRole::Icon},
    {.id = idOf(Power),
     .rect = {340, 160, 420, 190},
     .controlCode = 77,
     .tooltipZh = "电源",
     .tooltipEn = "Power",
     .role = ControlRole::Icon},
};

// The words on the power icons; they lie inside the icons, so they follow them in the table.
constexpr ControlSpec kPowerLabels[] = {
    {.id = idOf(WakeUpLabel),
     .captionZh = "唤醒",
     .captionEn = "Wake",
     .rect = {162, 168, 242, 190},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(SleepLabel),
     .captionZh = "睡眠",
     .captionEn = "Sleep",
     .rect = {251, 168, 331, 190},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(PowerLabel),
     .captionZh = "电源",
     .captionEn = "Power",
     .rect = {340, 168, 420, 190},
     .isLabel = true,
     .role = ControlRole::Label},
};

// ---------------------------------------------------------------------------------------------
// The whole table. Within a page the clickable entries come before the labels that overlap them,
// because the dialog's hit test takes the first entry containing the point, labels included.

using Table = std::array<ControlSpec, kKeyAssignmentControlCount>;

struct TableBuilder {
    Table table{};
    std::size_t used = 0;

    constexpr void add(const ControlSpec& tableRow) { table[used++] = tableRow; }
    constexpr void add(std::span<const ControlSpec> tableRows) {
        for (const ControlSpec& tableRow : tableRows)
            add(tableRow);
    }
    constexpr void addRows(const RowGeometry& block) {
        for (int k = 0; k < block.count; ++k)
            add(listRow(block, k));
    }
};

constexpr TableBuilder buildTable() {
    TableBuilder b;
    b.add(kFrameButtons);
    for (int page = 1; page <= kKeyAssignmentPageCount; ++page)
        b.add(tab(page));
    b.add(kFrameRest);

    b.add(kSingleComboButtons);
    b.addRows(kComboNameRows);
    b.addRows(kComboRecordRows);
    b.add(kSingleComboLabels);

    b.add(kMacroButtons);
    b.addRows(kMacroNameRows);
    b.addRows(kMacroActionRows);
    b.add(kMacroLabels);

    b.add(kEmulationButtons);
    b.addRows(kEmulationNameRows);
    b.addRows(kEmulationKeyRows);
    b.add(kEmulationLabels);

    b.add(kMultimediaIcons);
    b.add(kMultimediaLabels);

    b.add(kMouseIcons);
    for (std::size_t k = 0; k < std::size(kMouseIcons); ++k)
        b.add(mouseLabel(k));

    b.add(kFunctionIcons);
    b.add(kFunctionLabels);

    b.add(kPowerIcons);
    b.add(kPowerLabels);
    return b;
}

constexpr TableBuilder kBuilt = buildTable();
static_assert(kBuilt.used == kKeyAssignmentControlsInUse);
constexpr const Table& kTable = kBuilt.table;

// The run of icons of one page in the table.
struct IconRun {
    std::size_t first = 0;
    std::size_t count = 0;
};

constexpr IconRun iconRun(int page) {
    IconRun run;
    std::size_t i = 0;
    while (i < kTable.size() &&
           !(kTable[i].role == ControlRole::Icon && keyAssignmentPageOf(kTable[i].id) == page))
        ++i;
    run.first = i;
    while (i < kTable.size() && kTable[i].role == ControlRole::Icon &&
           keyAssignmentPageOf(kTable[i].id) == page)
        ++i;
    run.count = i - run.first;
    return run;
}

constexpr IconRun kIconRuns[] = {iconRun(4), iconRun(5), iconRun(6), iconRun(7)};
static_assert(kIconRuns[0].count == std::size(kMultimediaIcons));
static_assert(kIconRuns[1].count == std::size(kMouseIcons));
static_assert(kIconRuns[2].count == std::size(kFunctionIcons));
static_assert(kIconRuns[3].count == std::size(kPowerIcons));

constexpr KeyAssignmentPage kPages[] = {
    {.page = 1,
     .tabId = keyAssignmentTabId(1),
     .tabLabelId = keyAssignmentTabLabelId(1),
     .normalPicture = 3,
     .hoverPicture = 4,
     .selectedPicture = 5},
    {.page = 2,
     .tabId = keyAssignmentTabId(2),
     .tabLabelId = keyAssignmentTabLabelId(2),
     .normalPicture = 6,
     .hoverPicture = 7,
     .selectedPicture = 8},
    {.page = 3,
     .tabId = keyAssignmentTabId(3),
     .tabLabelId = keyAssignmentTabLabelId(3),
     .normalPicture = 9,
     .hoverPicture = 10,
     .selectedPicture = 11},
    {.page = 4,
     .tabId = keyAssignmentTabId(4),
     .tabLabelId = keyAssignmentTabLabelId(4),
     .normalPicture = 12,
     .hoverPicture = 13,
     .selectedPicture = 14},
    {.page = 5,
     .tabId = keyAssignmentTabId(5),
     .tabLabelId = keyAssignmentTabLabelId(5),
     .normalPicture = 15,
     .hoverPicture = 16,
     .selectedPicture = 17},
    {.page = 6,
     .tabId = keyAssignmentTabId(6),
     .tabLabelId = keyAssignmentTabLabelId(6),
     .normalPicture = 18,
     .hoverPicture = 19,
     .selectedPicture = 20},
    {.page = 7,
     .tabId = keyAssignmentTabId(7),
     .tabLabelId = keyAssignmentTabLabelId(7),
     .normalPicture = 21,
     .hoverPicture = 22,
     .selectedPicture = 23},
};
static_assert(std::size(kPages) == kKeyAssignmentPageCount);

constexpr KeyAssignmentRowBlock kRowBlocks[] = {
    {.page = 1,
     .firstId = idOf(FirstComboRow),
     .rowCount = 6,
     .scrollBar = KeyAssignmentScrollBar::List}, // combinations
    {.page = 2,
     .firstId = idOf(FirstMacroRow),
     .rowCount = 9,
     .scrollBar = KeyAssignmentScrollBar::List}, // macros
    {.page = 2,
     .firstId = idOf(FirstMacroActionRow),
     .rowCount = 9,
     .scrollBar = KeyAssignmentScrollBar::Action}, // macro actions
    {.page = 3,
     .firstId = idOf(FirstEmulationRow),
     .rowCount = 9,
     .scrollBar = KeyAssignmentScrollBar::List}, // emulations
    {.page = 3,
     .firstId = idOf(FirstEmulationKeyRow),
     .rowCount = 9,
     .scrollBar = KeyAssignmentScrollBar::Action}, // emulation keys
};

} // namespace

std::span<const ControlSpec> keyAssignmentControls() {
    return kTable;
}

std::span<const KeyAssignmentPage> keyAssignmentPages() {
    return kPages;
}

std::span<const ControlSpec> keyAssignmentIcons(int page) {
    if (page < 4 || page > 7)
        return {};
    const IconRun& run = kIconRuns[page - 4];
    return std::span<const ControlSpec>(kTable).subspan(run.first, run.count);
}

std::span<const KeyAssignmentRowBlock> keyAssignmentRowBlocks() {
    return kRowBlocks;
}

int keyAssignmentRowsOf(int page, KeyAssignmentScrollBar scrollBar) {
    for (const KeyAssignmentRowBlock& block : kRowBlocks) {
        if (block.page == page && block.scrollBar == scrollBar)
            return block.rowCount;
    }
    return 0;
}
