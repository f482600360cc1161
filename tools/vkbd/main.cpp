// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vkbd/VkbdCommands.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        return runVkbd(arguments, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "qelec-vkbd: " << e.what() << "\n";
        return VkbdExit::kFailed;
    }
}
