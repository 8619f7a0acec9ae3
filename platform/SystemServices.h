// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ctime>

namespace pikora {

// The game's random numbers: a 15-bit linear congruential generator, state × 214013 +
// 2531011, bits 16 to 30 of the state. A seed gives the same game on every build, which
// replaying a game by its seed and the tests that pin seeded rounds rely on.
class Lcg15
{
public:
    void seed(std::uint32_t value) { m_state = value; }
    int next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t m_state = 1;
};

// Milliseconds of wall-clock time since the process started, from the steady clock.
std::int64_t processElapsedMs();

std::tm localTimeOf(std::time_t time);

} // namespace pikora
