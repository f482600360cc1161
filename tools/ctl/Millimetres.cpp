// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/Millimetres.h"

#include "tools/cli/TextWords.h"

std::optional<int> parseTenthsOfMillimetre(const std::string& text) {
    std::string number = text;
    if (number.size() > 2 && number.compare(number.size() - 2, 2, "mm") == 0)
        number.resize(number.size() - 2);
    const std::size_t point = number.find('.');
    const std::string whole = number.substr(0, point);
    const std::string tenth = point == std::string::npos ? "0" : number.substr(point + 1);
    if (!allDigits(whole) || !allDigits(tenth) || tenth.size() != 1 || whole.size() > 3)
        return std::nullopt;
    return std::stoi(whole) * 10 + (tenth[0] - '0');
}
