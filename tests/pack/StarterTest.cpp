// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The starter sets: every language's list read as the tool reads it, and each set made by
// pikora-pack --starter as a parent would make it.
#include "Starter.h"

#include "PackRun.h"
#include "WordList.h"
#include "game/PictureCatalog.h"
#include "platform/LetterCase.h"
#include "platform/PackNames.h"
#include "platform/Voices.h"
#include "platform/Wave.h"
#include "support/FakePlatform.h"
#include "ui/PikoraDlg.h"

#include <set>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace pikora::pack::testing {

using namespace pictureset;

namespace {

WordList readList(const StarterLanguage& language)
{
    const QString folder = starterFolder(QCoreApplication::applicationDirPath());
    QFile file(QDir(folder).filePath(language.list));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return parseWordList(QString::fromUtf8(file.readAll()), QDir(folder));
}

// The loudest sample of a 16-bit wave file's data (the data chunk ends the file).
int peakOf(const QByteArray& wave)
{
    const WaveInfo info = inspectWave(wave);
    int peak = 0;
    for (qsizetype i = wave.size() - qsizetype(info.dataBytes); i + 1 < wave.size(); i += 2) {
        const auto sample = std::int16_t(std::uint8_t(wave[i]) | (std::uint8_t(wave[i + 1]) << 8));
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}

QStringList picturesIn(const QString& folder)
{
    return QDir(folder).entryList({ QStringLiteral("*.bmp") }, QDir::Files);
}

TEST(StarterLists, EveryLanguageShowsTheEnglishPicturesWithNamesTheGameCanUse)
{
    const WordList english = readList(*findStarterLanguage(QStringLiteral("en")));
    ASSERT_EQ(english.entries.size(), 121u);
    Speaker speaker;
    pikora::testing::FakePlatform platform;
    GameContext context(platform);
    ui::CPikoraDlg window(context); // shows every word as the game does: boxes, font, capitals
    window.OnInitDialog();
    for (const StarterLanguage& language : starterLanguages()) {
        const std::string code = language.code.toStdString();
        const WordList list = readList(language);
        EXPECT_TRUE(list.problems.empty()) << code << " line " << list.problems.front().line;
        ASSERT_EQ(list.entries.size(), english.entries.size()) << code;
        std::set<std::string> shown;
        for (std::size_t i = 0; i < list.entries.size(); ++i) {
            const WordEntry& entry = list.entries[i];
            const std::string word = entry.word.toStdString();
            EXPECT_EQ(entry.picture, english.entries[i].picture) << code << " " << word;
            if (entry.picture != PictureKind::Letter) { // a letter shows the word itself
                EXPECT_EQ(entry.pictureValue, english.entries[i].pictureValue)
                    << code << " " << word;
            }
            EXPECT_TRUE(stemProblem(entry.word).isEmpty()) << code << " " << word;
            EXPECT_TRUE(isAddressablePictureName(word + ".bmp")) << code << " " << word;
            EXPECT_EQ(stemOf(word + ".bmp"), word) << code;
            // The game shows words in capitals: two that differ only in case would look alike.
            EXPECT_TRUE(shown.insert(upperCase(word)).second) << code << " " << word;
            context.mainFields = { upperCase(word), "", { upperCase(word), upperCase(word) } };
            window.pushFields();
            for (const QTextEdit* box : window.findChildren<QTextEdit*>()) { // fits on one line
                EXPECT_LE(box->document()->idealWidth(), box->contentsRect().width())
                    << code << " " << word << " in " << box->objectName().toStdString();
            }
        }
        EXPECT_EQ(speaker.languageProblem(language.voice), QString()) << code;
    }
}

TEST(StarterLists, TheLanguagesAreListedAndAnUnknownOneIsRefused)
{
    const RunResult list = runProgram(QStringLiteral(PIKORA_PACK_PROGRAM),
        { QStringLiteral("--starter"), QStringLiteral("list") });
    EXPECT_EQ(list.exitCode, 0);
    QStringList codes;
    for (const QString& line : list.out.split(u'\n', Qt::SkipEmptyParts)) {
        codes << line.section(u' ', 0, 0);
    }
    EXPECT_EQ(codes,
        QStringList(
            { "en", "ar", "de", "es", "fr", "it", "nl", "pl", "pt", "ru", "tr", "uk", "zh" }));

    // A locale's name finds the set of its language.
    for (const char* row : { "zh_CN:zh", "de_DE.UTF-8:de", "pt-BR:pt", "EN:en", "xx_DE:" }) {
        const StarterLanguage* found
            = findStarterLanguage(QString::fromLatin1(row).section(u':', 0, 0));
        EXPECT_EQ(found ? found->code : QString(), QString::fromLatin1(row).section(u':', 1))
            << row;
    }

    QTemporaryDir dir;
    const RunResult unknown = runProgram(QStringLiteral(PIKORA_PACK_PROGRAM),
        { QStringLiteral("--starter"), QStringLiteral("xx"), dir.filePath(QStringLiteral("out")) });
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(u"no starter set in 'xx'")) << unknown.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("out"))));
}

