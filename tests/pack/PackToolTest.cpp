// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// pikora-pack run as a parent would run it, on word lists with the cases it must get right.
#include "Manifest.h"
#include "PackRun.h"
#include "platform/VoiceFile.h"
#include "platform/Wave.h"

#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>

#include <QColor>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace pikora::pack::testing {

using namespace pictureset;

namespace {

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

QImage redImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

// A rectangle whose edges are each within one pixel of `expected`.
void expectNear(const QRect& found, const QRect& expected, const char* what)
{
    EXPECT_LE(std::abs(found.left() - expected.left()), 1) << what;
    EXPECT_LE(std::abs(found.top() - expected.top()), 1) << what;
    EXPECT_LE(std::abs(found.right() - expected.right()), 1) << what;
    EXPECT_LE(std::abs(found.bottom() - expected.bottom()), 1) << what;
}

using PackToolTest = PackRunTest;

TEST_F(PackToolTest, ImagesOfEachFormatAreScaledToFitWithoutStretching)
{
    ASSERT_TRUE(redImage(200, 100).save(path("wide.png"), "PNG"));
    ASSERT_TRUE(redImage(100, 200).save(path("tall.jpg"), "JPEG", 95));
    ASSERT_TRUE(redImage(50, 50).save(path("square.bmp"), "BMP"));
    write("banner.svg",
        "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 300 100' width='30' "
        "height='10'><rect width='300' height='100' fill='#ff0000'/></svg>");
    // A phone's photo: red is (234, 51, 35) in its Display P3, red again in the game's sRGB.
    QImage p3 = redImage(200, 100);
    p3.setColorSpace(QColorSpace::SRgb);
    p3.convertToColorSpace(QColorSpace::DisplayP3);
    ASSERT_TRUE(p3.save(path("p3.png"), "PNG"));
    const RunResult run = pack("wide | image:wide.png\n"
                               "tall | image:tall.jpg\n"
                               "square | image:square.bmp\n"
                               "banner | image:banner.svg\n"
                               "missing | image:nothere.png\n"
                               "p3 | image:p3.png\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(u"line 5: missing: the image")) << run.err.toStdString();
    EXPECT_FALSE(exists("out/missing.bmp"));

    const struct
    {
        const char* name;
        QRect red;
    } rows[] = {
        { "out/wide.bmp", QRect(0, 20, 420, 210) },
        { "out/tall.bmp", QRect(148, 0, 125, 250) },
        { "out/square.bmp", QRect(85, 0, 250, 250) },
        { "out/banner.bmp", QRect(0, 55, 420, 140) },
        { "out/p3.bmp", QRect(0, 20, 420, 210) },
    };
    for (const auto& row : rows) {
        const QByteArray bytes = read(row.name);
        EXPECT_EQ(bmpDepth(bytes), 24) << row.name;
        const QImage image = QImage::fromData(bytes);
        ASSERT_EQ(image.size(), QSize(420, 250)) << row.name;
        expectNear(extent(image, isRed), row.red, row.name);
        const QRgb red = image.pixel(image.rect().center());
        EXPECT_LE(255 - qRed(red) + qGreen(red) + qBlue(red), 12) << row.name << std::hex << red;
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)) << row.name << ": white around";
    }
}

