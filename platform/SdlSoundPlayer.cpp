// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlSoundPlayer.h"

#include "SdlLibrary.h"
#include "VoiceStream.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <pthread.h>
#include <sys/stat.h>
#include <thread>
#include <utility>

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

// Everything the player's thread works with; see SdlSoundPlayer.
class SdlSoundPlayer::SoundThread
{
public:
    void play(const std::string& localPath, SoundMode mode);
    std::string driverName();
    static void run(const std::shared_ptr<SoundThread>& self);
    void runThread();
    // Asks the thread to end and waits for it at most `limit`; false when it did not end.
    bool stop(std::chrono::milliseconds limit);
    void hold(bool held);
    bool startRecording(std::string& problem);
    std::vector<std::int16_t> stopRecording();
    float recordingLevel();
    double recordedSeconds();

private:
    enum class DeviceState
    {
        Opening,
        Ready
    };

    void feedSounds();
    bool openDevice(const char* driver);
    void closeDevice();
    void checkDevice();
    void feed(const std::string& localPath, std::uint64_t sound);
    bool queue(const std::vector<std::uint8_t>& samples, std::uint64_t sound, bool first);
    bool drain(std::uint32_t bytesLeft, std::uint64_t sound);
    void waitSilently(double seconds, std::uint64_t sound);
    bool isLatest(std::uint64_t sound);
    enum class CaptureRequest
    {
        None,
        Start,
        Stop
    };
    bool askCapture(CaptureRequest request, std::unique_lock<std::mutex>& lock);
    void openCapture();
    void closeCapture();
    static void captured(void* thread, Uint8* samples, int bytes);

    // The thread's own.
    const SdlLibrary* m_sdl = nullptr;
    std::uint32_t m_device = 0;
    std::string m_lostDriver; // the driver of a device lost while playing, tried again
    bool m_givenUp = false; // the device stopped taking samples: it is left alone
    std::vector<std::uint8_t> m_defaultSound;

    // Shared with the player.
    std::mutex m_mutex;
    std::condition_variable m_changed;
    DeviceState m_state = DeviceState::Opening;
    std::string m_driver;
    std::uint64_t m_latest = 0; // number of the latest sound asked for
    std::string m_pending; // its file, until the thread takes it
    bool m_hasPending = false;
    std::uint64_t m_done = 0; // the latest sound played to its end, cut off or dropped
    bool m_stopping = false;
    bool m_ended = false;
    bool m_held = false;
    std::uint32_t m_capture = 0; // the microphone, while recording (the thread's)
    CaptureRequest m_captureRequest = CaptureRequest::None;
    bool m_captureAnswered = false;
    std::string m_captureProblem;
    std::vector<std::int16_t> m_recorded; // also written by SDL's capture thread
    float m_level = 0;
};

SdlSoundPlayer::SdlSoundPlayer() = default;

SdlSoundPlayer::~SdlSoundPlayer()
{
    if (m_sound != nullptr) {
        // The thread ends within a device buffer, unless SDL hangs in a sound server that
        // neither answers nor goes: then the thread is left to it, holding its own state.
        m_sound->stop(std::chrono::seconds(2));
    }
}

void SdlSoundPlayer::prepare()
{
    if (m_sound == nullptr) {
        m_sound = std::make_shared<SoundThread>();
        std::thread(&SoundThread::run, m_sound).detach();
    }
}

void SdlSoundPlayer::holdBack()
{
    if (m_sound == nullptr) {
        m_sound = std::make_shared<SoundThread>();
        m_sound->hold(true); // before the thread can look
        std::thread(&SoundThread::run, m_sound).detach();
    }
}

void SdlSoundPlayer::release()
{
    if (m_sound != nullptr) {
        m_sound->hold(false);
    }
}

void SdlSoundPlayer::SoundThread::hold(bool held)
{
    const std::lock_guard lock(m_mutex);
    m_held = held;
    m_changed.notify_all();
}

std::string SdlSoundPlayer::driverName()
{
    prepare();
    return m_sound->driverName();
}

void SdlSoundPlayer::play(const std::string& localPath, SoundMode mode)
{
    prepare();
    m_sound->play(localPath, mode);
}

bool SdlSoundPlayer::SoundThread::stop(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    m_stopping = true;
    ++m_latest; // whatever plays stops
    m_changed.notify_all();
    return m_changed.wait_for(lock, limit, [&] { return m_ended; });
}

