// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// pikora-pack --check on a folder holding every fault it knows, and the game's picture
// loader on bitmaps cut short.
#include "Corpus.h"
#include "PackRun.h"
#include "platform/Pictures.h"
#include "platform/QtBitmap.h"
#include "platform/Wave.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace pikora::pack::testing {

using namespace pictureset;

namespace {

QByteArray bytes(const std::string& text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

QByteArray wave(double seconds, corpus::WaveFormat format = {}, std::uint64_t claimed = 0)
{
    const auto frames = std::size_t(seconds * format.rate);
    std::string samples = corpus::tone(seconds);
    samples.resize(frames * std::size_t(format.channels * std::max(1, format.bits / 8)), '\x50');
    return bytes(corpus::wave(samples, format, claimed));
}

using CheckTest = PackRunTest;

TEST_F(CheckTest, ReportsEveryFaultTheGameWouldStumbleOn)
{
    const QByteArray picture = encodeBmp24(blankPicture());
    const QByteArray voice = wave(0.5);
    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(blankPicture().save(&pngBuffer, "PNG"));
    QImage big(500, 300, QImage::Format_RGB32);
    big.fill(Qt::white);
    const QByteArray truncated = bytes(corpus::bitmapOfKind({}, 64, 64)).left(54 + 64 * 192 / 2);
    const QString longName = QString(189, u'l') + QStringLiteral(".bmp"); // 193 bytes
    // Each row: a file, then what the check says of it ("" for nothing).
    const struct
    {
        QString name;
        QByteArray content;
        QString said;
    } rows[] = {
        { "cat.bmp", picture, "" },
        { "cat.wav", voice, "" },
        { "dog.bmp", picture,
            "fault: dog.bmp: no voice: dog.wav is missing, so the game plays the chime; make it "
            "with voice: in a word list, or let pikora-pack speak the word" },
        { "bird.wav", voice, "note: bird.wav: no picture plays this voice" },
        { "empty.bmp", "", "fault: empty.bmp: not a picture the game can read" },
        { "empty.wav", voice, "" },
        { "broken.bmp", "not a picture at all",
            "fault: broken.bmp: not a picture the game can read" },
        { "broken.wav", "OggS not a wave", "fault: broken.wav: not a wave file the game can play" },
        // A picture is a bitmap whatever other image formats the machine could read.
        { "photo.bmp", png,
            "fault: photo.bmp: a picture in PNG named .bmp: the game reads only BMP and leaves "
            "its button blank; make it with image: in a word list" },
        { "photo.wav", voice, "" },
        { "Fish.bmp", picture, "these pictures in play all show the word FISH" },
        { "FISH.BMP", picture, "" },
        { "fish.wav", voice, "" },
        // Two names, one word on screen: ı is no i to a file name, but both show as I.
        { "kedi.bmp", picture, "" },
        { "kedi.wav", voice, "" },
        { "kedı.bmp", picture, "show the word KEDI" },
        { "kedı.wav", voice, "" },
        { "Bear.bmp", picture, "note: Bear.bmp: hidden (listed in .hidden): not in play" },
        { "bear.bmp", picture, "" },
        { "bear.wav", voice, "" },
        { "a.b.bmp", picture,
            "fault: a.b.bmp: the game cuts the name at its first '.': it shows A" },
        { "a.wav", voice, "" },
        { longName, picture,
            "fault: " + longName
                + ": the name is 193 bytes long; the game leaves out names over 192" },
        { "back\\slash.bmp", picture,
            "fault: back\\slash.bmp: the game cannot reach a name holding '\\'" },
        { "big.bmp", encodeBmp24(big),
            "note: big.bmp: 500 × 300 is larger than a picture button (420 × 250)" },
        { "big.wav", voice, "" },
        { "wide.bmp", bytes(corpus::bitmap(9000, 1)),
            "fault: wide.bmp: 9000 × 1 pixels; the game shows at most 8000 each way: the game "
            "leaves its button blank; remake it with image: in a word list\n" },
        { "wide.wav", voice, "" },
        { "cut.bmp", truncated,
            "fault: cut.bmp: the file ends before its pixels do: the game draws the rest in one "
            "plain colour; remake it with image: in a word list" },
        { "cut.wav", voice, "" },
        { "f64.bmp", picture, "" },
        { "f64.wav", wave(0.5, { 3, 8000, 1, 64 }),
            "fault: f64.wav: not a wave file the game can play" },
        { "gsm.bmp", picture, "" },
        { "gsm.wav", wave(0.5, { 0x31, 8000, 1, 8 }),
            "fault: gsm.wav: not a wave file the game can play" },
        { "ten.bmp", picture, "" },
        { "ten.wav", wave(0.5, { 1, 8000, 10, 16 }),
            "fault: ten.wav: it has 10 channels; the game plays at most 8: the game plays the "
            "chime instead; remake it with voice: in a word list" },
        { "long.bmp", picture, "" },
        { "long.wav", wave(601), "fault: long.wav: it lasts 601 s; the game plays at most 600 s" },
        { "huge.bmp", picture, "" },
        { "huge.wav", {}, "fault: huge.wav: the file is 65 MB; the game plays at most 64 MB" },
        { "quiet.bmp", picture, "" },
        { "quiet.wav", bytes(corpus::wave(std::string(8000, '\x80'))),
            "fault: quiet.wav: it is silent: the learner hears nothing; record it again" },
        { "blip.bmp", picture, "" },
        { "blip.wav", wave(0.01), "fault: blip.wav: it lasts 0.01 s: too short to be heard" },
        { "liar.bmp", picture, "" },
        { "liar.wav", wave(0.5, {}, 0xffffff00u), "" }, // claims 4 GB: its 0.5 s play
        { "line\nbreak.bmp", picture,
            "fault: line\\nbreak.bmp: the name holds a line break, and .hidden holds a name a "
            "line: Setup cannot take the picture out of play; rename it\n" },
        { "line\nbreak.wav", voice, "" },
        { "note.txt", "other files are not the game's business", "" },
    };
    for (const auto& row : rows) {
        write("folder/" + row.name, row.content);
    }
    QFile(path("folder/huge.wav")).resize(65 * 1024 * 1024); // sparse
    write("folder/.hidden", "Bear.bmp\n");
    QDir(path("folder")).mkdir(QStringLiteral("dir.bmp"));
    write("folder/dir.wav", voice);

    const RunResult run = check(path("folder"));
    EXPECT_EQ(run.exitCode, 1);
    for (const auto& row : rows) {
        if (!row.said.isEmpty()) {
            EXPECT_TRUE(run.out.contains(row.said)) << row.said.toStdString();
        } else if (row.name.endsWith(u".bmp") || row.name.endsWith(u".wav")) {
            EXPECT_FALSE(run.out.contains(QStringLiteral(": %1:").arg(row.name)))
                << row.name.toStdString();
        }
    }
    EXPECT_TRUE(run.out.contains(QRegularExpression(
        QStringLiteral("fault: (Fish.bmp, FISH.BMP|FISH.BMP, Fish.bmp): these pictures"))));
    EXPECT_TRUE(run.out.contains(u"fault: dir.bmp: a folder, not a picture: the game leaves its "
                                 u"button blank\n"));
    EXPECT_FALSE(run.out.contains(u"Bear.bmp, bear.bmp")) << "a hidden picture is not in play";
    EXPECT_TRUE(run.out.contains(u"27 pictures (24 in play), 23 voices, 21 faults"))
        << run.out.toStdString();
}

TEST_F(CheckTest, AFolderWithTooFewPicturesInPlayOrNoneAtAllIsReported)
{
    write("one/cat.bmp", encodeBmp24(blankPicture()));
    write("one/cat.wav", wave(0.5));
    write("one/dog.bmp", encodeBmp24(blankPicture()));
    write("one/dog.wav", wave(0.5));
    EXPECT_EQ(check(path("one")).exitCode, 0);
    write("one/.hidden", "dog.bmp\n");
    RunResult run = check(path("one"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(u"only 1 picture in play")) << run.out.toStdString();

    run = check(path("nowhere"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(u"is not a folder"));
}

// Qt's bitmap reader leaves the pixels a short file does not reach as it found them in
// memory: the game must show them in one plain colour instead.
TEST_F(CheckTest, ABitmapCutShortOfEachKindShowsItsMissingPartInOnePlainColour)
{
    const corpus::BitmapKind kinds[] = {
        { 1, false, false, "1 bit" },
        { 4, false, false, "4 bits" },
        { 4, true, false, "4 bits, run-length" },
        { 8, false, false, "8 bits" },
        { 8, true, false, "8 bits, run-length" },
        { 16, false, false, "16 bits" },
        { 24, false, false, "24 bits" },
        { 24, false, true, "24 bits, top-down" },
        { 32, false, false, "32 bits" },
    };
    constexpr int side = 64;
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const std::string whole = corpus::bitmapOfKind(kind, side, side);
        const std::size_t header = 54 + (kind.bits <= 8 ? 4u << kind.bits : 0u);
        write("whole.bmp", bytes(whole));
        // Cut between two run-length codes: a code cut in half is read as another code.
        const std::size_t half = (whole.size() - header) / 2 & ~std::size_t(1);
        write("cut.bmp", bytes(whole.substr(0, header + half)));
        const DecodedPicture full = decodePicture(path("whole.bmp").toStdString());
        const DecodedPicture cut = decodePicture(path("cut.bmp").toStdString());
        ASSERT_FALSE(full.image.isNull()) << full.problem;
        ASSERT_FALSE(cut.image.isNull()) << cut.problem;
        EXPECT_FALSE(full.truncated);
        EXPECT_TRUE(cut.truncated);
        const std::uint32_t plain = kind.bits <= 8 ? corpus::bitmapPaletteFirst() : 0xffffffu;
        int drawn = 0;
        int missing = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                // 16 bits a pixel keep 5 bits a colour: 255 comes back as 248.
                const std::uint32_t expected = full.image.pixel(x, y) & 0xffffffu;
                ASSERT_LE(std::abs(qRed(expected) - qRed(corpus::bitmapColour(kind, x, y)))
                        + std::abs(qGreen(expected) - qGreen(corpus::bitmapColour(kind, x, y)))
                        + std::abs(qBlue(expected) - qBlue(corpus::bitmapColour(kind, x, y))),
                    24)
                    << x << ", " << y;
                const std::uint32_t shown = cut.image.pixel(x, y) & 0xffffffu;
                ASSERT_TRUE(shown == expected || shown == plain)
                    << x << ", " << y << ": " << std::hex << shown;
                drawn += shown == expected ? 1 : 0;
                missing += shown == plain ? 1 : 0;
            }
        }
        EXPECT_GT(drawn, side * side / 4);
        EXPECT_GT(missing, side * side / 4);
    }
}

} // namespace
} // namespace pikora::pack::testing
