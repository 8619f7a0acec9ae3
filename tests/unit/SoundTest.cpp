// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Plays through SDL's disk driver, which writes every sample the device consumes to a file
// at the pace of a real device, so a test can hear what was played and when.
#include "platform/SdlSoundPlayer.h"
#include "platform/VoiceFile.h"
#include "support/TempDir.h"
#include "support/WaveFile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#ifdef __SANITIZE_ADDRESS__
// The sanitizer runtime's (sanitizer/allocator_interface.h, which GCC does not install).
extern "C" int __sanitizer_install_malloc_and_free_hooks(
    void (*onMalloc)(const volatile void*, std::size_t), void (*onFree)(const volatile void*));
#endif

namespace pikora {
namespace {

using namespace std::chrono_literals;
using testing::putLittleEndian;
using testing::TempDir;
using testing::wave;
using Clock = std::chrono::steady_clock;

constexpr int rate = SdlSoundPlayer::sampleRate;
constexpr int channels = SdlSoundPlayer::channels;

// 16-bit samples in the player's own format, so they reach the device unchanged.
std::vector<std::int16_t> deviceSamples(double seconds, std::int16_t (*sample)(int frame))
{
    const int frames = static_cast<int>(seconds * rate);
    std::vector<std::int16_t> out;
    for (int i = 0; i < frames; ++i) {
        out.insert(out.end(), channels, sample(i));
    }
    return out;
}

std::string bytesOf(const std::vector<std::int16_t>& samples)
{
    std::string out;
    for (const std::int16_t sample : samples) {
        putLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

std::int16_t ramp(int frame)
{
    return static_cast<std::int16_t>(frame % 1000 + 1);
}
std::int16_t high(int)
{
    return 1000;
}
std::int16_t low(int)
{
    return -2000;
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class SoundTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        capturePath = (dir / "capture.raw").string();
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", capturePath.c_str(), 1);
        // A device buffer of 512 frames lasts 11.6 ms; never consuming faster than a real
        // device keeps the timing checks honest.
        ::setenv("SDL_DISKAUDIODELAY", "12", 1);
    }

    // Every sample the device consumed, as 16-bit values. The player must be gone, so
    // that the driver has closed its file.
    std::vector<std::int16_t> captured() const
    {
        const std::string bytes = dir.read("capture.raw");
        std::vector<std::int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }

    // Position (in frames) of the first copy of `sound` in the capture, or -1.
    long find(const std::vector<std::int16_t>& capture, const std::vector<std::int16_t>& sound)
    {
        const auto at = std::search(capture.begin(), capture.end(), sound.begin(), sound.end());
        return at == capture.end() ? -1 : static_cast<long>(at - capture.begin()) / channels;
    }

    TempDir dir;
    std::string capturePath;
};

TEST_F(SoundTest, SyncPlayReturnsWhenTheWholeSoundHasPlayed)
{
    const auto sound = deviceSamples(0.5, ramp);
    const std::string path = dir.write("ramp.wav", wave(bytesOf(sound), { 1, rate, 2, 16 }));
    double seconds = 0;
    {
        SdlSoundPlayer player;
        const auto start = Clock::now();
        player.play(path, SoundMode::Sync);
        seconds = secondsSince(start);
        ASSERT_EQ(player.driverName(), "disk");
    }
    EXPECT_GE(seconds, 0.5 * 0.95);
    EXPECT_LT(seconds, 0.5 + 2.0);
    EXPECT_GE(find(captured(), sound), 0);
}

TEST_F(SoundTest, OtherFormatsPlayForTheirOwnDuration)
{
    const struct
    {
        int rate;
        int channels;
        int bits;
        double seconds;
    } rows[] = { { 22050, 1, 8, 0.4 }, { 48000, 2, 16, 0.3 }, { 11025, 1, 16, 0.3 } };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.rate) + " Hz, " + std::to_string(row.bits) + " bits");
        const int count = static_cast<int>(row.seconds * row.rate) * row.channels;
        std::string samples;
        for (int i = 0; i < count; ++i) {
            putLittleEndian(samples, row.bits == 8 ? 200 : 9000, row.bits / 8);
        }
        const std::string path
            = dir.write("other.wav", wave(samples, { 1, row.rate, row.channels, row.bits }));
        double seconds = 0;
        {
            SdlSoundPlayer player;
            const auto start = Clock::now();
            player.play(path, SoundMode::Sync);
            seconds = secondsSince(start);
        }
        EXPECT_GE(seconds, row.seconds * 0.95);
        EXPECT_LT(seconds, row.seconds + 2.0);
        const auto capture = captured();
        const auto sounding
            = std::count_if(capture.begin(), capture.end(), [](std::int16_t s) { return s != 0; });
        EXPECT_NEAR(static_cast<double>(sounding) / channels, row.seconds * rate,
            row.seconds * rate * 0.02);
    }
}

