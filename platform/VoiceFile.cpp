// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "VoiceFile.h"

#include "FileUpdate.h"
#include "VoiceStream.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace pikora {

namespace {

// Source frames converted at a time: about a fifth of a second.
constexpr Uint32 pieceFrames = 8192;

// Reads a regular file of at most VoiceLimits::maxFileBytes; a FIFO or a device is
// refused before it is read, as it might never end.
bool readVoiceFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& problem)
{
    const int fd = openRegularFile(path, "a wave file", problem);
    if (fd < 0) {
        return false;
    }
    struct stat st
    { };
    if (::fstat(fd, &st) != 0) {
        problem = std::string("it cannot be read: ") + std::strerror(errno);
    } else if (static_cast<std::uint64_t>(st.st_size) > VoiceLimits::maxFileBytes) {
        problem = "the file is " + std::to_string(st.st_size / (1024 * 1024))
            + " MB; the game plays at most "
            + std::to_string(VoiceLimits::maxFileBytes / (1024 * 1024)) + " MB";
    } else {
        bytes.resize(static_cast<std::size_t>(st.st_size));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            done += static_cast<std::size_t>(got);
        }
        bytes.resize(done); // a file that shrank meanwhile
    }
    ::close(fd);
    return problem.empty();
}

std::uint32_t readLe32(const std::uint8_t* at)
{
    return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

void writeLe32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// SDL allocates what a chunk's header claims before it reads the chunk: a header that
// claims 4 GB costs 4 GB. Every size is cut to what the file holds, so the file's real
// size bounds what SDL allocates.
void boundChunkSizes(std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0) {
        return;
    }
    writeLe32(bytes.data() + 4, static_cast<std::uint32_t>(bytes.size() - 8));
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::size_t room = bytes.size() - at - 8;
        std::uint32_t size = readLe32(bytes.data() + at + 4);
        if (size > room) {
            size = static_cast<std::uint32_t>(room);
            writeLe32(bytes.data() + at + 4, size);
        }
        at += 8 + size + (size & 1);
    }
}

int bytesPerSample(const SDL_AudioSpec& spec)
{
    return SDL_AUDIO_BITSIZE(spec.format) / 8;
}

} // namespace

VoiceStream::~VoiceStream()
{
    if (m_stream != nullptr) {
        m_sdl.FreeAudioStream(m_stream);
    }
    if (m_samples != nullptr) {
        m_sdl.FreeWAV(m_samples);
    }
}

bool VoiceStream::open(const std::string& localPath, std::string& problem)
{
    std::vector<std::uint8_t> bytes;
    if (!readVoiceFile(localPath, bytes, problem) || !decode(bytes, problem)) {
        return false;
    }
    const int frameBytes = m_spec.channels * bytesPerSample(m_spec);
    m_length -= m_length % static_cast<Uint32>(frameBytes); // SDL converts whole frames only
    const double seconds = static_cast<double>(m_length) / frameBytes / m_spec.freq;
    if (!(seconds <= VoiceLimits::maxSeconds)) {
        problem = "it lasts " + std::to_string(static_cast<long>(seconds))
            + " s; the game plays at most "
            + std::to_string(static_cast<int>(VoiceLimits::maxSeconds)) + " s";
        return false;
    }
    const auto deviceFrames = static_cast<std::uint64_t>(std::llround(
        static_cast<double>(m_length / frameBytes) * VoiceLimits::deviceRate / m_spec.freq));
    m_expected = deviceFrames * VoiceLimits::deviceChannels * 2;
    m_stream = m_sdl.NewAudioStream(m_spec.format, m_spec.channels, m_spec.freq, AUDIO_S16SYS,
        VoiceLimits::deviceChannels, VoiceLimits::deviceRate);
    if (m_stream == nullptr) {
        problem = std::string("its samples cannot be converted: ") + m_sdl.GetError();
        return false;
    }
    return true;
}

bool VoiceStream::decode(std::vector<std::uint8_t>& bytes, std::string& problem)
{
    if (bytes.empty()) {
        problem = "the file is empty";
        return false;
    }
    boundChunkSizes(bytes);
    SDL_RWops* source = m_sdl.RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr
        || m_sdl.LoadWAV_RW(source, 1, &m_spec, &m_samples, &m_length) == nullptr) {
        m_samples = nullptr;
        problem = std::string("not a wave file the game can play: ") + m_sdl.GetError();
        return false;
    }
    if (m_spec.channels > VoiceLimits::maxChannels) {
        problem = "it has " + std::to_string(m_spec.channels) + " channels; the game plays at most "
            + std::to_string(VoiceLimits::maxChannels);
        return false;
    }
    return true;
}

bool VoiceStream::next(std::vector<std::uint8_t>& piece)
{
    piece.clear();
    const Uint32 frameBytes = static_cast<Uint32>(m_spec.channels * bytesPerSample(m_spec));
    while (piece.empty() && m_delivered < m_expected) {
        if (m_position < m_length) {
            const Uint32 size = std::min(m_length - m_position, pieceFrames * frameBytes);
            if (m_sdl.AudioStreamPut(m_stream, m_samples + m_position, static_cast<int>(size))
                != 0) {
                return false;
            }
            m_position += size;
        } else if (!m_flushed) {
            // SDL's flush loses the resampler's last samples: silence after the sound
            // pushes them out, and the sound is cut at its own length.
            const std::vector<Uint8> silence(pieceFrames * frameBytes, m_spec.silence);
            m_sdl.AudioStreamPut(m_stream, silence.data(), static_cast<int>(silence.size()));
            m_sdl.AudioStreamFlush(m_stream);
            m_flushed = true;
        }
        const int available = m_sdl.AudioStreamAvailable(m_stream);
        if (available <= 0 && m_flushed) {
            break;
        }
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(
            static_cast<std::uint64_t>(std::max(available, 0)), m_expected - m_delivered));
        piece.resize(wanted);
        const int got = wanted == 0
            ? 0
            : m_sdl.AudioStreamGet(m_stream, piece.data(), static_cast<int>(wanted));
        piece.resize(static_cast<std::size_t>(std::max(got, 0)));
        m_delivered += piece.size();
    }
    return !piece.empty();
}

VoiceVerdict judgeVoice(const std::string& localPath, int loudEnough)
{
    VoiceVerdict verdict;
    const SdlLibrary* sdl = sdlLibrary();
    if (sdl == nullptr) {
        verdict.problem = "SDL cannot be loaded (Debian package libsdl2-2.0-0): the game is silent";
        return verdict;
    }
    VoiceStream stream(*sdl);
    if (!stream.open(localPath, verdict.problem)) {
        return verdict;
    }
    verdict.channels = stream.channels();
    verdict.sampleRate = stream.sampleRate();
    verdict.seconds = stream.seconds();
    std::vector<std::uint8_t> piece;
    std::vector<Sint16> samples;
    while (verdict.peak < loudEnough && stream.next(piece)) {
        samples.resize(piece.size() / 2);
        std::memcpy(samples.data(), piece.data(), samples.size() * 2);
        for (const Sint16 sample : samples) {
            verdict.peak = std::max(verdict.peak, sample == -32768 ? 32767 : std::abs(sample));
        }
    }
    return verdict;
}

} // namespace pikora
