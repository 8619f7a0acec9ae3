// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlSoundPlayer.h"

#include "SdlLibrary.h"

#include <cmath>
#include <cstring>
#include <sys/stat.h>

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
    if (m_sdl != nullptr) {
        if (m_device != 0) {
            m_sdl->CloseAudioDevice(m_device);
        }
        m_sdl->Quit(); // also frees the hints set on the way
    }
}

void SdlSoundPlayer::prepare()
{
    if (!m_preparing.joinable() && m_device == 0 && !m_failed) {
        // Only the loading: SDL keeps per-thread state that a thread of its own would leave
        // behind, so every SDL call stays on the game's thread.
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
    if (m_device == 0) {
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

bool SdlSoundPlayer::decode(const std::string& localPath, std::vector<std::uint8_t>& samples) const
{
    struct stat st;
    if (::stat(localPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)
        || static_cast<std::uint64_t>(st.st_size) > maxFileBytes) {
        return false;
    }
    SDL_AudioSpec spec {};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (m_sdl->LoadWAV_RW(m_sdl->RWFromFile(localPath.c_str(), "rb"), 1, &spec, &buffer, &length)
        == nullptr) {
        return false;
    }
    const double seconds = static_cast<double>(length)
        / (static_cast<double>(spec.freq) * spec.channels * (SDL_AUDIO_BITSIZE(spec.format) / 8));
    if (!(seconds <= maxSeconds)) {
        m_sdl->FreeWAV(buffer);
        return false; // decoded at the device's rate it would not fit in memory
    }
    SDL_AudioCVT cvt {};
    const int built = m_sdl->BuildAudioCVT(
        &cvt, spec.format, spec.channels, spec.freq, deviceFormat, channels, sampleRate);
    bool ok = built >= 0;
    if (ok && built == 0) {
        samples.assign(buffer, buffer + length);
    } else if (ok) {
        std::vector<std::uint8_t> work(
            static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
        std::memcpy(work.data(), buffer, length);
        cvt.buf = work.data();
        cvt.len = static_cast<int>(length);
        ok = m_sdl->ConvertAudio(&cvt) == 0;
        if (ok) {
            work.resize(static_cast<std::size_t>(cvt.len_cvt));
            samples = std::move(work);
        }
    }
    m_sdl->FreeWAV(buffer);
    samples.resize(samples.size() - samples.size() % bytesPerFrame);
    return ok;
}

void SdlSoundPlayer::play(const std::string& localPath, SoundMode mode)
{
    finishPreparing();
    if (!ensureDevice()) {
        return;
    }
    std::vector<std::uint8_t> samples;
    const bool decoded = decode(localPath, samples);
    if (!decoded && m_defaultSound.empty()) {
        m_defaultSound = defaultChime(); // made on first need: most runs never miss a file
    }
    const auto& data = decoded ? samples : m_defaultSound;
    m_sdl->ClearQueuedAudio(m_device);
    if (!data.empty()) {
        m_sdl->QueueAudio(m_device, data.data(), static_cast<Uint32>(data.size()));
    }
    if (mode == SoundMode::Sync) {
        waitUntilPlayed();
    }
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
