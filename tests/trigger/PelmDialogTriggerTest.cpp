// SPDX-License-Identifier: GPL-3.0-or-later
// The rapid-trigger settings window: markers and the information box, marks and their count, Set
// through the fine-adjust window, and Read and Write through the progress window on a virtual
// keyboard that can fail.
#include "trigger/PelmDialogTrigger.h"

#include "TriggerWindowsTestSupport.h"
#include "trigger/rules/LevelColours.h"
#include "trigger/rules/RapidTriggerControls.h"
#include "trigger/rules/TriggerRanges.h"

#include <QPlainTextEdit>

#include <memory>
#include <optional>
#include <vector>

namespace {

using namespace TriggerTest;
using Dialog = PelmDialogTrigger;
using Id = RapidTriggerControlId;

class RapidTriggerTest : public TriggerWindowTest {
protected:
    Dialog& open() {
        dialog = std::make_unique<Dialog>(context());
        dialog->show();
        QApplication::processEvents();
        return *dialog;
    }
    // The fine-adjust window answers with result after setting triggerAdjust to chosen; it records
    // what it was opened with.
    void answerFineAdjust(int result, TriggerTriple chosen) {
        opener.install(WindowId::FineAdjust,
                       [this, result, chosen](const WindowContext& given, QWidget*, int) {
                           fineAdjustOpenedWith.push_back(given.store.triggerAdjust);
                           given.store.triggerAdjust = chosen;
                           return result;
                       });
    }

    QRect keyRect(int key) const { return rectOf(*dialog->keyControl(key)); }
    QPoint idCentre(Id id) const { return rectOf(dialog->controls()[dialog->findById(id)]).center(); }
    void clickKey(int key) { click(*dialog, keyRect(key).center()); }
    void command(Id id) { click(*dialog, idCentre(id)); }
    void hover(int key) { moveTo(*dialog, keyRect(key).center()); }
    std::vector<int> markedKeys() const {
        std::vector<int> keys;
        for (int key = 1; key <= kLastKey; ++key) {
            if (dialog->isKeySelected(key))
                keys.push_back(key);
        }
        return keys;
    }
    QString lastMessage() const {
        return platform.messageBoxes().empty() ? QString() : platform.messageBoxes().back().text;
    }

