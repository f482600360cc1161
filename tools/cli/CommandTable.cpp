// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/CommandTable.h"

bool isHelpWord(std::string_view word) {
    return word == "--help" || word == "-h";
}

bool isVersionWord(std::string_view word) {
    return word == "--version";
}

std::string joinedAsList(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return text;
}
