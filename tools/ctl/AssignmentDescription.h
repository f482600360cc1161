// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class ActionList;
class CConfigStore;

// The words qelec-ctl uses for what a key does and for a library entry, built on the texts of the
// main window's information box.

// How a macro plays: "plays once", "plays 3 times", "plays while held" or "each press starts or
// stops it", then "recorded delays" or "30 ms apart".
std::string macroPlaySettings(const ActionList& actions);

// The length and play settings of actions of kind 2, 3 or 4: "2 keys" for a combination,
// "3 items, plays once, recorded delays" for a macro, "3 keys, 30 ms apart" for an emulation.
std::string actionsOutline(int kind, const ActionList& actions);

// The library that holds entries of kind 2, 3 or 4 ("combo", "macro", "emulation").
std::string libraryName(int kind);

// What slot does on table, as the information box says it: the kind's name and the key or function
// ("Single W"), or for a combination, macro or emulation the name of the library entry holding the
// same actions when there is one, the outline and the summary
// ("Macro "jump" (3 items, plays once, recorded delays): A,50,A").
std::string describeAssignment(const CConfigStore& store, int slot, int table);