    std::unique_ptr<Dialog> dialog;
    std::vector<TriggerTriple> fineAdjustOpenedWith;
};

TEST_F(RapidTriggerTest, OpensOnTheStoresValuesWithMarkersAndTheIntroText) {
    store.triggerValues[34] = {16, 24, 1};
    open();
    EXPECT_EQ(dialog->size(), QSize(1293, 705));
    EXPECT_EQ(dialog->workingCopy()[1], (TriggerTriple{8, 20, 0}));
    EXPECT_EQ(dialog->selectedKeyCount(), 0);
    EXPECT_FALSE(dialog->selectAllIsOn());
    EXPECT_EQ(dialog->informationText(), "上限：\r\n下限：\r\n阈值：\r\n");
    // 20, 43 to 160, 91 design units at 1.5: left 30, top 1 + 64, 210 wide, 1 + 72 high.
    EXPECT_EQ(dialog->informationBox().geometry(), QRect(30, 65, 210, 73));
    EXPECT_EQ(dialog->informationBox().font().pixelSize(), 19);

    // Two markers on the bottom edge of each key: the press travel's left of the middle, the
    // release travel's right of it, five design units high.
    const QImage painted = dialog->grab().toImage();
    const QRect key = keyRect(34);
    const int centre = key.left() + key.width() / 2;
    const int y = key.top() + key.height() - 3;
    EXPECT_EQ(painted.pixel(centre - 10, y), QColor(0, 255, 0).rgb());  // 16: green
    EXPECT_EQ(painted.pixel(centre + 10, y), QColor(0, 64, 255).rgb()); // 24
    EXPECT_EQ(painted.pixel(centre, y), kBackground.rgb());
    EXPECT_EQ(painted.pixel(centre - 10, key.top() + key.height() - 9), kBackground.rgb());
    const QRect other = keyRect(1);
    const int otherCentre = other.left() + other.width() / 2;
    const int otherY = other.top() + other.height() - 3;
    EXPECT_EQ(painted.pixel(otherCentre - 10, otherY), QColor(189, 64, 0).rgb()); // 8
    EXPECT_EQ(painted.pixel(otherCentre + 10, otherY), QColor(0, 64, 64).rgb());  // 20
}

TEST_F(RapidTriggerTest, HoverDescribesEachKeyOnceInTheStoresLanguage) {
    store.triggerValues[78] = {7, 25, 3};
    store.triggerValues[79] = {12, 14, 4};
    store.language = "en-US";
    open();
    hover(78);
    EXPECT_EQ(dialog->informationText(), "Upper Limit: 0.7mm\r\nLower Limit: 2.5mm\r\nThreshold: 0.4mm\r\n");
    EXPECT_EQ(dialog->informationBox().toPlainText(),
              "Upper Limit: 0.7mm\nLower Limit: 2.5mm\nThreshold: 0.4mm\n");
    const int writes = dialog->informationWrites();
    moveTo(*dialog, keyRect(78).center() + QPoint(3, 2));
    dialog->repaint();
    EXPECT_EQ(dialog->informationWrites(), writes);
    hover(79);
    EXPECT_EQ(dialog->informationText(), "Upper Limit: 1.2mm\r\nLower Limit: 1.4mm\r\nThreshold: 0.5mm\r\n");
    // Off the keys the box keeps its last text.
    moveTo(*dialog, idCentre(Id::Set));
    dialog->repaint();
    EXPECT_EQ(dialog->informationText(), "Upper Limit: 1.2mm\r\nLower Limit: 1.4mm\r\nThreshold: 0.5mm\r\n");
}

// Values from a keyboard or profile outside the ranges: travels are shown and kept repaired, a
// threshold code outside 0..4 is said to be out of range and kept until the key is Set.
TEST_F(RapidTriggerTest, OutOfRangeValuesAreShownRepairedAndStoredSoOnOk) {
    store.triggerValues[5] = {0, 0, 0};
    store.triggerValues[6] = {30, 5, 9};
    open();
    hover(5);
    EXPECT_EQ(dialog->informationText(), "上限：0.6mm\r\n下限：2.6mm\r\n阈值：0.1mm\r\n");
    hover(6);
    EXPECT_EQ(dialog->informationText(), "上限：0.6mm\r\n下限：2.6mm\r\n阈值：超出范围\r\n");
    const QImage painted = dialog->grab().toImage();
    const QRect key = keyRect(5);
    const int centre = key.left() + key.width() / 2;
    EXPECT_EQ(painted.pixel(centre - 10, key.bottom() - 2), QColor(78, 20, 0).rgb()); // 6
    EXPECT_EQ(painted.pixel(centre + 10, key.bottom() - 2), QColor(0, 0, 128).rgb()); // 26
    command(Id::Ok);
    EXPECT_EQ(dialog->result(), SkinnedWindow::kResultOk);
    EXPECT_EQ(store.triggerValues[5], (TriggerTriple{6, 26, 0}));
    EXPECT_EQ(store.triggerValues[6], (TriggerTriple{6, 26, 9}));
    EXPECT_EQ(store.triggerValues[7], (TriggerTriple{8, 20, 0}));
}

// Sequences of clicks on keys and Select All; the count always equals the marks shown.
TEST_F(RapidTriggerTest, MarksAndTheirCountNeverDisagree) {
    open();
    clickKey(1);
    clickKey(2);
    clickKey(1);
    EXPECT_EQ(markedKeys(), (std::vector<int>{2}));
    EXPECT_EQ(dialog->selectedKeyCount(), 1);
    command(Id::SelectAll);
    EXPECT_TRUE(dialog->selectAllIsOn());
    EXPECT_EQ(dialog->selectedKeyCount(), 85);
    clickKey(40);
    EXPECT_EQ(dialog->selectedKeyCount(), 84);
    EXPECT_FALSE(dialog->isKeySelected(40));
    command(Id::SelectAll);
    EXPECT_FALSE(dialog->selectAllIsOn());
    EXPECT_TRUE(markedKeys().empty());
    EXPECT_EQ(dialog->selectedKeyCount(), 0);
    // Marked keys are drawn from the pressed picture; keys never light up under the mouse alone.
    clickKey(50);
    hover(51);
    const QImage painted = dialog->grab().toImage();
    EXPECT_EQ(painted.pixel(keyRect(50).center()), kPressed.rgb());
    EXPECT_EQ(painted.pixel(keyRect(51).center()), kBackground.rgb());
}

TEST_F(RapidTriggerTest, SetGivesTheChosenValuesToExactlyTheMarkedKeys) {
    store.triggerValues[78] = {7, 25, 3};
    store.triggerValues[79] = {12, 14, 4};
    answerFineAdjust(SkinnedWindow::kResultOk, {10, 22, 2});
    open();
    clickKey(79);
    clickKey(78);
    command(Id::Set);
    ASSERT_EQ(fineAdjustOpenedWith.size(), 1U);
    EXPECT_EQ(fineAdjustOpenedWith[0], (TriggerTriple{7, 25, 3})); // the first marked key in table order
    EXPECT_EQ(dialog->workingCopy()[78], (TriggerTriple{10, 22, 2}));
    EXPECT_EQ(dialog->workingCopy()[79], (TriggerTriple{10, 22, 2}));
    EXPECT_EQ(dialog->workingCopy()[77], (TriggerTriple{8, 20, 0}));
    EXPECT_EQ(dialog->workingCopy()[80], (TriggerTriple{8, 20, 0}));
    EXPECT_TRUE(markedKeys().empty());
    EXPECT_EQ(store.triggerValues[78], (TriggerTriple{7, 25, 3})); // only OK or Write stores
    command(Id::Cancel);
    EXPECT_EQ(dialog->result(), SkinnedWindow::kResultCancel);
    EXPECT_EQ(store.triggerValues[78], (TriggerTriple{7, 25, 3}));
}

TEST_F(RapidTriggerTest, SetAfterSelectAllStartsFromKeyOneAndReachesEveryKey) {
    store.triggerValues[1] = {9, 21, 7};
    answerFineAdjust(SkinnedWindow::kResultOk, {11, 19, 1});
    open();
    command(Id::SelectAll);
    command(Id::Set);
    ASSERT_EQ(fineAdjustOpenedWith.size(), 1U);
    EXPECT_EQ(fineAdjustOpenedWith[0], (TriggerTriple{9, 21, 0})); // threshold brought into range
    for (int key = 1; key <= kLastKey; ++key)
        EXPECT_EQ(dialog->workingCopy()[static_cast<std::size_t>(key)], (TriggerTriple{11, 19, 1})) << key;
    EXPECT_FALSE(dialog->selectAllIsOn());
    EXPECT_EQ(dialog->selectedKeyCount(), 0);
}

TEST_F(RapidTriggerTest, SetCancelledOrWithoutMarksChangesNothing) {
    answerFineAdjust(SkinnedWindow::kResultCancel, {11, 19, 1});
    open();
    command(Id::Set);
    EXPECT_TRUE(fineAdjustOpenedWith.empty());
    clickKey(3);
    clickKey(4);
    command(Id::Set);
    EXPECT_EQ(fineAdjustOpenedWith.size(), 1U);
    EXPECT_EQ(markedKeys(), (std::vector<int>{3, 4}));
    EXPECT_EQ(dialog->workingCopy()[3], (TriggerTriple{8, 20, 0}));
}

TEST_F(RapidTriggerTest, WriteStoresAndSendsTheWorkingCopyAndCancelLaterKeepsIt) {
    answerFineAdjust(SkinnedWindow::kResultOk, {12, 18, 4});
    open();
    clickKey(10);
    command(Id::Set);
    clickKey(11);
    command(Id::Write);
    EXPECT_EQ(lastMessage(), "OK!");
    EXPECT_TRUE(markedKeys().empty());
    EXPECT_EQ(dialog->selectedKeyCount(), 0);
    const VirtualKeyboardState state = keyboardState();
    EXPECT_EQ(state.triggers[9 * 3], 12);
    EXPECT_EQ(state.triggers[9 * 3 + 1], 18);
    EXPECT_EQ(state.triggers[9 * 3 + 2], 4);
    EXPECT_EQ(state.triggers[10 * 3], 8);
    command(Id::Cancel);
    EXPECT_EQ(store.triggerValues[10], (TriggerTriple{12, 18, 4}));
}

TEST_F(RapidTriggerTest, ReadTakesTheKeyboardsValuesAndClearsTheMarks) {
    changeKeyboard([](VirtualKeyboardState& state) {
        state.triggers[0] = 14;
        state.triggers[1] = 16;
        state.triggers[2] = 2;
        state.triggers[84 * 3 + 1] = 0; // out of range: shown and kept as 2.6 mm
    });
    open();
    command(Id::SelectAll);
    command(Id::Read);
    EXPECT_EQ(lastMessage(), "OK!");
    EXPECT_EQ(dialog->workingCopy()[1], (TriggerTriple{14, 16, 2}));
    EXPECT_EQ(dialog->workingCopy()[85], (TriggerTriple{8, 26, 0}));
    EXPECT_EQ(store.triggerValues[1], (TriggerTriple{14, 16, 2}));
    EXPECT_FALSE(dialog->selectAllIsOn());
    EXPECT_TRUE(markedKeys().empty());
    EXPECT_EQ(dialog->selectedKeyCount(), 0);
}

// A transfer that fails is reported as failed, never as done, and a failed read leaves the working
// copy and the store as they were.
struct FailedTransferCase {
    const char* name;
    Id command;
    std::optional<Failure> failure; // none: the keyboard is unplugged
};

class RapidTriggerFailureTest : public RapidTriggerTest,
                                public ::testing::WithParamInterface<FailedTransferCase> {};

TEST_P(RapidTriggerFailureTest, SaysFailedAndKeepsTheWorkingCopy) {
    changeKeyboard([](VirtualKeyboardState& state) { state.triggers.fill(15); });
    answerFineAdjust(SkinnedWindow::kResultOk, {9, 23, 1});
    open();
    clickKey(20);
    command(Id::Set);
    if (GetParam().failure)
        failOnKeyboard(*GetParam().failure);
    else
        changeKeyboard([](VirtualKeyboardState& state) { state.plugged = false; });
    const PerKeyTriples before = dialog->workingCopy();
    clickKey(21);
    command(GetParam().command);
    ASSERT_EQ(platform.messageBoxes().size(), 1U);
    EXPECT_EQ(lastMessage(), "Failed!");
    EXPECT_EQ(dialog->workingCopy(), before);
    EXPECT_EQ(dialog->selectedKeyCount(), 0);
    EXPECT_EQ(keyboardState().triggers[0], 15);
    EXPECT_EQ(keyboardState().triggers[19 * 3], 15);
    if (GetParam().command == Id::Read) {
        EXPECT_EQ(store.triggerValues[1], (TriggerTriple{8, 20, 0}));
    }
}

INSTANTIATE_TEST_SUITE_P(ReadAndWrite, RapidTriggerFailureTest,
                         ::testing::Values(FailedTransferCase{"Read", Id::Read, Failure::ReadTriggers},
                                           FailedTransferCase{"Write", Id::Write, Failure::WriteTriggers},
                                           FailedTransferCase{"ReadUnplugged", Id::Read, std::nullopt},
                                           FailedTransferCase{"WriteUnplugged", Id::Write, std::nullopt}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(RapidTriggerTest, CloseAndCancelDropTheWorkingCopyAndTrackOpensTheTravelView) {
    answerFineAdjust(SkinnedWindow::kResultOk, {9, 23, 1});
    int tracks = 0;
    opener.install(WindowId::Track, [&tracks](const WindowContext&, QWidget*, int) {
        ++tracks;
        return SkinnedWindow::kResultCancel;
    });
    for (Id close : {Id::Close, Id::Cancel}) {
        open();
        command(Id::Track);
        clickKey(30);
        command(Id::Set);
        command(close);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), SkinnedWindow::kResultCancel);
        EXPECT_EQ(store.triggerValues[30], (TriggerTriple{8, 20, 0}));
    }
    EXPECT_EQ(tracks, 2);
}

} // namespace
