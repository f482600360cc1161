// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/KeyboardForm.h"

#include "model/ConfigStore.h"
#include "model/KeyAssignmentCodec.h"

void rewriteAsKeyboardHoldsIt(CConfigStore& store) {
    for (int table = 0; table < kTables; ++table) {
        for (int key = kFirstKey; key <= kLastKey; ++key) {
            const std::vector<int> array = encodeKeyAssignment(
                store, store.keyKind[key][table], store.keyCode[key][table], store.keyActions[key][table]);
            DecodedKeyAssignment decoded = decodeKeyAssignment(store, array);
            store.keyKind[key][table] = decoded.kind;
            if (decoded.code)
                store.keyCode[key][table] = *decoded.code;
            if (decoded.actions)
                store.keyActions[key][table] = std::move(*decoded.actions);
        }
    }
}
