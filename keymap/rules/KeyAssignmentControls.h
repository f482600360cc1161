// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The control table of the key assignment dialog: 224 entries, 221 of them in use.
inline constexpr std::size_t kKeyAssignmentControlCount = 224;
inline constexpr std::size_t kKeyAssignmentControlsInUse = 221;
inline constexpr int kKeyAssignmentPageCount = 7;

// The ids of the dialog's controls. Ids below 100 belong to the frame, shown on every page (those up
// to 80 are labels and never hit); an id P * 100 + n belongs to page P only. The tabs, the words on
// them, the list rows and the words on the mouse icons run in blocks and are named by their first id
// (keyAssignmentTabId, keyAssignmentTabLabelId, KeyAssignmentRowBlock, keyAssignmentMouseLabelId);
// the child windows (edit boxes and scroll bars) have ids from 1001 on.
enum class KeyAssignmentControlId : int {
    // The frame.
    FirstTabLabel = 30,
    DefaultLabel = 37,
    OkLabel = 38,
    CancelLabel = 39,
    Title = 40,
    ClearLabel = 41,
    Clear = 86,
    Default = 87,
    Ok = 88,
    Cancel = 89,
    FirstTab = 90,
    Close = 97, // acts as Cancel

    // Page 1, a single key or a combination.
    SingleRadio = 101,
    ComboRadio = 102,
    SingleNoAction = 103,
    Capture = 104, // capture a single key from the keyboard, or stop
    NewCombo = 105,
    DeleteCombo = 106,
    RecordCombo = 107,
    PickSingleKey = 108, // on the virtual keyboard
    PickCombination = 109,
    FirstComboRow = 121,
    FirstComboRecordRow = 141, // under the combination edit box
    SingleLabel = 151,
    ComboLabel = 152,
    PressAKeyLabel = 153,
    CaptureLabel = 154,
    StopCaptureLabel = 155,
    NewComboLabel = 156,
    DeleteComboLabel = 157,
    KeyName = 158, // the name of the single key
    RecordComboLabel = 159,
    StopComboLabel = 160,
    ComboListLabel = 161,
    ComboRecordListLabel = 162,
    PickSingleKeyLabel = 163,
    PickCombinationLabel = 164,

    // Page 2, macros.
    TimesPlayRadio = 201,
    AutomaticDelayRadio = 203,
    NewMacro = 205,
    RemoveMacro = 206,
    RecordMacro = 207,
    WhileHeldRadio = 208,
    TogglePlayRadio = 209,
    RecordedDelayRadio = 210,
    FirstMacroRow = 221,
    FirstMacroActionRow = 241,
    TimesPlayLabel = 261,
    AutomaticDelayLabel = 262, // and the "ms" after the delay box
    NewMacroLabel = 265,
    RemoveMacroLabel = 266,
    RecordMacroLabel = 267,
    StopMacroLabel = 268,
    MacroHint = 269,
    MacroListLabel = 270,
    MacroRecordListLabel = 271,
    WhileHeldLabel = 272,
    TogglePlayLabel = 273,
    RecordedDelayLabel = 274,
    TimesLabel = 275,

    // Page 3, emulations.
    EmulationNoAction = 301,
    RecordEmulation = 302,
    NewEmulation = 305,
    RemoveEmulation = 306,
    FirstEmulationRow = 321,
    FirstEmulationKeyRow = 341,
    EmulationDelayLabel = 351, // and the "ms" after the delay box
    RecordEmulationLabel = 352,
    StopEmulationLabel = 353,
    NewEmulationLabel = 355,
    RemoveEmulationLabel = 356,
    EmulationListLabel = 357,
    EmulationRecordListLabel = 358,

    // Page 4, multimedia icons.
    MediaSelect = 401,
    PlayPause = 402,
    MediaStop = 403,
    NextTrack = 404,
    PreviousTrack = 405,
    VolumeDown = 406,
    VolumeUp = 407,
    Mute = 408,
    WwwBack = 409,
    WwwForward = 410,
    WwwStop = 411,
    WwwRefresh = 412,
    WwwFavorites = 413,
    WwwSearch = 414,
    Email = 415,
    WwwHome = 416,
    MyComputer = 417,
    Calculator = 418,
    MediaFunctionLabel = 451,
    BrowserFunctionLabel = 452,

    // Page 5, mouse icons; the words on each are keyAssignmentMouseLabelId(icon).
    CursorLeft = 502,
    CursorRight = 503,
    CursorUp = 504,
    CursorDown = 505,
    MouseLeftButton = 506,
    MouseRightButton = 507,
    MouseMiddleButton = 508,
    WheelUp = 509,
    WheelDown = 510,
    DoubleClick = 511,
    PointMove = 512,
    ContinuousMove = 513,
    AcceleratedMove = 514,
    CursorAccelerateKey = 515,

