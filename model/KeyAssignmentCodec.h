// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ActionList.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

struct KeyFunctionCatalogue;

// The integer arrays a key's assignment travels in between the program and the keyboard. Element 0
// is the record type: 0 key codes, 1 emulation, 2 macro.

// Why an assignment of that kind with those actions cannot be sent as it stands, or "" when it can:
// a macro with recorded delays must alternate key event and delay entry (key, delay, key, ...), and
// one with an automatic delay holds no delay entries (ActionItem::isDelay), or keys would travel as
// delays and delays as keys.
std::string assignmentProblem(int kind, const ActionList& actions);

// The array that sends one key's assignment; empty when the key is not sent (not set, or a kind the
// keyboard does not know) or cannot be (assignmentProblem).
std::vector<int> encodeKeyAssignment(const KeyFunctionCatalogue& catalogue, int kind, int code,
                                     const ActionList& actions);

// One key's assignment as read back. code and actions are set only where the array names them; the
// rest of the key keeps what it had.
struct DecodedKeyAssignment {
    int kind = 0;
    std::optional<int> code;
    std::optional<ActionList> actions;
};

// Decodes the part of an array the keyboard filled. Counts inside the array are untrusted: the
// decoder never reads past array, taking only the items it holds.
DecodedKeyAssignment decodeKeyAssignment(const KeyFunctionCatalogue& catalogue, std::span<const int> array);
