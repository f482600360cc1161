// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// A text from a file, the keyboard or the command line as qelec-ctl shows it, on a terminal or in the
// heatmap's XML: every control character (C0 including tab and line feed, DEL, C1), every byte that
// is not part of well-formed UTF-8 and the non-characters U+FFFE and U+FFFF are written as "\x" and
// two hex digits per byte ("\x1b" for ESC); everything else stays as it is. So a name can neither
// drive the terminal nor break a report's lines or the XML.
std::string printable(std::string_view text);
