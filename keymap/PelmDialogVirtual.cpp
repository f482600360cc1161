// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/PelmDialogVirtual.h"

#include "keymap/rules/VirtualKeyControls.h"
#include "keymap/rules/VirtualKeyPicks.h"
#include "model/ConfigStore.h"
#include "res/SharedResources.h"
#include "ui/SkinGeometry.h"

#include <QLineEdit>

#include <algorithm>

namespace {

// The display line, in design units.
constexpr int kLineLeft = 20;
constexpr int kLineTop = 305;
constexpr int kLineWidth = 500;
constexpr int kLineHeight = 32;
constexpr int kLineFont = 15;

// How the dialog's entries look and click; its pictures (the keyboard, every key hovered, every key
// picked) and colour key come from its description.
SkinScheme virtualKeyScheme() {
    // The scheme's defaults otherwise: selection over hover unless said, every entry hovered, captions
    // after the stretch, scaled label fonts.
    SkinScheme scheme;
    scheme.precedence = LookPrecedence::HoverOverSelected;
    scheme.deferredClickMs = PelmDialogVirtual::kClickWaitMs;
    return scheme;
}

} // namespace

PelmDialogVirtual::PelmDialogVirtual(const WindowContext& context, QWidget* parent)
    : SkinnedWindow(context, kVirtualKeysWindow, virtualKeyScheme(), parent) {
    setObjectName("virtualKeyDialog");
    const auto title = std::find_if(controls().begin(), controls().end(), [](const SkinControl& control) {
        return control.id == idOf(VirtualKeyControlId::Close) && control.isLabel;
    });
    if (title != controls().end())
        setWindowTitle(QString::fromStdString(title->caption(session().language)));

    const float s = scale();
    displayLine_ = new QLineEdit(this);
    displayLine_->setObjectName("displayLine");
    displayLine_->setReadOnly(true);
    displayLine_->setFocusPolicy(Qt::NoFocus);
    displayLine_->setContextMenuPolicy(Qt::NoContextMenu);
    displayLine_->setFrame(false);
    displayLine_->setGeometry(SkinGeometry::scaled(kLineLeft, s), 1 + SkinGeometry::scaled(kLineTop, s),
                              SkinGeometry::scaled(kLineWidth, s), 1 + SkinGeometry::scaled(kLineHeight, s));
    displayLine_->setFont(resources().fonts().font(SkinGeometry::scaled(kLineFont, s)));
    QPalette colours = displayLine_->palette();
    colours.setBrush(QPalette::Base, resources().darkBrush());
    colours.setColor(QPalette::Text, QColor(255, 111, 0));
    displayLine_->setPalette(colours);
}

WindowOpener::Runner PelmDialogVirtual::runner() {
    return [](const WindowContext& context, QWidget* parent, int mode) {
        PelmDialogVirtual dialog(context, parent);
        dialog.setVirtualMode(mode);
        return dialog.exec();
    };
}

bool PelmDialogVirtual::isClickable(const SkinControl& control) const {
    return takesPart(control);
}

// Mode 1 shows the caller's key picked; mode 2 starts with nothing picked.
void PelmDialogVirtual::onInit() {
    VirtualKeyState& state = session().virtualKeyState;
    if (mode_ == kPickCombination) {
        clearPicks(state);
    } else {
        for (std::size_t index = 1; index < table().size(); ++index) {
            SkinControl& key = table()[index];
            if (isVirtualKeyId(key.id) && key.keyIndex == state[0]) {
                key.selected = true;
                break;
            }
        }
    }
    refreshDisplayLine();
}

void PelmDialogVirtual::onClick(int id) {
    if (isVirtualKeyId(id)) {
        pickKey(findById(id));
        return;
    }
    if (id == idOf(VirtualKeyControlId::Ok))
        endDialog(kResultOk);
    else if (id == idOf(VirtualKeyControlId::Close) || id == idOf(VirtualKeyControlId::Cancel))
        endDialog(kResultCancel);
}

void PelmDialogVirtual::pickKey(std::size_t index) {
    SkinControl& key = table()[index];
    VirtualKeyState& state = session().virtualKeyState;
    key.selected = !key.selected;
    if (mode_ == kPickCombination) {
        if (!key.selected)
            removePick(state, key.keyIndex);
        else if (!addPick(state, key.keyIndex))
            key.selected = false;
    } else {
        clearSelection(state[0]);
        state[0] = key.selected ? key.keyIndex : 0;
    }
    refreshDisplayLine();
    update();
}

// Clears the pick of the first key carrying code.
void PelmDialogVirtual::clearSelection(int code) {
    for (std::size_t index = 1; index < table().size(); ++index) {
        SkinControl& key = table()[index];
        if (isVirtualKeyId(key.id) && key.keyIndex == code) {
            key.selected = false;
            return;
        }
    }
}

// Mode 1: a double-click takes the key at once.
void PelmDialogVirtual::onDoubleClick(int id) {
    if (mode_ == kPickCombination || !isVirtualKeyId(id))
        return;
    session().virtualKeyState[0] = controls()[findById(id)].keyIndex;
    endDialog(kResultOk);
}

void PelmDialogVirtual::prepareLooks() {
    refreshDisplayLine();
}

void PelmDialogVirtual::refreshDisplayLine() {
    const QString line = QString::fromStdString(pickDisplayLine(store(), mode_));
    if (displayLine_->text() != line)
        displayLine_->setText(line);
}

std::span<const SpokenWidgetName> PelmDialogVirtual::widgetNames() const {
    return kVirtualKeyWidgetNames;
}