// What a teacher brings: a 10-channel 48 kHz float recording, one longer than the game
// plays, a 48-megapixel photo, WebP and TIFF pictures.
TEST_F(PackToolTest, RecordingsAndPhotosOfEveryKindBecomeWhatTheGamePlaysBest)
{
    const auto sox = [&](const QStringList& arguments) {
        ASSERT_EQ(runProgram(QStringLiteral("sox"), arguments).exitCode, 0)
            << arguments.join(u' ').toStdString();
    };
    sox({ "-n", "-r", "48000", "-c", "10", "-e", "floating-point", "-b", "32", path("ten.wav"),
        "synth", "1", "sine", "440", "pad", "0.5", "0.5" });
    sox({ "-n", "-r", "8000", path("long.wav"), "synth", "601", "sine", "300" });
    QImage photo(8000, 6000, QImage::Format_RGB32);
    photo.fill(Qt::red);
    ASSERT_TRUE(photo.save(path("photo.jpg"), "JPEG", 50));
    ASSERT_TRUE(redImage(300, 200).save(path("web.webp"), "WEBP"));
    ASSERT_TRUE(redImage(300, 200).save(path("scan.tiff"), "TIFF"));
    const RunResult run = pack("ten | image:photo.jpg | voice:ten.wav\n"
                               "long | image:web.webp | voice:long.wav\n"
                               "scan | image:scan.tiff\n");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(
        run.err.contains(QStringLiteral("line 2: long: the recording %1 lasts 601 s; cut to "
                                        "the 600 s the game plays")
                             .arg(path("long.wav"))))
        << run.err.toStdString();
    const struct
    {
        const char* name;
        double seconds;
    } voices[] = { { "out/ten.wav", 1.05 }, { "out/long.wav", 600 } };
    for (const auto& voice : voices) {
        const WaveInfo info = inspectWave(read(voice.name));
        EXPECT_TRUE(info.isPcm16()) << voice.name;
        EXPECT_EQ(info.channels, 1) << voice.name;
        EXPECT_EQ(info.sampleRate, VoiceLimits::deviceRate) << voice.name;
        EXPECT_NEAR(info.dataBytes / 2.0 / info.sampleRate, voice.seconds, 0.02)
            << voice.name << ": silence trimmed, a 50 ms release added";
    }
    const QRect fitted[]
        = { QRect(43, 0, 333, 250), QRect(23, 0, 375, 250), QRect(23, 0, 375, 250) };
    const char* pictures[] = { "out/ten.bmp", "out/long.bmp", "out/scan.bmp" };
    for (int i = 0; i < 3; ++i) {
        const QImage image = QImage::fromData(read(pictures[i]));
        ASSERT_EQ(image.size(), QSize(420, 250)) << pictures[i];
        expectNear(extent(image, isRed), fitted[i], pictures[i]);
    }
    EXPECT_EQ(check(path("out")).exitCode, 0) << check(path("out")).out.toStdString();
}

