// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the firmware window's tests share: a QelEC(S) at 2.10 on a virtual keyboard of their own, flat
// one-colour pictures, scripted dialogs, firmware images in a temporary folder, and a gate that holds
// the keyboard's download at its first wait until the test opens it.
#include "device/FirmwareImage.h"
#include "device/VirtualKeyboardFile.h"
#include "firmware/CPelmDialogFirmwareUpdate.h"
#include "firmware/rules/FirmwareControls.h"
#include "model/ConfigStore.h"
#include "platform/QtPrinters.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/SharedResources.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <condition_variable>
#include <fstream>
#include <mutex>

namespace FirmwareWindowTest {

inline const QColor kBackground{50, 50, 50};
inline const QColor kHover{0, 200, 0};
inline const QColor kSelected{200, 0, 0};

// Pictures 128, 129 and 130 in one colour each, so that the bar can be read back from a paint.
inline PictureLibrary flatFirmwarePictures() {
    const auto flat = [](const QColor& colour) {
        return [colour] {
            QImage image(370, 250, QImage::Format_RGB32);
            image.fill(colour);
            return image;
        };
    };
    return PictureLibrary(
        PictureDrawers{{128, flat(kBackground)}, {129, flat(kHover)}, {130, flat(kSelected)}});
}

// Holds the keyboard's paced waits while closed; the worker blocks in the first one.
class DeviceGate {
public:
    void close() {
        const std::lock_guard lock(mutex_);
        closed_ = true;
    }
    void open() {
        {
            const std::lock_guard lock(mutex_);
            closed_ = false;
        }
        changed_.notify_all();
    }
    // Runs on the worker for every wait of the keyboard.
    void pass() {
        std::unique_lock lock(mutex_);
        ++waits_;
        changed_.wait(lock, [this] { return !closed_; });
    }
    int waits() const {
        const std::lock_guard lock(mutex_);
        return waits_;
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool closed_ = false;
    int waits_ = 0;
};

class FirmwareWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState state = factoryState(3, {}, "QelEC(S);V2.10");
        // Ten paced steps of 1 ms: one wait of the keyboard per progress step.
        state.transferMs = 10;
        ASSERT_TRUE(keyboard.create(state, true).ok());
        store.device.setSleeper([this](std::chrono::milliseconds) { gate.pass(); });
        store.deviceVariant = store.device.DetectDeviceType();
        ASSERT_TRUE(store.device.__createDev());
        store.buildCatalogue();
        store.resetToDefaults();
        store.scaleFactor = 1.5F;
    }
    void TearDown() override {
        // A test that failed half-way must not leave a worker waiting at the gate.
        gate.open();
    }

    WindowContext context() { return {store, resources, QSize(1920, 1080), platform, opener}; }

    // A firmware image for variant and version, written to the temporary folder as name.
    std::string image(const std::string& name, int variant = 3, int major = 3, int minor = 0) {
        const auto bytes = FirmwareImage::build(variant, major, minor, FirmwareImage::samplePayload(2000, 9));
        return file(name, *bytes);
    }
    std::string file(const std::string& name, const std::vector<char>& bytes) {
        const std::string path = folder.file(name);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    std::string keyboardVersion() { return keyboard.load().state->version; }
    void changeKeyboard(const std::function<void(VirtualKeyboardState&)>& change) {
        ASSERT_TRUE(keyboard
                        .update([&change](VirtualKeyboardState& state) {
                            change(state);
                            return true;
                        })
                        .ok());
    }

    static void click(SkinnedWindow& window, int id) {
        const SkinRect rect = window.controls()[window.findById(id)].rect;
        QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier,
                          QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
        QApplication::processEvents();
    }
    static void click(SkinnedWindow& window, ControlIdName auto id) { click(window, idOf(id)); }
    // Picks path in the file dialog the Open button shows.
    void openFile(CPelmDialogFirmwareUpdate& dialog, const std::string& path) {
        platform.queueFileName(QString::fromStdString(path));
        click(dialog, FirmwareControlId::Open);
    }
    static bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 20000); }
    // The texts of the message boxes shown so far.
    QStringList messages() const {
        QStringList texts;
        for (const auto& box : platform.messageBoxes())
            texts << box.text;
        return texts;
    }

    TempDir folder;
    VirtualKeyboardFile keyboard{folder.file("keyboard.txt")};
    CConfigStore store{folder.file("keyboard.txt")};
    SharedResources resources{flatFirmwarePictures(), 3};
    ScriptedPlatformServices platform;
    WindowOpener opener;
    DeviceGate gate;
};

} // namespace FirmwareWindowTest
