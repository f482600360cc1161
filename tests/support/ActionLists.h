// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ActionList.h"

#include <initializer_list>

// A library or key action list of sizeOfView rows holding items in order.
inline ActionList listOf(std::initializer_list<const char*> items, int sizeOfView) {
    ActionList list(sizeOfView);
    for (const char* item : items)
        list.setOrAppend(ActionList::kAppend, item);
    return list;
}
