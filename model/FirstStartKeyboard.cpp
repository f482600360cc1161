// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FirstStartKeyboard.h"

#include "device/VirtualKeyboardFile.h"
#include "model/FactoryKeyboard.h"
#include "model/KeyboardVariant.h"

#include <sys/stat.h>

namespace {

bool anythingAt(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

} // namespace

FirstStartKeyboard createKeyboardOnFirstStart(const std::string& statePath) {
    if (statePath.empty() || anythingAt(statePath))
        return {};
    const UpdateResult result =
        VirtualKeyboardFile(statePath).create(factoryKeyboard(KeyboardVariant::kRgb), false);
    if (result.status == UpdateStatus::Exists)
        return {};
    if (!result.ok())
        return {FirstStartKeyboard::Outcome::Failed, result.message};
    return {FirstStartKeyboard::Outcome::Created, {}};
}

std::string firstStartKeyboardMessage(const FirstStartKeyboard& keyboard, const std::string& statePath) {
    switch (keyboard.outcome) {
    case FirstStartKeyboard::Outcome::Existing:
        break;
    case FirstStartKeyboard::Outcome::Created:
        return "这是本程序在此帐户上第一次启动。本版本使用虚拟键盘，已按出厂设置创建一个 QelEC(RGB)：\n" +
               statePath +
               "\n用 qelec-vkbd create --variant N --force 可以换成其他型号。\n\n"
               "This is the program's first start on this account. This build drives a virtual keyboard; a "
               "QelEC(RGB) with its factory settings was created at:\n" +
               statePath + "\nqelec-vkbd create --variant N --force makes it another model.";
    case FirstStartKeyboard::Outcome::Failed:
        return "本版本使用虚拟键盘，但无法创建：\n" + keyboard.reason +
               "\n\nThis build drives a virtual keyboard, and it could not be created:\n" + keyboard.reason;
    }
    return {};
}
