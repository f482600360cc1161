// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceTestSupport.h"
#include "model/FactoryKeyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <sys/stat.h>

namespace {

class QelecCtl : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState keyboard = factoryKeyboard(4);
        keyboard.transferMs = 0;
        writeState(state, keyboard);
    }

    ToolRun ctl(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"--state", state});
        return runProgram(QELEC_CTL_PATH, arguments);
    }

    TempDir dir;
    std::string state = dir.file("keyboard.txt");
};

} // namespace

TEST_F(QelecCtl, DefaultsWriteTheFactoryProfileOfAVariant) {
    const std::string attached = dir.file("attached.pro");
    const ToolRun run = ctl({"defaults", attached});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("QelEC(RGB) (variant 4)"), std::string::npos);
    EXPECT_NE(readFile(attached).find("\r\n<QelEC(RGB)>\r\n"), std::string::npos);

    const std::string other = dir.file("s.pro");
    EXPECT_EQ(ctl({"defaults", other, "--variant", "3"}).exitCode, 0);
    EXPECT_NE(readFile(other).find("\r\n<QelEC(S)>\r\n"), std::string::npos);

    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.plugged = false; });
    const ToolRun unplugged = ctl({"defaults", dir.file("none.pro")});
    EXPECT_EQ(unplugged.exitCode, 1);
    EXPECT_NE(unplugged.err.find("--variant"), std::string::npos) << unplugged.err;
}

TEST_F(QelecCtl, WriteThenReadCarriesAProfileThroughTheKeyboard) {
    const std::string profile = dir.file("mine.pro");
    ASSERT_EQ(ctl({"defaults", profile}).exitCode, 0);
    std::string text = readFile(profile);
    const std::string escKey = "<KEY ID=\"1\" Level=\"0\" Mode=\"1\" HWCode=\"1\">";
    ASSERT_NE(text.find(escKey), std::string::npos);
    text.replace(text.find(escKey), escKey.size(), "<KEY ID=\"1\" Level=\"0\" Mode=\"1\" HWCode=\"43\">");
    const std::string firstArea = "<AREA ID=\"1\" Red=\"0\" Green=\"0\" Blue=\"0\"/>";
    text.replace(text.find(firstArea), firstArea.size(),
                 "<AREA ID=\"1\" Red=\"255\" Green=\"111\" Blue=\"0\"/>");
    writeFile(profile, text);

    const ToolRun write = ctl({"write", profile});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(readState(state).keys.at(0, 1), (std::vector<int>{0, 1, 43}));
    EXPECT_EQ(readState(state).lights[0], 255);

    const std::string readBack = dir.file("back.pro");
    const ToolRun read = ctl({"read", readBack});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const std::string back = readFile(readBack);
    EXPECT_NE(back.find("<KEY ID=\"1\" Level=\"0\" Mode=\"1\" HWCode=\"43\">"), std::string::npos);
    EXPECT_NE(back.find("<AREA ID=\"1\" Red=\"255\" Green=\"111\" Blue=\"0\"/>"), std::string::npos);
}

TEST_F(QelecCtl, CheckSaysWhatLoadsAndWhatWasSkipped) {
    const std::string good = dir.file("good.pro");
    ASSERT_EQ(ctl({"defaults", good}).exitCode, 0);
    const ToolRun fine = ctl({"check", good});
    EXPECT_EQ(fine.exitCode, 0);
    EXPECT_NE(fine.out.find("nothing skipped"), std::string::npos) << fine.out;

    const std::string odd = dir.file("odd.pro");
    writeFile(odd,
              "<QelEC(S)><BackgroundLightSettings><AREA ID=\"99\"/></BackgroundLightSettings></QelEC(S)>");
    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.plugged = false; });
    const ToolRun skipped = ctl({"check", odd});
    EXPECT_EQ(skipped.exitCode, 0) << "without a keyboard the root names the variant";
    EXPECT_NE(skipped.out.find("QelEC(S) (variant 3)"), std::string::npos) << skipped.out;
    EXPECT_NE(skipped.out.find("skipped: AREA with ID 99"), std::string::npos) << skipped.out;

    const ToolRun wrong = ctl({"check", odd, "--variant", "4"});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_NE(wrong.err.find("its root element is 'QelEC(S)'"), std::string::npos) << wrong.err;

    writeFile(odd, "<QelEC(S)><unclosed>");
    EXPECT_EQ(ctl({"check", odd}).exitCode, 1);
    EXPECT_EQ(ctl({"check", dir.file("missing.pro")}).exitCode, 1);
}

