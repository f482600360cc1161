// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceTestSupport.h"
#include "ReportStores.h"
#include "model/FactoryKeyboard.h"
#include "model/KeyboardVariant.h"
#include "model/profile/ProfileFile.h"
#include "model/profile/XmlDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

class QelecCtlReports : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState keyboard = factoryKeyboard(KeyboardVariant::kRgb);
        keyboard.transferMs = 0;
        writeState(state, keyboard);
    }

    ToolRun ctl(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"--state", state});
        return runProgram(QELEC_CTL_PATH, arguments);
    }

    std::string saved(const CConfigStore& store, const std::string& name) const {
        const std::string path = dir.file(name);
        EXPECT_TRUE(saveProfile(store, path));
        return path;
    }

    TempDir dir;
    std::string state = dir.file("keyboard.txt");
};

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(QelecCtlReports, DiffSaysSameOrDifferentAndRefusesFilesThatDoNotLoad) {
    auto store = readyStore(KeyboardVariant::kRgb);
    const std::string mine = saved(*store, "mine.pro");
    const std::string copy = saved(*store, "copy.pro");
    const ToolRun same = ctl({"diff", mine, copy});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, mine + " and " + copy + " hold the same key assignments, libraries and lights.\n");

    store->keyCode[34][0] = 43;
    const std::string changed = saved(*store, "changed.pro");
    const ToolRun differs = ctl({"diff", mine, changed});
    EXPECT_EQ(differs.exitCode, 1) << differs.err;
    EXPECT_TRUE(holds(differs.out, "  Program1 TopLayer:\n    key 34 (W): Single W -> Single A\n"))
        << differs.out;

    const std::string broken = dir.file("broken.pro");
    writeFile(broken, "<QelEC(RGB)><unclosed>");
    const std::string picture = dir.file("picture.pro");
    writeFile(picture, "<svg/>");
    const struct {
        std::vector<std::string> arguments;
        const char* reason;
    } refused[] = {
        {{"diff", dir.file("missing.pro"), mine}, "cannot read '"},
        {{"diff", mine, broken}, "is not a well-formed XML document"},
        {{"diff", picture, mine}, "is not a QelEC profile (its root element is 'svg')"},
    };
    for (const auto& run : refused) {
        const ToolRun trouble = ctl(run.arguments);
        EXPECT_EQ(trouble.exitCode, 2) << run.reason;
        EXPECT_TRUE(holds(trouble.err, run.reason)) << trouble.err;
        EXPECT_EQ(trouble.out, "");
    }
}

TEST_F(QelecCtlReports, DiffComparesProfilesOfTwoVariantsOnWhatTheyShare) {
    const std::string rgb = dir.file("rgb.pro");
    const std::string s = dir.file("s.pro");
    ASSERT_EQ(ctl({"defaults", rgb}).exitCode, 0);
    ASSERT_EQ(ctl({"defaults", s, "--variant", "3"}).exitCode, 0);
    const ToolRun run = ctl({"diff", rgb, s});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("Key assignments")),
              "--- " + rgb + " (QelEC(RGB))\n+++ " + s + " (QelEC(S))\nThe variants differ: " + rgb +
                  " is for QelEC(RGB), " + s + " for QelEC(S); what both hold is compared.\n");
    EXPECT_TRUE(holds(run.out, "Lights: not compared, QelEC(S) has no colour lighting.\n"));
}

TEST_F(QelecCtlReports, DiffAgainstTheKeyboardComparesWhatTheKeyboardHolds) {
    auto store = readyStore(KeyboardVariant::kRgb);
    assignActions(*store, 34, 0, kKindMacro, listOf({"A Down", "<50 ms>", "A UP"}));
    addEntry(store->predefinedMacros, "jump", listOf({"A Down", "<50 ms>", "A UP"}));
    store->lightArea[1] = {255, 111, 0};
    const std::string profile = saved(*store, "mine.pro");
    ASSERT_EQ(ctl({"write", profile}).exitCode, 0);

    const ToolRun same = ctl({"diff", profile, "--keyboard"});
    EXPECT_EQ(same.exitCode, 0) << same.out << same.err;
    EXPECT_EQ(same.out, profile + " and the keyboard hold the same key assignments and lights.\n"
                                  "Libraries: not compared, a keyboard holds none.\n");

    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.lights[0] = 1; });
    const ToolRun differs = ctl({"diff", profile, "--keyboard"});
    EXPECT_EQ(differs.exitCode, 1);
    EXPECT_TRUE(holds(differs.out, "+++ the keyboard (QelEC(RGB))\n")) << differs.out;
    EXPECT_TRUE(holds(differs.out, "Lights (1 key differs):\n  key 1 (Esc): #ff6f00 -> #016f00\n"))
        << differs.out;

    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.plugged = false; });
    const ToolRun unplugged = ctl({"diff", profile, "--keyboard"});
    EXPECT_EQ(unplugged.exitCode, 2);
    EXPECT_TRUE(holds(unplugged.err, "nothing was compared")) << unplugged.err;
}