TEST_F(SoundTest, NewSoundCutsOffTheOneStillPlaying)
{
    const auto first = deviceSamples(2.0, high);
    const auto second = deviceSamples(0.3, low);
    const std::string firstPath = dir.write("first.wav", wave(bytesOf(first), { 1, rate, 2, 16 }));
    const std::string secondPath
        = dir.write("second.wav", wave(bytesOf(second), { 1, rate, 2, 16 }));
    {
        SdlSoundPlayer player;
        player.play(firstPath, SoundMode::Async);
        std::this_thread::sleep_for(200ms);
        const auto start = Clock::now();
        player.play(secondPath, SoundMode::Async);
        EXPECT_LT(secondsSince(start), 0.25); // async returns at once
        std::this_thread::sleep_for(1s);
    }
    const auto capture = captured();
    long firstStart = -1, firstEnd = -1, secondStart = -1, secondFrames = 0, firstFrames = 0;
    for (std::size_t i = 0; i < capture.size(); i += channels) {
        const long frame = static_cast<long>(i / channels);
        if (capture[i] == high(0)) {
            firstStart = firstStart < 0 ? frame : firstStart;
            firstEnd = frame;
            ++firstFrames;
        } else if (capture[i] == low(0)) {
            secondStart = secondStart < 0 ? frame : secondStart;
            ++secondFrames;
        }
    }
    ASSERT_GE(firstStart, 0);
    ASSERT_GE(secondStart, 0);
    // The first sound stopped where the second began, well before its own end.
    EXPECT_LT(firstEnd, secondStart);
    EXPECT_LT(secondStart - firstEnd, 3 * 512);
    EXPECT_LT(firstFrames, rate * 3 / 2);
    EXPECT_LT(secondStart - firstStart, rate * 3 / 2);
    // The second one played to its end.
    EXPECT_EQ(secondFrames, static_cast<long>(second.size() / channels));
}

TEST_F(SoundTest, MissingOrUnreadableFilePlaysTheChime)
{
    std::vector<std::int16_t> chime(defaultChime().size() / 2);
    std::memcpy(chime.data(), defaultChime().data(), chime.size() * 2);
    const double chimeSeconds = static_cast<double>(chime.size()) / channels / rate;
    ASSERT_GT(*std::max_element(chime.begin(), chime.end()), 2000); // audible

    const std::string badFormat = wave(std::string(400, '\x10'), { 0x1234, rate, 2, 16 });
    const struct
    {
        const char* name;
        std::string content; // empty name: nothing is written
    } rows[] = {
        { "missing.wav", "" },
        { "empty.wav", "" },
        { "text.wav", "this is not a wave file\n" },
        { "format.wav", badFormat },
        { "riff.wav", std::string("RIFF\x04\0\0\0WAVE", 12) },
        { "folder.wav", "" },
    };
    dir.write("empty.wav", "");
    std::filesystem::create_directory(dir / "folder.wav");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.content.empty()) {
            dir.write(row.name, row.content);
        }
        double seconds = 0;
        {
            SdlSoundPlayer player;
            const auto start = Clock::now();
            player.play((dir / row.name).string(), SoundMode::Sync);
            seconds = secondsSince(start);
        }
        EXPECT_GE(seconds, chimeSeconds * 0.95);
        EXPECT_GE(find(captured(), chime), 0);
    }
}

