// SPDX-License-Identifier: GPL-3.0-or-later
#include "lighting/CPelmDialogBkLightMultiSelect.h"

#include "lighting/rules/LightColour.h"
#include "lighting/rules/MultiKeyColourControls.h"
#include "platform/PlatformServices.h"

#include <QPainter>

CPelmDialogBkLightMultiSelect::CPelmDialogBkLightMultiSelect(const WindowContext& context, QWidget* parent)
    : KeyboardWindow(context, kMultiKeyColourWindow, keyboardScheme(HoverLook::IdsBelow100, true), parent) {
    setObjectName("multiKeyColourDialog");
    setWindowTitle(QStringLiteral("Set Multi Key"));
}

WindowOpener::Runner CPelmDialogBkLightMultiSelect::runner() {
    return [](const WindowContext& context, QWidget* parent, int /*argument*/) {
        CPelmDialogBkLightMultiSelect dialog(context, parent);
        return dialog.exec();
    };
}

// No key starts marked, and the flags say so too: marks from an earlier run never reach the caller.
void CPelmDialogBkLightMultiSelect::onInit() {
    shown_ = LightColour::unflatten(session().multiSelectColours);
    session().multiSelectFlags.fill(0);
}

void CPelmDialogBkLightMultiSelect::onKeyClick(int keyIndex) {
    const bool marked = !isKeySelected(keyIndex);
    setKeySelected(keyIndex, marked);
    session().multiSelectFlags[static_cast<std::size_t>(keyIndex)] = marked ? 1 : 0;
}

void CPelmDialogBkLightMultiSelect::onCommand(int id) {
    if (id == idOf(MultiKeyColourControlId::Close))
        endDialog(kResultCancel);
    else if (id == idOf(MultiKeyColourControlId::SetColour))
        chooseColourForMarkedKeys();
}

// A cancelled chooser leaves the window open with its marks.
void CPelmDialogBkLightMultiSelect::chooseColourForMarkedKeys() {
    const std::optional<std::uint32_t> chosen = platform().chooseColour(this, rgb(0, 0, 0));
    if (!chosen)
        return;
    session().multiSelectColour = LightColour::rowOf(*chosen);
    endDialog(kResultOk);
}

std::string CPelmDialogBkLightMultiSelect::keyDescription(int keyIndex) const {
    const std::string colour =
        LightColour::hexOf(LightColour::colourOf(shown_[static_cast<std::size_t>(keyIndex)]));
    return colour + ", " + spokenMark(isKeySelected(keyIndex), store().language);
}

void CPelmDialogBkLightMultiSelect::paintKey(QPainter& painter, int keyIndex, const QRect& rect) {
    drawColourFrame(painter, rect, LightColour::colourOf(shown_[static_cast<std::size_t>(keyIndex)]));
}
