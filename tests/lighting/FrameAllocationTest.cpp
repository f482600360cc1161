// SPDX-License-Identifier: GPL-3.0-or-later
// The 85 colour frames are drawn on every paint of the backlight settings: drawing them takes no heap
// allocation at all, whatever the colours.
#include "lighting/CPelmDialogBkLightSettings.h"

#include "LightingTestSupport.h"

#include <QPainter>

#include <atomic>
#include <cstddef>

// Every heap allocation of the program, Qt's containers (which take memory from malloc) and operator
// new alike, passes through these; the C library's own functions do the work.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);
}

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void countAllocation() {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

extern "C" {
void* malloc(std::size_t size) {
    countAllocation();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    countAllocation();
    return __libc_calloc(count, size);
}
void* realloc(void* memory, std::size_t size) {
    countAllocation();
    return __libc_realloc(memory, size);
}
}

namespace {

using namespace LightingTest;

// The backlight settings with their per-key drawing reachable on its own.
class FrameDrawingDialog : public CPelmDialogBkLightSettings {
public:
    using CPelmDialogBkLightSettings::CPelmDialogBkLightSettings;
    void drawKeys(QPainter& painter) { paintInWindowPixels(painter); }
};

class FrameAllocationTest : public Fixture {
protected:
    // Allocations while the 85 frames are drawn once onto target.
    long allocationsForFrames(FrameDrawingDialog& dialog, QImage& target) {
        QPainter painter(&target);
        dialog.drawKeys(painter); // the painter's own first-use set-up is not the frames'
        allocations = 0;
        counting = true;
        dialog.drawKeys(painter);
        counting = false;
        return allocations.load();
    }
};

TEST_F(FrameAllocationTest, The85FramesAreDrawnWithoutAllocating) {
    for (int key = kFirstKey; key <= kLastKey; ++key)
        store.lightArea[static_cast<std::size_t>(key)] = {key * 3, 255 - key * 2, key % 5 * 50};
    for (float scale : {1.0F, 1.5F, 2.0F}) {
        store.scaleFactor = scale;
        FrameDrawingDialog dialog(context());
        dialog.show();
        QApplication::processEvents();
        QImage target(dialog.size(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(allocationsForFrames(dialog, target), 0) << "scale " << scale;
        // And they are really drawn: key 34's frame in its colour.
        const QRect key = rectOf(*dialog.keyControl(34));
        EXPECT_EQ(frameColourAt(target, key), qRgb(102, 187, 200)) << "scale " << scale;
    }
}

} // namespace
