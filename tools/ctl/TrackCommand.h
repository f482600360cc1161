// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// "qelec-ctl track KEY": the key's travel, read ten times a second as the program's travel view reads
// it, either as a live bar on the terminal with the key's press and release points marked, or as
// time-stamped CSV samples for plotting. Ends after the given seconds, on Ctrl+C (both cleanly, exit
// 0), or when the keyboard stops answering (exit 1).
struct TrackRequest {
    std::optional<std::string> statePath;
    int key = 0;
    std::optional<int> seconds;
    bool csv = false;
};

int runTrack(const TrackRequest& request);

// The bar of one sample: the travel mapped onto the travel view's 60 units as '#', the rest '-', the
// press point 'P' and the release point 'R' where the key's travels lie (none when not known).
std::string travelBar(int travelTenths, std::optional<int> upper, std::optional<int> lower);
