// SPDX-License-Identifier: GPL-3.0-or-later
// What each reader of a macro's item texts makes of ordinary items and of the odd ones a profile file
// may hold: the codec (which items a macro with recorded delays takes as its delays, as a profile load
// and a key write check them), the code the keyboard gets, the one-line summary, the delay edit box a
// click on the row opens, and the macro menu's insertions.
#include "keymap/rules/ActionTexts.h"
#include "keymap/rules/MacroEditRules.h"
#include "model/ActionList.h"
#include "model/ConfigStore.h"
#include "model/KeyAssignmentCodec.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

ActionList recordedDelays(const std::vector<std::string>& items) {
    ActionList list(9);
    for (const std::string& item : items)
        list.setOrAppend(ActionList::kAppend, item);
    list.ViewStartAt = 0;
    list.CursorPos = 0;
    return list;
}

class ActionItemReadersTest : public ::testing::Test {
protected:
    ActionItemReadersTest()
        : store(std::filesystem::temp_directory_path() / "qelec-action-item-readers-none.txt") {
        store.buildCatalogue();
    }

    // Whether a macro with recorded delays takes item, between two key events, as its delay.
    static bool codecTakesAsDelay(const std::string& item) {
        return assignmentProblem(kKindMacro, recordedDelays({"A Down", item, "A UP"})).empty();
    }

    // Whether the macro menu, inserting a mouse action before item, takes item for a delay: it puts
    // the action after the zero delay it adds, to keep the macro alternating.
    bool menuTakesAsDelay(const std::string& item) const {
        ActionList macro = recordedDelays({item});
        runMacroMenuCommand(macro, kMenuLeftPress, 0, store);
        return macro.items().at(1) == store.codeToName(130);
    }

    CConfigStore store;
};

struct ReadersCase {
    std::string item;
    bool codecDelay;
    int codeSent;
    std::string summary;
    std::optional<std::string> delayEdit;
    bool menuDelay;
};

constexpr int kCursorDownCode = 129;
const std::optional<std::string> kNoEdit;

} // namespace

// The codec decides what a profile loads and what the keyboard gets: the windows never take for a delay
// what it takes for a key ("<abc>" was shown as an empty delay and its click opened a delay box whose
// number turned the key into a delay), and the macro menu places its zero delay by the codec's reading,
// so the macro it edits still alternates ("< Down" and "<x>" were taken for delays, "x<5 ms>" for a key).
// A key event of a key whose name ends in " Down" is shown without its direction like any other.
TEST_F(ActionItemReadersTest, EveryReaderTakesEachItemAsTheCodecDoes) {
    const ReadersCase cases[] = {
        // What the program writes.
        {"<50 ms>", true, 50, "50", "50", true},
        {"<0 ms>", true, 0, "0", "0", true},
        {"<65535 ms>", true, 65535, "65535", "65535", true},
        {"A Down", false, 43, "A", kNoEdit, false},
        {"A UP", false, 43, "A", kNoEdit, false},
        {"A", false, 43, "A", kNoEdit, false},
        {"Move Down", false, kCursorDownCode, "Move", kNoEdit, false},
        // Key events of a key whose name ends in " Down"; the keyboard has no code for it.
        {"Volume Down Down", false, 0, "Volume Down", kNoEdit, false},
        {"Volume Down UP", false, 0, "Volume Down", kNoEdit, false},
        // What only a profile file may hold.
        {"", false, 0, "", kNoEdit, false},
        {"<>", false, 0, "<>", kNoEdit, false},
        {"<x>", false, 0, "<x>", kNoEdit, false},
        {"<abc>", false, 0, "<abc>", kNoEdit, false},
        {"<50 ms >", false, 0, "<50 ms >", kNoEdit, false},
        {"< Down", false, 0, "<", kNoEdit, false},
        {"<5ms>", true, 0, "", "", true},
        {"< ms>", true, 0, "", "", true},
        // Delays the windows show as they stand.
        {"<ms>", true, 0, "<ms>", kNoEdit, true},
        {"ms>", true, 0, "ms>", kNoEdit, true},
        {"x<5 ms>", true, 0, "x<5 ms>", kNoEdit, true},
        {"<5 ms>x", true, 5, "<5 ms>x", kNoEdit, true},
        {"<a>5 ms>", true, 0, "<a>5 ms>", kNoEdit, true},
        {"<-5 ms>", true, -5, "-5", "-5", true},
        {"< 50 ms>", true, 50, " 50", " 50", true},
        {"<050 ms>", true, 50, "050", "050", true},
        {"<99999999999 ms>", true, INT_MAX, "99999999999", "99999999999", true},
    };
    for (const ReadersCase& c : cases) {
        EXPECT_EQ(codecTakesAsDelay(c.item), c.codecDelay) << c.item;
        EXPECT_EQ(store.nameToCode(c.item), c.codeSent) << c.item;
        EXPECT_EQ(shortenedMacroItem(c.item), c.summary) << c.item;
        EXPECT_EQ(delayRowEditText(c.item), c.delayEdit) << c.item;
        EXPECT_EQ(menuTakesAsDelay(c.item), c.menuDelay) << c.item;
    }
}