TEST_F(QelecCtl, CountersAndFailuresGiveClearExitCodes) {
    changeState(state, [](VirtualKeyboardState& keyboard) {
        keyboard.counts[33] = 12;
        keyboard.counts[0] = 2;
    });
    const ToolRun counters = ctl({"counters"});
    ASSERT_EQ(counters.exitCode, 0) << counters.err;
    EXPECT_NE(counters.out.find("highest: key 34 (W), 12 presses"), std::string::npos) << counters.out;
    EXPECT_NE(counters.out.find("lowest: key 1 (Esc), 2 presses"), std::string::npos) << counters.out;

    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.setFailure(Failure::Counters, true); });
    EXPECT_EQ(ctl({"counters"}).exitCode, 1);
    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.setFailure(Failure::Version, true); });
    const ToolRun occupied = ctl({"read", dir.file("x.pro")});
    EXPECT_EQ(occupied.exitCode, 1);
    EXPECT_NE(occupied.err.find("occupied"), std::string::npos) << occupied.err;

    EXPECT_EQ(ctl({}).exitCode, 2);
    EXPECT_EQ(ctl({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(ctl({"read"}).exitCode, 2);
    EXPECT_EQ(ctl({"counters", "--variant", "9"}).exitCode, 2);
    const ToolRun help = runProgram(QELEC_CTL_PATH, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("usage: qelec-ctl"), std::string::npos);
}

TEST_F(QelecCtl, SaveFailuresSayWhy) {
    const ToolRun nowhere = ctl({"defaults", dir.file("no-such-folder/x.pro"), "--variant", "4"});
    EXPECT_EQ(nowhere.exitCode, 1);
    EXPECT_NE(nowhere.err.find("No such file or directory"), std::string::npos) << nowhere.err;

    const std::string longName = dir.file(std::string(250, 'n') + ".pro");
    const ToolRun longRun = ctl({"defaults", longName});
    EXPECT_EQ(longRun.exitCode, 0) << longRun.err;

    const ToolRun read = ctl({"read", dir.file(std::string(256, 'n'))});
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_NE(read.err.find("File name too long"), std::string::npos) << read.err;
}

TEST_F(QelecCtl, CheckSaysWhyAFileCannotBeRead) {
    const std::string fifo = dir.file("fifo.pro");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ToolRun run = ctl({"check", fifo, "--variant", "4"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
}

TEST_F(QelecCtl, WriteBoundsColoursAndChangesTheKeyboardWholeOrNotAtAll) {
    const std::string profile = dir.file("bright.pro");
    ASSERT_EQ(ctl({"defaults", profile}).exitCode, 0);
    std::string text = readFile(profile);
    const std::string escKey = "<KEY ID=\"1\" Level=\"0\" Mode=\"1\" HWCode=\"1\">";
    text.replace(text.find(escKey), escKey.size(), "<KEY ID=\"1\" Level=\"0\" Mode=\"1\" HWCode=\"43\">");
    const std::string firstArea = "<AREA ID=\"1\" Red=\"0\" Green=\"0\" Blue=\"0\"/>";
    text.replace(text.find(firstArea), firstArea.size(),
                 "<AREA ID=\"1\" Red=\"300\" Green=\"7\" Blue=\"0\"/>");
    writeFile(profile, text);

    const ToolRun check = ctl({"check", profile});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_NE(check.out.find("skipped: AREA with ID 1: Red 300"), std::string::npos) << check.out;

    const ToolRun write = ctl({"write", profile});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_NE(write.out.find("skipped: AREA with ID 1: Red 300"), std::string::npos) << write.out;
    EXPECT_EQ(readState(state).keys.at(0, 1), (std::vector<int>{0, 1, 43}));
    EXPECT_EQ(readState(state).lights[0], 255);
    EXPECT_EQ(readState(state).lights[1], 7);
}

// The keys and the lights go to the keyboard in two writes; when one fails, the message says which
// the keyboard took.
TEST_F(QelecCtl, AFailedWriteSaysWhatWasAndWasNotWritten) {
    const std::string profile = dir.file("factory.pro");
    ASSERT_EQ(ctl({"defaults", profile}).exitCode, 0);
    const std::vector<int> notFactory = {0, 1, 43};
    const std::pair<Failure, const char*> cases[] = {
        {Failure::WriteKeys, "the keys were not written: writing them to the keyboard failed; the lights "
                             "were not written either"},
        {Failure::WriteLights,
         "the keys were written; the lights were not: writing them to the keyboard failed"},
    };
    for (const auto& [failure, message] : cases) {
        SetUp();
        changeState(state, [&](VirtualKeyboardState& keyboard) {
            keyboard.keys.set(0, 1, notFactory);
            keyboard.lights[0] = 7;
            keyboard.setFailure(failure, true);
        });
        const ToolRun run = ctl({"write", profile});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, std::string("qelec-ctl: ") + message + "\n");
        EXPECT_EQ(readState(state).keys.at(0, 1) != notFactory, failure == Failure::WriteLights) << message;
        EXPECT_EQ(readState(state).lights[0], 7) << message;
    }
}

TEST_F(QelecCtl, ABrokenStateOrLockIsReportedAsSuchNotAsAnAbsentKeyboard) {
    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.plugged = false; });
    const ToolRun absent = ctl({"read", dir.file("x.pro")});
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_NE(absent.err.find("Keyboard is not connected!"), std::string::npos) << absent.err;

    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.plugged = true; });
    writeFile(state, readFile(state) + "bogus\n");
    const ToolRun corrupt = ctl({"read", dir.file("x.pro")});
    EXPECT_EQ(corrupt.exitCode, 1);
    EXPECT_NE(corrupt.err.find("corrupt virtual keyboard state"), std::string::npos) << corrupt.err;
    EXPECT_NE(corrupt.err.find("text after the 'end' line"), std::string::npos) << corrupt.err;
    EXPECT_EQ(corrupt.err.find("not connected"), std::string::npos) << corrupt.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.pro")));

    VirtualKeyboardState keyboard = factoryKeyboard(4);
    keyboard.transferMs = 0;
    writeState(state, keyboard);
    std::filesystem::create_directory(state + ".owner"); // the owner lock cannot be made
    const ToolRun locked = ctl({"counters"});
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_NE(locked.err.find("cannot open the lock file " + state + ".owner"), std::string::npos)
        << locked.err;
    EXPECT_EQ(locked.err.find("not connected"), std::string::npos) << locked.err;
}

