// SPDX-License-Identifier: GPL-3.0-or-later
// A macro, a combination and an emulation recorded in the key assignment dialog, written to the
// virtual keyboard and read back by another run of the program.
#include "keymap/CPelmDialogKeyMapSettings.h"

#include "DeviceTestSupport.h"
#include "KeymapTestSupport.h"
#include "device/CPelmHWI.h"
#include "keymap/rules/ActionTexts.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "model/KeyAssignmentCodec.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using namespace KeymapTest;
using Dialog = CPelmDialogKeyMapSettings;
using Id = KeyAssignmentControlId;
using Items = std::vector<std::string>;
using Time = std::chrono::steady_clock::time_point;

constexpr int kVkA = 0x41;
constexpr int kVkB = 0x42;
constexpr int kVkLeftControl = 0xA2;

// The keyboard keeps key events without their " Down" or " UP": its arrays have no place for them.
Items asTheKeyboardKeepsThem(Items items) {
    for (std::string& item : items)
        for (const std::string suffix : {" Down", " UP"})
            if (item.ends_with(suffix))
                item.resize(item.size() - suffix.size());
    return items;
}

class KeyAssignmentRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeState(path, instantKeyboard(4));
        ASSERT_TRUE(store().device.__createDev());
        store().language = "en-US";
        store().currentProgram = 0;
        store().currentTable = 0;
    }
    CConfigStore& store() { return environment.store; }
    // Opens the dialog on key, runs record on its page and closes it with OK.
    void assign(int key, int tab, Id newEntry, Id recordButton, const std::function<void()>& record) {
        store().currentKey = key;
        Dialog dialog(environment.context());
        dialog.setClock([this] { return now; });
        dialog.show();
        QApplication::processEvents();
        Mouse mouse(dialog);
        mouse.click(tab);
        if (tab == keyAssignmentTabId(kPageSingleCombo))
            mouse.click(Id::ComboRadio);
        mouse.click(newEntry);
        QTest::keyClick(dialog.findChild<QLineEdit*>("nameEdit"), Qt::Key_Return);
        mouse.click(recordButton);
        record();
        mouse.click(recordButton);
        mouse.click(Id::Ok);
    }
    void keyAt(int ms, int vk, bool released) {
        now = Time{} + std::chrono::milliseconds(ms);
        feedHookKeyEvent(vk, released, false);
        QApplication::processEvents();
    }

    Environment environment;
    std::string path = environment.folder.file("absent-keyboard.txt");
    Time now{};
};

} // namespace

TEST_F(KeyAssignmentRoundTripTest, RecordedListsComeBackFromTheKeyboardAsTheyWere) {
    constexpr int kMacroKey = 20;
    constexpr int kComboKey = 21;
    constexpr int kEmulationKey = 22;
    assign(kMacroKey, keyAssignmentTabId(kPageMacro), Id::NewMacro, Id::RecordMacro, [this] {
        keyAt(0, kVkA, false);
        keyAt(120, kVkB, false);
        keyAt(180, kVkA, true);
        keyAt(200, kVkB, true);
    });
    assign(kComboKey, keyAssignmentTabId(kPageSingleCombo), Id::NewCombo, Id::RecordCombo, [this] {
        keyAt(0, kVkLeftControl, false);
        keyAt(10, kVkA, false);
    });
    assign(kEmulationKey, keyAssignmentTabId(kPageEmulate), Id::NewEmulation, Id::RecordEmulation, [this] {
        keyAt(0, kVkB, false);
        keyAt(10, kVkB, true);
        keyAt(20, kVkA, false);
    });
    const ActionList macro = store().keyActions[kMacroKey][0];
    const ActionList combo = store().keyActions[kComboKey][0];
    const ActionList emulation = store().keyActions[kEmulationKey][0];
    ASSERT_EQ(macro.count(), 8);
    ASSERT_EQ(combo.count(), 2);
    ASSERT_EQ(emulation.count(), 2);
    ASSERT_TRUE(store().writeKeyConfiguration(nullptr));

    // What this run holds is forgotten; the keyboard alone tells it back.
    CConfigStore& reader = store();
    for (const int key : {kMacroKey, kComboKey, kEmulationKey}) {
        reader.keyKind[key][0] = kKindNotSet;
        reader.keyActions[key][0].clear();
    }
    ASSERT_TRUE(reader.readKeyDefinitions(nullptr));
    EXPECT_EQ(reader.keyKind[kMacroKey][0], kKindMacro);
    EXPECT_EQ(reader.keyActions[kMacroKey][0].items(), asTheKeyboardKeepsThem(macro.items()));
    EXPECT_EQ(reader.keyActions[kMacroKey][0].Cycles, macro.Cycles);
    EXPECT_EQ(reader.keyActions[kMacroKey][0].PlayMode, macro.PlayMode);
    EXPECT_EQ(reader.keyKind[kComboKey][0], kKindCombo);
    EXPECT_EQ(reader.keyActions[kComboKey][0].items(), combo.items());
    EXPECT_EQ(reader.keyKind[kEmulationKey][0], kKindEmulation);
    EXPECT_EQ(reader.keyActions[kEmulationKey][0].items(), emulation.items());
    EXPECT_EQ(reader.keyActions[kEmulationKey][0].Delay, emulation.Delay);
    // Written again, what came back is element for element what the keyboard was given.
    for (const auto& [key, kind, recorded] :
         {std::tuple{kMacroKey, kKindMacro, macro}, std::tuple{kComboKey, kKindCombo, combo},
          std::tuple{kEmulationKey, kKindEmulation, emulation}}) {
        EXPECT_EQ(encodeKeyAssignment(reader, kind, 0, reader.keyActions[key][0]),
                  encodeKeyAssignment(reader, kind, 0, recorded))
            << "key " << key;
    }
}
