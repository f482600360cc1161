// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue/DeviceCodeTable.h"

#include <iterator>

namespace {

// Key index and device key code, ascending by key index. Index 439 (a function without a name) carries
// code 183, and index 999 is a second index of the power key (code 77).
constexpr DeviceCodeEntry kDeviceCodes[] = {
    {8, 27},    // BACKSPACE
    {9, 28},    // TAB
    {13, 54},   // ENTER
    {19, 80},   // PAUSE
    {20, 42},   // CAPS LOCK
    {27, 1},    // ESC
    {32, 70},   // SPACEBAR
    {33, 83},   // PGUP
    {34, 86},   // PGDN
    {35, 85},   // END
    {36, 82},   // HOME
    {37, 88},   // LEFT ARROW
    {38, 87},   // UP ARROW
    {39, 90},   // RIGHT ARROW
    {40, 89},   // DOWN ARROW
    {44, 78},   // PRINT SCREEN
    {45, 81},   // INS
    {46, 84},   // DEL
    {48, 24},   // 0
    {49, 15},   // 1
    {50, 16},   // 2
    {51, 17},   // 3
    {52, 18},   // 4
    {53, 19},   // 5
    {54, 20},   // 6
    {55, 21},   // 7
    {56, 22},   // 8
    {57, 23},   // 9
    {65, 43},   // A
    {66, 60},   // B
    {67, 58},   // C
    {68, 45},   // D
    {69, 31},   // E
    {70, 46},   // F
    {71, 47},   // G
    {72, 48},   // H
    {73, 36},   // I
    {74, 49},   // J
    {75, 50},   // K
    {76, 51},   // L
    {77, 62},   // M
    {78, 61},   // N
    {79, 37},   // O
    {80, 38},   // P
    {81, 29},   // Q
    {82, 32},   // R
    {83, 44},   // S
    {84, 33},   // T
    {85, 35},   // U
    {86, 59},   // V
    {87, 30},   // W
    {88, 57},   // X
    {89, 34},   // Y
    {90, 56},   // Z
    {91, 68},   // LWin
    {92, 72},   // RWin
    {93, 73},   // App
    {96, 103},  // (0)
    {97, 100},  // (1)
    {98, 101},  // (2)
    {99, 102},  // (3)
    {100, 97},  // (4)
    {101, 98},  // (5)
    {102, 99},  // (6)
    {103, 94},  // (7)
    {104, 95},  // (8)
    {105, 96},  // (9)
    {106, 93},  // (*)
    {107, 106}, // (+)
    {109, 105}, // (-)
    {110, 104}, // (.)
    {111, 92},  // (/)
    {112, 2},   // F1
    {113, 3},   // F2
    {114, 4},   // F3
    {115, 5},   // F4
    {116, 6},   // F5
    {117, 7},   // F6
    {118, 8},   // F7
    {119, 9},   // F8
    {120, 10},  // F9
    {121, 11},  // F10
    {122, 12},  // F11
    {123, 13},  // F12
    {124, 210}, // F13
    {125, 211}, // F14
    {126, 212}, // F15
    {127, 213}, // F16
    {128, 214}, // F17
    {129, 215}, // F18
    {130, 216}, // F19
    {131, 217}, // F20
    {132, 218}, // F21
    {133, 219}, // F22
    {134, 220}, // F23
    {135, 221}, // F24
    {144, 91},  // NUM LOCK
    {145, 79},  // SCR LOCK
    {160, 55},  // LSHIFT
    {161, 66},  // RSHIFT
    {162, 67},  // LCTRL
    {163, 74},  // RCTRL
    {164, 69},  // LALT
    {165, 71},  // RALT
    {186, 52},  // ;
    {187, 26},  // =
    {188, 63},  // ,
    {189, 25},  // -
    {190, 64},  // .
    {191, 65},  // /
    {192, 14},  // `
    {219, 39},  // [
    {220, 41},  // backslash
    {221, 40},  // ]
    {222, 53},  // '
    {226, 204}, // `(> Europe2)
    {269, 107}, // (Enter)
    {331, 75},  // Wake Up
    {332, 76},  // Sleep
    {333, 77},  // Power
    {364, 108}, // Next track
    {365, 109}, // Previous track
    {366, 110}, // Stop
    {367, 111}, // Play/Pause
    {368, 112}, // Mute
    {369, 113}, // VolumeUp
    {370, 114}, // VolumeDown
    {371, 115}, // Media Select
    {372, 116}, // E-mail
    {373, 117}, // Calculator
    {374, 118}, // My computer
    {375, 119}, // WWW Search
    {376, 120}, // WWW Home
    {377, 121}, // WWW Back
    {378, 122}, // WWW Forward
    {379, 123}, // WWW Stop
    {380, 124}, // WWW Refresh
    {381, 125}, // WWW Favorities
    {382, 126}, // Move Left
    {383, 127}, // Move Right
    {384, 128}, // Move Up
    {385, 129}, // Move Down
    {386, 130}, // Left Key
    {387, 131}, // Right Key
    {388, 132}, // Middle Key
    {389, 133}, // Wheel Up
    {390, 134}, // Wheel Down
    {391, 135}, // Backlight Switch
    {392, 136}, // Backlight Customed
    {393, 137}, // Lamp Effect
    {394, 138}, // Effect Color Switch
    {395, 139}, // Effect Exit
    {396, 140}, // Reserved
    {397, 141}, // Reserved
    {398, 142}, // Frequence-
    {399, 143}, // Frequence+
    {400, 144}, // Lightness-
    {401, 145}, // Lightness+
    {402, 146}, // Direction Left
    {403, 147}, // Direction Right
    {404, 148}, // Color Switch
    {405, 149}, // Point of trig Adjust
    {406, 150}, // Keyboard Lock
    {407, 151}, // Reserved
    {408, 152}, // Caps/LCtrl Exchange
    {409, 153}, // Win Lock
    {410, 154}, // USB Report Rate
    {411, 155}, // Win/Mac Switch
    {412, 156}, // Fn Key
    {413, 157}, // Continue Move Set
    {414, 158}, // Point Move Set
    {415, 159}, // Programmable keyboard Switch
    {416, 160}, // Reserved
    {417, 161}, // Reserved
    {418, 162}, // Reserved
    {419, 163}, // Reserved
    {420, 164}, // Reserved
    {421, 165}, // Reserved
    {422, 166}, // Fn2 Key
    {423, 167}, // Wire/Wireless Switch
    {424, 168}, // BTD1
    {425, 169}, // BTD2
    {426, 170}, // BTD3
    {427, 171}, // Game
    {428, 172}, // ECO
    {429, 173}, // Accelerate Move Set
    {430, 174}, // Repeat Rate
    {431, 175}, // Response Delay
    {432, 176}, // Reserved
    {433, 177}, // Backspace and /| Exchange
    {434, 178}, // Shutdown Time
    {435, 179}, // Reserved
    {436, 180}, // BTD4
    {437, 181}, // BTD5
    {438, 182}, // Low Latency Dongle
    {439, 183}, // (no name)
    {454, 198}, // Cursor Accelerate key
    {455, 199}, // Double click left key
    {459, 203}, // (00)
    {463, 207}, // Mac fn,valid in Mac os
    {464, 208}, // Screen Brightness-
    {465, 209}, // Screen Brightness+
    {999, 77},  // Power, second index
};

static_assert(std::size(kDeviceCodes) == 203);

} // namespace

std::span<const DeviceCodeEntry> deviceCodeTable() {
    return kDeviceCodes;
}
