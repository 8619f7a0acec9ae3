// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pikora::testing {

// Bytes of heap in use by the process right now. Under AddressSanitizer this is the
// sanitizer's own count (freed blocks waiting in its quarantine are not in use); otherwise
// the C library's.
std::size_t heapInUse();

// Heap readings taken at intervals of a long run, to tell a level heap from one that
// creeps up. The trend is the least-squares line through the readings.
class HeapTrend
{
public:
    void sample(double at);
    std::size_t samples() const { return m_points.size(); }
    // Growth of the trend line from the first reading to the last, in bytes.
    double growth() const;
    // Highest reading less the lowest, in bytes.
    double spread() const;
    std::string describe() const;

private:
    struct Point
    {
        double at;
        double bytes;
    };
    std::vector<Point> m_points;
};

} // namespace pikora::testing