TEST_F(PackToolTest, AnUnknownEmojiIsReportedAndTheRestAreMade)
{
    const RunResult run = pack("cat | emoji:🐱\nbad | emoji:🂿\ndog | emoji:🐶\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(u"line 2: bad: unknown emoji '🂿' (U+1F0BF)"))
        << run.err.toStdString();
    EXPECT_FALSE(exists("out/bad.bmp"));
    EXPECT_FALSE(exists("out/bad.wav"));
    for (const char* name : { "out/cat.bmp", "out/cat.wav", "out/dog.bmp", "out/dog.wav" }) {
        EXPECT_TRUE(exists(name)) << name;
    }
    // In full colour: the cat is orange, not a grey outline.
    const QImage cat(path("out/cat.bmp"));
    EXPECT_FALSE(extent(cat, [](QRgb p) { return QColor(p).hsvSaturation() > 150; }).isEmpty());
}

TEST_F(PackToolTest, WordsWithSpacesAndNonAsciiLettersKeepTheirNames)
{
    const RunResult run = pack("good job | emoji:👍\n"
                               "été | emoji:☀️ | lang:fr\n"
                               "Hund | emoji:🐕\n",
        { QStringLiteral("--lang"), QStringLiteral("de") });
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList names = QDir(path("out")).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(names,
        QStringList(
            { "Hund.bmp", "Hund.wav", "good job.bmp", "good job.wav", "été.bmp", "été.wav" }));
    EXPECT_TRUE(std::filesystem::exists(path("out").toStdString() + "/\xc3\xa9t\xc3\xa9.wav"))
        << "the name is written as UTF-8";
    for (const char* name : { "out/good job.wav", "out/été.wav", "out/Hund.wav" }) {
        const WaveInfo wave = inspectWave(read(QString::fromUtf8(name)));
        EXPECT_TRUE(wave.isPcm16()) << name << ": " << wave.problem.toStdString();
        EXPECT_GT(wave.dataBytes, std::uint32_t(wave.sampleRate / 5)) << name;
    }
    EXPECT_EQ(check(path("out")).exitCode, 0) << "a folder it made passes the check";
}

TEST_F(PackToolTest, AMissingSpeechLanguageFailsOnlyTheWordsThatNeedIt)
{
    ASSERT_EQ(runProgram(QStringLiteral("sox"),
                  { "-n", "-r", "8000", "-b", "8", path("rec8.wav"), "synth", "0.3", "sine", "440",
                      "vol", "0.5" })
                  .exitCode,
        0);
    ASSERT_EQ(
        runProgram(QStringLiteral("sox"), { "-n", path("rec.ogg"), "synth", "0.3", "sine", "440" })
            .exitCode,
        0);
    write("fox.mp3", "ID3 and no more");
    write("owl.ogg", "OggS and no more");
    const RunResult run = pack("cat | emoji:🐱\n"
                               "dog | emoji:🐶 | voice:rec8.wav\n"
                               "bird | emoji:🐦 | voice:rec.ogg\n"
                               "cow | emoji:🐮 | voice:nothere.ogg\n"
                               "fox | emoji:🦊 | voice:fox.mp3\n"
                               "owl | emoji:🦉 | voice:owl.ogg\n",
        { QStringLiteral("--lang"), QStringLiteral("xx-nowhere") });
    EXPECT_EQ(run.exitCode, 1);
    // sox's own words, without its path nor the file's again.
    EXPECT_TRUE(run.err.contains(QRegularExpression("line 6: owl: the recording "
        + QRegularExpression::escape(path("owl.ogg")) + " cannot be read by sox: [A-Z][^`/\n]+\n")))
        << run.err.toStdString();
    const bool soxReadsMp3 = runProgram("sox", { "--help" }).out.contains(u" mp3 ");
    EXPECT_EQ(run.err.contains(u"fox.mp3 is MP3, which sox reads only once the Debian package "
                               u"libsox-fmt-mp3 is installed"),
        !soxReadsMp3);
    EXPECT_TRUE(run.err.contains(u"no voice for the language 'xx-nowhere'"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(u"line 4: cow: the recording")) << run.err.toStdString();
    EXPECT_FALSE(exists("out/cat.bmp")) << "a word is made whole or not at all";
    EXPECT_FALSE(exists("out/cow.bmp"));
    for (const char* name : { "out/dog.wav", "out/bird.wav" }) {
        const WaveInfo wave = inspectWave(read(name));
        EXPECT_TRUE(wave.isPcm16()) << name << " is converted to 16-bit PCM";
        EXPECT_TRUE(exists(QString::fromLatin1(name).replace(".wav", ".bmp")));
    }
}

TEST_F(PackToolTest, RefusesWordsTheGameCouldNotUseOrTellApart)
{
    const RunResult run = pack("cat | emoji:🐱\n"
                               "Cat | emoji:🐈\n"
                               "a.b\n"
                               "x/y\n"
                               "ÉTÉ\n"
                               "été\n"
                               "kedi\n"
                               "kedı\n");
    EXPECT_EQ(run.exitCode, 1);
    for (const char* message : { "line 2: Cat: same name as 'cat' on line 1",
             "line 3: a.b: a word with '.' cannot name a picture", "line 4: x/y: a word with '/'",
             "line 6: été: same name as 'ÉTÉ' on line 5",
             "line 8: kedı: the game shows it as KEDI, as it shows 'kedi' on line 7" }) {
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(message))) << message << "\n"
                                                                  << run.err.toStdString();
    }
    EXPECT_EQ(QDir(path("out")).entryList(QDir::Files, QDir::Name),
        QStringList({ "cat.bmp", "cat.wav", "kedi.bmp", "kedi.wav", "ÉTÉ.bmp", "ÉTÉ.wav" }));
}

