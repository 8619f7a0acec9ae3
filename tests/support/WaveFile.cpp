// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveFile.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace pikora::testing {

namespace {

void put(std::vector<char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

bool writeWave(const std::string& path, int frames, int rate, int channels)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(frames * channels * 2);
    std::vector<char> out;
    out.reserve(44 + dataBytes);
    out.insert(out.end(), { 'R', 'I', 'F', 'F' });
    put(out, 36 + dataBytes, 4);
    out.insert(out.end(), { 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ' });
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, static_cast<std::uint32_t>(channels), 2);
    put(out, static_cast<std::uint32_t>(rate), 4);
    put(out, static_cast<std::uint32_t>(rate * channels * 2), 4);
    put(out, static_cast<std::uint32_t>(channels * 2), 2);
    put(out, 16, 2);
    out.insert(out.end(), { 'd', 'a', 't', 'a' });
    put(out, dataBytes, 4);
    for (int i = 0; i < frames; ++i) {
        const auto sample = static_cast<std::int16_t>(
            3000.0 * std::sin(2 * M_PI * 440.0 * i / static_cast<double>(rate)));
        for (int c = 0; c < channels; ++c) {
            put(out, static_cast<std::uint16_t>(sample), 2);
        }
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

} // namespace pikora::testing
