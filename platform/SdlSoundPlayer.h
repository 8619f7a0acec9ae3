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

namespace pikora {

struct SdlLibrary;

// Plays wave files through one SDL audio device for the whole process. A new sound cuts off
// the one playing. The player's own thread loads SDL, opens the device, and reads, decodes
// and converts each sound, feeding it to the device a little ahead of what it plays; so
// neither a device that is slow to open nor a long sound holds the window's thread, and a
// sound asked for while the device opens plays once it is open. A synchronous play returns
// when the sound has played to its end or a newer one has cut it off.
// When no real device opens, playback falls back to SDL's dummy driver, so a synchronous
// sound still takes as long as it would. A device lost while the game runs (its sound server
// ended) is said once on standard error; SDL goes on taking its samples at their rate, and
// each new sound tries that driver again. A device that stops taking samples altogether is
// given up, and later sounds are timed without one.
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
    // Starts the player's thread, so that SDL loads and the device opens while the rest of
    // start-up goes on. The first play does it otherwise.
    void prepare();
    // The driver of the device ("pulseaudio", "disk", "dummy", ...), once it is open; empty
    // when SDL is missing or no device opens at all.
    std::string driverName();

    static constexpr int sampleRate = VoiceLimits::deviceRate;
    static constexpr int channels = VoiceLimits::deviceChannels;

private:
    enum class DeviceState { Opening, Ready };

    // The player's thread and what only it calls.
    void run();
    void feedSounds();
    bool openDevice(const char* driver);
    void closeDevice();
    void checkDevice();
    void feed(const std::string& localPath, std::uint64_t sound);
    bool queue(const std::vector<std::uint8_t>& samples, std::uint64_t sound, bool first);
    bool drain(std::uint32_t bytesLeft, std::uint64_t sound);
    void waitSilently(double seconds, std::uint64_t sound);
    bool isLatest(std::uint64_t sound);

    const SdlLibrary* m_sdl = nullptr;
    std::uint32_t m_device = 0;
    std::string m_lostDriver; // the driver of a device lost while playing, tried again
    bool m_givenUp = false; // the device stopped taking samples: it is left alone
    std::vector<std::uint8_t> m_defaultSound;

    std::thread m_thread; // started and joined by the owner's thread

    // Shared with the player's thread.
    std::mutex m_mutex;
    std::condition_variable m_changed;
    DeviceState m_state = DeviceState::Opening;
    std::string m_driver;
    std::uint64_t m_latest = 0; // number of the latest sound asked for
    std::string m_pending; // its file, until the player's thread takes it
    bool m_hasPending = false;
    std::uint64_t m_done = 0; // the latest sound played to its end, cut off or dropped
    bool m_stopping = false;
};

// Without a session bus (no DBUS_SESSION_BUS_ADDRESS and no bus socket in XDG_RUNTIME_DIR),
// a D-Bus client under X starts one by forking dbus-launch from whichever thread first asks,
// the toolkit's or SDL's, and that bus outlives the game. Marks the session bus absent so
// that nothing asks. Called before any thread starts, since it sets a variable.
void keepOffMissingSessionBus();

// The built-in chime: 16-bit stereo samples at the player's rate.
std::vector<std::uint8_t> defaultChime();

} // namespace pikora
