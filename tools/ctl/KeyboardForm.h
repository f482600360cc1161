// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CConfigStore;

// Rewrites every key assignment of store as the keyboard holds it once written and read back: keys
// that are not sent become not set, key events lose their " Down" and " UP", names without a device
// code read "-- --", and play fields the keyboard does not keep take the values a read gives. A
// profile rewritten so compares with a keyboard on what the keyboard can hold.
void rewriteAsKeyboardHoldsIt(CConfigStore& store);