// Every command that takes keys reads them one way: the same words name the same key, and an empty
// selection says so.
TEST_F(QelecCtl, EveryCommandReadsKeysTheSameWay) {
    const std::pair<std::vector<std::string>, const char*> commands[] = {
        {{"lights", "KEYS"}, "# "}, // every line begins with the key's number
        {{"triggers", "set", "KEYS", "--press", "1.0"}, "set key #:"},
        {{"track", "KEYS", "--seconds", "1"}, "key # ("},
    };
    for (auto [words, shown] : commands) {
        std::string& keys = *std::find(words.begin(), words.end(), "KEYS");
        for (const auto& [text, key] : {std::pair{"-", "28"}, {"0034", "34"}, {"w", "34"}}) {
            keys = text;
            const ToolRun run = ctl(words);
            std::string expected = shown;
            expected.replace(expected.find('#'), 1, key);
            EXPECT_EQ(run.out.rfind(expected, 0), 0U)
                << words[0] << " " << text << ": " << run.out << run.err;
        }
        keys = "";
        const ToolRun empty = ctl(words);
        EXPECT_EQ(empty.exitCode, 2) << words[0];
        EXPECT_NE(empty.err.find("no keys given: give all, key numbers 1 to 85"), std::string::npos)
            << empty.err;
    }
}

