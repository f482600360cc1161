// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The keyboard of a first start. This build drives a virtual keyboard; on an account where none was
// ever created (nothing at all at its state path, not even a broken file or a dangling link), the
// program makes the factory QelEC(RGB) there, as `qelec-vkbd create --variant 4` would, and says so
// once. A keyboard that exists, unplugged, absent or broken, is left as it is.
struct FirstStartKeyboard {
    enum class Outcome { Existing, Created, Failed };
    Outcome outcome = Outcome::Existing;
    // Why the keyboard could not be made (Failed), in the system's words.
    std::string reason;
};

FirstStartKeyboard createKeyboardOnFirstStart(const std::string& statePath);

// What the program tells about the keyboard it made, or could not make, at statePath, in Chinese and
// English at once: a first start may not read the one language it starts in. Empty for Existing.
std::string firstStartKeyboardMessage(const FirstStartKeyboard& keyboard, const std::string& statePath);