std::string SdlSoundPlayer::SoundThread::driverName()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_state == DeviceState::Ready; });
    return m_driver;
}

void SdlSoundPlayer::SoundThread::play(const std::string& localPath, SoundMode mode)
{
    // A device still opening after this long (SDL waits on a sound server that does not
    // answer) holds no synchronous sound: the game goes on without waiting for it.
    constexpr auto openingLimit = std::chrono::seconds(2);
    std::unique_lock lock(m_mutex);
    const std::uint64_t sound = ++m_latest;
    m_pending = localPath;
    m_hasPending = true;
    if (mode == SoundMode::Sync) {
        m_held = false;
    }
    m_changed.notify_all();
    if (mode == SoundMode::Sync
        && m_changed.wait_for(lock, openingLimit, [&] { return m_state == DeviceState::Ready; })) {
        m_changed.wait(lock, [&] { return m_done >= sound; });
    }
}

bool SdlSoundPlayer::startRecording(std::string& problem)
{
    prepare();
    return m_sound->startRecording(problem);
}

std::vector<std::int16_t> SdlSoundPlayer::stopRecording()
{
    return m_sound != nullptr ? m_sound->stopRecording() : std::vector<std::int16_t>();
}

float SdlSoundPlayer::recordingLevel()
{
    return m_sound != nullptr ? m_sound->recordingLevel() : 0.0F;
}

double SdlSoundPlayer::recordedSeconds()
{
    return m_sound != nullptr ? m_sound->recordedSeconds() : 0.0;
}

// Hands a request to the thread and waits for its answer, at most as long as a device may
// take to open; false when it did not answer.
bool SdlSoundPlayer::SoundThread::askCapture(
    CaptureRequest request, std::unique_lock<std::mutex>& lock)
{
    m_captureRequest = request;
    m_captureAnswered = false;
    ++m_latest; // the sound playing stops
    m_changed.notify_all();
    return m_changed.wait_for(lock, std::chrono::seconds(3), [&] { return m_captureAnswered; });
}

bool SdlSoundPlayer::SoundThread::startRecording(std::string& problem)
{
    std::unique_lock lock(m_mutex);
    if (!askCapture(CaptureRequest::Start, lock)) {
        problem = "the sound device did not answer";
        return false;
    }
    problem = m_captureProblem;
    return problem.empty();
}

std::vector<std::int16_t> SdlSoundPlayer::SoundThread::stopRecording()
{
    std::unique_lock lock(m_mutex);
    askCapture(CaptureRequest::Stop, lock);
    m_level = 0;
    return std::move(m_recorded);
}

float SdlSoundPlayer::SoundThread::recordingLevel()
{
    const std::lock_guard lock(m_mutex);
    return m_level;
}

double SdlSoundPlayer::SoundThread::recordedSeconds()
{
    const std::lock_guard lock(m_mutex);
    return static_cast<double>(m_recorded.size()) / recordingRate;
}

// On SDL's capture thread: keeps the samples up to the limit, and the moment's loudest.
void SdlSoundPlayer::SoundThread::captured(void* thread, Uint8* samples, int bytes)
{
    auto& self = *static_cast<SoundThread*>(thread);
    const auto count = static_cast<std::size_t>(bytes) / 2;
    constexpr std::size_t limit = std::size_t { recordingRate } * recordingLimitSeconds;
    const std::lock_guard lock(self.m_mutex);
    const std::size_t kept = std::min(count, limit - std::min(limit, self.m_recorded.size()));
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::int16_t sample = 0;
        std::memcpy(&sample, samples + 2 * i, 2);
        peak = std::max(peak, std::abs(int { sample }));
        if (i < kept) {
            self.m_recorded.push_back(sample);
        }
    }
    self.m_level = static_cast<float>(peak) / 32768.0F;
}

