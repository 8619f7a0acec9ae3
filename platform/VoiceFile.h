// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace pikora {

// What the sound player takes. It reads a whole wave file into memory and converts its
// samples to the device's format, so a file beyond these limits plays the chime instead.
// pikora-pack makes its voices within them and its check reports a voice beyond them.
struct VoiceLimits
{
    static constexpr std::uint64_t maxFileBytes = 64u * 1024u * 1024u;
    static constexpr double maxSeconds = 600.0;
    // The most channels the converter mixes down to the device's two.
    static constexpr int maxChannels = 8;
    // The device plays 16-bit stereo at this rate.
    static constexpr int deviceRate = 44100;
    static constexpr int deviceChannels = 2;
};

// A voice file as the player would play it.
struct VoiceVerdict
{
    std::string problem; // why the player would play the chime instead; empty when it plays it
    int channels = 0;
    int sampleRate = 0;
    double seconds = 0; // the length played
    int peak = 0; // the loudest sample as played, 0 to 32767
};

// Reads, decodes and converts a voice with the player's own code and limits. The conversion
// stops early once a sample reaches `loudEnough`: the peak is then at least that.
VoiceVerdict judgeVoice(const std::string& localPath, int loudEnough = 32767);

} // namespace pikora
