// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace pikora::media {

inline constexpr int kSampleRate = 44100;

// 16-bit samples, interleaved when there is more than one channel.
struct Sound
{
    int channels = 1;
    std::vector<std::int16_t> samples;
};

// A short bright rising chime for a right answer.
Sound correctChime();
// A short, soft low buzz for a wrong answer.
Sound gentleBuzz();
// A few seconds of a small crowd clapping, for the end of a timed game.
Sound applause();

} // namespace pikora::media
