// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/WordWrap.h"

std::string wrapped(std::string_view text, std::size_t firstIndent, std::size_t restIndent,
                    std::size_t width) {
    std::string lines;
    std::string line(firstIndent, ' ');
    std::size_t indent = firstIndent;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
        if (word.empty())
            continue;
        const bool lineHasWord = line.size() > indent;
        if (lineHasWord && line.size() + 1 + word.size() > width) {
            lines += line + "\n";
            indent = restIndent;
            line.assign(indent, ' ');
        }
        line += (line.size() > indent ? " " : "") + std::string(word);
    }
    return lines + line + "\n";
}
