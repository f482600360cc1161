// SPDX-License-Identifier: GPL-3.0-or-later
// The backlight settings driven as a user drives them: clicks on keys and buttons, answers from the
// scripted colour chooser and message boxes, transfers through the real progress window against a
// virtual keyboard, the multi-key colour selection answered through the opener.
#include "lighting/CPelmDialogBkLightSettings.h"

#include "LightingTestSupport.h"
#include "controls/KeyboardKeys.h"
#include "lighting/rules/BacklightControls.h"
#include "lighting/rules/LightColour.h"

#include <functional>

namespace {

using namespace LightingTest;
using Dialog = CPelmDialogBkLightSettings;
using Id = BacklightControlId;

class BacklightDialogTest : public Fixture {
public:
    Dialog& open() {
        window = std::make_unique<Dialog>(context());
        window->show();
        QApplication::processEvents();
        return *window;
    }

    const SkinControl& control(Id id) const { return window->controls()[window->findById(id)]; }
    QRect keyRect(int key) const { return rectOf(*window->keyControl(key)); }
    void clickAt(QPoint point) {
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, point);
        QApplication::processEvents();
    }
    void click(Id id) { clickAt(rectOf(control(id)).center()); }
    void clickKey(int key) { clickAt(keyRect(key).center()); }
    void moveTo(QPoint point) { moveMouse(*window, point); }
    void pressEscape() {
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QApplication::processEvents();
    }
    QImage painted() { return window->grab().toImage(); }
    bool closedWith(int result) const { return !window->isVisible() && window->result() == result; }

    // Answers the multi-key colour selection: marks keys and chooses colour, or cancels; records
    // what the selection was handed.
    void answerMultiKey(std::vector<int> marks, std::optional<Rgb> colour) {
        opener.install(WindowId::MultiKeyColour,
                       [this, marks, colour](const WindowContext& context, QWidget*, int) {
                           handedFlags.push_back(context.store.multiSelectFlags);
                           handedColours.push_back(context.store.multiSelectColours);
                           for (int key : marks)
                               context.store.multiSelectFlags[static_cast<std::size_t>(key)] = 1;
                           if (!colour)
                               return SkinnedWindow::kResultCancel;
                           context.store.multiSelectColour = LightColour::rowOf(*colour);
                           return SkinnedWindow::kResultOk;
                       });
    }

    std::unique_ptr<Dialog> window;
    std::vector<std::array<std::uint8_t, kKeySlots>> handedFlags;
    std::vector<FlatLightRows> handedColours;
};

constexpr std::array<int, 3> kBlack{0, 0, 0};

TEST_F(BacklightDialogTest, OpensAsTheDesignSaysOnAWorkingCopyOfTheStore) {
    store.lightArea[5] = {1, 2, 3};
    open();
    EXPECT_EQ(window->size(), QSize(1293, 705));
    EXPECT_EQ(window->windowTitle(), "BackLight Settings");
    EXPECT_EQ(window->workingLights(), store.lightArea);
    // Labels are scaled with the window and keep their font in proportion: 13 x 1.5 = 19.
    const SkinControl& title = window->controls()[8];
    EXPECT_EQ(title.rect, (SkinRect{525, 19, 753, 67}));
    EXPECT_EQ(title.fontIndex, 19);
    EXPECT_EQ(window->keyControl(78)->rect, (SkinRect{382, 519, 550, 579}));
}

// Frames two pixels wide in each key's own colour, the two space-bar halves apart, at any scale.
class BacklightFrameTest : public BacklightDialogTest, public ::testing::WithParamInterface<float> {};

