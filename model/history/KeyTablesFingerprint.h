// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/StoreConfiguration.h"

#include <cstdint>

// A 64-bit fingerprint of what a key write sends: every key's kind, code and action items with their
// play fields on all nine tables. Two configurations with the same key tables have the same one, so the
// program can tell after an undo whether the keys are back to what was last written.
std::uint64_t keyTablesFingerprint(const StoreConfiguration& configuration);
