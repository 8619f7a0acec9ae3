// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformServices.h"
#include "VoiceFile.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SDL_Thread;

namespace pikora {

struct SdlLibrary;

// Plays wave files through one SDL audio device for the whole process, opened on first
// use. A new sound cuts off the one playing. When no real device opens, playback falls back
// to SDL's dummy driver, so a synchronous sound still takes as long as it would.
// A thread of the player reads, decodes and converts each sound and feeds it to the device
// a little ahead of what it plays, so a play call returns at once however long the sound;
// the sound playing is cut off when the new one's first samples are ready.
class SdlSoundPlayer
{
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer();
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    // A file the player cannot play (see VoiceLimits and judgeVoice) plays the built-in
    // default chime instead.
    void play(const std::string& localPath, SoundMode mode);
    // Loads SDL on a thread of its own, so that it overlaps the rest of start-up; the first
    // play waits for it.
    void prepare();
    // The driver in use ("pulseaudio", "disk", "dummy", ...); empty before the first play.
    std::string driverName();

    static constexpr int sampleRate = VoiceLimits::deviceRate;
    static constexpr int channels = VoiceLimits::deviceChannels;

private:
    bool ensureDevice();
    void waitUntilPlayed() const;
    void finishPreparing();
    void stopFeeding();

    // The feeding thread.
    static int feedingThread(void* player);
    void feedSounds();
    void feed(const std::string& localPath, std::uint64_t sound);
    bool queue(const std::vector<std::uint8_t>& samples, std::uint64_t sound, bool first);

    const SdlLibrary* m_sdl = nullptr;
    std::thread m_preparing;
    std::uint32_t m_device = 0;
    bool m_failed = false;
    SDL_Thread* m_feeder = nullptr;
    std::vector<std::uint8_t> m_defaultSound; // the feeding thread's

    // Shared with the feeding thread; the device's queue is changed under the lock too.
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::uint64_t m_latest = 0; // number of the latest sound asked for
    std::string m_pending; // its file, until the feeding thread takes it
    bool m_hasPending = false;
    std::uint64_t m_fed = 0; // the latest sound whose samples are all queued (or dropped)
    bool m_stopping = false;
};

// The built-in chime: 16-bit stereo samples at the player's rate.
std::vector<std::uint8_t> defaultChime();

} // namespace pikora
