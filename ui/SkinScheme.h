// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/WindowDescription.h"

// Which look an entry shows while it is both under the mouse and selected.
enum class LookPrecedence { HoverOverSelected, SelectedOverHover };

// Which entries take the hover picture's look while the mouse is over them: every entry, those with
// an id below the keyboard keys' (controls/KeyboardKeys.h), or none. Labels never do.
enum class HoverLook { AllEntries, IdsBelow100, None };

// Where captions are drawn: into the design-size picture before it is stretched onto the window, or
// onto the window in window pixels after the stretch.
enum class CaptionPass { BeforeStretch, AfterStretch };

// Which buttons draw their caption besides the labels: those with showsText set, or those with an id
// below the keyboard keys' while the mouse is over them (the keys never do then).
enum class ButtonCaptions { WhenShowsText, WhileHoveredBelow100 };

// How a label's font index f is turned into window pixels: kept, trunc(f x scale), or
// trunc(f x scale + 1).
enum class FontScaling { None, Scaled, ScaledPlusOne };

// Everything in which the windows' shared drawing, hit-testing and clicking differ: each window gives
// its own as data.
struct SkinScheme {
    SkinPictures pictures;
    // Pixels of this colour in the background picture are see-through.
    Rgb colourKey = kBlueColourKey;
    LookPrecedence precedence = LookPrecedence::SelectedOverHover;
    HoverLook hoverLook = HoverLook::AllEntries;
    CaptionPass captionPass = CaptionPass::AfterStretch;
    ButtonCaptions buttonCaptions = ButtonCaptions::WhenShowsText;
    // Labels are centred horizontally whatever their textFormat.
    bool labelsAlwaysCentred = false;
    FontScaling labelFonts = FontScaling::Scaled;
    // Labels keep their rectangles in design units (they are drawn before the stretch).
    bool labelsStayInDesignUnits = false;
    // Buttons get 1 added to right and bottom after scaling.
    bool buttonsGrowByOne = false;
    // Above 0: a click runs this many milliseconds after its release unless a double-click comes first.
    int deferredClickMs = 0;
};