TEST_P(BacklightFrameTest, EveryKeyIsFramedInItsOwnColour) {
    store.scaleFactor = GetParam();
    for (int key = kFirstKey; key <= kLastKey; ++key)
        store.lightArea[static_cast<std::size_t>(key)] = {key * 3, 255 - key, key % 7 * 30};
    store.lightArea[79] = {0, 0, 255};
    store.lightArea[85] = {0, 0, 0};
    open();
    const QImage image = painted();
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        const QRgb expected = pixelOf(LightColour::colourOf(store.lightArea[static_cast<std::size_t>(key)]));
        const QRect rect = keyRect(key);
        EXPECT_EQ(frameColourAt(image, rect), expected) << "key " << key;
        EXPECT_EQ(image.pixel(rect.left() - 2, rect.top() - 2), expected) << "key " << key;
        EXPECT_EQ(image.pixel(rect.center().x(), rect.top() - 1), expected) << "key " << key;
        EXPECT_EQ(image.pixel(rect.center()), kBackground.rgb()) << "key " << key;
    }
    EXPECT_NE(frameColourAt(image, keyRect(78)), frameColourAt(image, keyRect(79)));
}

INSTANTIATE_TEST_SUITE_P(Scales, BacklightFrameTest, ::testing::Values(1.0F, 1.5F, 2.0F));

TEST_F(BacklightDialogTest, AfterTheStoreIsResetEveryKeyShowsABlackFrame) {
    store.lightArea[10] = {9, 9, 9};
    store.resetToDefaults();
    open();
    const QImage image = painted();
    for (int key = kFirstKey; key <= kLastKey; ++key)
        EXPECT_EQ(frameColourAt(image, keyRect(key)), qRgb(0, 0, 0)) << "key " << key;
}

TEST_F(BacklightDialogTest, ButtonsLightUpUnderTheMouseAndKeysDoNot) {
    open();
    moveTo(rectOf(control(Id::SetAll)).center());
    EXPECT_EQ(painted().pixelColor(rectOf(control(Id::SetAll)).topLeft() + QPoint(3, 3)), kHover);
    moveTo(keyRect(34).center());
    const QImage image = painted();
    EXPECT_EQ(image.pixelColor(keyRect(34).center()), kBackground);
    EXPECT_EQ(image.pixelColor(rectOf(control(Id::SetAll)).topLeft() + QPoint(3, 3)), kBackground);
}

TEST_F(BacklightDialogTest, AKeyClickPicksItsColourStartingFromTheColourItHas) {
    store.lightArea[34] = {0x12, 0x34, 0x56};
    open();
    platform.queueColour(0xA0B0C0);
    clickKey(34);
    ASSERT_EQ(platform.colourDialogs().size(), 1U);
    EXPECT_EQ(platform.colourDialogs()[0].initial, 0x123456U);
    EXPECT_EQ(window->workingLights()[34], (std::array<int, 3>{0xA0, 0xB0, 0xC0}));
    EXPECT_EQ(frameColourAt(painted(), keyRect(34)), qRgb(0xA0, 0xB0, 0xC0));
    EXPECT_EQ(store.lightArea[34], (std::array<int, 3>{0x12, 0x34, 0x56})) << "stored only on OK";
    // The space bar's halves are two keys.
    platform.queueColour(0x00FF00);
    clickKey(79);
    EXPECT_EQ(window->workingLights()[79], (std::array<int, 3>{0, 255, 0}));
    EXPECT_EQ(window->workingLights()[78], kBlack);
}

