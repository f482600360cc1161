// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Runs qelec-ctl on its arguments (without the program name) and returns the exit code. The one
// reader of its command line: --help, -h or --version anywhere answers at once (the help of the
// command named, or the whole help); otherwise the words are sorted by the option table, the command
// is looked up in the command table, and its options, their values and its words are checked before
// it runs. Whatever is wrong is one usage error: "qelec-ctl: WHY" and a pointer to --help, exit 2.
int runCtl(const std::vector<std::string>& arguments);
