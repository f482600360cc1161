// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class PlatformServices;
class QWidget;

// The message boxes of a firmware update, titled "QelEC", over parent (which may be null).

// A refusal or failure, with the error icon.
void showFirmwareError(PlatformServices& platform, QWidget* parent, const std::string& text);
// What a download's result code says in language: the success with the information icon, the
// failures with the error icon; nothing for a language the texts do not have.
void showDownloadResult(PlatformServices& platform, QWidget* parent, const std::string& language, int code);
