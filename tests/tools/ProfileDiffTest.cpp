// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/ProfileDiff.h"
#include "ReportStores.h"
#include "model/KeyboardVariant.h"
#include "tools/ctl/DiffReport.h"
#include "tools/ctl/KeyboardForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Change = std::function<void(CConfigStore&)>;

constexpr int kProgram2FnLayer = 4;
constexpr int kEsc = 1;
constexpr int kW = 34;
constexpr int kLeftShift = 61; // its Fn layers hold the mouse function 198 from the factory

const ActionList& jumpMacro() {
    static const ActionList macro = listOf({"A Down", "<50 ms>", "A UP"});
    return macro;
}

void withJumpMacro(CConfigStore& store) {
    addEntry(store.predefinedMacros, "jump", jumpMacro());
    assignActions(store, kEsc, kProgram2FnLayer, kKindMacro, jumpMacro());
}

void paint(CConfigStore& store, std::initializer_list<int> keys, std::array<int, 3> colour) {
    for (const int key : keys)
        store.lightArea[key] = colour;
}

// A change made to the second of two configurations, and the lines its report must hold.
struct ChangeCase {
    const char* name;
    Change both;  // made to both configurations first
    Change after; // made to the second one only
    bool differ;
    std::vector<std::string> lines;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    EXPECT_EQ(start, text.size()) << "every line ends with a newline";
    return lines;
}

const std::vector<ChangeCase>& changeCases() {
    static const std::vector<ChangeCase> cases{
        {"a kind changed",
         {},
         [](CConfigStore& store) {
             assignActions(store, kW, 0, kKindCombo, listOf({"LCTRL", "C"}, 6));
         },
         true,
         {"Key assignments (1 differs):", "  Program1 TopLayer:",
          "    key 34 (W): Single W -> Combo (2 keys): LCTRL | C"}},
        {"a macro changed by one delay item",
         withJumpMacro,
         [](CConfigStore& store) { store.keyActions[kEsc][kProgram2FnLayer].setOrAppend(1, "<60 ms>"); },
         true,
         {"  Program2 FnLayer:", "    key 1 (Esc):",
          "      - Macro \"jump\" (3 items, plays once, recorded delays): A,50,A",
          "      + Macro (3 items, plays once, recorded delays): A,60,A",
          "        first difference at item 2: \"<50 ms>\" -> \"<60 ms>\""}},
        {"a macro's repeat count",
         withJumpMacro,
         [](CConfigStore& store) { store.keyActions[kEsc][kProgram2FnLayer].Cycles = 3; },
         true,
         {"      + Macro (3 items, plays 3 times, recorded delays): A,50,A"}},
        {"a repeat count the play mode does not use",
         [](CConfigStore& store) {
             withJumpMacro(store);
             store.keyActions[kEsc][kProgram2FnLayer].PlayMode = 1;
         },
         [](CConfigStore& store) { store.keyActions[kEsc][kProgram2FnLayer].Cycles = 5; },
         false,
         {"a.pro and b.pro hold the same key assignments, libraries and lights."}},
        {"the play fields of a combination",
         [](CConfigStore& store) {
             assignActions(store, kW, 0, kKindCombo, listOf({"LCTRL", "C"}, 6));
         },
         [](CConfigStore& store) {
             store.keyActions[kW][0].Delay = 5;
             store.keyActions[kW][0].Cycles = 9;
         },
         false,
         {}},
        {"an emulation's delay",
         [](CConfigStore& store) {
             assignActions(store, kW, 8, kKindEmulation, listOf({"A", "B"}));
         },
         [](CConfigStore& store) { store.keyActions[kW][8].Delay = 40; },
         true,
         {"  Program3 Fn2Layer:", "    key 34 (W): Emulation (2 keys, 30 ms apart): A | B -> Emulation (2 "
                                  "keys, 40 ms apart): A | B"}},
        {"the code of a key that is not set",
         [](CConfigStore& store) { store.keyKind[kW][0] = kKindNotSet; },
         [](CConfigStore& store) { store.keyCode[kW][0] = 43; },
         false,
         {"a.pro and b.pro hold the same key assignments, libraries and lights."}},
        {"a mouse function read back as a single key",
         {},
         [](CConfigStore& store) { store.keyKind[kLeftShift][1] = kKindSingle; },
         false,
         {"a.pro and b.pro hold the same key assignments, libraries and lights."}},
        {"a library entry renamed",
         withJumpMacro,
         [](CConfigStore& store) { store.predefinedMacros.setOrAppend(0, "hop"); },
         true,
         {"Libraries (1 entry differs):",
          "  macro \"jump\" renamed to \"hop\": 3 items, plays once, recorded delays"}},
        {"a library entry changed",
         withJumpMacro,
         [](CConfigStore& store) {
             ActionList changed = jumpMacro();
             changed.setOrAppend(2, "B UP");
             store.predefinedMacros.setChild(0, changed);
         },
         true,
         {"  macro \"jump\" changed (3 items, plays once, recorded delays); first difference at item 3: \"A "
          "UP\" -> "
          "\"B UP\""}},
        {"a library entry's play settings",
         withJumpMacro,
         [](CConfigStore& store) {
             ActionList changed = jumpMacro();
             changed.Cycles = 3;
             store.predefinedMacros.setChild(0, changed);
         },
         true,
         {"  macro \"jump\" changed: 3 items, plays once, recorded delays -> 3 items, plays 3 times, "
          "recorded "
          "delays"}},
        {"library entries added and removed",
         [](CConfigStore& store) {
             addEntry(store.predefinedEmulations, "spam", listOf({"A", "A"}));
         },
         [](CConfigStore& store) {
             store.predefinedEmulations.remove(0);
             addEntry(store.predefinedCombos, "copy", listOf({"LCTRL", "C"}, 6));
         },
         true,
         {"Libraries (2 entries differ):", "  combo \"copy\" added: 2 keys",
          "  emulation \"spam\" removed: 2 keys, 30 ms apart"}},
        {"lights grouped by their change",
         {},
         [](CConfigStore& store) {
             for (int key = 1; key <= 20; ++key)
                 paint(store, {key}, {255, 0, 0});
             paint(store, {25}, {255, 0, 0});
             paint(store, {kW}, {0, 255, 0});
         },
         true,
         {"Lights (22 keys differ):", "  keys 1-20, 25: #000000 -> #ff0000",
          "  key 34 (W): #000000 -> #00ff00"}},
    };
    return cases;
}

} // namespace

