// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The rules of picture and voice making as plain functions: file stems, wave headers, the
// fitting of art and the emoji the font has.
#include "platform/PackNames.h"
#include "platform/Pictures.h"
#include "platform/Wave.h"

#include <gtest/gtest.h>

namespace pikora::pictureset {
namespace {

TEST(StemTest, RefusesWhatTheGameCannotUseAsAFileStem)
{
    const QString e188 = QString(94, QChar(0xe9)); // 188 UTF-8 bytes: 192 with ".bmp"
    const struct
    {
        QString word;
        bool usable;
    } rows[] = {
        { QStringLiteral("good job"), true },
        { QStringLiteral("été"), true },
        { e188, true },
        { e188 + u'x', false },
        { QString(188, u'x'), true },
        { QString(189, u'x'), false },
        { QStringLiteral("a.b"), false },
        { QStringLiteral("cat."), false },
        { QStringLiteral("a/b"), false },
        { QStringLiteral("a\\b"), false },
        { QStringLiteral("tab\there"), false },
        { QString(), false },
        { QStringLiteral("\u200b"), false },
        { QStringLiteral("\u200bx"), true },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(stemProblem(row.word).isEmpty(), row.usable) << row.word.toStdString();
    }
}

TEST(StemTest, NamesMatchIgnoringCase)
{
    EXPECT_EQ(caseKey(QStringLiteral("Cat")), caseKey(QStringLiteral("cAT")));
    EXPECT_EQ(caseKey(QStringLiteral("ÉTÉ")), caseKey(QStringLiteral("été")));
    EXPECT_NE(caseKey(QStringLiteral("cat")), caseKey(QStringLiteral("cats")));
}

TEST(WaveTest, ReadsItsOwnFilesAndRejectsOthers)
{
    const QByteArray good = encodeWave16({ 1, -1, 2, -2 }, 2, 22050);
    const WaveInfo info = inspectWave(good);
    EXPECT_TRUE(info.isPcm16()) << info.problem.toStdString();
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.sampleRate, 22050);
    EXPECT_EQ(info.dataBytes, 8u);

    const QByteArray noData = good.left(36); // the format chunk and nothing after it
    const struct
    {
        QByteArray bytes;
        const char* problem;
    } rows[] = {
        { QByteArray(), "empty" },
        { QByteArray("RIFF\0\0\0\0AVI LIST", 16), "not a RIFF/WAVE" },
        { QByteArray("OggS and more bytes"), "not a RIFF/WAVE" },
        { good.left(12), "no format chunk" },
        { noData, "holds no sound" },
        { encodeWave16({}, 1, 44100), "holds no sound" },
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(inspectWave(row.bytes).problem.contains(QLatin1String(row.problem)))
            << row.problem << " / " << inspectWave(row.bytes).problem.toStdString();
    }
}

TEST(PictureTest, FitsArtInsideABoxWithoutStretching)
{
    const QRectF wide = fitInside(QSizeF(200, 100), QRectF(0, 0, 420, 250));
    EXPECT_EQ(wide, QRectF(0, 20, 420, 210));
    const QRectF tall = fitInside(QSizeF(100, 200), QRectF(0, 0, 420, 250));
    EXPECT_EQ(tall, QRectF(147.5, 0, 125, 250));
}

TEST(PictureTest, EmojiTheFontLacksAreNamed)
{
    const EmojiPainter painter;
    ASSERT_TRUE(painter.fontProblem().isEmpty()) << painter.fontProblem().toStdString();
    for (const char* known :
        { "🐱", "👋🚶‍➡️", "🏃‍♀️", "7️⃣", "🇫🇷", "✈️" }) {
        EXPECT_TRUE(painter.problem(QString::fromUtf8(known)).isEmpty()) << known;
    }
    // A playing-card back the font has no picture of, a plain letter, a joined pair that
    // is no emoji of its own.
    for (const char* unknown : { "🂿", "x", "🐱‍🍎" }) {
        EXPECT_TRUE(painter.problem(QString::fromUtf8(unknown)).contains(u"unknown emoji"))
            << unknown;
    }
}

} // namespace
} // namespace pikora::pictureset
