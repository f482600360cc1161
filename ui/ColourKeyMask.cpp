#include "ui/ColourKeyMask.h"

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
    int x = 0;
    while (x < picture.width()) {
        while (x < picture.width() && line[x] == key)
            ++x;
        const int left = x;
        while (x < picture.width() && line[x] != key)
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

} // namespace

// Rows with the same runs are merged into one band, so the region stays small and its rectangles
// come out in the banded order QRegion::setRects wants.
QRegion colourKeyMask(const QImage& picture, Rgb colourKey) {
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = qRgb(redOf(colourKey), greenOf(colourKey), blueOf(colourKey));
    std::vector<QRect> rects;
    std::vector<Run> band;
    int bandTop = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        std::vector<Run> runs = opaqueRuns(pixels, y, key);
        if (runs == band)
            continue;
        addBand(rects, band, bandTop, y);
        band = std::move(runs);
        bandTop = y;
    }
    addBand(rects, band, bandTop, pixels.height());
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}
