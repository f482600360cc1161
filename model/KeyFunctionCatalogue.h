// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/StoreTables.h"

#include <array>
#include <map>
#include <string>
#include <string_view>

// The key function catalogue: names, device codes and notes of every key and keyboard function, and
// the lookups between them. Filled once at start-up for the keyboard's variant, read from then on.
struct KeyFunctionCatalogue {
    std::map<int, std::string> keyNames;
    std::array<int, kCatalogueSize> vkToCode{};
    std::array<int, kCatalogueSize> codeToVk{};
    std::array<std::string, kKindCount> kindNamesZh;
    std::array<std::string, kKindCount> kindNamesEn;
    std::array<std::string, 5> programNamesZh;
    std::array<std::string, 5> programNamesEn;
    std::array<std::string, kNoteCount> notesZh;
    std::array<std::string, kNoteCount> notesEn;

    // Fills the catalogue for deviceVariant (the wired variants note their indicator lights).
    void fillFor(int deviceVariant);
    // The English name of a device key code, "-- --" when it has none.
    std::string codeToName(int code) const;
    // The name of a recorded key event (index = virtual-key code, +256 keypad Enter, +512 release),
    // with " Down" or " UP" appended when withSuffix is set.
    std::string keyEventName(int index, bool withSuffix) const;
    // The device value of an action item: a delay entry's milliseconds, or the device code of a key
    // name (with or without " Down"/" UP"); 0 when nothing matches.
    int nameToCode(std::string_view text) const;
    // Index of the first key whose name equals text, or -1 (the lowest index wins for names that
    // repeat).
    int nameToIndex(std::string_view text) const;
};
