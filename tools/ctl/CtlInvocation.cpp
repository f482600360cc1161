// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/CtlInvocation.h"

std::optional<std::string> CtlInvocation::option(std::string_view name) const {
    const std::string* value = arguments.value(name);
    return value == nullptr ? std::nullopt : std::optional<std::string>(*value);
}
