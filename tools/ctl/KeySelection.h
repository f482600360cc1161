#pragma once

#include <optional>
#include <string>
#include <vector>

// The keys a command line names: "all", one key number 1..85, or a list of numbers and ranges such as
// "1-16,30,78-79". Every key once, in ascending order; nothing when the text names no valid key list.
std::optional<std::vector<int>> parseKeySelection(const std::string& text);

// The keys in words, ranges joined: "key 34", "keys 1-16, 30, 78-79" or "all keys".
std::string describeKeySelection(const std::vector<int>& keys);
