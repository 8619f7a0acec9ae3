// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SdlLibrary.h"
#include "VoiceFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pikora {

// A wave file decoded by SDL and handed out in pieces converted to the device's format, so
// that a long voice starts playing at once and its conversion can stop half way.
class VoiceStream
{
public:
    explicit VoiceStream(const SdlLibrary& sdl)
        : m_sdl(sdl)
    { }
    ~VoiceStream();
    VoiceStream(const VoiceStream&) = delete;
    VoiceStream& operator=(const VoiceStream&) = delete;

    // Reads and decodes the file within VoiceLimits and prepares the conversion; false with
    // `problem` saying why the file cannot be played.
    bool open(const std::string& localPath, std::string& problem);
    // The next piece of 16-bit stereo samples at the device's rate; false after the last.
    bool next(std::vector<std::uint8_t>& piece);

    int channels() const { return m_spec.channels; }
    int sampleRate() const { return m_spec.freq; }
    // How long the sound plays, once open.
    double seconds() const
    {
        return static_cast<double>(m_expected) / (2 * VoiceLimits::deviceChannels)
            / VoiceLimits::deviceRate;
    }

private:
    bool decode(std::vector<std::uint8_t>& bytes, std::string& problem);

    const SdlLibrary& m_sdl;
    SDL_AudioSpec m_spec {};
    Uint8* m_samples = nullptr;
    Uint32 m_length = 0;
    Uint32 m_position = 0;
    SDL_AudioStream* m_stream = nullptr;
    bool m_flushed = false;
    std::uint64_t m_expected = 0; // bytes of converted samples the sound lasts
    std::uint64_t m_delivered = 0;
};

} // namespace pikora
