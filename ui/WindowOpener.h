// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>

class QWidget;
struct WindowContext;

// The windows one window opens over another.
enum class WindowId {
    KeyAssignment,  // edits store.currentKey on store.currentTable
    VirtualKeys,    // the on-screen key picker; the argument is its mode
    RapidTrigger,   //
    FineAdjust,     // edits store.triggerAdjust
    Track,          // the live travel of store.trackKey
    Backlight,      //
    MultiKeyColour, // marks keys and picks one colour for them
    FirmwareUpdate, //
    Transfer,       // the progress window running a transfer; the argument is the transfer mode
};

// Transfer modes and the result of a transfer that failed (OK and Cancel are the windows' own).
namespace Transfer {
inline constexpr int kWriteKeys = 1;
inline constexpr int kWriteTriggers = 2;
inline constexpr int kReadAll = 3;
inline constexpr int kWriteLights = 4;
inline constexpr int kReadCounters = 5;
inline constexpr int kReadLights = 6;
inline constexpr int kReadTriggers = 7;
inline constexpr int kFailed = 3;
} // namespace Transfer

// How any window opens another window modally or runs a transfer. The program installs its windows
// once; a test installs its own runner for a window to answer it without showing it.
class WindowOpener {
public:
    // Runs the window modally over parent and returns its modal result.
    using Runner = std::function<int(const WindowContext& context, QWidget* parent, int argument)>;
    // What run() returns for a window nobody installed: the command that wanted it does nothing.
    static constexpr int kNotOffered = 0;

    void install(WindowId window, Runner runner) { runners_[window] = std::move(runner); }
    bool offers(WindowId window) const { return runners_.contains(window); }
    int run(WindowId window, const WindowContext& context, QWidget* parent, int argument = 0) const {
        const auto found = runners_.find(window);
        return found == runners_.end() ? kNotOffered : found->second(context, parent, argument);
    }

private:
    std::map<WindowId, Runner> runners_;
};
