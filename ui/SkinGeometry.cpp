// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinGeometry.h"

#include <algorithm>

namespace SkinGeometry {

namespace {
int cut(float value) {
    return static_cast<int>(value);
}
} // namespace

float effectiveScale(float scaleFactor) {
    return scaleFactor > 0.0F ? scaleFactor : 1.0F;
}

int scaled(int value, float scale) {
    return cut(static_cast<float>(value) * scale);
}

SkinRect scaledRect(const SkinRect& rect, float scale) {
    return {scaled(rect.left, scale), scaled(rect.top, scale), scaled(rect.right, scale),
            scaled(rect.bottom, scale)};
}

SkinRect grownByOne(const SkinRect& rect) {
    return {rect.left, rect.top, rect.right + 1, rect.bottom + 1};
}

int scaledFont(int fontIndex, float scale, FontScaling scaling) {
    switch (scaling) {
    case FontScaling::None:
        break;
    case FontScaling::Scaled:
        return cut(static_cast<float>(fontIndex) * scale);
    case FontScaling::ScaledPlusOne:
        return cut(static_cast<float>(fontIndex) * scale + 1.0F);
    }
    return fontIndex;
}

QRect designRegion(const SkinRect& windowRect, float scale) {
    const auto unscaled = [scale](int value) { return cut(static_cast<float>(value) / scale); };
    return {unscaled(windowRect.left), unscaled(windowRect.top), unscaled(windowRect.width()),
            unscaled(windowRect.height())};
}

QSize windowSize(QSize designSize, float scale) {
    return {cut(scale * static_cast<float>(designSize.width())),
            cut(scale * static_cast<float>(designSize.height()))};
}

QPoint centredOn(QSize screen, QSize window) {
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

QPoint centredOver(const QRect& owner, QSize window, QSize screen) {
    const QPoint centred(owner.x() + (owner.width() - window.width()) / 2,
                         owner.y() + (owner.height() - window.height()) / 2);
    const auto keepOn = [](int position, int size, int room) {
        return size >= room ? position : std::clamp(position, 0, room - size);
    };
    return {keepOn(centred.x(), window.width(), screen.width()),
            keepOn(centred.y(), window.height(), screen.height())};
}

QRect toQRect(const SkinRect& rect) {
    return {rect.left, rect.top, rect.width(), rect.height()};
}

} // namespace SkinGeometry
