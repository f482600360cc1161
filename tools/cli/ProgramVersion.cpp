// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/ProgramVersion.h"

#include "QelecVersion.h"

std::string versionLine(std::string_view program) {
    return std::string(program) + " " + kQelecVersion + "\n";
}
