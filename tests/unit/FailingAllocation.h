// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pikora::testing {

// While one of these lives, the unit tests' global operator new grants `allowed` more
// allocations and then throws std::bad_alloc, as a machine out of memory would.
class AllocationFailure
{
public:
    explicit AllocationFailure(long allowed);
    ~AllocationFailure();
    AllocationFailure(const AllocationFailure&) = delete;
    AllocationFailure& operator=(const AllocationFailure&) = delete;
};

} // namespace pikora::testing
