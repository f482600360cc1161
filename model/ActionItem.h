// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text form of one item of a recorded combination, macro or emulation: a key's name ("A"), a key
// event, which is the name with " Down" for a press or " UP" for a release ("A Down"), or a delay
// between two key events ("<50 ms>"). The windows, the profiles and the codec hold items in this form.
namespace ActionItem {

// The delay item of milliseconds, as the program writes it: "<50 ms>".
std::string delay(int milliseconds);
// The key event item of key: "A Down" for a press, "A UP" for a release.
std::string keyEvent(std::string_view key, bool press);

// Whether item is a delay: any item holding "ms>". Profiles have always been read so, and a macro that
// records delays must alternate key event and delay by this reading to load and to be sent.
bool isDelay(std::string_view item);
// The milliseconds the keyboard gets for delay item: the decimal number (white space and a sign
// allowed, saturated) at the start of what lies between its first character and its last four, or 0.
int delayMilliseconds(std::string_view item);

// The key of key event item: what comes before its closing " Down" or " UP", when anything does.
std::optional<std::string_view> keyOfEvent(std::string_view item);

} // namespace ActionItem
