// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyTranslation.h"

#include "platform/QtKeyTable.h"
#include "platform/VirtualKeyCodes.h"
#include "platform/X11KeyTable.h"

#include <QKeyEvent>

namespace {

// X11 key symbols of the right-hand modifier keys.
constexpr unsigned kSymShiftR = 0xffe2;
constexpr unsigned kSymControlR = 0xffe4;
constexpr unsigned kSymMetaR = 0xffe8;
constexpr unsigned kSymAltR = 0xffea;
constexpr unsigned kSymSuperR = 0xffec;

bool isKeypadDigitOrDecimal(int qtKey) {
    return (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || qtKey == Qt::Key_Period || qtKey == Qt::Key_Comma;
}

std::optional<TranslatedKey> fromX11(unsigned keycode, int qtKey) {
    const X11Key* key = findX11Key(keycode);
    if (key == nullptr)
        return std::nullopt;
    // A keypad key that did not produce a digit was read with Num Lock off.
    if (key->withoutNumLock != 0 && qtKey != 0 && !isKeypadDigitOrDecimal(qtKey))
        return TranslatedKey{key->withoutNumLock, false};
    return TranslatedKey{key->virtualKey, key->extended};
}

std::optional<TranslatedKey> sidedModifier(int qtKey, unsigned symbol) {
    using namespace VirtualKey;
    switch (qtKey) {
    case Qt::Key_Shift:
        return symbol == kSymShiftR ? TranslatedKey{kRShift, false} : TranslatedKey{kLShift, false};
    case Qt::Key_Control:
        return symbol == kSymControlR ? TranslatedKey{kRControl, true} : TranslatedKey{kLControl, false};
    case Qt::Key_Alt:
        return symbol == kSymAltR ? TranslatedKey{kRMenu, true} : TranslatedKey{kLMenu, false};
    case Qt::Key_AltGr:
        return TranslatedKey{kRMenu, true};
    case Qt::Key_Meta:
        return TranslatedKey{symbol == kSymMetaR || symbol == kSymSuperR ? kRWin : kLWin, true};
    case Qt::Key_Super_L:
        return TranslatedKey{kLWin, true};
    case Qt::Key_Super_R:
        return TranslatedKey{kRWin, true};
    default:
        return std::nullopt;
    }
}

std::optional<TranslatedKey> fromQt(int qtKey, Qt::KeyboardModifiers modifiers, unsigned symbol) {
    if (auto modifier = sidedModifier(qtKey, symbol))
        return modifier;
    if (auto entry = findQtKey(qtKey, modifiers.testFlag(Qt::KeypadModifier)))
        return TranslatedKey{entry->virtualKey, entry->extended};
    return std::nullopt;
}

} // namespace

std::optional<TranslatedKey> translateKey(unsigned nativeScanCode, unsigned nativeVirtualKey, int qtKey,
                                          Qt::KeyboardModifiers modifiers) {
    if (nativeScanCode != 0) {
        if (auto key = fromX11(nativeScanCode, qtKey))
            return key;
    }
    return fromQt(qtKey, modifiers, nativeVirtualKey);
}

std::optional<TranslatedKey> translateKeyEvent(const QKeyEvent& event) {
    return translateKey(event.nativeScanCode(), event.nativeVirtualKey(), event.key(), event.modifiers());
}
