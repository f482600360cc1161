// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConfigurationHistory.h"

#include "app/RecoverySaver.h"
#include "app/rules/HistoryTexts.h"
#include "model/ConfigStore.h"
#include "model/history/KeyTablesFingerprint.h"
#include "model/profile/ProfileFile.h"

#include <QtGlobal>

ConfigurationHistory::ConfigurationHistory(CConfigStore& store)
    : store_(store), writtenKeys_(keyTablesFingerprint(store)) {}

ConfigurationHistory::~ConfigurationHistory() = default;

void ConfigurationHistory::keepRecoveryIn(const std::string& folder, std::function<bool()> busy) {
    recovery_ = std::make_unique<RecoverySaver>(
        recoveryFilePath(folder, store_.device.statePath()), [this] { return recoveryText(); },
        std::move(busy));
}

void ConfigurationHistory::begin() {
    writtenKeys_ = keyTablesFingerprint(store_);
    unsecured_ = false;
}

bool ConfigurationHistory::run(const std::function<bool()>& command, const Namer& name) {
    const auto before = std::make_unique<StoreConfiguration>(store_.configuration());
    if (!command() || !history_.record(name(*before), *before, store_.configuration()))
        return false;
    notice_ = Notice::None;
    stepTaken();
    return true;
}

bool ConfigurationHistory::undo() {
    return moved(history_.undo(store_.configuration()), Notice::Undone, Notice::NothingToUndo);
}

bool ConfigurationHistory::redo() {
    return moved(history_.redo(store_.configuration()), Notice::Redone, Notice::NothingToRedo);
}

// What follows an undo or redo: the notice, the dirty flag and the recovery file; step is the step
// moved over, null when there was none.
bool ConfigurationHistory::moved(const StepName* step, Notice done, Notice nothing) {
    notice_ = step != nullptr ? done : nothing;
    if (step == nullptr)
        return false;
    noticeStep_ = *step;
    updateDirtyFlag();
    stepTaken();
    return true;
}

// An undo or redo leaves the key tables unwritten unless they are back to what was last written.
void ConfigurationHistory::updateDirtyFlag() {
    store_.configDirty = keyTablesFingerprint(store_) == writtenKeys_ ? 0 : 1;
}

std::string ConfigurationHistory::notice(const std::string& language) const {
    switch (notice_) {
    case Notice::Undone:
        return HistoryTexts::undone(language, noticeStep_);
    case Notice::Redone:
        return HistoryTexts::redone(language, noticeStep_);
    case Notice::NothingToUndo:
        return HistoryTexts::nothingToUndo(language);
    case Notice::NothingToRedo:
        return HistoryTexts::nothingToRedo(language);
    case Notice::None:
        break;
    }
    return {};
}

void ConfigurationHistory::stepTaken() {
    unsecured_ = true;
    if (recovery_)
        recovery_->stepTaken();
}

void ConfigurationHistory::keysWritten() {
    writtenKeys_ = keyTablesFingerprint(store_);
    unsecured_ = false;
    if (recovery_)
        recovery_->stepTaken();
}

void ConfigurationHistory::profileSaved() {
    unsecured_ = false;
    if (recovery_)
        recovery_->stepTaken();
}

std::string ConfigurationHistory::recoveryText() const {
    RecoveryContent content;
    content.keyboard = store_.device.statePath();
    content.variant = store_.deviceVariant;
    content.unsecured = unsecured_;
    content.triggers = store_.triggerValues;
    content.steps = history_.doneNames();
    content.profile = profileText(store_);
    return ::recoveryText(content);
}

std::optional<RecoveryContent> ConfigurationHistory::recoveryToOffer() {
    if (!recovery_ || !recovery_->usable())
        return std::nullopt;
    RecoveryReading reading = readRecoveryFile(recovery_->path());
    switch (reading.status) {
    case RecoveryReading::Status::Missing:
        return std::nullopt;
    case RecoveryReading::Status::Unreadable:
    case RecoveryReading::Status::Corrupt:
        recovery_->setAside(reading.reason);
        return std::nullopt;
    case RecoveryReading::Status::Read:
        break;
    }
    if (reading.content.keyboard != store_.device.statePath() ||
        reading.content.variant != store_.deviceVariant) {
        recovery_->setAside("it belongs to another keyboard");
        return std::nullopt;
    }
    if (!reading.content.unsecured) {
        recovery_->remove();
        return std::nullopt;
    }
    return std::move(reading.content);
}

bool ConfigurationHistory::restore(const RecoveryContent& content) {
    bool loaded = false;
    run(
        [&] {
            loaded = loadProfileText(store_, content.profile).loaded();
            if (loaded)
                store_.triggerValues = content.triggers;
            return loaded;
        },
        [](const StoreConfiguration&) { return HistoryTexts::restored(); });
    if (!loaded && recovery_)
        recovery_->setAside("its configuration could not be read");
    updateDirtyFlag();
    return loaded;
}

void ConfigurationHistory::discardRecovery() {
    if (recovery_)
        recovery_->remove();
}

void ConfigurationHistory::finish() {
    if (!recovery_)
        return;
    if (unsecured_)
        recovery_->flush();
    else
        recovery_->remove();
}