TEST_F(QelecCtlReports, CountersDrawAHeatmapThatParses) {
    changeState(state, [](VirtualKeyboardState& keyboard) {
        keyboard.counts[33] = 12;
        keyboard.counts[0] = 2;
    });
    const std::string heatmap = dir.file("heat.svg");
    const ToolRun run = ctl({"counters", "--heatmap", heatmap});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "drew the press counts of QelEC(RGB) into " + heatmap +
                           "\nhighest: key 34 (W), 12 presses\nlowest: key 1 (Esc), 2 presses\n");
    XmlDocument svg;
    EXPECT_TRUE(svg.setDoc(readFile(heatmap))) << svg.getResult();
    EXPECT_TRUE(svg.findElem("svg"));
    EXPECT_FALSE(std::filesystem::exists(heatmap + ".partial"));

    const std::string elsewhere = dir.file("no-such-folder/heat.svg");
    const ToolRun unwritable = ctl({"counters", "--heatmap", elsewhere});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(holds(unwritable.err, "could not write '" + elsewhere + "'")) << unwritable.err;
    EXPECT_TRUE(holds(unwritable.err, "No such file or directory")) << unwritable.err;

    // Written as every file is: through a link, never over a protected file.
    std::filesystem::create_symlink(heatmap, dir.file("link.svg"));
    EXPECT_EQ(ctl({"counters", "--heatmap", dir.file("link.svg")}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.svg")));
    ASSERT_EQ(::chmod(heatmap.c_str(), 0444), 0);
    const ToolRun isProtected = ctl({"counters", "--heatmap", heatmap});
    EXPECT_EQ(isProtected.exitCode, 1);
    EXPECT_TRUE(holds(isProtected.err,
                      "could not write '" + heatmap + "': cannot write " + heatmap + ": Permission denied"))
        << isProtected.err;

    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.setFailure(Failure::Counters, true); });
    const std::string failed = dir.file("failed.svg");
    EXPECT_EQ(ctl({"counters", "--heatmap", failed}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(failed));
}

// A text from a profile, the keyboard or the command line cannot drive the terminal it is shown on.
TEST_F(QelecCtlReports, ControlCharactersFromFilesAreShownEscaped) {
    const char* hostile = "\x1b[2J\x1b]0;pwned\x07";
    const std::string escaped = "\\x1b[2J\\x1b]0;pwned\\x07";
    auto store = readyStore(KeyboardVariant::kRgb);
    const std::string plain = saved(*store, "plain.pro");
    addEntry(store->predefinedMacros, hostile, listOf({"A Down", "<50 ms>", "A UP"}));
    const std::string named = saved(*store, std::string("named") + hostile + ".pro");
    // The state file's own text refuses control characters; its name does not.
    const std::string corrupt = dir.file(std::string("keyboard") + hostile + ".txt");
    writeFile(corrupt, readFile(state) + "bogus\n");
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"diff", plain, named},
                                               {"check", named},
                                               {"--state", corrupt, "read", dir.file("x.pro")},
                                               {"--state", corrupt, "counters"},
                                               {"--state", corrupt, "diff", plain, "--keyboard"}}) {
        const ToolRun run = ctl(arguments);
        const std::string shown = run.out + run.err;
        EXPECT_TRUE(holds(shown, escaped)) << arguments[0] << ": " << shown;
        EXPECT_EQ(shown.find_first_of("\x1b\x07"), std::string::npos) << arguments[0] << ": " << shown;
    }
}

TEST_F(QelecCtlReports, WrongCommandLinesAreRefusedAndHelpDescribesBoth) {
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } wrong[] = {
        {{"diff", "a.pro"}, "diff takes two profiles, or one with --keyboard"},
        {{"diff", "a.pro", "b.pro", "c.pro"}, "diff takes two profiles"},
        {{"diff", "a.pro", "b.pro", "--keyboard"}, "diff --keyboard takes one profile"},
        {{"diff", "a.pro", "b.pro", "--heatmap", "x.svg"}, "--heatmap goes with counters"},
        {{"diff", "a.pro", "b.pro", "--variant", "3"}, "--variant goes with defaults and check"},
        {{"counters", "--heatmap"}, "--heatmap needs a value"},
        {{"counters", "--heatmap", "x.svg", "--keyboard"}, "--keyboard goes with diff"},
        {{"counters", "--heatmap", "x.svg", "extra"}, "counters takes no arguments"},
    };
    for (const auto& run : wrong) {
        const ToolRun refused = ctl(run.arguments);
        EXPECT_EQ(refused.exitCode, 2) << run.message;
        EXPECT_TRUE(holds(refused.err, run.message)) << refused.err;
    }
    const ToolRun help = runProgram(QELEC_CTL_PATH, {"--help"});
    EXPECT_TRUE(holds(help.out, "  diff A.pro B.pro "));
    EXPECT_TRUE(holds(help.out, "  diff A.pro --keyboard "));
    EXPECT_TRUE(holds(help.out, "  counters --heatmap FILE.svg "));
}
