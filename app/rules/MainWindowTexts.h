// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/profile/ProfileFile.h"

#include <string>

class CConfigStore;

// The texts of the main window: its information box and its messages, in the store's language.
// Qt-free.
namespace MainWindowTexts {

// The first lines of the information box: the program's title for the variant, the highest and
// lowest keys (their names and a blank, or five blanks when not known), and the counter caption.
std::string title(const CConfigStore& store);
// What the information box adds while the mouse is over key 1..85: its press count when read, the
// current program's name and the key's kind and assignment on the program's three layers.
std::string keyInformation(const CConfigStore& store, int key);
// The whole text of the information box; key 0 when the mouse is over no key. A notice (what an undo
// or redo did) takes the blank line under the program's title.
std::string information(const CConfigStore& store, int key, const std::string& notice = {});

// Messages of the commands.
inline constexpr const char* kDone = "OK!!";
inline constexpr const char* kFailed = "Failed!";
std::string unwrittenChangesQuestion(const std::string& language);
std::string saveProfileQuestion(const std::string& language);
std::string trayExitItem(const std::string& language);
// Why a profile could not be opened or saved, with its path and the system's reason when known.
std::string profileNotOpened(const std::string& language, const std::string& path,
                             const ProfileLoadReport& report);
std::string profileNotSaved(const std::string& language, const std::string& path,
                            const std::string& reason = {});

} // namespace MainWindowTexts
