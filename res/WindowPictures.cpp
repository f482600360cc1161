#include "res/WindowPictures.h"

#include "app/MainWindowControls.h"
#include "app/ProgressControls.h"
#include "firmware/FirmwareControls.h"
#include "keymap/KeyAssignmentControls.h"
#include "keymap/VirtualKeyControls.h"
#include "lighting/BacklightControls.h"
#include "lighting/MultiKeyColourControls.h"
#include "res/PictureSet.h"
#include "trigger/FineAdjustControls.h"
#include "trigger/RapidTriggerControls.h"
#include "trigger/TrackControls.h"

#include <array>

namespace {

constexpr Rgb kBlueKey = rgb(0, 0, 255);
constexpr Rgb kNearBlueKey = rgb(1, 3, 255);

struct VariantName {
    int variant;
    const char* name;
};
// Variant 1 stands for every variant other than 2, 3 and 4.
constexpr std::array<VariantName, 4> kVariants{{{1, "rgbble"}, {2, "sble"}, {3, "s"}, {4, "rgb"}}};

WindowPictures windowOf(std::string name, std::array<int, 3> backgroundHoverSelected, Rgb colourKey,
                        std::span<const ControlSpec> controls, std::vector<SkinRect> strips = {}) {
    WindowPictures window;
    window.name = std::move(name);
    window.background = backgroundHoverSelected[0];
    window.hover = backgroundHoverSelected[1];
    window.selected = backgroundHoverSelected[2];
    window.colourKey = colourKey;
    window.controls.assign(controls.begin(), controls.end());
    window.strips = std::move(strips);
    return window;
}

void addMainWindows(std::vector<WindowPictures>& windows) {
    for (const VariantName& variant : kVariants) {
        windows.push_back(windowOf(std::string("main-") + variant.name,
                                   {PictureSet::pictureNumber(0, variant.variant),
                                    PictureSet::pictureNumber(1, variant.variant),
                                    PictureSet::pictureNumber(2, variant.variant)},
                                   kBlueKey, mainWindowControls(mainWindowLayoutFor(variant.variant))));
    }
}

std::vector<ControlSpec> keyAssignmentPageControls(int page) {
    std::vector<ControlSpec> onPage;
    for (const ControlSpec& control : keyAssignmentControls()) {
        if (keyAssignmentDrawnOnPage(control.id, page))
            onPage.push_back(control);
    }
    return onPage;
}

void addKeyAssignmentPages(std::vector<WindowPictures>& windows) {
    for (const KeyAssignmentPage& page : keyAssignmentPages()) {
        const std::string stem = "key-assignment-" + std::to_string(page.page);
        // Only page 6's normal picture depends on the variant.
        const std::size_t variants = page.page == 6 ? kVariants.size() : 1;
        for (std::size_t k = 0; k < variants; ++k) {
            const VariantName& variant = kVariants[k];
            const std::vector<ControlSpec> controls = keyAssignmentPageControls(page.page);
            windows.push_back(windowOf(page.page == 6 ? stem + "-" + variant.name : stem,
                                       {PictureSet::pictureNumber(page.normalPicture, variant.variant),
                                        PictureSet::pictureNumber(page.hoverPicture, variant.variant),
                                        PictureSet::pictureNumber(page.selectedPicture, variant.variant)},
                                       kBlueKey, controls));
        }
    }
}

} // namespace

std::vector<WindowPictures> everyWindowsPictures() {
    std::vector<WindowPictures> windows;
    addMainWindows(windows);
    WindowPictures progress =
        windowOf("progress", {139, 140, -1}, kBlueKey, progressControls(), {kProgressBarStrip});
    progress.stripPictures = {141};
    windows.push_back(std::move(progress));
    addKeyAssignmentPages(windows);
    windows.push_back(
        windowOf("firmware", {128, 129, 130}, kBlueKey, firmwareControls(), {kFirmwareBarStrip}));
    windows.push_back(windowOf("backlight", {131, 132, 133}, kNearBlueKey, backlightControls()));
    windows.push_back(windowOf("multi-key-colour", {142, 143, 144}, kNearBlueKey, multiKeyColourControls()));
    windows.push_back(windowOf("virtual-keys", {158, 159, 157}, kBlueKey, virtualKeyControls()));
    windows.push_back(windowOf("rapid-trigger", {162, 163, 161}, kNearBlueKey, rapidTriggerControls()));
    windows.push_back(
        windowOf("fine-adjust", {165, 166, 164}, kBlueKey, fineAdjustControls(), {kFineAdjustTravelGauge}));
    windows.push_back(windowOf("track", {168, 169, 167}, kNearBlueKey, trackControls(), {kTrackTravelGauge}));
    return windows;
}
