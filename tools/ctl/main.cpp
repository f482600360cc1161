// SPDX-License-Identifier: GPL-3.0-or-later
// qelec-ctl: scripts the keyboard from the command line with the program's own core: factory
// profiles, reading and writing whole configurations, checking profile files, press counters, lights,
// trigger values, key travel and firmware.
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/CtlCommandLine.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    watchStandardOutput();
    return finishOutput(runCtl(std::vector<std::string>(argv + 1, argv + argc)));
}