// On the thread: opens the microphone with SDL's capture (converted by SDL to 16-bit mono
// at the recording rate) and starts it, or says why not.
void SdlSoundPlayer::SoundThread::openCapture()
{
    m_captureProblem.clear();
    if (m_sdl == nullptr) {
        m_captureProblem = "the SDL library is missing";
        return;
    }
    if (m_capture != 0) {
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_recorded.clear();
    }
    SDL_AudioSpec wanted {};
    wanted.freq = recordingRate;
    wanted.format = deviceFormat;
    wanted.channels = 1;
    wanted.samples = 1024;
    wanted.callback = &SoundThread::captured;
    wanted.userdata = this;
    if (m_sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        m_captureProblem = m_sdl->GetError();
        return;
    }
    m_capture = m_sdl->OpenAudioDevice(nullptr, 1, &wanted, nullptr, 0);
    if (m_capture == 0) {
        m_captureProblem = m_sdl->GetError();
        if (m_captureProblem.empty()) {
            m_captureProblem = "no microphone";
        }
        m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    m_sdl->PauseAudioDevice(m_capture, 0);
}

void SdlSoundPlayer::SoundThread::run(const std::shared_ptr<SoundThread>& self)
{
    ::pthread_setname_np(::pthread_self(), "pikora-sound");
    self->runThread();
}

void SdlSoundPlayer::SoundThread::runThread()
{
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::seconds(2), [&] { return !m_held || m_stopping; });
        if (m_stopping) { // ended before it began: nothing was played, nothing to load
            m_done = m_latest;
            m_ended = true;
            m_changed.notify_all();
            return;
        }
    }
    m_sdl = sdlLibrary();
    if (m_sdl != nullptr) {
        // SDL would otherwise turn SIGINT and SIGTERM into quit events nobody reads, and the
        // program could no longer be stopped by its session. The hint overrides the user's
        // environment, which SDL otherwise prefers.
        m_sdl->SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
        // No sound card or server, or a driver named in SDL_AUDIODRIVER that does not exist:
        // keep the timing of sounds with the silent driver.
        if (!openDevice(nullptr)) {
            openDevice("dummy");
        }
    }
    {
        const std::lock_guard lock(m_mutex);
        m_state = DeviceState::Ready;
        const char* name = m_device != 0 ? m_sdl->GetCurrentAudioDriver() : nullptr;
        m_driver = name != nullptr ? name : "";
    }
    m_changed.notify_all();
    feedSounds();
    if (m_sdl != nullptr) {
        if (!m_givenUp) {
            closeCapture();
            closeDevice();
            m_sdl->Quit(); // also frees the hints set on the way
        }
        m_sdl->TLSCleanup(); // what SDL keeps for this thread
    }
    const std::lock_guard lock(m_mutex);
    m_ended = true;
    m_changed.notify_all();
}

void SdlSoundPlayer::SoundThread::feedSounds()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock,
            [&] { return m_hasPending || m_stopping || m_captureRequest != CaptureRequest::None; });
        if (m_stopping) {
            m_done = m_latest;
            m_changed.notify_all();
            return;
        }
        if (const CaptureRequest request = std::exchange(m_captureRequest, CaptureRequest::None);
            request != CaptureRequest::None) {
            lock.unlock();
            if (request == CaptureRequest::Start) {
                openCapture();
            } else {
                closeCapture();
            }
            lock.lock();
            m_captureAnswered = true;
            m_changed.notify_all();
            continue;
        }
        const std::string path = std::move(m_pending);
        const std::uint64_t sound = m_latest;
        m_hasPending = false;
        lock.unlock();
        if (m_sdl != nullptr && m_capture == 0) { // no sound while recording
            checkDevice();
            feed(path, sound);
        }
        lock.lock();
        m_done = std::max(m_done, sound);
        m_changed.notify_all();
    }
}

