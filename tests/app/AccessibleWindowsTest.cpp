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
#include "keymap/rules/KeyAssignmentControls.h"
#include "lighting/CPelmDialogBkLightMultiSelect.h"
#include "lighting/CPelmDialogBkLightSettings.h"
#include "model/ConfigStore.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/SharedResources.h"
#include "support/TempDir.h"
#include "trigger/PelmDialogTrack.h"
#include "trigger/PelmDialogTrigger.h"
#include "trigger/PelmDialogTriggerSet.h"
#include "trigger/rules/FineAdjustControls.h"
#include "ui/AccessibleAnnouncer.h"
#include "ui/CSkinScrollBar.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <iostream>
#include <map>
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

// A store on a virtual keyboard with its catalogue built, and what a window needs beside it.
struct Surroundings {
    explicit Surroundings(const VirtualKeyboardState& state = factoryState(4)) {
        EXPECT_TRUE(keyboard.create(state, true).ok());
        store.deviceVariant = 4;
        store.buildCatalogue();
    }
    WindowContext context() { return {store, resources, QSize(1920, 1080), platform, opener}; }

    TempDir folder;
    VirtualKeyboardFile keyboard{folder.file("keyboard.txt")};
    CConfigStore store{folder.file("keyboard.txt")};
    SharedResources resources{programPictureLibrary(), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;
};

// A keyboard whose transfers take no time.
VirtualKeyboardState quickKeyboard() {
    VirtualKeyboardState state = factoryState(4);
    state.transferMs = 0;
    return state;
}

class AccessibleWindowsTest : public ::testing::TestWithParam<WindowCase> {
protected:
    void SetUp() override {
        store.device.setSleeper([](std::chrono::milliseconds) {});
        store.scaleFactor = 1.0F;
        store.language = "zh-CN";
        installProgramWindows(around.opener, [](std::chrono::milliseconds) {});
        window = GetParam().make(around.context());
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

    Surroundings around{quickKeyboard()};
    CConfigStore& store = around.store;
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
    const std::size_t gauges = window->spokenGauges().size();
    std::cout << "[ tree     ] " << GetParam().name << ": " << root->childCount() << " children ("
              << entriesWithId() << " table entries, " << gauges << " gauges, " << widgets - gauges
              << " widgets)\n";
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

// The windows that draw a bar themselves, with what the bar is to a reader.
struct GaugeOf {
    const char* window;
    QAccessible::Role role;
};
constexpr std::array<GaugeOf, 4> kGauges{{
    {"progress", QAccessible::ProgressBar},
    {"firmware", QAccessible::ProgressBar},
    {"track", QAccessible::Slider},
    // The bar from the press to the release travel, which no single value says.
    {"fine-adjust", QAccessible::Graphic},
}};

// A bar a window draws is in the tree after the entries, says what it is in both languages, and
// holds a value between its least and greatest, or says in words what it spans.
TEST_P(AccessibleWindowsTest, DrawnBarsAreGaugesWithAValueAndANameInBothLanguages) {
    const auto expected = std::find_if(kGauges.begin(), kGauges.end(), [](const GaugeOf& gauge) {
        return std::string(gauge.window) == GetParam().name;
    });
    QAccessibleInterface* root = tree();
    const auto first = static_cast<int>(entriesWithId());
    ASSERT_EQ(window->spokenGauges().size(), expected == kGauges.end() ? 0U : 1U);
    if (expected == kGauges.end())
        return;
    QAccessibleInterface* gauge = root->child(first);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->role(), expected->role);
    if (expected->role == QAccessible::Graphic) {
        EXPECT_EQ(gauge->valueInterface(), nullptr);
        EXPECT_TRUE(gauge->text(QAccessible::Description).contains("mm"));
    } else {
        ASSERT_NE(gauge->valueInterface(), nullptr);
        const double value = gauge->valueInterface()->currentValue().toDouble();
        EXPECT_LE(gauge->valueInterface()->minimumValue().toDouble(), value);
        EXPECT_GE(gauge->valueInterface()->maximumValue().toDouble(), value);
    }
    std::set<QString> names;
    for (const char* language : {"zh-CN", "en-US"}) {
        store.language = language;
        names.insert(gauge->text(QAccessible::Name));
        EXPECT_FALSE(gauge->text(QAccessible::Name).isEmpty()) << language;
    }
    EXPECT_EQ(names.size(), 2U) << "each language has its own name";
}

// Every edit box and scroll bar of a window has a name in each language, its own in each, and a
// scroll bar says it is one.
TEST_P(AccessibleWindowsTest, ChildWidgetsAreNamedInBothLanguages) {
    std::vector<QWidget*> widgets;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QPlainTextEdit*>(child) ||
            qobject_cast<CSkinScrollBar*>(child) || qobject_cast<QScrollBar*>(child))
            widgets.push_back(child);
    }
    std::map<QWidget*, std::set<QString>> names;
    for (const char* language : {"zh-CN", "en-US"}) {
        store.language = language;
        window->grab();
        for (QWidget* widget : widgets) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
            EXPECT_FALSE(spoken->text(QAccessible::Name).isEmpty())
                << GetParam().name << " " << widget->objectName().toStdString() << " " << language;
            names[widget].insert(spoken->text(QAccessible::Name));
            if (qobject_cast<CSkinScrollBar*>(widget) || qobject_cast<QScrollBar*>(widget)) {
                EXPECT_EQ(spoken->role(), QAccessible::ScrollBar);
                EXPECT_NE(spoken->valueInterface(), nullptr);
            }
        }
    }
    for (const auto& [widget, both] : names)
        EXPECT_EQ(both.size(), 2U) << widget->objectName().toStdString() << " follows the language";
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

