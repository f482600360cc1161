// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/KeyboardKeys.h"
#include "ui/SkinnedWindow.h"

#include <array>

// The windows that show the keyboard's 85 keys on a picture with a few buttons and labels over them
// (backlight, multi-key colour, rapid trigger, travel tracking). A click on a key goes to onKeyClick
// with its key index, a click on any other entry to onCommand with its id; what a window draws for
// each key on top of the stretched picture (a colour frame, travel markers) goes in paintKey. Keys
// are the entries whose id is keyboardKeyId(key index 1 to 85).
class KeyboardWindow : public SkinnedWindow {
    Q_OBJECT

public:
    KeyboardWindow(const WindowContext& context, const WindowDescription& description, SkinScheme scheme,
                   QWidget* parent = nullptr);

    // The scheme the keyboard windows share: captions drawn after the stretch with scaled fonts,
    // buttons without captions of their own, selected keys drawn from the pressed picture; hoverLook
    // says which entries light up under the mouse.
    static SkinScheme keyboardScheme(HoverLook hoverLook, bool labelsAlwaysCentred);

    // The entry of key index 1 to 85; null when the table has none.
    const SkinControl* keyControl(int keyIndex) const;
    // The key under the mouse, 0 when there is none.
    int hoveredKey() const;
    bool isKeySelected(int keyIndex) const;
    // Marks or unmarks a key and repaints it.
    void setKeySelected(int keyIndex, bool selected);
    // How many keys are marked.
    int selectedKeyCount() const;

    // A frame two pixels wide just outside rect (window pixels) in colour, at every scale.
    static void drawColourFrame(QPainter& painter, const QRect& rect, Rgb colour);

protected:
    virtual void onKeyClick(int keyIndex) = 0;
    virtual void onCommand(int id) = 0;
    // Draws over key keyIndex, whose rectangle in window pixels is rect, after the stretch.
    virtual void paintKey(QPainter& painter, int keyIndex, const QRect& rect);

    void onClick(int id) final;
    void paintInWindowPixels(QPainter& painter) override;

private:
    // The table entry of each key index, -1 for none.
    std::array<int, kKeyboardKeyCount + 1> keyEntries_{};
};