// pikora-pack installed beside a game: bin/pikora-pack and Pikora/mymain.
class InstalledStarter : public PackRunTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("bin"))));
        ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("Pikora/mymain"))));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PIKORA_PACK_PROGRAM), program()));
    }

    QString program() const { return path(QStringLiteral("bin/pikora-pack")); }
    QString pictures() const { return path(QStringLiteral("Pikora/mymain")); }
};

TEST_F(InstalledStarter, OneCommandPutsTheGermanSetInPlaceOfTheSetMadeBefore)
{
    // An earlier set made there by the tool, and a picture with its voice added by hand.
    write(QStringLiteral("earlier.txt"), "cat | colour:#ff0000\ndog | colour:#00ff00\n");
    write(QStringLiteral("own.txt"), "Sonne | colour:#ffff00\n");
    ASSERT_EQ(
        runProgram(program(), { path(QStringLiteral("earlier.txt")), pictures() }).exitCode, 0);
    ASSERT_EQ(runProgram(program(), { path(QStringLiteral("own.txt")), path("own") }).exitCode, 0);
    for (const char* name : { "Sonne.bmp", "Sonne.wav" }) {
        ASSERT_TRUE(QFile::copy(path(QStringLiteral("own/%1").arg(name)),
            path(QStringLiteral("Pikora/mymain/%1").arg(name))));
    }

    // A voice of the earlier set that a teacher recorded anew.
    write(QStringLiteral("Pikora/mymain/dog.wav"), read(QStringLiteral("Pikora/mymain/Sonne.wav")));

    const RunResult run = runProgram(program(),
        { QStringLiteral("--starter"), QStringLiteral("de"),
            QStringLiteral("--replace-installed") });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(u"kept dog.wav: it was changed since pikora-pack made it"))
        << run.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("Pikora/mymain/dog.wav")),
        read(QStringLiteral("Pikora/mymain/Sonne.wav")));

    const QStringList made = picturesIn(pictures());
    EXPECT_EQ(made.size(), 122);
    EXPECT_TRUE(made.contains(QStringLiteral("Hund.bmp")));
    EXPECT_TRUE(made.contains(QStringLiteral("Sonne.bmp"))) << "a picture added by hand stays";
    EXPECT_FALSE(made.contains(QStringLiteral("cat.bmp")));
    EXPECT_FALSE(exists(QStringLiteral("Pikora/mymain/dog.bmp")));
    const QByteArray voice = read(QStringLiteral("Pikora/mymain/Hund.wav"));
    ASSERT_TRUE(inspectWave(voice).isPcm16());
    EXPECT_GT(peakOf(voice), 3000) << "the voice is not silent";
    const RunResult checked = check(pictures());
    EXPECT_EQ(checked.exitCode, 0) << checked.out.toStdString();
}

TEST_F(InstalledStarter, ADryRunListsTheSetAndLeavesTheSetMadeBefore)
{
    write(QStringLiteral("earlier.txt"), "cat | colour:#ff0000\n");
    ASSERT_EQ(
        runProgram(program(), { path(QStringLiteral("earlier.txt")), pictures() }).exitCode, 0);
    const RunResult run = runProgram(program(),
        { QStringLiteral("--starter"), QStringLiteral("de"), QStringLiteral("--dry-run"),
            QStringLiteral("--replace-installed") });
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(u"make Hund.bmp")) << run.out.toStdString();
    EXPECT_EQ(
        QDir(pictures()).entryList(QDir::Files, QDir::Name), QStringList({ "cat.bmp", "cat.wav" }));
}

TEST_F(InstalledStarter, ReplacingWithoutAnInstalledGameIsRefused)
{
    ASSERT_TRUE(QDir(path(QStringLiteral("Pikora"))).removeRecursively());
    const RunResult run = runProgram(program(),
        { QStringLiteral("--starter"), QStringLiteral("fr"),
            QStringLiteral("--replace-installed") });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(u"no game is installed")) << run.err.toStdString();
}

// Each language makes its whole set, which the game can play without a fault.
class StarterSet : public PackRunTest, public ::testing::WithParamInterface<const char*>
{ };

TEST_P(StarterSet, IsMadeWholeAndChecksClean)
{
    const QString folder = path(QStringLiteral("out"));
    const RunResult run = runProgram(
        QStringLiteral(PIKORA_PACK_PROGRAM), { QStringLiteral("--starter"), GetParam(), folder });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(picturesIn(folder).size(), 121);
    const RunResult checked = check(folder);
    EXPECT_EQ(checked.exitCode, 0) << checked.out.toStdString();
    EXPECT_TRUE(checked.out.contains(u"121 pictures (121 in play), 121 voices, 0 faults"))
        << checked.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, StarterSet,
    ::testing::Values("ar", "es", "fr", "it", "nl", "pl", "pt", "ru", "tr", "uk", "zh"),
    [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
} // namespace pikora::pack::testing