// Opens the device with the named driver (nullptr: SDL's own choice, which follows
// SDL_AUDIODRIVER) and starts it.
bool SdlSoundPlayer::SoundThread::openDevice(const char* driver)
{
    if (driver != nullptr) {
        m_sdl->SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
    }
    if (m_sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SDL_AudioSpec wanted {};
    wanted.freq = sampleRate;
    wanted.format = deviceFormat;
    wanted.channels = channels;
    wanted.samples = deviceFrames;
    m_device = m_sdl->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (m_device == 0) {
        m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_sdl->PauseAudioDevice(m_device, 0);
    return true;
}

void SdlSoundPlayer::SoundThread::closeCapture()
{
    if (m_capture != 0) {
        m_sdl->CloseAudioDevice(m_capture); // waits for its last samples
        m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
        m_capture = 0;
    }
}

void SdlSoundPlayer::SoundThread::closeDevice()
{
    if (m_device != 0) {
        m_sdl->CloseAudioDevice(m_device);
        m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
        m_device = 0;
    }
}

// Before each sound: a device whose server went away is said once and closed, and the
// driver that served it is tried again, with the silent driver in its place meanwhile.
void SdlSoundPlayer::SoundThread::checkDevice()
{
    if (m_givenUp) {
        return;
    }
    if (m_device != 0 && m_lostDriver.empty()
        && m_sdl->GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED) {
        const char* name = m_sdl->GetCurrentAudioDriver();
        m_lostDriver = name != nullptr ? name : "";
        std::fprintf(stderr,
            "pikora: the sound device (%s) went away; sound is off until it is back\n",
            m_lostDriver.c_str());
        closeDevice();
    }
    if (m_lostDriver.empty()) {
        return;
    }
    closeDevice(); // the silent driver, opened when the lost one was not back
    if (openDevice(m_lostDriver.c_str())) {
        m_lostDriver.clear();
    } else {
        openDevice("dummy");
    }
}

void SdlSoundPlayer::SoundThread::feed(const std::string& localPath, std::uint64_t sound)
{
    VoiceStream stream(*m_sdl);
    std::string problem;
    if (!stream.open(localPath, problem)) {
        if (m_defaultSound.empty()) {
            m_defaultSound = defaultChime(); // made on first need: most runs never miss a file
        }
        if (m_device == 0) {
            waitSilently(
                static_cast<double>(m_defaultSound.size()) / bytesPerFrame / sampleRate, sound);
        } else if (queue(m_defaultSound, sound, true)) {
            drain(0, sound);
        }
        return;
    }
    if (m_device == 0) {
        waitSilently(stream.seconds(), sound);
        return;
    }
    std::vector<std::uint8_t> piece;
    bool first = true;
    while (stream.next(piece)) {
        if (!queue(piece, sound, first)) {
            return;
        }
        first = false;
    }
    // A sound without samples still cuts off the one playing.
    if ((!first || queue({}, sound, true)) && drain(0, sound)) {
        // The last buffer handed to the device still has to sound.
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::milliseconds(1000 * deviceFrames / sampleRate + 1),
            [&] { return m_latest != sound; });
    }
}

bool SdlSoundPlayer::SoundThread::isLatest(std::uint64_t sound)
{
    const std::lock_guard lock(m_mutex);
    return m_latest == sound;
}

// Queues samples of `sound`; its first piece replaces what the device still holds, so the
// sound playing goes on until the new one can start. The later pieces wait until the device
// has no more than a second ahead. False when a newer sound replaced this one meanwhile,
// which stops the feeding of this one, or when the device was given up.
bool SdlSoundPlayer::SoundThread::queue(
    const std::vector<std::uint8_t>& samples, std::uint64_t sound, bool first)
{
    constexpr Uint32 ahead = sampleRate * bytesPerFrame;
    if (!first && !drain(ahead, sound)) {
        return false;
    }
    if (!isLatest(sound)) {
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

// Waits until the device holds no more than `bytesLeft` of samples. False when a newer
// sound came meanwhile, or when the device took nothing for two seconds: it is then given up
// (never closed, as SDL would wait for it), and said once.
bool SdlSoundPlayer::SoundThread::drain(std::uint32_t bytesLeft, std::uint64_t sound)
{
    constexpr auto stuckAfter = std::chrono::seconds(2);
    Uint32 queued = m_sdl->GetQueuedAudioSize(m_device);
    auto lastTaken = std::chrono::steady_clock::now();
    while (queued > bytesLeft) {
        {
            std::unique_lock lock(m_mutex);
            if (m_changed.wait_for(
                    lock, std::chrono::milliseconds(2), [&] { return m_latest != sound; })) {
                return false;
            }
        }
        const Uint32 now = m_sdl->GetQueuedAudioSize(m_device);
        if (now < queued) {
            lastTaken = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - lastTaken > stuckAfter) {
            std::fprintf(stderr,
                "pikora: the sound device stopped taking sound; the game goes on without it\n");
            m_givenUp = true;
            m_device = 0;
            return false;
        }
        queued = now;
    }
    return true;
}

// Without a device, a sound still takes its time, unless a newer one cuts it off.
void SdlSoundPlayer::SoundThread::waitSilently(double seconds, std::uint64_t sound)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(
        lock, std::chrono::duration<double>(seconds), [&] { return m_latest != sound; });
}

void keepOffMissingSessionBus()
{
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr && *address != '\0') {
        return;
    }
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr) {
        struct stat status
        { };
        if (::stat((std::string(runtime) + "/bus").c_str(), &status) == 0
            && S_ISSOCK(status.st_mode)) {
            return; // the session's bus, found where clients look by default
        }
    }
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

} // namespace pikora
