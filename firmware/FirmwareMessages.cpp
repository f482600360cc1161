// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/FirmwareMessages.h"

#include "firmware/rules/FirmwareTexts.h"
#include "firmware/rules/FirmwareTransfer.h"
#include "platform/PlatformServices.h"

namespace {

// The texts end lines with "\r\n"; a message box takes "\n".
QString boxText(const std::string& text) {
    QString converted = QString::fromStdString(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return converted;
}

void showMessage(PlatformServices& platform, QWidget* parent, const std::string& text, MessageIcon icon) {
    platform.showMessage(parent, boxText(text), QString::fromUtf8(FirmwareTexts::kTitle), MessageButtons::Ok,
                         icon);
}

} // namespace

void showFirmwareError(PlatformServices& platform, QWidget* parent, const std::string& text) {
    showMessage(platform, parent, text, MessageIcon::Error);
}

void showDownloadResult(PlatformServices& platform, QWidget* parent, const std::string& language, int code) {
    const std::string text = FirmwareTexts::downloadResult(code, language);
    if (text.empty())
        return;
    showMessage(platform, parent, text,
                code == FirmwareTransfer::kDownloaded ? MessageIcon::Information : MessageIcon::Error);
}
