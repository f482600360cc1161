// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ctl/CtlCommands.h"

#include <string>
#include <vector>

// The help of qelec-ctl, written from its command and option tables: the whole help, and the help of
// some commands alone.

// Every command with its usages, the words they share (KEYS, FILE), the key names, the variants, the
// options and the exit codes.
std::string fullHelp();
// The usages of the commands (one command, or those of one first word), the shared words they take,
// the key names when they take keys, the variants when they take --variant, and their exit codes.
std::string commandHelp(const std::vector<const CtlCommand*>& commands);
// "help [COMMAND]": prints fullHelp, or commandHelp of the commands named.
int runHelpCommand(const CtlInvocation& invocation);
