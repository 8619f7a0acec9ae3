// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemServices.h"

#include <chrono>

namespace pikora {

namespace {

    // Read during static initialisation, so the count starts near 0 at process start.
    const auto processStart = std::chrono::steady_clock::now();

} // namespace

std::int64_t processElapsedMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - processStart)
        .count();
}

std::tm localTimeOf(std::time_t time)
{
    std::tm fields {};
    localtime_r(&time, &fields);
    return fields;
}

} // namespace pikora
