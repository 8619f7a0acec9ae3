// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformServices.h"

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace pikora {

struct SdlLibrary;

// Plays wave files through one SDL audio device for the whole process, opened on first
// use. A new sound cuts off the one playing. When no real device opens, playback falls back
// to SDL's dummy driver, so a synchronous sound still takes as long as it would.
class SdlSoundPlayer
{
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer();
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    // A missing, unreadable, too large or too long file plays the built-in default chime instead.
    void play(const std::string& localPath, SoundMode mode);
    // Loads SDL on a thread of its own, so that it overlaps the rest of start-up; the first
    // play waits for it.
    void prepare();
    // The driver in use ("pulseaudio", "disk", "dummy", ...); empty before the first play.
    std::string driverName();

    // Files longer than this are refused (the whole file is decoded into memory).
    static constexpr std::uint64_t maxFileBytes = 64u * 1024u * 1024u;
    // Sounds longer than this are refused too: they are decoded into memory at the device's rate.
    static constexpr double maxSeconds = 600.0;
    static constexpr int sampleRate = 44100;
    static constexpr int channels = 2;

private:
    bool ensureDevice();
    bool decode(const std::string& localPath, std::vector<std::uint8_t>& samples) const;
    void waitUntilPlayed() const;

    void finishPreparing();

    const SdlLibrary* m_sdl = nullptr;
    std::thread m_preparing;
    std::uint32_t m_device = 0;
    bool m_failed = false;
    std::vector<std::uint8_t> m_defaultSound;
};

// The built-in chime: 16-bit stereo samples at the player's rate.
std::vector<std::uint8_t> defaultChime();

} // namespace pikora