TEST(ProfileDiff, ReportsEachKindOfChangeInTheWordsOfTheInformationBox) {
    for (const ChangeCase& change : changeCases()) {
        SCOPED_TRACE(change.name);
        auto before = readyStore(KeyboardVariant::kRgb);
        auto after = readyStore(KeyboardVariant::kRgb);
        if (change.both) {
            change.both(*before);
            change.both(*after);
        }
        change.after(*after);
        const ProfileDifferences differences = compareProfiles(*before, *after);
        EXPECT_EQ(differences.same(), !change.differ);
        const std::string report = diffReport(differences, {"a.pro", "b.pro"});
        const std::vector<std::string> lines = linesOf(report);
        if (change.differ) {
            ASSERT_GE(lines.size(), 2U) << report;
            EXPECT_EQ(lines[0], "--- a.pro (QelEC(RGB))");
            EXPECT_EQ(lines[1], "+++ b.pro (QelEC(RGB))");
        }
        for (const std::string& line : change.lines)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end())
                << "no line '" << line << "' in\n"
                << report;
    }
}

TEST(ProfileDiff, EntriesOfTheSameNameAreMatchedByTheirActionsFirst) {
    auto before = readyStore(KeyboardVariant::kRgb);
    addEntry(before->predefinedMacros, "default", listOf({"A Down"}));
    addEntry(before->predefinedMacros, "default", listOf({"B Down"}));
    addEntry(before->predefinedMacros, "default", listOf({"C Down"}));
    auto after = readyStore(KeyboardVariant::kRgb);
    addEntry(after->predefinedMacros, "default", listOf({"B Down"}));
    addEntry(after->predefinedMacros, "default", listOf({"C Down"}));

    const ProfileDifferences differences = compareProfiles(*before, *after);
    ASSERT_EQ(differences.libraries.size(), 1U) << "only the first entry went; the others moved up";
    const LibraryDifference& removed = differences.libraries.front();
    EXPECT_EQ(removed.change, LibraryDifference::Change::Removed);
    EXPECT_EQ(removed.position, 1);
    EXPECT_NE(diffReport(differences, {"a", "b"})
                  .find("  macro \"default\" (entry 1) removed: 1 item, plays once, recorded delays\n"),
              std::string::npos);
}

