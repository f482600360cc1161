// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScriptedPlatformServices.h"

#include "platform/FileDialogFilter.h"

#include <algorithm>

namespace {

std::vector<MessageAnswer> answersOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return {MessageAnswer::Ok};
    case MessageButtons::OkCancel:
        return {MessageAnswer::Ok, MessageAnswer::Cancel};
    case MessageButtons::YesNo:
        return {MessageAnswer::Yes, MessageAnswer::No};
    case MessageButtons::YesNoCancel:
        return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    }
    return {MessageAnswer::Ok};
}

template <typename T>
std::optional<T> takeFront(std::deque<T>& queue) {
    if (queue.empty())
        return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

void ScriptedPlatformServices::queueMessageAnswer(MessageAnswer answer) {
    messageAnswers_.push_back(answer);
}

void ScriptedPlatformServices::queueFileName(const QString& path) {
    fileAnswers_.emplace_back(path);
}

void ScriptedPlatformServices::queueFileCancel() {
    fileAnswers_.emplace_back(std::nullopt);
}

void ScriptedPlatformServices::queueColour(std::uint32_t colour) {
    colourAnswers_.emplace_back(colour & 0xFFFFFFU);
}

void ScriptedPlatformServices::queueColourCancel() {
    colourAnswers_.emplace_back(std::nullopt);
}

std::size_t ScriptedPlatformServices::unusedAnswers() const {
    return messageAnswers_.size() + fileAnswers_.size() + colourAnswers_.size();
}

MessageAnswer ScriptedPlatformServices::showMessage(QWidget*, const QString& text, const QString& title,
                                                    MessageButtons buttons, MessageIcon icon) {
    const std::vector<MessageAnswer> offered = answersOf(buttons);
    MessageBoxRecord record{text, title, buttons, icon, offered.front(), true};
    if (whileMessageShown_)
        whileMessageShown_();
    if (const auto queued = takeFront(messageAnswers_);
        queued && std::find(offered.begin(), offered.end(), *queued) != offered.end()) {
        record.answer = *queued;
        record.defaulted = false;
    }
    messageBoxes_.push_back(record);
    return record.answer;
}

std::optional<QString> ScriptedPlatformServices::chooseOpenFile(QWidget*, const QString& filter,
                                                                const QString& defaultExtension) {
    return answerFileDialog(FileDialogMode::Open, filter, defaultExtension);
}

std::optional<QString> ScriptedPlatformServices::chooseSaveFile(QWidget*, const QString& filter,
                                                                const QString& defaultExtension) {
    return answerFileDialog(FileDialogMode::Save, filter, defaultExtension);
}

std::optional<QString> ScriptedPlatformServices::answerFileDialog(FileDialogMode mode, const QString& filter,
                                                                  const QString& defaultExtension) {
    FileDialogRecord record{mode, filter, defaultExtension, std::nullopt, true};
    if (auto queued = takeFront(fileAnswers_)) {
        record.defaulted = false;
        if (*queued)
            record.answer = withDefaultExtension(**queued, defaultExtension);
    }
    fileDialogs_.push_back(record);
    return record.answer;
}

std::optional<std::uint32_t> ScriptedPlatformServices::chooseColour(QWidget*, std::uint32_t initial) {
    ColourDialogRecord record{initial & 0xFFFFFFU, std::nullopt, true};
    if (auto queued = takeFront(colourAnswers_)) {
        record.defaulted = false;
        record.answer = *queued;
    }
    colourDialogs_.push_back(record);
    return record.answer;
}

void ScriptedPlatformServices::showTrayIcon(const QIcon& icon, const QString& toolTip) {
    trayVisible_ = true;
    trayIcon_ = icon;
    trayToolTip_ = toolTip;
}

void ScriptedPlatformServices::setTrayMenu(std::vector<TrayMenuEntry> entries,
                                           std::function<void(int id)> onChosen) {
    trayMenu_ = std::move(entries);
    onTrayChoice_ = std::move(onChosen);
}

void ScriptedPlatformServices::setTrayDoubleClickHandler(std::function<void()> onDoubleClick) {
    onTrayDoubleClick_ = std::move(onDoubleClick);
}

// Handlers run from copies: they may hide the icon or replace the menu.
bool ScriptedPlatformServices::chooseTrayMenuEntry(int id) {
    const bool listed = std::any_of(trayMenu_.begin(), trayMenu_.end(),
                                    [id](const TrayMenuEntry& entry) { return entry.id == id; });
    if (!trayVisible_ || !listed)
        return false;
    if (auto handler = onTrayChoice_)
        handler(id);
    return true;
}

bool ScriptedPlatformServices::doubleClickTray() {
    if (!trayVisible_)
        return false;
    if (auto handler = onTrayDoubleClick_)
        handler();
    return true;
}

bool ScriptedPlatformServices::openWithDesktop(const QString& path) {
    openedFiles_.append(path);
    return openSucceeds_;
}
