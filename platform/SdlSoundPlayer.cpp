// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlSoundPlayer.h"

#include "SdlLibrary.h"
#include "VoiceStream.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

namespace pikora {

namespace {

constexpr SDL_AudioFormat deviceFormat = AUDIO_S16SYS;
constexpr int bytesPerFrame = SdlSoundPlayer::channels * 2;
// A short device buffer keeps the time from a play call to the speaker low.
constexpr Uint16 deviceFrames = 512;

} // namespace

std::vector<std::uint8_t> defaultChime()
{
    // Two bright partials with a quick decay, about a fifth of a second.
    constexpr int frames = SdlSoundPlayer::sampleRate / 5;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(frames) * bytesPerFrame);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / SdlSoundPlayer::sampleRate;
        const double envelope = std::exp(-t * 18.0) * std::min(1.0, t * 400.0);
        const double wave
            = 0.6 * std::sin(2 * M_PI * 880.0 * t) + 0.4 * std::sin(2 * M_PI * 1320.0 * t);
        const auto sample = static_cast<Sint16>(wave * envelope * 12000.0);
        for (int c = 0; c < SdlSoundPlayer::channels; ++c) {
            std::memcpy(&bytes[(static_cast<std::size_t>(i) * SdlSoundPlayer::channels + c) * 2],
                &sample, 2);
        }
    }
    return bytes;
}

SdlSoundPlayer::SdlSoundPlayer() = default;

SdlSoundPlayer::~SdlSoundPlayer()
{
    finishPreparing();
    stopFeeding();
    if (m_sdl != nullptr) {
        if (m_device != 0) {
            m_sdl->CloseAudioDevice(m_device);
        }
        m_sdl->Quit(); // also frees the hints set on the way
    }
}

void SdlSoundPlayer::stopFeeding()
{
    if (m_feeder == nullptr) {
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        ++m_latest;
    }
    m_changed.notify_all();
    m_sdl->WaitThread(m_feeder, nullptr);
    m_feeder = nullptr;
}

void SdlSoundPlayer::prepare()
{
    if (!m_preparing.joinable() && m_device == 0 && !m_failed) {
        // Only the loading: SDL keeps per-thread state that a thread of its own would leave
        // behind, so SDL is called from the game's thread and from threads SDL made.
        m_preparing = std::thread([] { sdlLibrary(); });
    }
}

void SdlSoundPlayer::finishPreparing()
{
    if (m_preparing.joinable()) {
        m_preparing.join();
    }
}

bool SdlSoundPlayer::ensureDevice()
{
    if (m_device != 0 || m_failed) {
        return m_device != 0;
    }
    m_sdl = sdlLibrary();
    if (m_sdl == nullptr) {
        m_failed = true; // no SDL on this machine: the program stays silent
        return false;
    }
    SDL_AudioSpec wanted {};
    wanted.freq = sampleRate;
    wanted.format = deviceFormat;
    wanted.channels = channels;
    wanted.samples = deviceFrames;
    // SDL would otherwise turn SIGINT and SIGTERM into quit events nobody reads, and the
    // program could no longer be stopped by its session. Both hints override the variables
    // of the user's environment, which SDL otherwise prefers.
    m_sdl->SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
    if (m_sdl->InitSubSystem(SDL_INIT_AUDIO) == 0) {
        m_device = m_sdl->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        if (m_device == 0) {
            m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
        }
    }
    if (m_device == 0) {
        // No sound card or server, or a driver named in SDL_AUDIODRIVER that does not exist:
        // keep the timing of sounds with the silent driver.
        m_sdl->SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (m_sdl->InitSubSystem(SDL_INIT_AUDIO) == 0) {
            m_device = m_sdl->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        }
    }
    if (m_device != 0) {
        // SDL ends what it keeps for a thread when a thread it made ends.
        m_feeder = m_sdl->CreateThread(&SdlSoundPlayer::feedingThread, "pikora-sound", this);
    }
    if (m_feeder == nullptr) {
        m_failed = true;
        return false;
    }
    m_sdl->PauseAudioDevice(m_device, 0);
    return true;
}

std::string SdlSoundPlayer::driverName()
{
    finishPreparing();
    const char* name = m_device != 0 ? m_sdl->GetCurrentAudioDriver() : nullptr;
    return name != nullptr ? name : std::string();
}

void SdlSoundPlayer::play(const std::string& localPath, SoundMode mode)
{
    finishPreparing();
    if (!ensureDevice()) {
        return;
    }
    std::uint64_t sound = 0;
    {
        const std::lock_guard lock(m_mutex);
        sound = ++m_latest;
        m_pending = localPath;
        m_hasPending = true;
    }
    m_changed.notify_all();
    if (mode == SoundMode::Sync) {
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_fed >= sound; });
        }
        waitUntilPlayed();
    }
}

int SdlSoundPlayer::feedingThread(void* player)
{
    static_cast<SdlSoundPlayer*>(player)->feedSounds();
    return 0;
}

void SdlSoundPlayer::feedSounds()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] { return m_hasPending || m_stopping; });
        if (m_stopping) {
            return;
        }
        const std::string path = std::move(m_pending);
        const std::uint64_t sound = m_latest;
        m_hasPending = false;
        lock.unlock();
        feed(path, sound);
        lock.lock();
        m_fed = std::max(m_fed, sound);
        m_changed.notify_all();
    }
}

void SdlSoundPlayer::feed(const std::string& localPath, std::uint64_t sound)
{
    VoiceStream stream(*m_sdl);
    std::string problem;
    if (!stream.open(localPath, problem)) {
        if (m_defaultSound.empty()) {
            m_defaultSound = defaultChime(); // made on first need: most runs never miss a file
        }
        queue(m_defaultSound, sound, true);
        return;
    }
    std::vector<std::uint8_t> piece;
    bool first = true;
    while (stream.next(piece) && queue(piece, sound, first)) {
        first = false;
    }
    if (first) {
        queue({}, sound, true); // a sound without samples still cuts off the one playing
    }
}

// Queues samples of `sound`; its first piece replaces what the device still holds, so the
// sound playing goes on until the new one can start. The later pieces wait until the device
// has no more than a second ahead. False when a newer sound replaced this one meanwhile,
// which stops the feeding of this one.
bool SdlSoundPlayer::queue(
    const std::vector<std::uint8_t>& samples, std::uint64_t sound, bool first)
{
    constexpr Uint32 ahead = sampleRate * bytesPerFrame;
    std::unique_lock lock(m_mutex);
    while (!first && m_latest == sound && m_sdl->GetQueuedAudioSize(m_device) > ahead) {
        m_changed.wait_for(lock, std::chrono::milliseconds(20));
    }
    if (m_latest != sound) {
        return false;
    }
    if (first) {
        m_sdl->ClearQueuedAudio(m_device);
    }
    if (!samples.empty()) {
        m_sdl->QueueAudio(m_device, samples.data(), static_cast<Uint32>(samples.size()));
    }
    return true;
}

void SdlSoundPlayer::waitUntilPlayed() const
{
    while (m_sdl->GetQueuedAudioSize(m_device) > 0) {
        m_sdl->Delay(2);
    }
    // The last buffer handed to the device still has to sound.
    m_sdl->Delay(static_cast<Uint32>(1000 * deviceFrames / sampleRate + 1));
}

} // namespace pikora
