// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The name of one step of the edit history, in both languages of the interface, so that undoing it
// can be said in whichever language is current then.
struct StepName {
    std::string zh;
    std::string en;

    const std::string& in(const std::string& language) const { return language == "zh-CN" ? zh : en; }
    bool operator==(const StepName&) const = default;
};
