// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "HeapProbe.h"

#include <algorithm>
#include <cstdio>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer's allocator interface, whose header GCC does not install.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace pikora::testing {

std::size_t heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

void HeapTrend::sample(double at)
{
    m_points.push_back({ at, static_cast<double>(heapInUse()) });
}

double HeapTrend::growth() const
{
    if (m_points.size() < 2) {
        return 0;
    }
    const double n = static_cast<double>(m_points.size());
    double sumX = 0;
    double sumY = 0;
    for (const auto& p : m_points) {
        sumX += p.at;
        sumY += p.bytes;
    }
    const double meanX = sumX / n;
    const double meanY = sumY / n;
    double covariance = 0;
    double variance = 0;
    for (const auto& p : m_points) {
        covariance += (p.at - meanX) * (p.bytes - meanY);
        variance += (p.at - meanX) * (p.at - meanX);
    }
    const double slope = variance > 0 ? covariance / variance : 0;
    return slope * (m_points.back().at - m_points.front().at);
}

double HeapTrend::spread() const
{
    if (m_points.empty()) {
        return 0;
    }
    const auto [low, high] = std::minmax_element(m_points.begin(), m_points.end(),
        [](const Point& a, const Point& b) { return a.bytes < b.bytes; });
    return high->bytes - low->bytes;
}

std::string HeapTrend::describe() const
{
    char text[160];
    std::snprintf(text, sizeof text,
        "%zu readings, first %.0f B, last %.0f B, trend %+.0f B, spread %.0f B", m_points.size(),
        m_points.empty() ? 0.0 : m_points.front().bytes,
        m_points.empty() ? 0.0 : m_points.back().bytes, growth(), spread());
    return text;
}

} // namespace pikora::testing
