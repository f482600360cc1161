// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// What --version prints for one of the programs: "qelec-ctl 1.0.10" and a newline.
std::string versionLine(std::string_view program);
