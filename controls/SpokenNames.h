// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

#include <span>
#include <string>

// What a screen reader calls the entries of a window's table that show a picture instead of words,
// in "zh-CN" and "en-US". Entries with words are called by their caption.
struct SpokenName {
    int id = 0;
    const char* zh = "";
    const char* en = "";

    const char* in(const std::string& language) const { return language == "en-US" ? en : zh; }
};

// What a screen reader calls a child widget of a window (an edit box, a scroll bar), which the window
// finds by its object name.
struct SpokenWidgetName {
    const char* objectName = "";
    SpokenName name;
};

// The name of the title-bar buttons and of the steppers, which every window draws alike, and of an
// empty list row; null for any other role.
const char* spokenRoleName(ControlRole role, const std::string& language);
// The name names gives id in language, null when names has none for it.
const char* spokenNameOf(std::span<const SpokenName> names, int id, const std::string& language);
// What a screen reader calls the scroll bar of a text box called owner.
std::string spokenScrollBarName(const std::string& owner, const std::string& language);
// How a screen reader says whether a key is marked.
const char* spokenMark(bool marked, const std::string& language);