    // Page 6, keyboard function icons: key functions, Bluetooth, backlight.
    WinMacSwitch = 600,
    ProgrammableOfficeSwitch = 601,
    CapsCtrlSwap = 602,
    TriggerPointAdjust = 603,
    ScreenBrightnessDown = 604,
    ScreenBrightnessUp = 605,
    MacFn = 606,
    KeypadDoubleZero = 607,
    WinAppLock = 610,
    KeyboardLock = 611,
    RepeatRate = 612,
    RepeatDelay = 613,
    BackspaceBackslashSwap = 614,
    FnKey = 615,
    Fn2Key = 616,
    UsbReportRate = 617,
    Bluetooth1 = 630,
    Bluetooth2 = 631,
    Bluetooth3 = 632,
    Bluetooth4 = 633,
    Bluetooth5 = 634,
    LowLatencyDongle = 635,
    WiredWirelessSwitch = 636,
    GameMode = 637,
    EcoMode = 638,
    ShutdownTime = 639,
    LightBrightnessDown = 641,
    LightBrightnessUp = 642,
    BacklightColour = 643,
    EffectColour = 644,
    LightEffect = 645,
    LightEffectOff = 646,
    BacklightOnOff = 647,
    BacklightByProgram = 648,
    FrequencyUp = 649,
    FrequencyDown = 650,
    LightDirectionLeft = 651,
    LightDirectionRight = 652,
    KeyFunctionLabel = 661,
    BluetoothFunctionLabel = 662,
    BacklightFunctionLabel = 663,

    // Page 7, power icons and the words on them.
    WakeUp = 701,
    Sleep = 702,
    Power = 703,
    WakeUpLabel = 751,
    SleepLabel = 752,
    PowerLabel = 753,

    // The child windows.
    CountEdit = 1001,
    DelayEdit = 1002,
    NameEdit = 1003,
    ComboEdit = 1005,
    ListScrollBar = 1006,
    ActionScrollBar = 1007,
};

// The tab of page 1..7 and the words on it: the tabs take the ids from FirstTab on, their words the
// ids from FirstTabLabel on, in page order.
constexpr int keyAssignmentTabId(int page) {
    return idOf(KeyAssignmentControlId::FirstTab) + page - 1;
}
constexpr int keyAssignmentTabLabelId(int page) {
    return idOf(KeyAssignmentControlId::FirstTabLabel) + page - 1;
}
// The page whose tab has this id; 0 for any other id.
constexpr int keyAssignmentPageOfTab(int id) {
    const int page = id - idOf(KeyAssignmentControlId::FirstTab) + 1;
    return page >= 1 && page <= kKeyAssignmentPageCount ? page : 0;
}

// The label with the words on the mouse icon with this id (page 5).
constexpr int keyAssignmentMouseLabelId(int iconId) {
    return iconId + 50;
}

// Page 2's play mode radios, by play mode (0 a number of times, 1 while held, 2 each press toggles).
inline constexpr KeyAssignmentControlId kPlayModeRadios[] = {KeyAssignmentControlId::TimesPlayRadio,
                                                             KeyAssignmentControlId::WhileHeldRadio,
                                                             KeyAssignmentControlId::TogglePlayRadio};

// The whole table in table order (the dialog's hit test takes the first match, so order matters).
std::span<const ControlSpec> keyAssignmentControls();

// The dialog as it opens, on page 1; every page has pictures of its own (keyAssignmentPages()).
inline constexpr WindowDescription kKeyAssignmentWindow{
    .name = "key-assignment",
    .pictures = {PictureSlot::keyAssignmentNormal(1), PictureSlot::keyAssignmentHover(1),
                 PictureSlot::keyAssignmentSelected(1)},
    .colourKey = kBlueColourKey,
    .controls = keyAssignmentControls,
    .tableSize = kKeyAssignmentControlCount,
};

// The page an id belongs to: 0 for the frame (ids below 100, shown on every page), else 1..7.
constexpr int keyAssignmentPageOf(int id) {
    return id < 100 ? 0 : id / 100;
}

// Whether the entry with this id is drawn on page (1..7).
constexpr bool keyAssignmentDrawnOnPage(int id, int page) {
    return id > 0 && (id < 100 || id / 100 == page);
}

// Whether the dialog's own click hit test considers the entry with this id on page (1..7): the
// frame's buttons (ids 81..99) and every entry of that page, labels of the page included.
constexpr bool keyAssignmentHitOnPage(int id, int page) {
    return id > 0 && ((id >= 81 && id <= 99) || id / 100 == page);
}

// One page of the dialog: its tab, the label on the tab and its three pictures (PictureSet slots).
struct KeyAssignmentPage {
    int page = 0; // 1 SingleCombo, 2 Macro, 3 Emulate, 4 Multimedia, 5 Mouse, 6 Function, 7 Power
    int tabId = -1;
    int tabLabelId = -1;
    int normalPicture = -1;
    int hoverPicture = -1;
    int selectedPicture = -1;
};

// The seven pages in page order.
std::span<const KeyAssignmentPage> keyAssignmentPages();

// The function icons of page 4 (multimedia), 5 (mouse), 6 (function) or 7 (power), in table order;
// each icon's controlCode is the device key code it stands for. Empty for any other page.
std::span<const ControlSpec> keyAssignmentIcons(int page);

// Which scroll bar moves a block of list rows.
enum class KeyAssignmentScrollBar { List, Action };

// A block of list rows (entries with showsText) showing one action list: rows firstId ..
// firstId + rowCount - 1, row k showing the list item at ViewStartAt + k.
struct KeyAssignmentRowBlock {
    int page = 0;
    int firstId = -1;
    int rowCount = 0;
    KeyAssignmentScrollBar scrollBar = KeyAssignmentScrollBar::List;
};

// The five row blocks: combination names, macro names, macro actions, emulation names, emulation
// keys. (The rows from FirstComboRecordRow on lie under the combination edit box and show no list.)
std::span<const KeyAssignmentRowBlock> keyAssignmentRowBlocks();

// How many rows page shows the list beside scrollBar in; 0 when it has no such rows.
int keyAssignmentRowsOf(int page, KeyAssignmentScrollBar scrollBar);
