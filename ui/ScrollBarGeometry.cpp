// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kShortestThumb = 6;
constexpr int kShortestTrackWithThumb = 6;

// page x track / range in unsigned arithmetic, at least the shortest thumb, never longer than the track.
int thumbLength(int track, const ScrollInfo& info) {
    const auto range = static_cast<unsigned>(info.maximum - info.minimum + 1);
    if (range == 0)
        return 0;
    const unsigned length = static_cast<unsigned>(info.page) * static_cast<unsigned>(track) / range;
    return std::min(
        std::max(static_cast<int>(std::min(length, static_cast<unsigned>(track))), kShortestThumb), track);
}

ScrollBarGeometry compute(int length, int unit, const ScrollInfo& info, bool forHitTest) {
    ScrollBarGeometry geometry;
    geometry.length = length;
    geometry.unit = unit;
    geometry.track = std::max(length - 2 * unit, 0);
    const int scrollable = ScrollBarGeometry::scrollable(info);
    const bool thumbShown = geometry.track >= kShortestTrackWithThumb && (forHitTest || scrollable != 0);
    geometry.thumb = thumbShown ? thumbLength(geometry.track, info) : 0;
    geometry.arrow = geometry.track > 0 ? unit : length / 2;
    const int room = geometry.track - geometry.thumb;
    int offset = room / 2;
    if (scrollable != 0) {
        const int position = info.trackPosition != -1 ? info.trackPosition : info.position;
        offset = static_cast<int>(static_cast<std::int64_t>(position) * room / scrollable);
    }
    geometry.thumbStart = geometry.arrow + offset;
    return geometry;
}

} // namespace

ScrollBarGeometry ScrollBarGeometry::forPainting(int length, int unit, const ScrollInfo& info) {
    return compute(length, unit, info, false);
}

ScrollBarGeometry ScrollBarGeometry::forHitTest(int length, int unit, const ScrollInfo& info) {
    return compute(length, unit, info, true);
}

int ScrollBarGeometry::scrollable(const ScrollInfo& info) {
    return info.maximum - info.minimum - info.page + 1;
}

ScrollPart ScrollBarGeometry::partAt(int offset) const {
    if (offset < 0)
        return ScrollPart::None;
    if (offset < arrow)
        return ScrollPart::LineUp;
    if (offset < thumbStart)
        return ScrollPart::PageUp;
    if (offset < thumbStart + thumb)
        return ScrollPart::Thumb;
    if (offset < length - arrow)
        return ScrollPart::PageDown;
    return ScrollPart::LineDown;
}

int ScrollBarGeometry::partBegin(ScrollPart part) const {
    switch (part) {
    case ScrollPart::LineUp:
        return 0;
    case ScrollPart::PageUp:
        return arrow;
    case ScrollPart::Thumb:
        return thumbStart;
    case ScrollPart::PageDown:
        return thumbStart + thumb;
    case ScrollPart::LineDown:
        return length - arrow;
    case ScrollPart::None:
        break;
    }
    return 0;
}

int ScrollBarGeometry::partEnd(ScrollPart part) const {
    switch (part) {
    case ScrollPart::LineUp:
        return arrow;
    case ScrollPart::PageUp:
        return thumbStart;
    case ScrollPart::Thumb:
        return thumbStart + thumb;
    case ScrollPart::PageDown:
        return length - arrow;
    case ScrollPart::LineDown:
        return length;
    case ScrollPart::None:
        break;
    }
    return 0;
}
