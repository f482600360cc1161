// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/VirtualKeyboardFile.h"
#include "device/WindowHandle.h"
#include "support/TempDir.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// A factory keyboard whose transfers take no time.
VirtualKeyboardState instantKeyboard(int variant = 4);
void writeState(const std::string& path, const VirtualKeyboardState& state);
VirtualKeyboardState readState(const std::string& path);
void changeState(const std::string& path, const std::function<void(VirtualKeyboardState&)>& change);
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

// One posted message.
struct PostedMessage {
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// Records what is posted to it, from any thread; onPost runs after each post is recorded.
class RecordingSink : public MessageSink {
public:
    void post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::vector<PostedMessage> messages() const;
    // The wParams of the messages with this id, in order.
    std::vector<std::uintptr_t> wParams(unsigned message) const;
    // Waits up to timeoutMs for at least count messages.
    bool waitFor(std::size_t count, int timeoutMs) const;
    std::function<void(const PostedMessage&)> onPost;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<PostedMessage> messages_;
};

// What a run of the qelec-vkbd binary printed and returned.
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built tool with the arguments; extraEnvironment entries are "NAME=value".
ToolRun runTool(const std::vector<std::string>& arguments,
                const std::vector<std::string>& extraEnvironment = {});

// Runs any program the same way, with $QELEC_VKBD_STATE cleared unless extraEnvironment sets it.
ToolRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::vector<std::string>& extraEnvironment = {});

// A tool process left running, its standard output readable line by line; killed at the end.
class RunningTool {
public:
    explicit RunningTool(const std::vector<std::string>& arguments);
    // Any program run the same way.
    RunningTool(const std::string& program, const std::vector<std::string>& arguments);
    ~RunningTool();
    RunningTool(const RunningTool&) = delete;
    RunningTool& operator=(const RunningTool&) = delete;
    // The next line of its output, or "" after timeoutMs or at its end.
    std::string readLine(int timeoutMs);
    // Sends SIGTERM and returns its exit code (-1 when it died of a signal).
    int stop();
    // Sends signal and goes on running.
    void signal(int signal);
    // Waits for it to end by itself and returns its exit code (-1 when it died of a signal).
    int wait();

private:
    int pid_ = -1;
    int outFd_ = -1;
    std::string buffered_;
};

// Runs body in a forked child and returns its exit code (body's result); -1 when it crashed.
int runInChild(const std::function<int()>& body);
