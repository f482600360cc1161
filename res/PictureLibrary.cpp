// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/PictureLibrary.h"

namespace {

// The part of a picture without a copy of its pixels; whole stays alive in the library's cache.
QImage sharedPart(const QImage& whole, const QRect& part) {
    return {whole.constScanLine(part.top()) + static_cast<std::ptrdiff_t>(part.left()) * 4, part.width(),
            part.height(), whole.bytesPerLine(), whole.format()};
}

} // namespace

PictureLibrary::PictureLibrary(PictureDrawers drawers, PictureAreaDrawers areaDrawers)
    : drawers_(std::move(drawers)), areaDrawers_(std::move(areaDrawers)) {}

QImage PictureLibrary::picture(int number) const {
    if (const auto cached = cache_.find(number); cached != cache_.end())
        return cached->second;
    const auto drawer = drawers_.find(number);
    if (drawer == drawers_.end())
        return {};
    QImage drawn = drawer->second().convertToFormat(QImage::Format_RGB32);
    cache_.emplace(number, drawn);
    return drawn;
}

bool PictureLibrary::has(int number) const {
    return drawers_.contains(number);
}

QImage PictureLibrary::area(int number, const QRect& area) const {
    const AreaKey key{number, area.left(), area.top(), area.width(), area.height()};
    if (const auto cached = areaCache_.find(key); cached != areaCache_.end())
        return cached->second;
    QImage part = drawnArea(number, area);
    areaCache_.emplace(key, part);
    return part;
}

QImage PictureLibrary::drawnArea(int number, const QRect& area) const {
    const auto areaDrawer = areaDrawers_.find(number);
    if (areaDrawer != areaDrawers_.end() && !cache_.contains(number)) {
        const QImage part = areaDrawer->second(area);
        return part.isNull() ? part : part.convertToFormat(QImage::Format_RGB32);
    }
    const QImage whole = picture(number);
    const QRect part = area.intersected(whole.rect());
    return part.isEmpty() ? QImage() : sharedPart(whole, part);
}
