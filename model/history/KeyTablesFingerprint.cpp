// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/history/KeyTablesFingerprint.h"

#include <string_view>

namespace {

// FNV-1a, 64 bits.
class Fingerprint {
public:
    void add(std::string_view bytes) {
        for (const char byte : bytes) {
            value_ ^= static_cast<unsigned char>(byte);
            value_ *= 0x100000001b3ULL;
        }
        // A separator, so that "ab" + "c" and "a" + "bc" differ.
        value_ ^= 0xffU;
        value_ *= 0x100000001b3ULL;
    }
    void add(int number) { add(std::string_view(reinterpret_cast<const char*>(&number), sizeof number)); }
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

void addList(Fingerprint& fingerprint, const ActionList& list) {
    fingerprint.add(list.count());
    for (const std::string& item : list.items())
        fingerprint.add(item);
    for (const int field : {list.Cycles, list.Delay, list.PlayMode, static_cast<int>(list.IsAutoInterval)})
        fingerprint.add(field);
}

} // namespace

std::uint64_t keyTablesFingerprint(const StoreConfiguration& configuration) {
    Fingerprint fingerprint;
    for (std::size_t slot = kFirstKey; slot <= kLastKey; ++slot) {
        for (std::size_t table = 0; table < kTables; ++table) {
            fingerprint.add(configuration.keyKind[slot][table]);
            fingerprint.add(configuration.keyCode[slot][table]);
            addList(fingerprint, configuration.keyActions[slot][table]);
        }
    }
    return fingerprint.value();
}
