// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/StoreConfiguration.h"
#include "model/history/StepName.h"

#include <string>
#include <vector>

class CConfigStore;

// The names of the edit history's steps, in both languages, and what the main window says of undo,
// redo and a configuration restored after a run that did not end normally. Qt-free.
namespace HistoryTexts {

// What key slot does on table, as a step name shows it: its kind's name and its summary ("Single W").
StepName assignment(const CConfigStore& store, int slot, int table);
// A key edit: "key W, program 1, top layer: Single W → Multimedia Play/Pause", from what the key did
// before (assignment() taken before the edit) to what it does now in store.
StepName keyEdit(const CConfigStore& store, int slot, int table, const StepName& before);
StepName defaults();
// Opening the profile at path: its file name, control characters escaped.
StepName openProfile(const std::string& path);
StepName readAll();
// The backlight and rapid trigger windows, with the number of keys whose colours or trigger values
// differ between before and after.
StepName backlight(const StoreConfiguration& before, const StoreConfiguration& after);
StepName rapidTrigger(const StoreConfiguration& before, const StoreConfiguration& after);
// Loading a recovered configuration.
StepName restored();

// The information box's line after an undo or a redo, and when there was nothing to undo or redo.
std::string undone(const std::string& language, const StepName& step);
std::string redone(const std::string& language, const StepName& step);
std::string nothingToUndo(const std::string& language);
std::string nothingToRedo(const std::string& language);

// The start-up question about a recovery file holding the steps named (the last few are listed).
std::string restoreQuestion(const std::string& language, const std::vector<StepName>& steps);
inline constexpr std::size_t kListedSteps = 5;

// text with every control character written as \xNN, so a file's name prints as one line.
std::string visible(const std::string& text);

} // namespace HistoryTexts
