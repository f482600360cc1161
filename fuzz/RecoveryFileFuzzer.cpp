// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a recovery file. Whatever reads is written again and must read back the
// same; anything else is refused as corrupt, never with a crash.
#include "model/history/RecoveryFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const RecoveryReading reading = parseRecoveryText(text);
    if (reading.status != RecoveryReading::Status::Read) {
        if (reading.status != RecoveryReading::Status::Corrupt || reading.reason.empty())
            std::abort();
        return 0;
    }
    const RecoveryReading again = parseRecoveryText(recoveryText(reading.content));
    const RecoveryContent& a = reading.content;
    const RecoveryContent& b = again.content;
    if (again.status != RecoveryReading::Status::Read || a.keyboard != b.keyboard || a.variant != b.variant ||
        a.unsecured != b.unsecured || a.triggers != b.triggers || a.steps != b.steps ||
        a.profile != b.profile)
        std::abort();
    return 0;
}
