// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// text broken into lines at spaces so that none is longer than width (a word longer than a line
// stands alone), the first line indented by firstIndent spaces and the others by restIndent; every
// line ends with a newline. For the tools' help texts.
std::string wrapped(std::string_view text, std::size_t firstIndent, std::size_t restIndent,
                    std::size_t width);
