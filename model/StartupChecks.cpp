// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/StartupChecks.h"

#include "device/CPelmHWI.h"

#include <array>

namespace {

struct BilingualText {
    const char* zh;
    const char* en;
};

constexpr BilingualText kNotConnected{"未检测到键盘连接", "Keyboard is not connected!"};
constexpr BilingualText kMacMode{
    "未找到键盘连接；键盘可能处于Mac系统模式，请切换到Win系统模式再重新打开编程软件（切换操作：Win/Mac(Fn+"
    "LeftAlt)长按3秒，Windows/指示灯闪1次,Mac/指示灯闪2次）",
    "Keyboard is not connected;Keyboard may be in Mac system mode, please switch to Win system mode and "
    "reopen the programming software (Switching operation:Fn+LAlt long pressed for 3 seconds,Windows/"
    "indicator flashes once, Mac/indicator flashes twice)"};
constexpr BilingualText kOccupied{
    "键盘被其他软件占用,请先关闭其他软件再重新打开",
    "The keyboard is occupied by other software. Please close other software first and then open it "
    "again."};
constexpr BilingualText kDisconnected{"键盘已断开", "Keyboard is not connected!"};

std::string inLanguage(const BilingualText& text, const std::string& language) {
    return language == "zh-CN" ? text.zh : text.en;
}

} // namespace

int detectVariant(const std::function<int()>& detect, const std::function<void(int)>& wait) {
    int variant = detect();
    for (int retry = 1; variant == 0 && retry < kDetectionCalls; ++retry) {
        variant = detect();
        wait(kDetectionWaitMs);
    }
    return variant;
}

int detectVariant(CPelmHWI& device, const std::function<void(int)>& wait) {
    return detectVariant([&device] { return device.DetectDeviceType(); }, wait);
}

StartupFailure openKeyboard(CPelmHWI& device, int deviceVariant) {
    if (!device.__createDev()) {
        if (deviceVariant == 0 && device.DetectDeviceForMac() > 0)
            return StartupFailure::MacMode;
        return StartupFailure::NotConnected;
    }
    std::array<wchar_t, CPelmHWI::kVersionChars + 1> version{};
    if (!device.ReadKeyboardVersion(version.data()))
        return StartupFailure::Occupied;
    return StartupFailure::None;
}

std::string startupFailureMessage(StartupFailure failure, const std::string& language) {
    switch (failure) {
    case StartupFailure::NotConnected:
        return inLanguage(kNotConnected, language);
    case StartupFailure::MacMode:
        return inLanguage(kMacMode, language);
    case StartupFailure::Occupied:
        return inLanguage(kOccupied, language);
    case StartupFailure::None:
        break;
    }
    return {};
}

std::string disconnectedMessage(const std::string& language) {
    return inLanguage(kDisconnected, language);
}

float scaleFactorForScreenHeight(int screenHeight) {
    const double s = screenHeight / 1080.0;
    if (s < 1.0)
        return 1.0F;
    if (s > 5.0)
        return static_cast<float>(s);
    if (s <= 1.5)
        return 1.5F;
    // Above 1.5: up to the next half.
    for (double step = 2.0; step <= 5.0; step += 0.5) {
        if (s <= step)
            return static_cast<float>(step);
    }
    return 5.0F;
}
