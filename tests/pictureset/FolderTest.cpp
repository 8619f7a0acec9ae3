// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// A picture folder changed as a window changes it: real files in a temporary folder, real
// sox and espeak-ng.
#include "platform/FileSystem.h"
#include "platform/PictureFolder.h"
#include "platform/Wave.h"
#include "support/OrdinaryUser.h"

#include <cmath>
#include <sys/stat.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pikora::pictureset {
namespace {

class FolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("pics")));
        QImage photo(800, 600, QImage::Format_RGB32);
        photo.fill(Qt::red);
        ASSERT_TRUE(photo.save(path("red.png")));
        ASSERT_TRUE(photo.save(path("red.jpg")));
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList files() const { return QDir(path("pics")).entryList(QDir::Files | QDir::Hidden); }
    // `seconds` of a loud tone between half a second of silence at each end.
    static std::vector<std::int16_t> tone(double seconds, int rate)
    {
        std::vector<std::int16_t> samples(std::size_t((seconds + 1) * rate));
        for (std::size_t i = rate / 2; i + rate / 2 < samples.size(); ++i) {
            samples[i] = std::int16_t(16000 * std::sin(2 * M_PI * 440 * double(i) / rate));
        }
        return samples;
    }
    double seconds(const QString& name) const
    {
        const WaveInfo wave = inspectWaveFile(path("pics/" + name));
        EXPECT_TRUE(wave.isPcm16() && wave.channels == 1 && wave.sampleRate == 44100);
        return wave.dataBytes / (2.0 * wave.sampleRate);
    }

    QTemporaryDir m_dir;
    PictureFolder m_folder { m_dir.filePath(QStringLiteral("pics")) };
};

TEST_F(FolderTest, PhotosBecomePicturesAndWordsTheGameCannotTellApartAreRefused)
{
    const mode_t umask = ::umask(077);
    EXPECT_EQ(m_folder.addPicture(path("red.png"), "cat"), QString());
    EXPECT_EQ(m_folder.addPicture(path("red.jpg"), "kedi"), QString());
    ::umask(umask);
    EXPECT_EQ(QImage(path("pics/cat.bmp")).size(), QSize(420, 250));
    struct stat st = {};
    ASSERT_EQ(::stat(QFile::encodeName(path("pics/kedi.bmp")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    EXPECT_TRUE(
        m_folder.addPicture(path("red.png"), "CAT").contains("same name as the picture cat.bmp"));
    EXPECT_TRUE(m_folder.addPicture(path("red.png"), u"kedı"_qs).contains("shows"));
    EXPECT_TRUE(m_folder.addPicture(path("red.png"), "a.b").contains("'.'"));
    EXPECT_EQ(files(), QStringList({ ".pikora-pack.lock", "cat.bmp", "kedi.bmp" }));
    const std::vector<FolderPicture> pictures = m_folder.pictures();
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].voice.fault, "no voice: cat.wav is missing, so the game plays the chime");
}

TEST_F(FolderTest, VoicesAreTrimmedAndStoredAsTheGamePlaysThemBest)
{
    for (const char* word : { "cat", "dog", "owl", "bee" }) {
        ASSERT_EQ(m_folder.addPicture(path("red.png"), word), QString());
    }
    EXPECT_EQ(m_folder.voiceFromSamples("cat", tone(1, 16000), 16000), QString());
    EXPECT_NEAR(seconds("cat.wav"), 1.05, 0.05); // and the release after it
    EXPECT_EQ(m_folder.voiceFromSamples("dog", tone(12, 48000), 48000), QString());
    EXPECT_NEAR(seconds("dog.wav"), 10, 0.01);
    EXPECT_EQ(m_folder.voiceFromSamples("owl", std::vector<std::int16_t>(8000), 8000),
        "the recording is silent");
    QFile file(path("owl.wav"));
    ASSERT_TRUE(
        file.open(QIODevice::WriteOnly) && file.write(encodeWave16(tone(2, 22050), 1, 22050)));
    file.close();
    EXPECT_EQ(m_folder.voiceFromFile("owl", path("owl.wav")), QString());
    EXPECT_NEAR(seconds("owl.wav"), 2.05, 0.05);
    EXPECT_EQ(m_folder.speakVoice("bee", "en"), QString());
    for (const FolderPicture& picture : m_folder.pictures()) {
        EXPECT_TRUE(picture.voice.plays()) << picture.voice.fault.toStdString();
    }
}

TEST_F(FolderTest, ARenameCarriesTheVoiceAndTheHiddenMarkAndARemovalTakesAll)
{
    ASSERT_EQ(m_folder.addPicture(path("red.png"), "cat"), QString());
    ASSERT_EQ(m_folder.voiceFromSamples("cat", tone(1, 16000), 16000), QString());
    ASSERT_EQ(FileSystem().writeHiddenMark(path("pics/cat.bmp").toStdString(), true), 0);
    EXPECT_EQ(m_folder.rename("cat", "Kitten"), QString());
    EXPECT_EQ(files(),
        QStringList(
            { ".hidden", ".hidden.lock", ".pikora-pack.lock", "Kitten.bmp", "Kitten.wav" }));
    const std::vector<FolderPicture> pictures = m_folder.pictures();
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_TRUE(pictures[0].hidden && pictures[0].voice.plays());
    EXPECT_EQ(m_folder.remove("Kitten"), QString());
    EXPECT_EQ(files(), QStringList({ ".hidden", ".hidden.lock", ".pikora-pack.lock" }));
    QFile hidden(path("pics/.hidden"));
    EXPECT_TRUE(hidden.open(QIODevice::ReadOnly) && hidden.readAll().isEmpty());
    EXPECT_TRUE(m_folder.remove("Kitten").contains("no picture"));
}

TEST_F(FolderTest, AFolderThisUserMayNotChangeIsRefusedWithWhy)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path("pics")).constData(), 0555), 0);
    const std::optional<std::string> said = testing::asOrdinaryUser(
        [&] {
            return (m_folder.writeProblem() + u'|' + m_folder.addPicture(path("red.png"), "fox"))
                .toStdString();
        },
        m_dir.path().toStdString());
    ASSERT_TRUE(said.has_value());
    const QString why = "nothing can be changed in " + path("pics") + ": Permission denied";
    EXPECT_EQ(QString::fromStdString(*said), why + u'|' + why);
    EXPECT_TRUE(files().isEmpty());
}

} // namespace
} // namespace pikora::pictureset
