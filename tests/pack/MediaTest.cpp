// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// pikora-media: the feedback media and icons it makes are what the game and the desktop
// expect.
#include "PackRun.h"
#include "platform/Wave.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace pikora::pack::testing {

using namespace pictureset;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The loudest sample of a 16-bit file, as a share of full scale.
double peak(const QByteArray& wave)
{
    const qsizetype data = wave.indexOf("data") + 8;
    int loudest = 0;
    for (qsizetype i = data; i + 1 < wave.size(); i += 2) {
        const auto sample = std::int16_t(std::uint8_t(wave[i]) | (std::uint8_t(wave[i + 1]) << 8));
        loudest = std::max(loudest, std::abs(int(sample)));
    }
    return loudest / 32768.0;
}

class MediaTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        s_run = runProgram(QStringLiteral(PIKORA_MEDIA_PROGRAM), { s_dir->path() });
    }
    static void TearDownTestSuite() { delete s_dir; }
    static QString file(const QString& name) { return s_dir->filePath(name); }

    static inline QTemporaryDir* s_dir = nullptr;
    static inline RunResult s_run;
};

TEST_F(MediaTest, SoundsAreShortSixteenBitAndAudible)
{
    ASSERT_EQ(s_run.exitCode, 0) << s_run.err.toStdString();
    const struct
    {
        const char* name;
        double shortest, longest;
    } rows[] = {
        { "correct.wav", 0.2, 1.0 },
        { "no.wav", 0.2, 1.0 },
        { "applause.wav", 2.0, 6.0 },
    };
    for (const auto& row : rows) {
        const QByteArray bytes = readFile(file(row.name));
        const WaveInfo wave = inspectWave(bytes);
        ASSERT_TRUE(wave.isPcm16()) << row.name << ": " << wave.problem.toStdString();
        EXPECT_EQ(wave.sampleRate, 44100) << row.name;
        const double seconds = wave.dataBytes / (2.0 * wave.channels * wave.sampleRate);
        EXPECT_GE(seconds, row.shortest) << row.name;
        EXPECT_LT(seconds, row.longest) << row.name;
        EXPECT_GT(peak(bytes), 0.3) << row.name;
        EXPECT_LT(peak(bytes), 0.99) << row.name << " must not clip";
    }
}

TEST_F(MediaTest, PicturesHaveTheirSizesAndDepth)
{
    ASSERT_EQ(s_run.exitCode, 0) << s_run.err.toStdString();
    const QByteArray correct = readFile(file("correct.bmp"));
    EXPECT_EQ(bmpDepth(correct), 24);
    const QImage sign = QImage::fromData(correct);
    ASSERT_EQ(sign.size(), QSize(420, 250));
    EXPECT_EQ(sign.pixel(2, 2), qRgb(255, 255, 255));
    const QRgb middle = sign.pixel(210, 125);
    EXPECT_GT(qGreen(middle), qRed(middle) + 40) << "a green sign";

    const QByteArray banner = readFile(file("bitmap134.bmp"));
    EXPECT_EQ(bmpDepth(banner), 24);
    EXPECT_EQ(QImage::fromData(banner).size(), QSize(380, 80));

    for (const int size : { 16, 32, 48, 64, 128, 256 }) {
        const QImage icon(file(QStringLiteral("icons/pikora-%1.png").arg(size)));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 3, size * 2 / 3)), 255) << size;
    }
}

TEST_F(MediaTest, EveryRunMakesTheSameFiles)
{
    QTemporaryDir again;
    ASSERT_EQ(runProgram(QStringLiteral(PIKORA_MEDIA_PROGRAM), { again.path() }).exitCode, 0);
    for (const char* name : { "correct.bmp", "applause.wav", "icons/pikora-48.png" }) {
        EXPECT_EQ(readFile(file(name)), readFile(again.filePath(name))) << name;
    }
}

} // namespace
} // namespace pikora::pack::testing
