// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ColourKeyMask.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

namespace {

struct Run {
    int left;
    int right; // outside the run
    friend bool operator==(const Run&, const Run&) = default;
};

std::vector<Run> opaqueRuns(const QImage& picture, int y, QRgb key) {
    std::vector<Run> runs;
    const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    const int width = picture.width();
    int x = 0;
    while (x < width) {
        while (x < width && line[x] == key)
            ++x;
        const int left = x;
        while (x < width && line[x] != key)
            ++x;
        if (x > left)
            runs.push_back({left, x});
    }
    return runs;
}

void addBand(std::vector<QRect>& rects, const std::vector<Run>& runs, int top, int bottom) {
    for (const Run& run : runs)
        rects.emplace_back(run.left, top, run.right - run.left, bottom - top);
}

// The source index each pixel of a line of length stretched samples, as the unsmoothed stretch of the
// toolkit picks it: found by stretching a line that holds its own indices.
std::vector<int> sampledIndices(int length, int stretched, bool horizontal) {
    QImage line(horizontal ? length : 1, horizontal ? 1 : length, QImage::Format_RGB32);
    for (int index = 0; index < length; ++index)
        line.setPixel(horizontal ? index : 0, horizontal ? 0 : index, 0xFF000000U | static_cast<QRgb>(index));
    const QSize target = horizontal ? QSize(stretched, 1) : QSize(1, stretched);
    const QImage sampled = line.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    std::vector<int> indices(static_cast<std::size_t>(stretched));
    for (int index = 0; index < stretched; ++index) {
        const QRgb pixel = sampled.pixel(horizontal ? index : 0, horizontal ? 0 : index);
        indices[static_cast<std::size_t>(index)] = static_cast<int>(pixel & 0xFFFFFFU);
    }
    return indices;
}

// For every source column c (and one past the last), the first stretched column sampling c or later.
std::vector<int> firstStretchedColumns(const std::vector<int>& sampledColumns, int sourceWidth) {
    std::vector<int> first(static_cast<std::size_t>(sourceWidth) + 1);
    for (int column = 0; column <= sourceWidth; ++column)
        first[static_cast<std::size_t>(column)] = static_cast<int>(
            std::lower_bound(sampledColumns.begin(), sampledColumns.end(), column) - sampledColumns.begin());
    return first;
}

// A source row's runs in stretched columns; runs that sample no column vanish, touching runs merge.
std::vector<Run> stretchedRuns(const std::vector<Run>& runs, const std::vector<int>& firstColumn) {
    std::vector<Run> stretched;
    for (const Run& run : runs) {
        const int left = firstColumn[static_cast<std::size_t>(run.left)];
        const int right = firstColumn[static_cast<std::size_t>(run.right)];
        if (right <= left)
            continue;
        if (!stretched.empty() && stretched.back().right == left)
            stretched.back().right = right;
        else
            stretched.push_back({left, right});
    }
    return stretched;
}

// Consecutive rows with the same runs become one band, in the banded order QRegion::setRects wants.
class BandedRegion {
public:
    void addRow(const std::vector<Run>& runs, int y) {
        if (runs == band_)
            return;
        addBand(rects_, band_, bandTop_, y);
        band_ = runs;
        bandTop_ = y;
    }

    QRegion finish(int height) {
        addBand(rects_, band_, bandTop_, height);
        QRegion region;
        region.setRects(rects_.data(), static_cast<int>(rects_.size()));
        return region;
    }

private:
    std::vector<QRect> rects_;
    std::vector<Run> band_;
    int bandTop_ = 0;
};

QRgb keyPixel(Rgb colourKey) {
    return qRgb(redOf(colourKey), greenOf(colourKey), blueOf(colourKey));
}

} // namespace

QRegion colourKeyMask(const QImage& picture, Rgb colourKey) {
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = keyPixel(colourKey);
    BandedRegion region;
    for (int y = 0; y < pixels.height(); ++y)
        region.addRow(opaqueRuns(pixels, y, key), y);
    return region.finish(pixels.height());
}

QRegion stretchedColourKeyMask(const QImage& picture, QSize size, Rgb colourKey) {
    if (picture.isNull() || size.isEmpty())
        return {};
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = keyPixel(colourKey);
    const std::vector<int> firstColumn =
        firstStretchedColumns(sampledIndices(pixels.width(), size.width(), true), pixels.width());
    const std::vector<int> sourceRows = sampledIndices(pixels.height(), size.height(), false);
    BandedRegion region;
    int sourceRow = -1;
    std::vector<Run> runs;
    for (int y = 0; y < size.height(); ++y) {
        if (sourceRows[static_cast<std::size_t>(y)] != sourceRow) {
            sourceRow = sourceRows[static_cast<std::size_t>(y)];
            runs = stretchedRuns(opaqueRuns(pixels, sourceRow, key), firstColumn);
        }
        region.addRow(runs, y);
    }
    return region.finish(size.height());
}

QRegion keptStretchedColourKeyMask(const QImage& picture, QSize size, Rgb colourKey) {
    // An image's cache key names its pixels: it changes when they change and is never given to
    // other pixels, so a kept outline can only belong to its own picture.
    using Key = std::tuple<qint64, int, int, Rgb>;
    constexpr std::size_t kKept = 64;
    static std::map<Key, QRegion> kept;
    const Key key{picture.cacheKey(), size.width(), size.height(), colourKey};
    if (const auto found = kept.find(key); found != kept.end())
        return found->second;
    if (kept.size() >= kKept)
        kept.clear();
    return kept.emplace(key, stretchedColourKeyMask(picture, size, colourKey)).first->second;
}