TEST_F(BacklightDialogTest, TheSameColourOrACancelledChooserChangesAndRepaintsNothing) {
    store.lightArea[34] = {10, 20, 30};
    open();
    moveTo(keyRect(34).center());
    painted();
    int paints = 0;
    QObject::connect(window.get(), &SkinnedWindow::painted, [&paints] { ++paints; });
    platform.queueColour(rgb(10, 20, 30));
    clickKey(34);
    platform.queueColourCancel();
    clickKey(34);
    EXPECT_EQ(platform.colourDialogs().size(), 2U);
    EXPECT_EQ(window->workingLights()[34], (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(paints, 0);
}

// What each way of closing leaves in the store, after a key was changed and Default pressed.
struct ClosingCase {
    const char* name;
    std::function<void(BacklightDialogTest&)> close;
    int result;
    bool kept;
};

class BacklightClosingTest : public BacklightDialogTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(BacklightClosingTest, OnlyOkAndWriteKeepTheWorkingCopy) {
    for (int key = kFirstKey; key <= kLastKey; ++key)
        store.lightArea[static_cast<std::size_t>(key)] = {255, 255, 255};
    const PerKeyTriples before = store.lightArea;
    open();
    platform.queueColour(0x123456);
    clickKey(1);
    click(Id::Default);
    EXPECT_EQ(frameColourAt(painted(), keyRect(40)), qRgb(0, 0, 0));
    EXPECT_EQ(store.lightArea, before) << "Default stores nothing by itself";
    GetParam().close(*this);
    EXPECT_TRUE(closedWith(GetParam().result));
    PerKeyTriples black{};
    EXPECT_EQ(store.lightArea, GetParam().kept ? black : before);
}

INSTANTIATE_TEST_SUITE_P(
    Closers, BacklightClosingTest,
    ::testing::Values(ClosingCase{"Ok", [](BacklightDialogTest& test) { test.click(Id::Ok); },
                                  SkinnedWindow::kResultOk, true},
                      ClosingCase{"Write", [](BacklightDialogTest& test) { test.click(Id::Write); },
                                  SkinnedWindow::kResultOk, true},
                      ClosingCase{"Cancel", [](BacklightDialogTest& test) { test.click(Id::Cancel); },
                                  SkinnedWindow::kResultCancel, false},
                      ClosingCase{"CloseButton", [](BacklightDialogTest& test) { test.click(Id::Close); },
                                  SkinnedWindow::kResultCancel, false},
                      ClosingCase{"Escape", [](BacklightDialogTest& test) { test.pressEscape(); },
                                  SkinnedWindow::kResultCancel, false}),
    [](const ::testing::TestParamInfo<ClosingCase>& closer) { return std::string(closer.param.name); });

TEST_F(BacklightDialogTest, OkSendsNothingToTheKeyboard) {
    const std::array<int, 3> onKeyboard = keyboardLight(20);
    open();
    platform.queueColour(0xFF0000);
    clickKey(20);
    click(Id::Ok);
    EXPECT_EQ(store.lightArea[20], (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(keyboardLight(20), onKeyboard);
    EXPECT_TRUE(platform.messageBoxes().empty());
}

TEST_F(BacklightDialogTest, SetAllStartsFromBlackAndColoursEveryRow) {
    store.lightArea[3] = {7, 7, 7};
    open();
    platform.queueColourCancel();
    click(Id::SetAll);
    EXPECT_EQ(window->workingLights()[3], (std::array<int, 3>{7, 7, 7}));
    platform.queueColour(0x336699);
    click(Id::SetAll);
    EXPECT_EQ(platform.colourDialogs()[0].initial, 0U);
    EXPECT_EQ(platform.colourDialogs()[1].initial, 0U);
    for (const auto& row : window->workingLights())
        EXPECT_EQ(row, (std::array<int, 3>{0x33, 0x66, 0x99}));
    const QImage image = painted();
    for (int key : {kFirstKey, 47, 78, kLastKey})
        EXPECT_EQ(frameColourAt(image, keyRect(key)), qRgb(0x33, 0x66, 0x99)) << key;
}

TEST_F(BacklightDialogTest, WriteSendsTheWorkingCopyAndReadBringsItBack) {
    open();
    platform.queueColour(0x00C0FF);
    click(Id::SetAll);
    platform.queueColour(0xFF8000);
    clickKey(78);
    click(Id::Write);
    EXPECT_TRUE(closedWith(SkinnedWindow::kResultOk));
    EXPECT_EQ(messages(), (std::vector<QString>{"OK!"}));
    EXPECT_EQ(platform.messageBoxes()[0].title, "QelEC");
    EXPECT_EQ(platform.messageBoxes()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(keyboardLight(78), (std::array<int, 3>{255, 128, 0}));
    EXPECT_EQ(keyboardLight(79), (std::array<int, 3>{0, 192, 255}));

    store.resetToDefaults();
    open();
    click(Id::Read);
    EXPECT_EQ(messages(), (std::vector<QString>{"OK!", "OK!"}));
    EXPECT_TRUE(window->isVisible()) << "Read keeps the window open";
    EXPECT_EQ(window->workingLights()[78], (std::array<int, 3>{255, 128, 0}));
    EXPECT_EQ(store.lightArea[79], (std::array<int, 3>{0, 192, 255}));
    EXPECT_EQ(frameColourAt(painted(), keyRect(78)), qRgb(255, 128, 0));
}

TEST_F(BacklightDialogTest, AFailedReadSaysFailedAndKeepsTheWorkingCopy) {
    changeKeyboard([](VirtualKeyboardState& state) { state.lights.fill(200); });
    failOnKeyboard(Failure::ReadLights);
    open();
    platform.queueColour(0x010203);
    clickKey(50);
    const PerKeyTriples edited = window->workingLights();
    const PerKeyTriples stored = store.lightArea;
    click(Id::Read);
    EXPECT_EQ(messages(), (std::vector<QString>{"Failed!"}));
    EXPECT_EQ(window->workingLights(), edited);
    EXPECT_EQ(store.lightArea, stored);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(frameColourAt(painted(), keyRect(50)), qRgb(1, 2, 3));
}

TEST_F(BacklightDialogTest, AFailedWriteSaysFailedYetKeepsTheColoursAndCloses) {
    failOnKeyboard(Failure::WriteLights);
    const std::array<int, 3> onKeyboard = keyboardLight(9);
    open();
    platform.queueColour(0x0000FF);
    clickKey(9);
    click(Id::Write);
    EXPECT_EQ(messages(), (std::vector<QString>{"Failed!"}));
    EXPECT_TRUE(closedWith(SkinnedWindow::kResultOk));
    EXPECT_EQ(store.lightArea[9], (std::array<int, 3>{0, 0, 255}));
    EXPECT_EQ(keyboardLight(9), onKeyboard);
}

TEST_F(BacklightDialogTest, ATransferThatCouldNotRunSaysNothing) {
    opener.install(WindowId::Transfer, [](const WindowContext&, QWidget*, int) { return -1; });
    open();
    click(Id::Read);
    EXPECT_TRUE(platform.messageBoxes().empty());
    opener.install(WindowId::Transfer,
                   [](const WindowContext&, QWidget*, int) { return SkinnedWindow::kResultCancel; });
    click(Id::Read);
    EXPECT_EQ(messages(), (std::vector<QString>{"Failed!"}));
}

TEST_F(BacklightDialogTest, MultiKeyGetsClearedMarksAndTheWorkingColoursAndAppliesOnOkOnly) {
    store.multiSelectFlags[12] = 1; // left from an earlier run
    open();
    platform.queueColour(0x111111);
    clickKey(2);
    answerMultiKey({1, 78}, rgb(0, 255, 0));
    click(Id::MultiKey);
    ASSERT_EQ(handedFlags.size(), 1U);
    EXPECT_EQ(handedFlags[0], (std::array<std::uint8_t, kKeySlots>{}));
    EXPECT_EQ(LightColour::unflatten(handedColours[0])[2], (std::array<int, 3>{0x11, 0x11, 0x11}));
    EXPECT_EQ(window->workingLights()[1], (std::array<int, 3>{0, 255, 0}));
    EXPECT_EQ(window->workingLights()[78], (std::array<int, 3>{0, 255, 0}));
    EXPECT_EQ(window->workingLights()[79], kBlack);
    EXPECT_EQ(window->workingLights()[12], kBlack);
    EXPECT_EQ(frameColourAt(painted(), keyRect(78)), qRgb(0, 255, 0));

    // A second run starts without the first run's marks; cancelled, it changes nothing.
    answerMultiKey({5}, std::nullopt);
    const PerKeyTriples before = window->workingLights();
    click(Id::MultiKey);
    EXPECT_EQ(handedFlags[1], (std::array<std::uint8_t, kKeySlots>{}));
    EXPECT_EQ(window->workingLights(), before);
    // Marks left by the cancelled run are not applied by the next one either.
    answerMultiKey({}, rgb(255, 0, 0));
    click(Id::MultiKey);
    EXPECT_EQ(window->workingLights(), before);
    EXPECT_EQ(store.lightArea[1], kBlack) << "nothing stored before OK";
}

} // namespace
