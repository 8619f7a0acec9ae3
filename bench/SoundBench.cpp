// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// From a play call to the first samples taken by the audio device: SdlSoundPlayer playing a
// voice file (decoded and converted to the device's format on each call, as the game does),
// beside the same device given already converted samples of the same length straight
// through SDL_QueueAudio. The moment the device takes samples is when the size of its queue
// first drops; with SDL's dummy or disk driver that is when the driver's thread takes its
// next buffer, with a real card the card's own latency follows.
// Then the asynchronous play call alone, for a voice at the player's length cap (10 minutes
// at 48 kHz, resampled for the device) beside the same call for the short voice: the window's
// thread waits for the call, however long the voice.
//
//   usage: pikora_sound_bench [RUNS]      (SDL_AUDIODRIVER=dummy unless set)
//   prints: result sound_start_ms <median ms> <baseline median ms> ms
//           result play_return_ms <median ms, long voice> <median ms, short voice> ms
#include "Measure.h"
#include "platform/SdlSoundPlayer.h"
#include "support/TempDir.h"
#include "support/WaveFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <SDL.h>

namespace {

using pikora::bench::Clock;
using pikora::bench::median;
using pikora::bench::msSince;

// The device the player opened: the one open device whose queue holds samples soon after
// a play call. SDL gives no other way to learn it without changing the player.
SDL_AudioDeviceID findPlayersDevice()
{
    const auto begin = Clock::now();
    while (Clock::now() - begin < std::chrono::seconds(2)) {
        for (SDL_AudioDeviceID id = 1; id < 64; ++id) {
            if (SDL_GetQueuedAudioSize(id) > 0) {
                return id;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return 0;
}

// Milliseconds from calling `start` to the device taking the first of the queued samples.
double untilFirstTaken(SDL_AudioDeviceID device, const std::function<void()>& start)
{
    // From silence: the player replaces what the device holds when its samples are ready,
    // which would look like the device taking some.
    SDL_ClearQueuedAudio(device);
    const auto begin = Clock::now();
    start();
    const auto returned = Clock::now();
    // The samples may reach the queue after the call returns, in pieces: the first drop of
    // its size is the device taking some.
    for (Uint32 before = SDL_GetQueuedAudioSize(device);;) {
        std::this_thread::sleep_for(std::chrono::microseconds(50));
        const Uint32 now = SDL_GetQueuedAudioSize(device);
        if (now < before) {
            break;
        }
        before = now;
        if (Clock::now() - returned > std::chrono::seconds(2)) {
            std::fprintf(stderr, "sound bench: the device took nothing in 2 s\n");
            std::exit(1);
        }
    }
    return msSince(begin);
}

double millisecondsOf(const std::function<void()>& call)
{
    const auto begin = Clock::now();
    call();
    return msSince(begin);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 60;
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    const pikora::testing::TempDir folder;
    // A voice as the picture sets hold them: 22,050 Hz mono, converted on every play.
    const std::string voice = (folder / "voice.wav").string();
    pikora::testing::writeWave(voice, 22050 * 6 / 10, 22050, 1);

    pikora::SdlSoundPlayer player;
    player.play(voice, pikora::SoundMode::Async);
    const SDL_AudioDeviceID device = findPlayersDevice();
    if (device == 0) {
        std::fprintf(stderr, "sound bench: no audio device took the samples\n");
        return 1;
    }
    // The same length already in the device's format: 16-bit stereo at the player's rate.
    const std::vector<Uint8> converted(static_cast<std::size_t>(pikora::SdlSoundPlayer::sampleRate)
            * 6 / 10 * pikora::SdlSoundPlayer::channels * 2,
        0);
    std::vector<double> playerMs;
    std::vector<double> baselineMs;
    for (int i = 0; i < runs; ++i) {
        // Start at different points of the device's period.
        std::this_thread::sleep_for(std::chrono::microseconds(3000 + (i * 1777) % 12000));
        playerMs.push_back(
            untilFirstTaken(device, [&] { player.play(voice, pikora::SoundMode::Async); }));
        std::this_thread::sleep_for(std::chrono::microseconds(3000 + (i * 2311) % 12000));
        baselineMs.push_back(untilFirstTaken(device, [&] {
            SDL_QueueAudio(device, converted.data(), static_cast<Uint32>(converted.size()));
        }));
    }

    const std::string longVoice = (folder / "ten-minutes.wav").string();
    pikora::testing::writeWave(longVoice, 48000 * 600, 48000, 1);
    std::vector<double> longReturnMs;
    std::vector<double> shortReturnMs;
    for (int i = 0; i < std::max(3, runs / 10); ++i) {
        longReturnMs.push_back(
            millisecondsOf([&] { player.play(longVoice, pikora::SoundMode::Async); }));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        shortReturnMs.push_back(
            millisecondsOf([&] { player.play(voice, pikora::SoundMode::Async); }));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const double longStartMs
        = untilFirstTaken(device, [&] { player.play(longVoice, pikora::SoundMode::Async); });
    std::fprintf(stderr,
        "sound: play call returns after %.2f to %.2f ms for 10 minutes, which start after %.2f "
        "ms\n",
        *std::min_element(longReturnMs.begin(), longReturnMs.end()),
        *std::max_element(longReturnMs.begin(), longReturnMs.end()), longStartMs);
    std::fprintf(stderr, "sound: driver %s, player %.2f to %.2f ms, bare queue %.2f to %.2f ms\n",
        player.driverName().c_str(), *std::min_element(playerMs.begin(), playerMs.end()),
        *std::max_element(playerMs.begin(), playerMs.end()),
        *std::min_element(baselineMs.begin(), baselineMs.end()),
        *std::max_element(baselineMs.begin(), baselineMs.end()));
    std::printf("result sound_start_ms %.2f %.2f ms\n", median(playerMs), median(baselineMs));
    std::printf(
        "result play_return_ms %.2f %.2f ms\n", median(longReturnMs), median(shortReturnMs));
    return 0;
}