TEST_F(PackToolTest, ARerunKeepsWhatItDidNotMakeOrWhatWasChangedSinceUnlessForced)
{
    write("out/cat.bmp", "a parent's own picture");
    write("out/DOG.wav", "a parent's own voice");
    const char* list = "cat | emoji:🐱\ndog | emoji:🐶\nbird | emoji:🐦\n";
    RunResult run = pack(list);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(u"line 1: cat: cat.bmp is in the folder and was not made "
                                 u"by pikora-pack; --force replaces it"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(u"line 2: dog: DOG.wav")) << run.err.toStdString();
    EXPECT_EQ(read("out/cat.bmp"), "a parent's own picture");
    EXPECT_EQ(read("out/DOG.wav"), "a parent's own voice");
    EXPECT_FALSE(exists("out/cat.wav"));
    EXPECT_FALSE(exists("out/dog.bmp"));
    const QByteArray birdVoice = read("out/bird.wav");
    EXPECT_FALSE(birdVoice.isEmpty());

    // A teacher edits a picture it made; a run after that keeps it and makes the rest.
    write("out/bird.bmp", "edited since");
    run = pack(list, { QStringLiteral("--dry-run") });
    for (const char* line :
        { "keep bird.bmp: changed since pikora-pack made it", "replace bird.wav" }) {
        EXPECT_TRUE(run.out.contains(QLatin1String(line))) << line << "\n" << run.out.toStdString();
    }
    QFile::remove(path("out/bird.wav"));
    run = pack(list, { QStringLiteral("--dry-run") });
    EXPECT_TRUE(run.out.contains(u"make bird.wav")) << run.out.toStdString();
    EXPECT_FALSE(exists("out/bird.wav")) << "a dry run makes nothing";
    run = pack(list);
    EXPECT_TRUE(run.err.contains(u"line 3: bird: kept bird.bmp: it was changed since "
                                 u"pikora-pack made it; --force replaces it"))
        << run.err.toStdString();
    EXPECT_EQ(read("out/bird.bmp"), "edited since");
    EXPECT_EQ(read("out/bird.wav"), birdVoice) << "the file it lacked is made again";

    run = pack(list, { QStringLiteral("--force") });
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char* name : { "out/cat.bmp", "out/bird.bmp" }) {
        EXPECT_EQ(bmpDepth(read(name)), 24) << name;
    }
    EXPECT_FALSE(exists("out/DOG.wav")) << "a name in another case would show DOG twice";
    EXPECT_TRUE(exists("out/dog.wav"));
    const QString manifest = QString::fromUtf8(read("out/.pikora-pack"));
    EXPECT_TRUE(
        manifest.contains(QString::fromLatin1(checksumOf(read("out/cat.bmp")) + "  cat.bmp\n")))
        << manifest.toStdString();
    EXPECT_FALSE(manifest.contains(u".pikora-pack\n"));
    EXPECT_FALSE(manifest.contains(u"DOG.wav"));
}

// A shared folder: any member may have put links or a pipe at the names a run uses.
TEST_F(PackToolTest, LinksAndPipesAtItsNamesAreNeitherFollowedNorWaitedOn)
{
    write("theirs", "another's file");
    ASSERT_TRUE(QDir().mkpath(path("out")));
    for (const char* name :
        { ".pikora-pack-new.bmp", ".pikora-pack-new.wav", ".pikora-pack-new.speech.wav" }) {
        ASSERT_TRUE(QFile::link(path("theirs"), path("out/") + name)) << name;
    }
    RunResult run = pack("cat | emoji:🐱\n");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(bmpDepth(read("out/cat.bmp")), 24);
    ASSERT_TRUE(QFile::remove(path("out/.pikora-pack")));
    ASSERT_TRUE(QFile::link(path("theirs"), path("out/.pikora-pack")));
    run = pack("cat | emoji:🐱\n", { QStringLiteral("--force") });
    EXPECT_TRUE(run.err.contains(u".pikora-pack is a symbolic link")) << run.err.toStdString();
    EXPECT_EQ(read("theirs"), "another's file");
    ASSERT_TRUE(QFile::remove(path("out/.pikora-pack")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("out/.pikora-pack")).constData(), 0600), 0);
    run = pack("cat | emoji:🐱\n", { QStringLiteral("--force") });
    EXPECT_TRUE(run.err.contains(u".pikora-pack is not a plain file")) << run.err.toStdString();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(QDir(path("out"))
                    .entryList({ ".pikora-pack-??????" }, QDir::AllEntries | QDir::Hidden)
                    .isEmpty())
        << "the work folder goes on every way out";
}

