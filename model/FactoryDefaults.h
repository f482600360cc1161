// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keyboard's factory key functions and the kind each code belongs to.

// Device key code of key slot (0..85) on layer (0 top, 1 Fn, 2 Fn2; taken mod 3) for a variant; 0 =
// no function. Variants other than 2, 3 and 4 use the table of variant 1.
int defaultKeyCode(int variant, int slot, int layer);

// The assignment kind a factory code belongs to.
int defaultKindForCode(int code);
