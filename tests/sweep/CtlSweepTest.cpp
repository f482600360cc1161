// SPDX-License-Identifier: GPL-3.0-or-later
// Every qelec-ctl command that talks to the keyboard, run once for every call it makes with that call
// going wrong: it fails with a reason (or, where it goes around the failed call by design, says so),
// writes no file from a failed read, and a write run again leaves the keyboard holding exactly what
// was written.
#include "CallSweep.h"
#include "DeviceTestSupport.h"
#include "SweptConfiguration.h"

#include "device/FirmwareImage.h"
#include "model/profile/ProfileFile.h"
#include "tools/ctl/CtlCommandLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <map>
#include <unistd.h>

namespace {

struct CtlRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs qelec-ctl's entry function here, its standard output and error caught in files of folder.
CtlRun runCtlHere(const std::vector<std::string>& arguments, const std::string& folder) {
    const std::string outPath = folder + "/ctl.out";
    const std::string errPath = folder + "/ctl.err";
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = ::dup(1);
    const int savedErr = ::dup(2);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ::dup2(out, 1);
    ::dup2(err, 2);
    CtlRun run;
    run.exitCode = runCtl(arguments);
    std::fflush(stdout);
    std::fflush(stderr);
    for (const auto& [saved, target] : {std::pair{savedOut, 1}, std::pair{savedErr, 2}}) {
        ::dup2(saved, target);
        ::close(saved);
    }
    ::close(out);
    ::close(err);
    run.out = readFile(outPath);
    run.err = readFile(errPath);
    return run;
}

struct SweptCommand {
    const char* name;
    // Its words; "{}" stands for the folder of its files.
    std::vector<std::string> words;
    bool writes;
    // The calls it makes to the keyboard.
    int calls;
    // The file it writes after reading the keyboard, which a failed read must leave as it was.
    const char* output;
    // The calls it goes around by design when they fail, with what it says then.
    std::map<int, const char*> goneAround;
};

const char* const kFirmwareFile = "QelEC(RGB)_V3.00.bin";
// What the file a command writes held before it ran.
const char* const kEarlierOutput = "written earlier\n";

const SweptCommand kCommands[] = {
    {"defaults", {"defaults", "{}/defaults.pro"}, false, 1, "defaults.pro", {}},
    {"read", {"read", "{}/read.pro"}, false, 1 + 768, "read.pro", {}},
    {"write", {"write", "{}/swept.pro"}, true, 1 + kSweptKeys + 2 + 1, nullptr, {}},
    {"counters", {"counters"}, false, 2, nullptr, {}},
    {"heatmap", {"counters", "--heatmap", "{}/heat.svg"}, false, 2, "heat.svg", {}},
    {"diffKeyboard", {"diff", "{}/swept.pro", "--keyboard"}, false, 1 + 768, nullptr, {}},
    {"lights", {"lights"}, false, 3, nullptr, {}},
    {"lightsSet", {"lights", "1-16,W", "#ff8000"}, true, 4, nullptr, {}},
    {"triggers", {"triggers"}, false, 3, nullptr, {}},
    {"triggersSet", {"triggers", "set", "1-16", "--press", "1.0"}, true, 4, nullptr, {}},
    // The window's own way: a version that cannot be read is not compared, and after the download
    // it is only shown.
    {"firmware",
     {"firmware", std::string("{}/") + kFirmwareFile},
     true,
     4,
     nullptr,
     {{2, "the file's version is not compared"}, {4, "keyboard firmware now: (not read)"}}},
};

struct CommandMode {
    const SweptCommand* command;
    bool cut;
};

void PrintTo(const CommandMode& mode, std::ostream* out) {
    *out << mode.command->name << (mode.cut ? ", cut" : ", failed");
}

std::vector<CommandMode> everyCommandAndWay() {
    std::vector<CommandMode> modes;
    for (const SweptCommand& command : kCommands) {
        modes.push_back({&command, false});
        if (command.writes)
            modes.push_back({&command, true});
    }
    return modes;
}

bool says(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CtlSweep : public ::testing::TestWithParam<CommandMode> {
protected:
    void SetUp() override {
        writeState(path, instantKeyboard());
        auto store = connectedStore(path);
        giveSweptConfiguration(*store);
        ASSERT_TRUE(saveProfile(*store, dir.file("swept.pro")));
        const auto image = FirmwareImage::build(4, 3, 0, FirmwareImage::samplePayload(256, 3));
        std::ofstream(dir.file(kFirmwareFile), std::ios::binary)
            .write(image->data(), static_cast<std::streamsize>(image->size()));
    }

    const SweptCommand& command() const { return *GetParam().command; }

    CtlRun run() const {
        if (command().output != nullptr)
            writeFile(dir.file(command().output), kEarlierOutput);
        std::vector<std::string> words = {"--state", path};
        for (std::string word : command().words) {
            if (const std::size_t at = word.find("{}"); at != std::string::npos)
                word.replace(at, 2, dir.path());
            words.push_back(word);
        }
        return runCtlHere(words, dir.path());
    }

    // A run in which a call went wrong: it fails with a reason, or says what it went around.
    void expectFailureSaid(const CtlRun& failed, int call, const CtlRun& clean) const {
        const auto around = command().goneAround.find(call);
        if (around != command().goneAround.end() && failed.exitCode == 0) {
            EXPECT_TRUE(says(failed.out, around->second))
                << "went around a failed call silently: " << failed.out;
            return;
        }
        EXPECT_NE(failed.exitCode, 0) << "reported as success: " << failed.out;
        EXPECT_NE(failed.exitCode, clean.exitCode);
        EXPECT_TRUE(says(failed.err, "qelec-ctl: ")) << "no reason given";
        if (command().output != nullptr) {
            EXPECT_EQ(readFile(dir.file(command().output)), kEarlierOutput) << "a failed read wrote its file";
        }
    }

    TempDir dir{sweepFolderBase()};
    std::string path = dir.file("keyboard.txt");
};

} // namespace

TEST_P(CtlSweep, EveryCallThatGoesWrongIsSaidAndAWriteRunAgainWritesItAll) {
    const bool cut = GetParam().cut;
    const VirtualKeyboardState base =
        command().writes ? keyboardHoldingOtherKeys() : keyboardHoldingSweptConfiguration(path);
    writeState(path, base);
    const CtlRun clean = run();
    ASSERT_EQ(clean.exitCode, 0) << clean.err;
    const WrittenContent written = writtenContent(readState(path));
    const std::string baseText = serialiseVirtualKeyboardState(base);

    CtlRun last;
    const int calls = sweepEveryCall(
        path, base, cut, [&] { last = run(); },
        [&](const SweepCase& swept) {
            SCOPED_TRACE("call " + std::to_string(swept.call) +
                         (swept.fired ? " went wrong" : " was not made"));
            if (!swept.fired) {
                EXPECT_EQ(last.exitCode, clean.exitCode) << last.err;
                EXPECT_EQ(last.out, clean.out);
                return;
            }
            expectFailureSaid(last, swept.call, clean);
            if (!command().writes) {
                EXPECT_EQ(readFile(path), baseText) << "a read changed the keyboard";
                return;
            }
            plugIn(path);
            const CtlRun again = run();
            EXPECT_EQ(again.exitCode, 0) << again.err;
            EXPECT_EQ(writtenContent(readState(path)), written) << "the keyboard holds what was written";
        });
    if (!HasFailure()) {
        EXPECT_EQ(calls, command().calls);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, CtlSweep, ::testing::ValuesIn(everyCommandAndWay()),
                         [](const auto& mode) {
                             return std::string(mode.param.command->name) +
                                    (mode.param.cut ? "Cut" : "Failed");
                         });

// track samples the key's travel ten times a second: its runs for every call go at the same time, each
// on a keyboard of its own.
TEST(CtlTrackSweep, EveryCallThatGoesWrongEndsTrackingWithAReason) {
    constexpr int kRuns = 20;
    TempDir dir(sweepFolderBase());
    std::vector<std::future<ToolRun>> runs;
    for (int call = 1; call <= kRuns; ++call) {
        const std::string path = dir.file("keyboard" + std::to_string(call) + ".txt");
        writeState(path, withCountdown(instantKeyboard(), call, false));
        runs.push_back(std::async(std::launch::async, [path] {
            return runProgram(QELEC_CTL_PATH, {"--state", path, "track", "34", "--csv", "--seconds", "1"});
        }));
    }
    int calls = 0;
    for (int call = 1; call <= kRuns; ++call) {
        SCOPED_TRACE("call " + std::to_string(call));
        const ToolRun run = runs[static_cast<std::size_t>(call - 1)].get();
        const bool fired = !readState(dir.file("keyboard" + std::to_string(call) + ".txt")).countdown;
        if (!fired) {
            EXPECT_EQ(run.exitCode, 0) << run.err;
            continue;
        }
        calls = call;
        EXPECT_EQ(run.exitCode, 1) << "reported as success: " << run.out;
        EXPECT_TRUE(says(run.err, "qelec-ctl: ")) << "no reason given";
    }
    EXPECT_GE(calls, 4) << "opening, the press and release points and at least one sample";
    EXPECT_LT(calls, kRuns) << "a run without any call going wrong";
}
