// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

VirtualKeyboardState instantKeyboard(int variant) {
    VirtualKeyboardState state = factoryState(variant);
    state.transferMs = 0;
    return state;
}

void writeState(const std::string& path, const VirtualKeyboardState& state) {
    const UpdateResult result = VirtualKeyboardFile(path).create(state, true);
    ASSERT_TRUE(result.ok()) << result.message;
}

VirtualKeyboardState readState(const std::string& path) {
    const LoadResult load = VirtualKeyboardFile(path).load();
    if (!load.ok())
        throw std::runtime_error(load.message);
    return *load.state;
}

void changeState(const std::string& path, const std::function<void(VirtualKeyboardState&)>& change) {
    const UpdateResult result = VirtualKeyboardFile(path).update([&](VirtualKeyboardState& state) {
        change(state);
        return true;
    });
    ASSERT_TRUE(result.ok()) << result.message;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void RecordingSink::post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    const PostedMessage posted{message, wParam, lParam};
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        messages_.push_back(posted);
    }
    changed_.notify_all();
    if (onPost)
        onPost(posted);
}

std::vector<PostedMessage> RecordingSink::messages() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
}

std::vector<std::uintptr_t> RecordingSink::wParams(unsigned message) const {
    std::vector<std::uintptr_t> values;
    for (const PostedMessage& posted : messages()) {
        if (posted.message == message)
            values.push_back(posted.wParam);
    }
    return values;
}

bool RecordingSink::waitFor(std::size_t count, int timeoutMs) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return messages_.size() >= count; });
}

namespace {
std::vector<char*> argvFor(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    return argv;
}

int exitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int waitForChild(int pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return exitCodeOf(status);
}
} // namespace

ToolRun runTool(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment) {
    return runProgram(QELEC_VKBD_PATH, arguments, extraEnvironment);
}

ToolRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::vector<std::string>& extraEnvironment) {
    TempDir capture;
    const std::string outPath = capture.file("out");
    const std::string errPath = capture.file("err");
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environment(extraEnvironment);
    std::vector<std::string> replaced = {"QELEC_VKBD_STATE="};
    for (const std::string& entry : extraEnvironment)
        replaced.push_back(entry.substr(0, entry.find('=') + 1));
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        if (std::none_of(replaced.begin(), replaced.end(),
                         [&](const std::string& name) { return text.rfind(name, 0) == 0; }))
            environment.push_back(text);
    }
    std::vector<char*> argv = argvFor(words);
    std::vector<char*> envp = argvFor(environment);
    const int pid = ::fork();
    if (pid == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ToolRun run;
    run.exitCode = waitForChild(pid);
    run.out = readFile(outPath);
    run.err = readFile(errPath);
    return run;
}

RunningTool::RunningTool(const std::vector<std::string>& arguments)
    : RunningTool(QELEC_VKBD_PATH, arguments) {}

RunningTool::RunningTool(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv = argvFor(words);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(pipeFds[1], 1);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    outFd_ = pipeFds[0];
}

RunningTool::~RunningTool() {
    stop();
    if (outFd_ >= 0)
        ::close(outFd_);
}

std::string RunningTool::readLine(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (buffered_.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{outFd_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            return {};
        char chunk[256];
        const ssize_t n = ::read(outFd_, chunk, sizeof chunk);
        if (n <= 0)
            return {};
        buffered_.append(chunk, static_cast<std::size_t>(n));
    }
    const std::size_t newline = buffered_.find('\n');
    std::string line = buffered_.substr(0, newline);
    buffered_.erase(0, newline + 1);
    return line;
}

int RunningTool::stop() {
    if (pid_ <= 0)
        return -1;
    ::kill(pid_, SIGTERM);
    const int code = waitForChild(pid_);
    pid_ = -1;
    return code;
}

void RunningTool::signal(int signal) {
    if (pid_ > 0)
        ::kill(pid_, signal);
}

int RunningTool::wait() {
    if (pid_ <= 0)
        return -1;
    const int code = waitForChild(pid_);
    pid_ = -1;
    return code;
}

int runInChild(const std::function<int()>& body) {
    const int pid = ::fork();
    if (pid == 0) {
        int code = 100;
        try {
            code = body();
        } catch (...) {
        }
        ::_exit(code);
    }
    return waitForChild(pid);
}
