// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/history/EditHistory.h"
#include "model/history/RecoveryFile.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CConfigStore;
class RecoverySaver;

// The main window's edit history and recovery file: runs each command that may change the working
// configuration as one named step, undoes and redoes steps without touching the keyboard, keeps
// configDirty true to what the key tables hold against what was last written, and keeps the
// recovery file up to date.
class ConfigurationHistory {
public:
    using Namer = std::function<StepName(const StoreConfiguration& before)>;

    explicit ConfigurationHistory(CConfigStore& store);
    ~ConfigurationHistory();
    ConfigurationHistory(const ConfigurationHistory&) = delete;
    ConfigurationHistory& operator=(const ConfigurationHistory&) = delete;

    // From now on the working configuration is kept in a recovery file in folder; busy says whether
    // a transfer holds the keyboard, during which nothing is written.
    void keepRecoveryIn(const std::string& folder, std::function<bool()> busy);
    const RecoverySaver* recovery() const { return recovery_.get(); }

    // The working configuration as the run starts: its key tables count as written, nothing is
    // unsecured.
    void begin();
    // Runs command; when it went through (returned true) and the working configuration changed,
    // records the change as one step named by name, which sees the configuration before and the store
    // after. True when a step was recorded.
    bool run(const std::function<bool()>& command, const Namer& name);
    // Undo and redo; false when there was nothing to undo or redo. Either way the notice says so.
    bool undo();
    bool redo();
    const EditHistory& steps() const { return history_; }
    // The line the information box shows after the last undo or redo, in language; empty after a new
    // step.
    std::string notice(const std::string& language) const;

    // The key tables were written to the keyboard, or the whole configuration saved to a profile.
    void keysWritten();
    void profileSaved();
    // Whether the working configuration holds changes that were neither written nor saved.
    bool unsecured() const { return unsecured_; }

    // A recovery file of this keyboard holding unwritten and unsaved changes, left by a run that did not
    // end normally. Any other file is removed, and one that cannot be used is set aside.
    std::optional<RecoveryContent> recoveryToOffer();
    // Loads what was recovered as one step; false (with a line in the log) when it cannot be.
    bool restore(const RecoveryContent& content);
    // The recovery file is not wanted: removed.
    void discardRecovery();
    // The run ends: the file is removed when nothing is unwritten and unsaved, else brought up to date.
    void finish();

private:
    enum class Notice { None, Undone, Redone, NothingToUndo, NothingToRedo };
    bool moved(const StepName* step, Notice done, Notice nothing);
    void stepTaken();
    void updateDirtyFlag();
    std::string recoveryText() const;

    CConfigStore& store_;
    EditHistory history_;
    std::uint64_t writtenKeys_ = 0;
    bool unsecured_ = false;
    Notice notice_ = Notice::None;
    StepName noticeStep_;
    std::unique_ptr<RecoverySaver> recovery_;
};
