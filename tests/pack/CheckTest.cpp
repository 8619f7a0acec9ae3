// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// pikora-pack --check on a folder holding every fault it knows.
#include "PackRun.h"
#include "Pictures.h"
#include "Wave.h"

#include <QDir>
#include <gtest/gtest.h>

namespace pikora::pack::testing {
namespace {

using CheckTest = PackRunTest;

TEST_F(CheckTest, ReportsEveryFaultTheGameWouldStumbleOn)
{
    const QByteArray picture = encodeBmp24(blankPicture());
    const QByteArray voice = encodeWave16(std::vector<std::int16_t>(4410, 100), 1, 44100);
    QImage big(500, 300, QImage::Format_RGB32);
    big.fill(Qt::white);
    const QString longName = QString(189, u'l') + QStringLiteral(".bmp"); // 193 bytes
    const std::pair<QString, QByteArray> files[] = {
        { "cat.bmp", picture },
        { "cat.wav", voice }, // sound
        { "dog.bmp", picture }, // no voice
        { "bird.wav", voice }, // no picture
        { "empty.bmp", {} },
        { "empty.wav", voice }, //
        { "broken.bmp", "not a picture at all" },
        { "broken.wav", "OggS not a wave" },
        { "Fish.bmp", picture },
        { "FISH.BMP", picture },
        { "fish.wav", voice },
        { "a.b.bmp", picture },
        { "a.wav", voice },
        { "a.b.wav", voice }, //
        { longName, picture },
        { QString(189, u'l') + ".wav", voice }, //
        { "big.bmp", encodeBmp24(big) },
        { "big.wav", voice }, //
        { "note.txt", "other files are not the game's business" },
    };
    for (const auto& [name, bytes] : files) {
        write("folder/" + name, bytes);
    }
    QDir(path("folder")).mkdir(QStringLiteral("dir.bmp"));
    write("folder/dir.wav", voice);

    const RunResult run = check(path("folder"));
    EXPECT_EQ(run.exitCode, 1);
    const QStringList expected = {
        "fault: dog.bmp: no voice: dog.wav is missing",
        "fault: bird.wav: no picture: no picture plays this voice",
        "fault: empty.bmp: the file is empty",
        "fault: broken.bmp: not a picture Qt can read",
        "fault: broken.wav: not a usable wave file: it is not a RIFF/WAVE file",
        "fault: FISH.BMP, Fish.bmp: these pictures all show the word FISH",
        "fault: a.b.bmp: the name has a '.' before .bmp: the game shows it as A and looks "
        "for a.bmp and a.wav",
        "fault: a.b.wav: no picture",
        "fault: " + longName
            + ": the name is 193 bytes long; the game reaches names of at "
              "most 192",
        "fault: dir.bmp: a folder, not a picture",
        "note: big.bmp: 500 × 300 is larger than a picture button (420 × 250)",
    };
    for (const QString& line : expected) {
        EXPECT_TRUE(run.out.contains(line)) << line.toStdString();
    }
    for (const char* sound :
        { "cat.bmp", "cat.wav", "fish.wav", "a.wav", "note.txt", "big.wav", "dir.wav" }) {
        EXPECT_FALSE(run.out.contains(QStringLiteral("fault: %1:").arg(sound))) << sound;
    }
    EXPECT_TRUE(run.out.contains(u"10 pictures, 10 voices, 11 faults")) << run.out.toStdString();
}

TEST_F(CheckTest, AFolderWithTooFewPicturesOrNoneAtAllIsReported)
{
    write("one/cat.bmp", encodeBmp24(blankPicture()));
    write("one/cat.wav", encodeWave16(std::vector<std::int16_t>(4410, 100), 1, 44100));
    RunResult run = check(path("one"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(u"fewer than 2 pictures")) << run.out.toStdString();

    run = check(path("nowhere"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(u"is not a folder"));
}

} // namespace
} // namespace pikora::pack::testing
