// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace pikora::testing {

// Appends the low `bytes` bytes of `value`, least significant first, as binary files hold them.
void putLittleEndian(std::string& out, std::uint64_t value, int bytes);
// A size for a 32-bit header field: values beyond it are held at its largest.
std::uint32_t clamp32(std::uint64_t value);

struct WaveFormat
{
    std::uint16_t tag = 1; // 1 PCM
    int rate = 8000;
    int channels = 1;
    int bits = 8;
};

// The bytes of a RIFF wave around `samples`. `claimedData`, when set, replaces the size in
// the data chunk's header (and the RIFF size), so a header can claim more than the file holds.
std::string wave(const std::string& samples, WaveFormat format = {}, std::uint64_t claimedData = 0);

// Writes a 16-bit PCM wave file of `frames` frames: a quiet tone, so a capture can tell it
// from silence. False when the file cannot be written.
bool writeWave(const std::string& path, int frames, int rate = 44100, int channels = 2);

} // namespace pikora::testing
