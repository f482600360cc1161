// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as the virtual keyboard's state file, as VirtualKeyboardFile::load does once
// it has read the file. A state that reads is written again and must read back equal; a refusal names
// a line of the text.
#include "device/VirtualKeyboardFile.h"
#include "device/VirtualKeyboardState.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// The lines of text as the parser counts them: one per line break, and one for text after the last.
int lineCount(std::string_view text) {
    const auto breaks = std::count(text.begin(), text.end(), '\n');
    return static_cast<int>(breaks) + (text.empty() || text.back() == '\n' ? 0 : 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StateText file;
    file.status = LoadStatus::Ok;
    file.text.assign(reinterpret_cast<const char*>(data), size);
    const LoadResult loaded = loadResultFor(file, "virtual-keyboard.txt");
    if (!loaded.ok()) {
        // An empty text is refused at its line 1.
        if (loaded.errorLine < 0 || loaded.errorLine > std::max(1, lineCount(file.text)))
            std::abort();
        return 0;
    }
    const StateParseResult again = parseVirtualKeyboardState(serialiseVirtualKeyboardState(*loaded.state));
    if (!again.ok() || *again.state != *loaded.state)
        std::abort();
    return 0;
}
