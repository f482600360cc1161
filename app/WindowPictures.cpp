// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPictures.h"

#include "app/rules/MainWindowControls.h"
#include "app/rules/ProgressControls.h"
#include "firmware/rules/FirmwareControls.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "keymap/rules/VirtualKeyControls.h"
#include "lighting/rules/BacklightControls.h"
#include "lighting/rules/MultiKeyColourControls.h"
#include "res/PictureSet.h"
#include "trigger/rules/FineAdjustControls.h"
#include "trigger/rules/RapidTriggerControls.h"
#include "trigger/rules/TrackControls.h"

#include <array>

namespace {

struct VariantName {
    int variant;
    const char* name;
};
// Variant 1 stands for every variant other than 2, 3 and 4.
constexpr std::array<VariantName, 4> kVariants{{{1, "rgbble"}, {2, "sble"}, {3, "s"}, {4, "rgb"}}};

// The window a description gives, with the picture numbers of variant's picture set.
WindowPictures windowOf(const WindowDescription& description, int variant = 1, std::string name = {},
                        std::span<const ControlSpec> controls = {}, SkinPictures looks = {}) {
    if (looks.background == PictureSlot::kNone)
        looks = description.pictures;
    WindowPictures window;
    window.name = name.empty() ? std::string(description.name) : std::move(name);
    window.background = PictureSet::pictureNumber(looks.background, variant);
    window.hover = PictureSet::pictureNumber(looks.hover, variant);
    window.selected = PictureSet::pictureNumber(looks.pressed, variant);
    window.colourKey = description.colourKey;
    if (controls.empty())
        controls = description.controls();
    window.controls.assign(controls.begin(), controls.end());
    window.strips.assign(description.strips.begin(), description.strips.end());
    for (const int slot : description.stripSlots)
        window.stripPictures.push_back(PictureSet::pictureNumber(slot, variant));
    return window;
}

void addMainWindows(std::vector<WindowPictures>& windows) {
    for (const VariantName& variant : kVariants) {
        windows.push_back(windowOf(mainWindowDescription(mainWindowLayoutFor(variant.variant)),
                                   variant.variant, std::string("main-") + variant.name));
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
            windows.push_back(windowOf(kKeyAssignmentWindow, variant.variant,
                                       page.page == 6 ? stem + "-" + variant.name : stem, controls,
                                       {page.normalPicture, page.hoverPicture, page.selectedPicture}));
        }
    }
}

} // namespace

std::vector<WindowPictures> everyWindowsPictures() {
    std::vector<WindowPictures> windows;
    addMainWindows(windows);
    windows.push_back(windowOf(kProgressWindow));
    addKeyAssignmentPages(windows);
    for (const WindowDescription* description :
         {&kFirmwareWindow, &kBacklightWindow, &kMultiKeyColourWindow, &kVirtualKeysWindow,
          &kRapidTriggerWindow, &kFineAdjustWindow, &kTrackWindow})
        windows.push_back(windowOf(*description));
    return windows;
}
