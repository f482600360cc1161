// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyboardWindow.h"

#include "controls/KeyboardKeys.h"

#include <QPainter>

KeyboardWindow::KeyboardWindow(const WindowContext& context, const WindowDescription& description,
                               SkinScheme scheme, QWidget* parent)
    : SkinnedWindow(context, description, scheme, parent) {
    keyEntries_.fill(-1);
    for (std::size_t entry = 0; entry < controls().size(); ++entry) {
        const SkinControl& control = controls()[entry];
        const int keyIndex = keyIndexOfId(control.id);
        if (keyIndex > 0 && control.keyIndex == keyIndex && !control.isLabel &&
            keyEntries_[static_cast<std::size_t>(keyIndex)] < 0)
            keyEntries_[static_cast<std::size_t>(keyIndex)] = static_cast<int>(entry);
    }
}

SkinScheme KeyboardWindow::keyboardScheme(HoverLook hoverLook, bool labelsAlwaysCentred) {
    SkinScheme scheme;
    scheme.precedence = LookPrecedence::SelectedOverHover;
    scheme.hoverLook = hoverLook;
    scheme.captionPass = CaptionPass::AfterStretch;
    scheme.buttonCaptions = ButtonCaptions::WhenShowsText;
    scheme.labelsAlwaysCentred = labelsAlwaysCentred;
    scheme.labelFonts = FontScaling::Scaled;
    return scheme;
}

const SkinControl* KeyboardWindow::keyControl(int keyIndex) const {
    if (keyIndex < 1 || keyIndex > kKeyboardKeyCount)
        return nullptr;
    const int entry = keyEntries_[static_cast<std::size_t>(keyIndex)];
    return entry < 0 ? nullptr : &controls()[static_cast<std::size_t>(entry)];
}

int KeyboardWindow::hoveredKey() const {
    for (int keyIndex = 1; keyIndex <= kKeyboardKeyCount; ++keyIndex) {
        const SkinControl* key = keyControl(keyIndex);
        if (key != nullptr && windowRectOf(*key).contains(lastMousePosition()))
            return keyIndex;
    }
    return 0;
}

bool KeyboardWindow::isKeySelected(int keyIndex) const {
    const SkinControl* key = keyControl(keyIndex);
    return key != nullptr && key->selected;
}

void KeyboardWindow::setKeySelected(int keyIndex, bool selected) {
    const SkinControl* key = keyControl(keyIndex);
    if (key == nullptr || key->selected == selected)
        return;
    const int entry = keyEntries_[static_cast<std::size_t>(keyIndex)];
    table()[static_cast<std::size_t>(entry)].selected = selected;
    update(windowRectOf(*key));
}

int KeyboardWindow::selectedKeyCount() const {
    int count = 0;
    for (int keyIndex = 1; keyIndex <= kKeyboardKeyCount; ++keyIndex)
        count += isKeySelected(keyIndex) ? 1 : 0;
    return count;
}

void KeyboardWindow::drawColourFrame(QPainter& painter, const QRect& rect, Rgb colour) {
    const QColor frame(redOf(colour), greenOf(colour), blueOf(colour));
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    painter.fillRect(QRect(QPoint(left - 2, top - 2), QPoint(left - 1, bottom + 1)), frame);
    painter.fillRect(QRect(QPoint(right, top - 2), QPoint(right + 1, bottom + 1)), frame);
    painter.fillRect(QRect(QPoint(left, top - 2), QPoint(right - 1, top - 1)), frame);
    painter.fillRect(QRect(QPoint(left, bottom), QPoint(right - 1, bottom + 1)), frame);
}

void KeyboardWindow::paintKey(QPainter& /*painter*/, int /*keyIndex*/, const QRect& /*rect*/) {}

void KeyboardWindow::onClick(int id) {
    const int keyIndex = keyIndexOfId(id);
    if (keyIndex > 0 && keyControl(keyIndex) != nullptr) {
        onKeyClick(keyIndex);
        return;
    }
    onCommand(id);
}

void KeyboardWindow::paintInWindowPixels(QPainter& painter) {
    for (int keyIndex = 1; keyIndex <= kKeyboardKeyCount; ++keyIndex) {
        const SkinControl* key = keyControl(keyIndex);
        if (key != nullptr && key->visible)
            paintKey(painter, keyIndex, windowRectOf(*key));
    }
}
