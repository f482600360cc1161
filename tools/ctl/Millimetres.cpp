#include "tools/ctl/Millimetres.h"

#include <cctype>

std::optional<int> parseTenthsOfMillimetre(const std::string& text) {
    std::string number = text;
    if (number.size() > 2 && number.compare(number.size() - 2, 2, "mm") == 0)
        number.resize(number.size() - 2);
    const std::size_t point = number.find('.');
    const std::string whole = number.substr(0, point);
    const std::string tenth = point == std::string::npos ? "0" : number.substr(point + 1);
    const auto allDigits = [](const std::string& part) {
        if (part.empty())
            return false;
        for (char c : part) {
            if (std::isdigit(static_cast<unsigned char>(c)) == 0)
                return false;
        }
        return true;
    };
    if (!allDigits(whole) || !allDigits(tenth) || tenth.size() != 1 || whole.size() > 3)
        return std::nullopt;
    return std::stoi(whole) * 10 + (tenth[0] - '0');
}
