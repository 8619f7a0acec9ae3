// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Replaces the scalar forms of the global operator new and delete of the unit tests (every
// form that can meet another, so a pointer is always freed by its own allocator).
#include "FailingAllocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocationsLeft { -1 }; // -1: no failure armed

void* allocate(std::size_t size) noexcept
{
    long left = allocationsLeft.load();
    while (left >= 0) {
        if (left == 0) {
            return nullptr;
        }
        if (allocationsLeft.compare_exchange_weak(left, left - 1)) {
            break;
        }
    }
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

namespace pikora::testing {

AllocationFailure::AllocationFailure(long allowed)
{
    allocationsLeft = allowed;
}

AllocationFailure::~AllocationFailure()
{
    allocationsLeft = -1;
}

} // namespace pikora::testing

void* operator new(std::size_t size)
{
    if (void* memory = allocate(size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