// Every command that uses the keyboard opens it the same way, so each names a state file or lock at
// fault instead of calling the keyboard absent.
TEST_F(QelecCtl, EveryCommandNamesABrokenStateOrLockAsTheCause) {
    const std::string profile = dir.file("mine.pro");
    ASSERT_EQ(ctl({"defaults", profile}).exitCode, 0);
    const std::pair<std::function<void()>, std::string> faults[] = {
        {[&] { writeFile(state, readFile(state) + "bogus\n"); }, "corrupt virtual keyboard state " + state},
        {[&] {
             std::filesystem::remove(state + ".owner");
             std::filesystem::create_directory(state + ".owner");
         },
         "cannot open the lock file " + state + ".owner"},
    };
    for (const auto& [breakIt, cause] : faults) {
        SetUp();
        breakIt();
        for (const std::vector<std::string>& command :
             std::vector<std::vector<std::string>>{{"lights"},
                                                   {"triggers"},
                                                   {"track", "34", "--seconds", "1"},
                                                   {"firmware", dir.file("QelEC(RGB)_V3.00.bin")},
                                                   {"counters", "--heatmap", dir.file("h.svg")},
                                                   {"diff", profile, "--keyboard"}}) {
            const ToolRun run = ctl(command);
            EXPECT_NE(run.exitCode, 0) << command[0];
            EXPECT_NE(run.err.find(cause), std::string::npos) << command[0] << ": " << run.err;
            EXPECT_EQ(run.err.find("not connected"), std::string::npos) << command[0] << ": " << run.err;
        }
    }
}

// Output that cannot be written fails the command, said as the system's own tools say it.
TEST_F(QelecCtl, OutputThatCannotBeWrittenIsAWriteError) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const std::string rgb = dir.file("rgb.pro");
    const std::string s = dir.file("s.pro");
    ASSERT_EQ(ctl({"defaults", rgb}).exitCode, 0);
    ASSERT_EQ(ctl({"defaults", s, "--variant", "3"}).exitCode, 0);
    for (const std::vector<std::string>& command :
         std::vector<std::vector<std::string>>{{"--help"},
                                               {"lights"},
                                               {"triggers"},
                                               {"diff", rgb, s},
                                               {"track", "34", "--csv", "--seconds", "2"}}) {
        std::vector<std::string> words = {"-c", "exec \"$0\" \"$@\" >/dev/full", QELEC_CTL_PATH, "--state",
                                          state};
        words.insert(words.end(), command.begin(), command.end());
        const ToolRun run = runProgram("/bin/sh", words);
        EXPECT_EQ(run.exitCode, 2) << command[0];
        EXPECT_EQ(run.err, "qelec-ctl: write error: No space left on device\n") << command[0];
    }
}

