// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardLease.h"

#include "device/DeviceMessages.h"
#include "model/ConfigStore.h"
#include "platform/QtWindowHandle.h"
#include "support/TempDir.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

struct Counting : QObject {
    int received = 0;
    void customEvent(QEvent*) override { ++received; }
};

} // namespace

// A lease lets go of the keyboard only when it still holds it, and its posts stop with it.
TEST(KeyboardLease, ReleasingLetsGoOnlyOfItsOwnHoldAndDropsLaterPosts) {
    const TempDir folder;
    CConfigStore store(folder.file("keyboard.txt"));
    Counting first;
    Counting second;
    {
        KeyboardLease firstLease(store);
        const WindowHandle firstWindow = firstLease.take(&first);
        EXPECT_TRUE(KeyboardLease::keyboardHeld(store));
        KeyboardLease secondLease(store);
        secondLease.take(&second);
        firstLease.release();
        EXPECT_EQ(store.progressWindow, secondLease.window());
        postMessage(firstWindow, DeviceMessages::WM_TRANSFER_DONE, 0);
        postMessage(secondLease.window(), DeviceMessages::WM_TRANSFER_DONE, 0);
        secondLease.stopMessages();
        EXPECT_TRUE(KeyboardLease::keyboardHeld(store));
        postMessage(secondLease.window(), DeviceMessages::WM_TRANSFER_DONE, 0);
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(KeyboardLease::keyboardHeld(store));
    EXPECT_EQ(first.received, 0);
    EXPECT_EQ(second.received, 1);
}
