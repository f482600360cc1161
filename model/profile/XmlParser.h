// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/profile/XmlIndex.h"
#include "model/profile/XmlReport.h"

#include <string_view>

namespace xml {

// Rebuilds index from text and reports every fault found; returns whether text is well-formed.
// Works in one pass without recursion; the index stays usable whatever the text holds.
bool parseDocument(std::string_view text, XmlIndex& index, XmlReport& report);

} // namespace xml