// (A member's run beside root's read-only list is tried in tests/install: root's is not.)
TEST_F(PackToolTest, FilesGetTheModeOfAGroupsFolderWhateverTheUmask)
{
    ASSERT_TRUE(QDir().mkpath(path("out")));
    ASSERT_EQ(::chmod(QFile::encodeName(path("out")).constData(), 02775), 0) << "group-shared";
    const mode_t umask = ::umask(077);
    const RunResult run = pack("cat | emoji:🐱\n");
    ::umask(umask);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char* name : { "out/cat.bmp", "out/cat.wav", "out/.pikora-pack" }) {
        struct stat st = {};
        ASSERT_EQ(::stat(QFile::encodeName(path(name)).constData(), &st), 0) << name;
        EXPECT_EQ(st.st_mode & 07777, 0664u) << name << ": the group may make it again";
    }
}

// The other run is waited for (10 s) before the second gives up.
TEST_F(PackToolTest, ARunRefusesAFolderThatAnotherRunIsMaking)
{
    write("out/.pikora-pack.lock", "");
    QFile lock(path("out/.pikora-pack.lock"));
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    ASSERT_EQ(::flock(lock.handle(), LOCK_EX), 0);
    RunResult run = pack("cat | emoji:🐱\n", { QStringLiteral("--dry-run") });
    EXPECT_TRUE(run.out.contains(u"make cat.bmp")) << "a dry run takes no lock";
    run = pack("cat | emoji:🐱\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("pikora-pack: another pikora-pack is making %1; "
                                                "try again when it has finished")
                                     .arg(path("out"))))
        << run.err.toStdString();
    EXPECT_EQ(QDir(path("out")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList({ ".pikora-pack.lock" }));
}

// A folder this user may not write in is said once, before a word is tried; one that stops
// taking files (full here, as a stick turned read-only) ends the run at the word that finds it.
// (tmpfs of 500 KB: room for one word.)
TEST_F(PackToolTest, AFolderThatTakesNoFilesIsSaidOnceAndTheRunStops)
{
    write("words.txt", "red | colour\nblue | colour\ngreen | colour\n");
    ASSERT_TRUE(QDir().mkpath(path("out")));
    ASSERT_EQ(::chmod(QFile::encodeName(path("out")).constData(), 0555), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path(".")).constData(), 0755), 0);
    const QString tool = QStringLiteral(PIKORA_PACK_PROGRAM);
    const QStringList arguments = { tool, path("words.txt"), path("out") };
    // Root writes in any folder: user nobody runs the tool then.
    const QStringList asNobody = { "--reuid=65534", "--regid=65534", "--clear-groups" };
    RunResult run = ::geteuid() == 0 ? runProgram("setpriv", asNobody + arguments)
                                     : runProgram(tool, arguments.mid(1));
    EXPECT_EQ(run.err.count(u"pikora-pack: "), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("nothing can be made in " + path("out") + ": Permission denied"));
    const QString mount = R"(mount -t tmpfs -o size=500k none "$3" || exit 99; exec "$@")";
    run = runProgram("unshare", QStringList { "-rm", "sh", "-c", mount, "sh" } + arguments);
    if (run.exitCode == 99 || run.err.contains(u"unshare:")) {
        GTEST_SKIP() << "no file system of its own here: " << run.err.toStdString();
    }
    EXPECT_EQ(run.err.count(u"pikora-pack: "), 2) << run.err.toStdString(); // and the sum
    EXPECT_TRUE(run.err.contains("nothing more can be made in " + path("out")
        + ": No space left on device; the words from line 2 on were not made\n"));
}

TEST(PackHelpTest, HelpShowsTheUsageAndTheWordListSyntax)
{
    const RunResult run = runProgram(QStringLiteral(PIKORA_PACK_PROGRAM), { "--help" });
    EXPECT_EQ(run.exitCode, 0);
    for (const char* text : { "--lang LANG", "--force", "--check FOLDER",
             "emoji:", "image:", "colour:", "letter", "voice:", "say:" }) {
        EXPECT_TRUE(run.out.contains(QLatin1String(text))) << text;
    }
    EXPECT_EQ(runProgram(QStringLiteral(PIKORA_PACK_PROGRAM), { "only-one" }).exitCode, 2);
    const RunResult mixed
        = runProgram(QStringLiteral(PIKORA_PACK_PROGRAM), { "--check", ".", "--dry-run" });
    EXPECT_EQ(mixed.exitCode, 2);
    EXPECT_TRUE(mixed.err.contains(u"--dry-run does not go with --check"))
        << mixed.err.toStdString();
}

} // namespace
} // namespace pikora::pack::testing
