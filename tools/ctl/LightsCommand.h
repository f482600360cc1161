#pragma once

#include <optional>

// "qelec-ctl lights [KEYS [COLOUR]]": every key's colour, or those of KEYS, as the keyboard holds
// them; with a colour, KEYS take it and the lights are written to the keyboard. Runs the command line
// when it is this command and returns the exit code; nothing for any other command line.
std::optional<int> runLightsCommand(int argc, char** argv);
