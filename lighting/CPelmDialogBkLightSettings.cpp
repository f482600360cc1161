// SPDX-License-Identifier: GPL-3.0-or-later
#include "lighting/CPelmDialogBkLightSettings.h"

#include "lighting/rules/BacklightControls.h"
#include "lighting/rules/LightColour.h"
#include "platform/PlatformServices.h"

#include <QPainter>

CPelmDialogBkLightSettings::CPelmDialogBkLightSettings(const WindowContext& context, QWidget* parent)
    : KeyboardWindow(context, kBacklightWindow, keyboardScheme(HoverLook::IdsBelow100, true), parent) {
    setObjectName("backlightDialog");
    setWindowTitle(QStringLiteral("BackLight Settings"));
}

WindowOpener::Runner CPelmDialogBkLightSettings::runner() {
    return [](const WindowContext& context, QWidget* parent, int /*argument*/) {
        CPelmDialogBkLightSettings dialog(context, parent);
        return dialog.exec();
    };
}

void CPelmDialogBkLightSettings::onInit() {
    working_ = store().lightArea;
}

void CPelmDialogBkLightSettings::onKeyClick(int keyIndex) {
    pickKeyColour(keyIndex);
}

void CPelmDialogBkLightSettings::onCommand(int id) {
    using enum BacklightControlId;
    switch (static_cast<BacklightControlId>(id)) {
    case Close:
    case Cancel:
        endDialog(kResultCancel);
        break;
    case Read:
        readFromKeyboard();
        break;
    case Default:
        makeAllBlack();
        break;
    case Write:
        writeToKeyboard();
        break;
    case Ok:
        keepAndClose();
        break;
    case SetAll:
        setAllKeys();
        break;
    case MultiKey:
        colourMarkedKeys();
        break;
    }
}

// Only a colour that differs from the key's own changes it and repaints.
void CPelmDialogBkLightSettings::pickKeyColour(int keyIndex) {
    LightRow& row = working_[static_cast<std::size_t>(keyIndex)];
    const Rgb current = LightColour::colourOf(row);
    const std::optional<std::uint32_t> chosen = platform().chooseColour(this, current);
    if (!chosen || (*chosen & 0xFFFFFFU) == current)
        return;
    row = LightColour::rowOf(*chosen);
    if (const SkinControl* key = keyControl(keyIndex))
        update(windowRectOf(*key).adjusted(-2, -2, 2, 2));
}

void CPelmDialogBkLightSettings::setAllKeys() {
    const std::optional<std::uint32_t> chosen = platform().chooseColour(this, rgb(0, 0, 0));
    if (!chosen)
        return;
    LightColour::fill(working_, *chosen);
    update();
}

void CPelmDialogBkLightSettings::makeAllBlack() {
    LightColour::fill(working_, rgb(0, 0, 0));
    update();
}

// The marks are cleared before every run, so keys marked in an earlier run are never coloured again.
void CPelmDialogBkLightSettings::colourMarkedKeys() {
    CConfigStore& shared = store();
    shared.multiSelectFlags.fill(0);
    shared.multiSelectColours = LightColour::flatten(working_);
    if (openWindow(WindowId::MultiKeyColour) == kResultOk) {
        for (std::size_t keyIndex = 0; keyIndex < working_.size(); ++keyIndex) {
            if (shared.multiSelectFlags[keyIndex] != 0)
                working_[keyIndex] = shared.multiSelectColour;
        }
    }
    update();
}

// A read that failed leaves the working copy as it was.
void CPelmDialogBkLightSettings::readFromKeyboard() {
    const int result = runTransfer(Transfer::kReadLights);
    if (result == kResultOk)
        working_ = store().lightArea;
    update();
    reportTransfer(result);
}

// The colours are kept in the store whatever the transfer's outcome, and the window closes.
void CPelmDialogBkLightSettings::writeToKeyboard() {
    store().lightArea = working_;
    reportTransfer(runTransfer(Transfer::kWriteLights));
    endDialog(kResultOk);
}

void CPelmDialogBkLightSettings::keepAndClose() {
    store().lightArea = working_;
    endDialog(kResultOk);
}

void CPelmDialogBkLightSettings::reportTransfer(int result) {
    if (result == kResultOk)
        say(kDone);
    else if (result == kResultCancel || result == Transfer::kFailed)
        say(kFailed);
}

void CPelmDialogBkLightSettings::say(const char* text) {
    platform().showMessage(this, QString::fromUtf8(text), QStringLiteral("QelEC"), MessageButtons::Ok,
                           MessageIcon::None);
}

std::string CPelmDialogBkLightSettings::keyDescription(int keyIndex) const {
    return LightColour::hexOf(LightColour::colourOf(working_[static_cast<std::size_t>(keyIndex)]));
}

void CPelmDialogBkLightSettings::paintKey(QPainter& painter, int keyIndex, const QRect& rect) {
    drawColourFrame(painter, rect, LightColour::colourOf(working_[static_cast<std::size_t>(keyIndex)]));
}
