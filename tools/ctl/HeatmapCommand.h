// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// "qelec-ctl counters --heatmap FILE.svg": reads the attached keyboard's press counters and draws them
// into FILE.svg, written as profiles are (writeFileAtomically: through links, never over anything but
// a regular file nor over a protected one); says where it wrote and the highest and lowest keys.
// Returns 0, or 1 with the reason on standard error.
int runHeatmap(const std::optional<std::string>& statePath, const std::string& svgPath);
