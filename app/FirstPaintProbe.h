// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/WindowOpener.h"

#include <QElapsedTimer>

#include <optional>
#include <string_view>

class CPelmDlg;

// The windows `qelec --first-paint-probe NAME` can open over the main window, by name.
std::optional<WindowId> probedWindowNamed(std::string_view name);
// The names it knows, for its usage text.
const char* probedWindowNames();

// --first-paint-probe: reports when the main window has painted completely, how much memory the
// program holds then, how long one full repaint takes at the window's scale and which help document
// it would open. With a window named, it then opens that window as a click would, reports the time
// from the click to the window's first complete paint and one full repaint of it, and closes it.
// Ends the program.
void probeFirstPaint(CPelmDlg& window, const QElapsedTimer& sinceStart, std::optional<WindowId> dialog);
