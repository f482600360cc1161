// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program through the toolkit's accessibility API: nothing of its table is
// missing from the tree, everything a reader can press has a name in both languages, and a key says
// what the window shows for it.
#include "app/CPelmDialogProgress.h"
#include "app/CPelmDlg.h"
#include "app/ProgramPictures.h"
#include "app/ProgramWindows.h"
#include "controls/KeyboardKeys.h"
#include "device/VirtualKeyboardFile.h"
#include "firmware/CPelmDialogFirmwareUpdate.h"
#include "keymap/CPelmDialogKeyMapSettings.h"
#include "keymap/PelmDialogVirtual.h"
#include "lighting/CPelmDialogBkLightMultiSelect.h"
#include "lighting/CPelmDialogBkLightSettings.h"
#include "model/ConfigStore.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/SharedResources.h"
#include "support/TempDir.h"
#include "trigger/PelmDialogTrack.h"
#include "trigger/PelmDialogTrigger.h"
#include "trigger/PelmDialogTriggerSet.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <set>

namespace {

using Maker = std::function<std::unique_ptr<SkinnedWindow>(const WindowContext&)>;

struct WindowCase {
    const char* name;
    Maker make;
};

template <typename Window>
WindowCase windowCase(const char* name) {
    return {name, [](const WindowContext& context) { return std::make_unique<Window>(context); }};
}

void PrintTo(const WindowCase& window, std::ostream* out) {
    *out << window.name;
}

constexpr int kKeyW = 34;

std::string testNameOf(const ::testing::TestParamInfo<WindowCase>& window) {
    std::string name = window.param.name;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

class AccessibleWindowsTest : public ::testing::TestWithParam<WindowCase> {
protected:
    void SetUp() override {
        VirtualKeyboardState state = factoryState(4);
        state.transferMs = 0;
        ASSERT_TRUE(keyboard.create(state, true).ok());
        store.device.setSleeper([](std::chrono::milliseconds) {});
        store.deviceVariant = store.device.DetectDeviceType();
        store.buildCatalogue();
        store.scaleFactor = 1.0F;
        store.language = "zh-CN";
        installProgramWindows(opener, [](std::chrono::milliseconds) {});
        window = GetParam().make(WindowContext{store, resources, QSize(1920, 1080), platform, opener});
    }

    QAccessibleInterface* tree() const { return QAccessible::queryAccessibleInterface(window.get()); }
    std::size_t entriesWithId() const {
        return static_cast<std::size_t>(
            std::count_if(window->controls().begin(), window->controls().end(),
                          [](const SkinControl& control) { return control.id > 0; }));
    }
    static bool offersPress(QAccessibleInterface* entry) {
        return entry->actionInterface() != nullptr &&
               entry->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction());
    }

    TempDir folder;
    VirtualKeyboardFile keyboard{folder.file("keyboard.txt")};
    CConfigStore store{folder.file("keyboard.txt")};
    SharedResources resources{programPictureLibrary(), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;
    std::unique_ptr<SkinnedWindow> window;
};

TEST_P(AccessibleWindowsTest, EveryEntryOfTheTableIsInTheTreeOnce) {
    QAccessibleInterface* root = tree();
    ASSERT_NE(root, nullptr);
    const auto widgets = static_cast<std::size_t>(root->childCount()) - entriesWithId();
    std::set<std::size_t> seen;
    for (int child = 0; child < root->childCount(); ++child) {
        QAccessibleInterface* entry = root->child(child);
        ASSERT_NE(entry, nullptr) << child;
        EXPECT_EQ(root->indexOfChild(entry), child);
        seen.insert(reinterpret_cast<std::size_t>(entry));
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(root->childCount()));
    EXPECT_GE(static_cast<std::size_t>(root->childCount()), entriesWithId());
    std::cout << "[ tree     ] " << GetParam().name << ": " << root->childCount() << " children ("
              << entriesWithId() << " table entries, " << widgets << " widgets)\n";
}

// Whatever a reader can press has a name in each language, and an entry with words in each language
// is called by the words of the language shown.
TEST_P(AccessibleWindowsTest, PressableEntriesAreNamedInBothLanguages) {
    QAccessibleInterface* root = tree();
    for (const char* language : {"zh-CN", "en-US"}) {
        store.language = language;
        int unnamed = 0;
        for (std::size_t index = 0; index < window->controls().size(); ++index) {
            const SkinControl& control = window->controls()[index];
            if (!window->isSpokenEntry(index))
                continue;
            const QString name = window->spokenName(index);
            // Captions that differ between the languages are the words the window shows in each.
            if (!control.caption(language).empty() && control.caption("zh-CN") != control.caption("en-US")) {
                EXPECT_EQ(name.toStdString(), control.caption(language)) << control.id << " " << language;
            }
            if (window->isPressableEntry(index) && name.isEmpty()) {
                ++unnamed;
                ADD_FAILURE() << GetParam().name << " entry " << control.id << " has no name in " << language;
            }
        }
        EXPECT_EQ(unnamed, 0);
        EXPECT_FALSE(root->text(QAccessible::Name).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, AccessibleWindowsTest,
                         ::testing::Values(windowCase<CPelmDlg>("main"),
                                           windowCase<CPelmDialogKeyMapSettings>("key-assignment"),
                                           windowCase<PelmDialogVirtual>("virtual-keys"),
                                           windowCase<CPelmDialogBkLightSettings>("backlight"),
                                           windowCase<CPelmDialogBkLightMultiSelect>("multi-key-colour"),
                                           windowCase<PelmDialogTrigger>("rapid-trigger"),
                                           windowCase<PelmDialogTriggerSet>("fine-adjust"),
                                           windowCase<PelmDialogTrack>("track"),
                                           windowCase<CPelmDialogFirmwareUpdate>("firmware"),
                                           windowCase<CPelmDialogProgress>("progress")),
                         testNameOf);

// The description of a key is what its window shows for it now, never what it showed before.
TEST(KeyDescription, MainWindowKeySaysItsAssignmentOnTheTableShown) {
    TempDir folder;
    VirtualKeyboardFile keyboard{folder.file("keyboard.txt")};
    ASSERT_TRUE(keyboard.create(factoryState(4), true).ok());
    CConfigStore store{folder.file("keyboard.txt")};
    store.deviceVariant = 4;
    store.buildCatalogue();
    store.language = "zh-CN";
    SharedResources resources{programPictureLibrary(), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;
    CPelmDlg window(WindowContext{store, resources, QSize(1920, 1080), platform, opener});
    const std::size_t w = window.findById(keyboardKeyId(kKeyW));
    EXPECT_EQ(window.spokenName(w), "W");
    const QString before = window.spokenDescription(w);
    EXPECT_FALSE(before.isEmpty());
    EXPECT_FALSE(before.contains('\r'));
    store.keyKind[kKeyW][0] = 5;
    store.keyCode[kKeyW][0] = 111;
    EXPECT_NE(window.spokenDescription(w), before) << "a new assignment is described at once";
    store.language = "en-US";
    const QString english = window.spokenDescription(w);
    EXPECT_NE(english, before);
}

TEST(KeyDescription, BacklightKeySaysItsColour) {
    TempDir folder;
    CConfigStore store{folder.file("absent.txt")};
    store.lightArea[kKeyW] = {0x12, 0xab, 0x00};
    SharedResources resources{programPictureLibrary(), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;
    CPelmDialogBkLightSettings window(WindowContext{store, resources, QSize(1920, 1080), platform, opener});
    window.show();
    const std::size_t w = window.findById(keyboardKeyId(kKeyW));
    EXPECT_EQ(window.spokenDescription(w), "#12ab00");
}

} // namespace
