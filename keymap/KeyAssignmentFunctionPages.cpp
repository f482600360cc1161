// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/KeyAssignmentFunctionPages.h"

#include "keymap/KeyAssignmentHost.h"
#include "keymap/rules/KeyAssignmentChoice.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "res/SharedResources.h"
#include "ui/SkinGeometry.h"

#include <QWidget>

namespace {

constexpr int kTooltipFont = 13;

bool isIconOf(int page, int id) {
    for (const ControlSpec& icon : keyAssignmentIcons(page)) {
        if (icon.id == id)
            return true;
    }
    return false;
}

// The icon's tooltip in language; empty when it has none there.
QString tooltipOf(const SkinControl& icon, const std::string& language) {
    const auto found = icon.tooltips.find(language);
    return found == icon.tooltips.end() ? QString() : QString::fromStdString(found->second);
}

} // namespace

KeyAssignmentFunctionPages::KeyAssignmentFunctionPages(KeyAssignmentHost& host)
    : host_(host),
      tooltip_(host.sharedResources().fonts().font(SkinGeometry::scaled(kTooltipFont, host.windowScale()))) {}

bool KeyAssignmentFunctionPages::runCommand(int page, int id) {
    if (!isIconOf(page, id))
        return false;
    KeyAssignmentChoice& choice = host_.choice();
    const int code = host_.entry(id).controlCode;
    choice.setFunctionCode(page, choice.functionCode(page) == code ? -1 : code);
    host_.repaintWindow();
    return true;
}

void KeyAssignmentFunctionPages::prepareLooks(int page) {
    const int chosen = host_.choice().functionCode(page);
    for (const ControlSpec& icon : keyAssignmentIcons(page))
        host_.entry(icon.id).selected = icon.controlCode == chosen;
}

void KeyAssignmentFunctionPages::pageShown() {
    tooltip_.deactivate();
}

void KeyAssignmentFunctionPages::mouseMoved(int page, QPoint point) {
    const int id = iconAt(page, point);
    const QString text = id == 0 ? QString() : tooltipOf(host_.entry(id), host_.keyStore().language);
    tooltip_.hover(id, text, host_.hostWindow().mapToGlobal(point));
}

void KeyAssignmentFunctionPages::hideTooltip() {
    tooltip_.deactivate();
}

int KeyAssignmentFunctionPages::iconAt(int page, QPoint point) const {
    const int variant = host_.keyStore().deviceVariant;
    for (const ControlSpec& icon : keyAssignmentIcons(page)) {
        if (KeyboardVariant::hasFunction(variant, icon.controlCode) &&
            host_.entryRect(icon.id).contains(point))
            return icon.id;
    }
    return 0;
}
