// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class CConfigStore;

// What the store would send to the keyboard that the keyboard cannot take: colours outside 0..255
// and key assignments that cannot be sent (assignmentProblem), one line each. Empty when a write of
// the keys and the lights can send everything; a caller checks this before sending anything, so
// that a refusal halfway cannot leave the keyboard half changed.
std::vector<std::string> findUnsendable(const CConfigStore& store);
