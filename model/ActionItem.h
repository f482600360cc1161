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

// A delay is read in two forms. isDelay is the loose one, for whatever a profile may hold: profiles have
// always been read by it, a macro with recorded delays loads and is sent only while it alternates key
// event and delay by it, and the keyboard gets every item it accepts as a delay; so it decides whatever
// keeps a macro alternating. isBracketedDelay, the shape the program writes, is a stricter one for the
// windows, which show and edit such a delay by its number: a loose delay outside it, such as "x<5 ms>",
// holds no number to show and is shown as it stands. Every bracketed delay is a loose one, so the
// windows never show or edit as a delay what the keyboard gets as a key.

// Whether item is a delay: any item holding "ms>".
bool isDelay(std::string_view item);
// Whether item is a delay bracketed as the program writes one: "<", its number (any text without '>'),
// then "ms>", as in "<50 ms>".
bool isBracketedDelay(std::string_view item);
// What lies between the first character of a delay item and its last four: "50" in "<50 ms>".
std::string_view delayNumberText(std::string_view item);
// The milliseconds the keyboard gets for delay item: the decimal number at the start of its number text
// (white space and a sign allowed, saturated), or 0.
int delayMilliseconds(std::string_view item);

// The key of key event item: what comes before its closing " Down" or " UP", when anything does.
std::optional<std::string_view> keyOfEvent(std::string_view item);

} // namespace ActionItem
