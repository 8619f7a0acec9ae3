// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformServices.h"
#include "VoiceFile.h"

#include <cstdint>
#include <memory>
#include <string>
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
    // Start-up: the thread (started by prepare or a play) waits with SDL and the device
    // until release(), or two seconds at most, so that the first window is drawn without
    // them; a synchronous sound releases it too.
    void holdBack();
    void release();
    // The driver of the device ("pulseaudio", "disk", "dummy", ...), once it is open; empty
    // when SDL is missing or no device opens at all.
    std::string driverName();

    // Recording from the default microphone, as 16-bit mono samples at `recordingRate`, at
    // most `recordingLimitSeconds`; the game's sounds are cut off and wait meanwhile. False
    // with SDL's reason when no microphone opens.
    bool startRecording(std::string& problem);
    // Ends the recording and hands over what was recorded.
    std::vector<std::int16_t> stopRecording();
    // The loudest sample of the last moment recorded, 0 to 1, and the length so far.
    float recordingLevel();
    double recordedSeconds();

    static constexpr int recordingRate = 44100;
    static constexpr int recordingLimitSeconds = 10;
    static constexpr int sampleRate = VoiceLimits::deviceRate;
    static constexpr int channels = VoiceLimits::deviceChannels;

private:
    class SoundThread;
    // Shared with the player's thread, which outlives the player when SDL never comes back
    // from opening the device (a sound server that hangs): the program can still end.
    std::shared_ptr<SoundThread> m_sound;
};

// Without a session bus (no DBUS_SESSION_BUS_ADDRESS and no bus socket in XDG_RUNTIME_DIR),
// a D-Bus client under X starts one by forking dbus-launch from whichever thread first asks,
// the toolkit's or SDL's, and that bus outlives the game. Marks the session bus absent so
// that nothing asks. Called before any thread starts, since it sets a variable.
void keepOffMissingSessionBus();

// The built-in chime: 16-bit stereo samples at the player's rate.
std::vector<std::uint8_t> defaultChime();

} // namespace pikora
