// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

struct ProfileDifferences;

// How a run of "qelec-ctl diff" names the two configurations it compared: a profile's path, or the
// attached keyboard.
struct ComparedSides {
    std::string before;
    std::string after;
};

// "keys 1-20, 25" or "key 34 (W)": keys listed in ascending order, neighbours joined into ranges; a
// single key with its legend on the variant's keyboard.
std::string keyList(const std::vector<int>& keys, int variant);

// The report of a comparison, one line per entry, each ended by a newline: a line saying they are the
// same, or the two sides, what their variants are when they differ, then the key assignments, library
// entries and lights that differ, and what was not compared. Every text taken from a profile, the
// keyboard or the command line is shown printable().
std::string diffReport(const ProfileDifferences& differences, const ComparedSides& sides);
