// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scroll information a scroll bar keeps and hands out, as the platform's scroll bars do.
struct ScrollInfo {
    // Which fields a request sets or asks for.
    static constexpr unsigned kRange = 0x01;
    static constexpr unsigned kPage = 0x02;
    static constexpr unsigned kPosition = 0x04;
    static constexpr unsigned kTrackPosition = 0x10;
    static constexpr unsigned kAll = kRange | kPage | kPosition | kTrackPosition;

    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    // Where the thumb is being dragged to; -1 while it is not being dragged.
    int trackPosition = -1;

    friend bool operator==(const ScrollInfo&, const ScrollInfo&) = default;
};
