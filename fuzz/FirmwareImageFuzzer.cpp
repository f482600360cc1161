// SPDX-License-Identifier: GPL-3.0-or-later
// Checks arbitrary bytes as a picked firmware file: the text before the first line break as its name
// (and as the keyboard's version text), the bytes after it as the image. An image that a keyboard
// takes is exactly what build makes of its header and payload, no keyboard of another variant takes
// it, and the version text its download leaves is one the keyboard can keep. A name is never older
// than its own version, nor than an unknown one (0.0).
#include "device/FirmwareImage.h"
#include "device/VirtualKeyboardState.h"
#include "firmware/rules/FirmwareChecks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

namespace {

// Variant codes to try: every variant, and one on either side.
constexpr int kFirstVariant = 0;
constexpr int kLastVariant = VirtualKeyboard::kVariantCount + 1;

// Whether the image is what build makes of its header's variant and version and of its payload.
bool isBuiltImage(std::span<const char> image, const FirmwareImage::Header& header) {
    const auto* payload = reinterpret_cast<const unsigned char*>(image.data()) + FirmwareImage::kHeaderBytes;
    const auto built = FirmwareImage::build(header.variant, header.major, header.minor,
                                            {payload, image.size() - FirmwareImage::kHeaderBytes});
    return built && std::equal(built->begin(), built->end(), image.begin(), image.end());
}

void checkImage(std::span<const char> image, std::string_view versionText) {
    int takers = 0;
    for (int variant = kFirstVariant; variant <= kLastVariant; ++variant) {
        const FirmwareImage::Check check = FirmwareImage::verify(image, variant);
        (void)FirmwareImage::describe(check.verdict);
        if (!check.ok())
            continue;
        ++takers;
        const FirmwareImage::Header& header = check.header;
        if (header.variant != variant || !isBuiltImage(image, header))
            std::abort();
        if (VirtualKeyboard::isValidVersionText(versionText) &&
            !VirtualKeyboard::isValidVersionText(
                VirtualKeyboard::versionTextAfterUpdate(versionText, variant, header.major, header.minor)))
            std::abort();
    }
    if (takers > 1)
        std::abort();
}

void checkName(std::string_view name) {
    using namespace FirmwareChecks;
    const VersionMarker installed = keyboardVersion(name);
    const VersionMarker own = fileNameVersion(name);
    for (int variant = kFirstVariant; variant <= kLastVariant; ++variant) {
        (void)checkFileName(name, variant, installed.version);
        if (checkFileName(name, variant, FirmwareVersion{}) == NameVerdict::LowerVersion)
            std::abort();
        if (own.status == MarkerRead::Read &&
            checkFileName(name, variant, own.version) == NameVerdict::LowerVersion)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t lineBreak = std::min(bytes.find('\n'), bytes.size());
    const std::string_view name = bytes.substr(0, lineBreak);
    const std::string_view image = bytes.substr(std::min(lineBreak + 1, bytes.size()));
    checkName(name);
    checkImage(std::span<const char>(image.data(), image.size()), name);
    return 0;
}
