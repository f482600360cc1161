// SPDX-License-Identifier: GPL-3.0-or-later
#include "CountingAllocator.h"

#include <cstdlib>
#include <new>

namespace {

thread_local std::size_t allocations = 0;
thread_local int counters = 0;

void* allocate(std::size_t size) {
    if (counters > 0)
        ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

AllocationCounter::AllocationCounter() : start_(allocations) {
    ++counters;
}

AllocationCounter::~AllocationCounter() {
    --counters;
}

std::size_t AllocationCounter::count() const {
    return allocations - start_;
}