TEST(ProfileDiff, VariantsAreComparedOnWhatTheyShareAndTheirDifferenceSaidFirst) {
    auto rgb = readyStore(KeyboardVariant::kRgb);
    paint(*rgb, {1, 2, 3}, {255, 0, 0});
    auto s = readyStore(KeyboardVariant::kS);

    const ProfileDifferences differences = compareProfiles(*rgb, *s);
    EXPECT_FALSE(differences.same());
    EXPECT_FALSE(differences.lightsCompared);
    EXPECT_TRUE(differences.lights.empty());
    const std::vector<std::string> lines = linesOf(diffReport(differences, {"rgb.pro", "s.pro"}));
    ASSERT_GE(lines.size(), 4U);
    EXPECT_EQ(lines[0], "--- rgb.pro (QelEC(RGB))");
    EXPECT_EQ(lines[1], "+++ s.pro (QelEC(S))");
    EXPECT_EQ(lines[2],
              "The variants differ: rgb.pro is for QelEC(RGB), s.pro for QelEC(S); what both hold is "
              "compared.");
    EXPECT_EQ(lines[3], "Key assignments (60 differ):") << "the lighting functions the S variants lack";
    EXPECT_EQ(lines[5], "    key 17 (~): Function Backlight Customed -> Not set");
    EXPECT_EQ(lines.back(), "Lights: not compared, QelEC(S) has no colour lighting.");

    const ProfileDifferences sameVariant = compareProfiles(*readyStore(KeyboardVariant::kS), *s);
    EXPECT_TRUE(sameVariant.same());
    EXPECT_EQ(diffReport(sameVariant, {"a", "b"}),
              "a and b hold the same key assignments and libraries.\n"
              "Lights: not compared, QelEC(S) has no colour lighting.\n");
}

TEST(ProfileDiff, AProfileRewrittenAsTheKeyboardHoldsItMatchesWhatIsReadBack) {
    auto profile = readyStore(KeyboardVariant::kRgb);
    assignActions(*profile, kW, 0, kKindMacro, jumpMacro());
    profile->keyActions[kW][0].PlayMode = 2;
    profile->keyActions[kW][0].Cycles = 7;
    assignActions(*profile, kEsc, 1, kKindCombo, listOf({"LCTRL", "Sleep"}, 6));
    profile->keyKind[kEsc][2] = 99; // a kind the keyboard does not know is not sent

    auto readBack = readyStore(KeyboardVariant::kRgb);
    assignActions(*readBack, kW, 0, kKindMacro, listOf({"A", "<50 ms>", "A"}));
    readBack->keyActions[kW][0].PlayMode = 2;
    readBack->keyActions[kW][0].Cycles = 0;
    assignActions(*readBack, kEsc, 1, kKindCombo, listOf({"LCTRL", "-- --"}, 6));
    readBack->keyKind[kEsc][2] = kKindNotSet;

    EXPECT_EQ(compareProfiles(*profile, *readBack, false).assignments.size(), 3U);
    rewriteAsKeyboardHoldsIt(*profile);
    const ProfileDifferences differences = compareProfiles(*profile, *readBack, false);
    EXPECT_TRUE(differences.same()) << diffReport(differences, {"profile", "keyboard"});
}

TEST(ProfileDiff, KeyListsJoinNeighboursIntoRanges) {
    const struct {
        std::vector<int> keys;
        const char* text;
    } cases[] = {
        {{34}, "key 34 (W)"},
        {{1, 2, 3}, "keys 1-3"},
        {{1, 3, 5}, "keys 1, 3, 5"},
        {{4, 5, 9, 10, 11, 85}, "keys 4-5, 9-11, 85"},
    };
    for (const auto& list : cases)
        EXPECT_EQ(keyList(list.keys, KeyboardVariant::kRgb), list.text);
}