// Where no keyboard was ever made, every command that uses one says how to make it at the state path
// it looked at, and the command it gives, run as given, makes the keyboard the next run finds.
TEST_F(QelecCtl, WithoutAKeyboardEveryCommandSaysHowToMakeOne) {
    const std::string profile = dir.file("mine.pro");
    ASSERT_EQ(ctl({"defaults", profile}).exitCode, 0);
    const std::string unusual = dir.file("it's my keyboard.txt");
    const std::string made =
        "qelec-vkbd --state '" + dir.file("it'\\''s my keyboard.txt") + "' create --variant 4";
    for (const std::vector<std::string>& command :
         std::vector<std::vector<std::string>>{{"read", dir.file("x.pro")},
                                               {"write", profile},
                                               {"defaults", dir.file("x.pro")},
                                               {"counters"},
                                               {"counters", "--heatmap", dir.file("h.svg")},
                                               {"diff", profile, "--keyboard"},
                                               {"lights"},
                                               {"triggers"},
                                               {"triggers", "set", "34", "--press", "1.0"},
                                               {"track", "34", "--seconds", "1"},
                                               {"firmware", dir.file("QelEC(RGB)_V3.00.bin")}}) {
        std::vector<std::string> words = {"--state", unusual};
        words.insert(words.end(), command.begin(), command.end());
        const ToolRun run = runProgram(QELEC_CTL_PATH, words);
        EXPECT_NE(run.exitCode, 0) << command[0];
        EXPECT_NE(run.err.find("Keyboard is not connected! No virtual keyboard exists yet at " + unusual +
                               ": create one with " + made),
                  std::string::npos)
            << command[0] << ": " << run.err;
    }

    const ToolRun fromEnvironment = runProgram(QELEC_CTL_PATH, {"counters"}, {"QELEC_VKBD_STATE=" + unusual});
    EXPECT_NE(fromEnvironment.err.find("create one with qelec-vkbd create --variant 4"), std::string::npos)
        << "qelec-vkbd finds the same state path without --state: " << fromEnvironment.err;

    const ToolRun make =
        runProgram("/bin/sh", {"-c", made}, {std::string("PATH=") + QELEC_VKBD_DIR + ":/usr/bin:/bin"});
    ASSERT_EQ(make.exitCode, 0) << made << ": " << make.err;
    EXPECT_EQ(runProgram(QELEC_CTL_PATH, {"--state", unusual, "counters"}).exitCode, 0);
}

// A keyboard that exists but is unplugged is not connected, and making another is no remedy.
TEST_F(QelecCtl, AnUnpluggedKeyboardIsNotConnectedWithoutMore) {
    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.plugged = false; });
    for (const std::vector<std::string>& command :
         std::vector<std::vector<std::string>>{{"counters"}, {"lights"}}) {
        const ToolRun run = ctl(command);
        EXPECT_EQ(run.exitCode, 1) << command[0];
        EXPECT_EQ(run.err, "qelec-ctl: Keyboard is not connected!\n") << command[0];
    }
}

// The name in each line "NN Name  ..." of a report, by key number; the header line has none.
std::map<int, std::string> keyNamesIn(const std::string& report) {
    static const std::regex line(R"(^ *(\d+) +((?:\S| (?=\S))+)  )");
    std::map<int, std::string> names;
    std::istringstream lines(report);
    for (std::string text; std::getline(lines, text);) {
        std::smatch match;
        if (std::regex_search(text, match, line))
            names[std::stoi(match[1])] = match[2];
    }
    return names;
}

// Every report names each key as the keyboard view does, so a name one command prints is a name
// every command takes.
TEST_F(QelecCtl, EveryCommandNamesKeysTheSameWay) {
    const ToolRun counters = ctl({"counters"});
    ASSERT_EQ(counters.exitCode, 0) << counters.err;
    const std::map<int, std::string> names = keyNamesIn(counters.out);
    ASSERT_EQ(names.size(), 85U) << counters.out;
    for (const auto& [key, name] : std::map<int, std::string>{{1, "Esc"},
                                                              {14, "PrtSc"},
                                                              {15, "Pause"},
                                                              {47, "Caps Lock"},
                                                              {76, "Win"},
                                                              {78, "Space"},
                                                              {79, "Space"},
                                                              {81, "RFn"}})
        EXPECT_EQ(names.at(key), name) << key;
    for (const std::vector<std::string>& command :
         std::vector<std::vector<std::string>>{{"lights"}, {"triggers"}})
        EXPECT_EQ(keyNamesIn(ctl(command).out), names) << command[0];
    for (const auto& [key, name] : names) {
        if (name == "Space" || name == "Shift" || name == "Alt" || name == "Ctrl" || (key >= 18 && key <= 27))
            continue;
        const ToolRun named = ctl({"lights", name});
        EXPECT_EQ(named.out.rfind((key < 10 ? " " : "") + std::to_string(key) + " " + name, 0), 0U)
            << name << ": " << named.out << named.err;
    }
}
