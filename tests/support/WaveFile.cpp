// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace pikora::testing {

void putLittleEndian(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::uint32_t clamp32(std::uint64_t value)
{
    return value > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<std::uint32_t>(value);
}

std::string wave(const std::string& samples, WaveFormat format, std::uint64_t claimedData)
{
    const std::uint64_t data = claimedData != 0 ? claimedData : samples.size();
    const int blockAlign = format.channels * std::max(1, format.bits / 8);
    std::string out = "RIFF";
    putLittleEndian(out, clamp32(36 + data), 4);
    out += "WAVEfmt ";
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, format.tag, 2);
    putLittleEndian(out, static_cast<std::uint32_t>(format.channels), 2);
    putLittleEndian(out, static_cast<std::uint32_t>(format.rate), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(format.rate * blockAlign), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(blockAlign), 2);
    putLittleEndian(out, static_cast<std::uint32_t>(format.bits), 2);
    out += "data";
    putLittleEndian(out, clamp32(data), 4);
    return out + samples;
}

bool writeWave(const std::string& path, int frames, int rate, int channels)
{
    std::string samples;
    samples.reserve(static_cast<std::size_t>(frames * channels * 2));
    for (int i = 0; i < frames; ++i) {
        const auto sample = static_cast<std::int16_t>(
            3000.0 * std::sin(2 * M_PI * 440.0 * i / static_cast<double>(rate)));
        for (int c = 0; c < channels; ++c) {
            putLittleEndian(samples, static_cast<std::uint16_t>(sample), 2);
        }
    }
    const std::string bytes = wave(samples, { 1, rate, channels, 16 });
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace pikora::testing