// The first gauge of a window, which comes after the entries of its table.
QAccessibleInterface* firstGaugeOf(SkinnedWindow& window) {
    return QAccessible::queryAccessibleInterface(&window)->child(
        static_cast<int>(std::count_if(window.controls().begin(), window.controls().end(),
                                       [](const SkinControl& control) { return control.id > 0; })));
}

// The description of a key is what its window shows for it now, never what it showed before.
TEST(KeyDescription, MainWindowKeySaysItsAssignmentOnTheTableShown) {
    Surroundings around;
    CConfigStore& store = around.store;
    store.language = "zh-CN";
    CPelmDlg window(around.context());
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
    Surroundings around;
    CConfigStore& store = around.store;
    store.lightArea[kKeyW] = {0x12, 0xab, 0x00};
    CPelmDialogBkLightSettings window(around.context());
    window.show();
    const std::size_t w = window.findById(keyboardKeyId(kKeyW));
    EXPECT_EQ(window.spokenDescription(w), "#12ab00");
}

// The travel gauge says the travel the bar shows, in millimetres, whenever the bar moves.
TEST(TravelGaugeValue, FollowsTheTrackedKeysTravel) {
    Surroundings around;
    CConfigStore& store = around.store;
    store.language = "en-US";
    PelmDialogTrack window(around.context());
    std::uint16_t travel = 0;
    window.setTravelReader([&store, &travel](std::uint16_t* sample, int /*key*/) {
        sample[0] = static_cast<std::uint16_t>(store.trackKey);
        sample[1] = travel;
        return true;
    });
    QAccessibleInterface* gauge = firstGaugeOf(window);
    ASSERT_NE(gauge, nullptr);
    ASSERT_NE(gauge->valueInterface(), nullptr);
    EXPECT_EQ(gauge->text(QAccessible::Name), "Key travel");
    // Tenths read from the keyboard, and the millimetres the gauge then says.
    const std::vector<std::pair<std::uint16_t, double>> samples{{16, 1.6}, {8, 0.0}, {30, 2.8}, {20, 2.0}};
    for (const auto& [tenths, millimetres] : samples) {
        travel = tenths;
        window.poll();
        EXPECT_DOUBLE_EQ(gauge->valueInterface()->currentValue().toDouble(), millimetres) << tenths;
    }
    EXPECT_DOUBLE_EQ(gauge->valueInterface()->maximumValue().toDouble(), 2.8);
}

std::vector<QAccessible::Event> heard;
void hear(QAccessibleEvent* event) {
    heard.push_back(event->type());
}

// The fine-adjust bar says both travels it spans, and a step of either is said at the next paint.
TEST(TravelSpan, SaysBothTravelsAndIsAnnouncedAfterAStep) {
    Surroundings around;
    CConfigStore& store = around.store;
    store.language = "en-US";
    store.session().triggerAdjust = {12, 20, 2};
    PelmDialogTriggerSet window(around.context());
    window.show();
    QAccessibleInterface* span = firstGaugeOf(window);
    ASSERT_NE(span, nullptr);
    EXPECT_EQ(span->text(QAccessible::Name), "Travel span");
    EXPECT_EQ(span->text(QAccessible::Description), "1.2mm to 2.0mm");
    AccessibleAnnouncer::setSink(hear);
    window.grab();
    heard.clear();
    window.pressEntry(window.findById(static_cast<int>(FineAdjustControlId::LowerIncrease)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return span->text(QAccessible::Description) == "1.2mm to 2.1mm"; }));
    window.grab();
    AccessibleAnnouncer::setSink(nullptr);
    EXPECT_NE(std::find(heard.begin(), heard.end(), QAccessible::DescriptionChanged), heard.end());
}

// The key assignment dialog shows one page of seven at a time; what a reader can press on each page
// has a name in both languages, however its words are drawn (on it, or beside a radio button), and an
// entry of a page not shown keeps its own name, never the words another page draws at its place.
TEST(KeyAssignmentPages, EveryEntryOfEveryPageHasItsOwnName) {
    Surroundings around;
    CConfigStore& store = around.store;
    CPelmDialogKeyMapSettings window(around.context());
    window.show();
    std::map<std::pair<std::size_t, std::string>, std::set<QString>> namesOf;
    for (int page = 1; page <= kKeyAssignmentPageCount; ++page) {
        store.language = "zh-CN";
        const std::size_t tab = window.findById(keyAssignmentTabId(page));
        window.pressEntry(tab);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMarkedEntry(tab); })) << page;
        for (const char* language : {"zh-CN", "en-US"}) {
            store.language = language;
            for (std::size_t index = 0; index < window.controls().size(); ++index) {
                if (!window.isSpokenEntry(index))
                    continue;
                namesOf[{index, language}].insert(window.spokenName(index));
                if (window.isPressableEntry(index)) {
                    EXPECT_FALSE(window.spokenName(index).isEmpty())
                        << "page " << page << " entry " << window.controls()[index].id << " " << language;
                }
            }
        }
    }
    for (const auto& [entry, names] : namesOf) {
        EXPECT_EQ(names.size(), 1U) << "entry " << window.controls()[entry.first].id << " " << entry.second
                                    << " is called " << names.begin()->toStdString() << " and "
                                    << names.rbegin()->toStdString();
    }
}

} // namespace
