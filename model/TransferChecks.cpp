// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TransferChecks.h"

#include "model/ConfigStore.h"
#include "model/KeyAssignmentCodec.h"

#include <algorithm>

namespace {

bool isColour(const std::array<int, 3>& colour) {
    return std::all_of(colour.begin(), colour.end(), [](int value) { return value >= 0 && value <= 255; });
}

} // namespace

std::vector<std::string> findUnsendable(const CConfigStore& store) {
    std::vector<std::string> found;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        const std::array<int, 3>& colour = store.lightArea[key];
        if (!isColour(colour))
            found.push_back("colour of key " + std::to_string(key) + ": " + std::to_string(colour[0]) + ", " +
                            std::to_string(colour[1]) + ", " + std::to_string(colour[2]) +
                            " (colours run 0..255)");
    }
    // In the order of the key write: table by table, key by key.
    for (int table = 0; table < kTables; ++table) {
        for (int key = kFirstKey; key <= kLastKey; ++key) {
            const std::string problem =
                assignmentProblem(store.keyKind[key][table], store.keyActions[key][table]);
            if (!problem.empty())
                found.push_back("key " + std::to_string(key) + " on table " + std::to_string(table) + ": " +
                                problem);
        }
    }
    return found;
}
