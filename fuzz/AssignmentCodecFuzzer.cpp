// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes arbitrary ints as the array the keyboard returns for one key, of every record type. An array
// that decodes to an assignment must be sendable, and what is sent must decode to the same assignment:
// the same kind, code and items, and the list fields the array carries. Where the fixed encoding or
// the catalogue cannot tell two assignments apart, the one sent may come back as the other.
#include "model/ConfigStore.h"
#include "model/KeyAssignmentCodec.h"
#include "model/KeyboardVariant.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const CConfigStore& store() {
    static const std::unique_ptr<CConfigStore> instance = [] {
        auto made = std::make_unique<CConfigStore>("/nonexistent/qelec-fuzz-keyboard.txt");
        made->deviceVariant = KeyboardVariant::kRgb;
        made->buildCatalogue();
        return made;
    }();
    return *instance;
}

std::vector<int> intsOf(const std::uint8_t* data, std::size_t size) {
    std::vector<int> ints(size / sizeof(int));
    if (!ints.empty())
        std::memcpy(ints.data(), data, ints.size() * sizeof(int));
    return ints;
}

std::vector<int> encoded(const DecodedKeyAssignment& key) {
    return encodeKeyAssignment(store(), key.kind, key.code.value_or(0), key.actions.value_or(ActionList()));
}

// A kind that carries a code has one, a kind that carries a list has one, and not set has neither.
bool isWhole(const DecodedKeyAssignment& key) {
    const bool listKind = key.kind == kKindCombo || key.kind == kKindMacro || key.kind == kKindEmulation;
    const bool codeKind = key.kind != kKindNotSet && !listKind;
    return key.actions.has_value() == listKind && key.code.has_value() == codeKind;
}

// Names the catalogue gives more than one key ("Sleep", "Reserved"): sent by name, such an item goes
// as the code of the first key of that name, which may be another code or none.
const std::set<std::string>& repeatedNames() {
    static const std::set<std::string> names = [] {
        std::set<std::string> seen;
        std::set<std::string> repeated;
        for (const auto& [index, name] : store().keyNames) {
            if (!seen.insert(name).second)
                repeated.insert(name);
        }
        return repeated;
    }();
    return names;
}

bool sameItems(const ActionList& a, const ActionList& b) {
    if (a.count() != b.count())
        return false;
    for (std::size_t i = 0; i < a.items().size(); ++i) {
        if (a.items()[i] != b.items()[i] && repeatedNames().count(a.items()[i]) == 0)
            return false;
    }
    return true;
}

// A macro with recorded delays sends no delay of its own, and one played in another mode than 0 no
// cycles: those fields come back as the array has them, whatever the list held.
bool sameCarriedFields(int kind, const ActionList& a, const ActionList& b) {
    const bool delayCarried = kind != kKindMacro || a.IsAutoInterval;
    const bool cyclesCarried = kind != kKindMacro || a.PlayMode == 0;
    return sameItems(a, b) && a.SizeOfView == b.SizeOfView && a.ViewStartAt == b.ViewStartAt &&
           a.CursorPos == b.CursorPos && a.IsAutoInterval == b.IsAutoInterval && a.PlayMode == b.PlayMode &&
           (!delayCarried || a.Delay == b.Delay) && (!cyclesCarried || a.Cycles == b.Cycles);
}

// A combination of one key is sent as that key alone, and one of the left button twice as a double
// click, and each reads back as such: the keyboard does the same for either.
bool sentAsSingleKey(const DecodedKeyAssignment& combo, const DecodedKeyAssignment& back) {
    return combo.kind == kKindCombo && combo.actions->count() <= 2 && back.kind != kKindCombo &&
           encoded(combo) == encoded(back);
}

bool sameAssignment(const DecodedKeyAssignment& a, const DecodedKeyAssignment& b) {
    if (sentAsSingleKey(a, b))
        return true;
    if (a.kind != b.kind || a.code != b.code || a.actions.has_value() != b.actions.has_value())
        return false;
    return !a.actions || sameCarriedFields(a.kind, *a.actions, *b.actions);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DecodedKeyAssignment decoded = decodeKeyAssignment(store(), intsOf(data, size));
    if (!isWhole(decoded))
        std::abort();
    if (decoded.kind == kKindNotSet)
        return 0;
    const std::vector<int> sent = encoded(decoded);
    if (sent.empty())
        std::abort();
    const DecodedKeyAssignment back = decodeKeyAssignment(store(), sent);
    if (!isWhole(back) || !sameAssignment(decoded, back))
        std::abort();
    return 0;
}
