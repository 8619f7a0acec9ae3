// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Wave.h"

#include <QFile>

namespace pikora::pictureset {

namespace {

std::uint32_t readLe(const QByteArray& bytes, qsizetype at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    }
    return value;
}

void appendLe(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        bytes.append(char((value >> (8 * i)) & 0xff));
    }
}

void readFormat(const QByteArray& bytes, qsizetype at, std::uint32_t size, WaveInfo& info)
{
    if (size < 16) {
        info.problem = QStringLiteral("its format chunk is too short");
        return;
    }
    info.format = int(readLe(bytes, at, 2));
    info.channels = int(readLe(bytes, at + 2, 2));
    info.sampleRate = int(readLe(bytes, at + 4, 4));
    info.bitsPerSample = int(readLe(bytes, at + 14, 2));
    if (info.format == 0xfffe && size >= 26) {
        info.format = int(readLe(bytes, at + 24, 2)); // the sub-format's tag
    }
}

} // namespace

WaveInfo inspectWave(const QByteArray& bytes)
{
    WaveInfo info;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        info.problem = bytes.isEmpty() ? QStringLiteral("the file is empty")
                                       : QStringLiteral("it is not a RIFF/WAVE file");
        return info;
    }
    bool haveFormat = false;
    bool haveData = false;
    // Chunks follow the 12-byte header, each padded to an even size.
    for (qsizetype at = 12; at + 8 <= bytes.size() && info.problem.isEmpty();) {
        const QByteArray id = bytes.mid(at, 4);
        const std::uint32_t size = readLe(bytes, at + 4, 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            readFormat(bytes, body, std::min<std::uint32_t>(size, bytes.size() - body), info);
            haveFormat = true;
        } else if (id == "data") {
            info.dataBytes = std::uint32_t(std::min<qsizetype>(size, bytes.size() - body));
            haveData = true;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    if (info.problem.isEmpty() && !haveFormat) {
        info.problem = QStringLiteral("it has no format chunk");
    } else if (info.problem.isEmpty() && (!haveData || info.dataBytes == 0)) {
        info.problem = QStringLiteral("it holds no sound");
    } else if (info.problem.isEmpty() && (info.channels == 0 || info.sampleRate == 0)) {
        info.problem = QStringLiteral("its format chunk gives no channels or no sample rate");
    }
    return info;
}

WaveInfo inspectWaveFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        WaveInfo info;
        info.problem = QStringLiteral("it cannot be read: ") + file.errorString();
        return info;
    }
    return inspectWave(file.readAll());
}

QByteArray encodeWave16(const std::vector<std::int16_t>& samples, int channels, int sampleRate)
{
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    QByteArray bytes;
    bytes.reserve(44 + qsizetype(dataBytes));
    bytes.append("RIFF");
    appendLe(bytes, 36 + dataBytes, 4);
    bytes.append("WAVEfmt ");
    appendLe(bytes, 16, 4);
    appendLe(bytes, 1, 2);
    appendLe(bytes, std::uint32_t(channels), 2);
    appendLe(bytes, std::uint32_t(sampleRate), 4);
    appendLe(bytes, std::uint32_t(sampleRate * channels * 2), 4);
    appendLe(bytes, std::uint32_t(channels * 2), 2);
    appendLe(bytes, 16, 2);
    bytes.append("data");
    appendLe(bytes, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        appendLe(bytes, std::uint16_t(sample), 2);
    }
    return bytes;
}

} // namespace pikora::pictureset
