// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/WindowDescription.h"

#include <string>
#include <vector>

// What the picture library knows of each window's pictures: which numbers belong together, which
// control table they are drawn from and which colour keys their outlines. The preview tool names its
// files after these, and the tests check every picture against its table with them.
struct WindowPictures {
    std::string name; // a file-name stem, such as "main-rgb" or "key-assignment-4"
    int background = -1;
    int hover = -1;    // -1 when the window has no such picture
    int selected = -1; // the pressed or selected picture, -1 when there is none
    Rgb colourKey = rgb(0, 0, 255);
    // The entries drawn on these pictures; only entries with an id of at least 1 take part.
    std::vector<ControlSpec> controls;
    // Further parts the hover and selected pictures may differ in: bar strips and gauges.
    std::vector<SkinRect> strips;
    // Further pictures of the window that are not a look of its controls (such as a progress fill),
    // each differing from the background only inside the strips.
    std::vector<int> stripPictures;
};

// Every window of the program, each variant's main window and each page of the key assignment
// dialog on its own.
std::vector<WindowPictures> everyWindowsPictures();
