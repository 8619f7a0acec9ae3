// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QString>

namespace pikora::pictureset {

// What the header of a wave file says.
struct WaveInfo
{
    QString problem; // empty when the file is a RIFF/WAVE file with sound in it
    int format = 0; // 1 = integer PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t dataBytes = 0;

    bool isPcm16() const { return problem.isEmpty() && format == 1 && bitsPerSample == 16; }
};

WaveInfo inspectWave(const QByteArray& bytes);
WaveInfo inspectWaveFile(const QString& path);

// A 16-bit PCM wave file: samples interleaved by channel.
QByteArray encodeWave16(const std::vector<std::int16_t>& samples, int channels, int sampleRate);

} // namespace pikora::pictureset
