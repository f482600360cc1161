// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Counts the allocations through operator new made by this thread while a counter is alive.
class AllocationCounter {
public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    std::size_t count() const;

private:
    std::size_t start_;
};