TEST_F(SoundTest, UsersSdlVariablesNeitherSilenceTheGameNorKeepItFromEnding)
{
    // A driver that does not exist: the silent one keeps the timing of a synchronous sound.
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    // SDL's own signal handlers would turn SIGTERM into a quit event nobody reads.
    ::setenv("SDL_NO_SIGNAL_HANDLERS", "0", 1);
    const std::string path
        = dir.write("ramp.wav", wave(bytesOf(deviceSamples(0.4, ramp)), { 1, rate, 2, 16 }));
    SdlSoundPlayer player;
    const auto start = Clock::now();
    player.play(path, SoundMode::Sync);
    const double seconds = secondsSince(start);
    EXPECT_EQ(player.driverName(), "dummy");
    EXPECT_GE(seconds, 0.4 * 0.95);
    struct sigaction action
    { };
    ASSERT_EQ(::sigaction(SIGTERM, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
    ::unsetenv("SDL_NO_SIGNAL_HANDLERS");
}

TEST_F(SoundTest, RecordsTheMicrophoneUpToItsLimit)
{
    // SDL's disk driver reads what the microphone hears from a file: a ramp, then nothing.
    std::vector<std::int16_t> heard;
    for (int i = 0; i < SdlSoundPlayer::recordingRate / 2; ++i) {
        heard.push_back(ramp(i));
    }
    const std::string bytes = bytesOf(heard);
    ::setenv("SDL_DISKAUDIOFILEIN", dir.write("microphone.raw", bytes).c_str(), 1);
    ::setenv("SDL_DISKAUDIODELAY", "1", 1); // about 20 times faster than a real microphone
    SdlSoundPlayer player;
    std::string problem;
    ASSERT_TRUE(player.startRecording(problem)) << problem;
    float loudest = 0;
    const auto start = Clock::now();
    while (player.recordedSeconds() < SdlSoundPlayer::recordingLimitSeconds
        && secondsSince(start) < 20) {
        loudest = std::max(loudest, player.recordingLevel());
        std::this_thread::sleep_for(1ms);
    }
    const std::vector<std::int16_t> recorded = player.stopRecording();
    ASSERT_EQ(recorded.size(),
        std::size_t { SdlSoundPlayer::recordingRate } * SdlSoundPlayer::recordingLimitSeconds);
    EXPECT_TRUE(std::equal(heard.begin(), heard.end(), recorded.begin()));
    EXPECT_TRUE(std::all_of(recorded.begin() + static_cast<long>(heard.size()), recorded.end(),
        [](std::int16_t sample) { return sample == 0; }));
    EXPECT_GT(loudest, 0.0F);
    EXPECT_EQ(player.recordedSeconds(), 0.0);
}

TEST_F(SoundTest, AServerThatNeverAnswersHoldsNeitherTheGameNorItsEnd)
{
    // A socket that takes connections and never says a word: SDL waits in it for good.
    const std::string socketPath = (dir / "server").string();
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(server, 4), 0);
    ::setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
    ::setenv("PULSE_SERVER", ("unix:" + socketPath).c_str(), 1);
    const std::string path
        = dir.write("ramp.wav", wave(bytesOf(deviceSamples(0.4, ramp)), { 1, rate, 2, 16 }));
    const auto start = Clock::now();
    {
        SdlSoundPlayer player;
        player.play(path, SoundMode::Async);
        player.play(path, SoundMode::Sync);
        EXPECT_LT(secondsSince(start), 3.0);
    }
    EXPECT_LT(secondsSince(start), 6.0);
    ::unsetenv("PULSE_SERVER");
    ::close(server);
}

} // namespace
} // namespace pikora

namespace pikora {
namespace {

std::atomic<std::size_t> largestAllocation { 0 };

// A header that claims more than its file holds costs no more memory than the file: SDL
// allocates what a chunk claims before it reads it.
TEST_F(SoundTest, AHeaderClaimingGigabytesCostsNoMoreThanItsFile)
{
#ifdef __SANITIZE_ADDRESS__
    static const int installed = __sanitizer_install_malloc_and_free_hooks(
        [](const volatile void*, std::size_t size) {
            std::size_t seen = largestAllocation.load();
            while (size > seen && !largestAllocation.compare_exchange_weak(seen, size)) { }
        },
        [](const volatile void*) {});
    ASSERT_NE(installed, 0);
#else
    GTEST_SKIP() << "allocations are watched in sanitizer builds";
#endif
    const std::string tone = bytesOf(deviceSamples(0.2, ramp));
    const std::string honest = wave(tone, { 1, rate, 2, 16 });
    const std::string claimsData = wave(tone, { 1, rate, 2, 16 }, 0xffffff00u);
    std::string claimsFormat = honest;
    claimsFormat.replace(16, 4, "\x00\xff\xff\xff", 4); // the format chunk's size
    const std::string claimsList
        = honest.substr(0, 12) + std::string("LIST\x00\xff\xff\xff", 8) + honest.substr(12);
    const struct
    {
        const char* name;
        const std::string& content;
        bool plays;
    } rows[] = { { "data.wav", claimsData, true }, { "format.wav", claimsFormat, false },
        { "list.wav", claimsList, false } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = dir.write(row.name, row.content);
        largestAllocation = 0;
        const VoiceVerdict voice = judgeVoice(path);
        {
            SdlSoundPlayer player;
            player.play(path, SoundMode::Sync);
        }
        EXPECT_LT(largestAllocation.load(), 16u << 20);
        EXPECT_EQ(voice.problem.empty(), row.plays) << voice.problem;
        if (row.plays) {
            EXPECT_NEAR(voice.seconds, 0.2, 0.01);
        }
    }
}

} // namespace
} // namespace pikora
