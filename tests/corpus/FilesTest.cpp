// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue, the Setup window's marks, the settings store and the report file over
// folders and files a user can give the program: the real file services, the game logic on
// the fake platform. Nothing may crash, hang, lose a file or leave one half written.
#include "Corpus.h"
#include "game/GameContext.h"
#include "game/ScoreReport.h"
#include "game/Settings.h"
#include "platform/StoreFile.h"
#include "support/FakePlatform.h"
#include "support/OrdinaryUser.h"
#include "support/TempDir.h"
#include "ui/SetupLogic.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::asOrdinaryUser;
using testing::CurrentTempDir;
using testing::FakePlatform;
using testing::TempDir;
namespace fs = std::filesystem;

const std::string key = std::string("HKEY_LOCAL_MACHINE\\") + settingsKeyPath;
const std::string notRun = "not run as an ordinary user";

double secondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Messages in a fixed order: the folder's order is the file system's.
std::string joined(std::vector<std::string> lines)
{
    std::sort(lines.begin(), lines.end());
    std::string out;
    for (const auto& line : lines) {
        out += line + ";";
    }
    return out;
}

// The program's folder is a temporary one, current while the test runs, with the corpus
// as its picture folder.
class CorpusFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        items = corpus::makePictureFolder(dir / "mymain", { 0, false });
        context.settings = { 1, 1, 1, 1, 0, 300, dir.str(), "" };
        platform.now = 100000;
    }

    PictureListItem* listed(const std::string& stem)
    {
        for (auto& item : setupFields.pictures) {
            if (item.label == stem) {
                return &item;
            }
        }
        return nullptr;
    }

    CurrentTempDir dir;
    std::vector<corpus::Item> items;
    FakePlatform platform;
    GameContext context { platform };
    SetupFields setupFields;
};

TEST_F(CorpusFiles, CatalogueHoldsEveryPictureThatFitsWithPathsInBound)
{
    ASSERT_EQ(BuildCatalog(context.catalog, platform), 0);
    std::set<std::string> expected;
    for (const auto& item : items) {
        if (item.catalogued) {
            expected.insert("mymain\\" + item.stem + ".bmp");
        }
    }
    std::set<std::string> found;
    for (std::size_t i = 0; i < context.catalog.count(); ++i) {
        const auto& entry = context.catalog[i];
        found.insert(entry.picturePath);
        EXPECT_LE(entry.picturePath.size(), pathBound);
        EXPECT_LE(entry.voicePath.size(), pathBound);
        EXPECT_EQ(entry.voicePath.substr(0, entry.voicePath.size() - 4),
            entry.picturePath.substr(0, entry.picturePath.size() - 4));
    }
    EXPECT_EQ(found, expected);

    // Words follow the stems' bytes: ASCII upper case where a name is not UTF-8.
    std::map<std::string, std::string> words;
    for (std::size_t i = 0; i < context.catalog.count(); ++i) {
        words[context.catalog[i].picturePath] = context.catalog[i].word;
    }
    EXPECT_EQ(words["mymain\\caf\xe9.bmp"], "CAF\xe9");
    EXPECT_EQ(words["mymain\\\xff\xfe.bmp"], "\xff\xfe");
    EXPECT_EQ(words["mymain\\cut\xc3.bmp"], "CUT\xc3");
    EXPECT_EQ(words["mymain\\new\nline.bmp"], "NEW\nLINE");
    EXPECT_EQ(words["mymain\\x.bmp"], "X");
}

TEST_F(CorpusFiles, ConfirmingSetupUnchangedKeepsTheBinaryListByteForByte)
{
    const std::string before = dir.read("mymain/.hidden");
    ShowSetupWindow(context, setupFields);
    // Every picture file but the one with a backslash, which no path of the game addresses.
    ASSERT_EQ(setupFields.pictures.size(), items.size() - 1);
    ASSERT_NE(listed(corpus::hiddenStem), nullptr);
    EXPECT_FALSE(listed(corpus::hiddenStem)->checked);
    EXPECT_TRUE(listed("good")->checked);

    ApplyPictureSelection(platform, setupFields);
    // Nothing changed, so nothing is written or reported, not even the name beyond the path
    // bound (reported when its tick changes).
    EXPECT_EQ(joined(platform.messages), "");
    EXPECT_TRUE(dir.read("mymain/.hidden") == before) << "the list was changed";
}

TEST_F(CorpusFiles, MarksWrittenIntoTheBinaryListKeepEveryOtherByte)
{
    const std::string before = dir.read("mymain/.hidden");
    auto files = namesIn(dir / "mymain");
    files.insert(std::lower_bound(files.begin(), files.end(), ".hidden.lock"), ".hidden.lock");
    FillPictureList(platform, setupFields);
    listed("good")->checked = false;
    listed("caf\xe9")->checked = false;
    listed(corpus::hiddenStem)->checked = true;
    ApplyPictureSelection(platform, setupFields);
    const std::string after = dir.read("mymain/.hidden");
    // The list had no line feed at its end: one is added before the new lines, which come
    // in the folder's order.
    std::string kept = before;
    const std::string line = corpus::hiddenStem + ".bmp\r\n";
    kept.erase(kept.find(line), line.size());
    kept += "\n";
    ASSERT_TRUE(after.compare(0, kept.size(), kept) == 0) << "the old bytes were not kept";
    const std::string added = after.substr(kept.size());
    EXPECT_TRUE(added == "good.bmp\ncaf\xe9.bmp\n" || added == "caf\xe9.bmp\ngood.bmp\n") << added;

    ASSERT_EQ(BuildCatalog(context.catalog, platform), 0);
    std::set<std::string> words;
    for (std::size_t i = 0; i < context.catalog.count(); ++i) {
        words.insert(context.catalog[i].word);
    }
    EXPECT_EQ(words.count("GOOD"), 0u);
    EXPECT_EQ(words.count("CAF\xe9"), 0u);
    EXPECT_EQ(words.count("HIDDEN"), 1u);
    EXPECT_EQ(namesIn(dir / "mymain"), files); // the list's lock file, no temporary
}

// `.hidden` holds one name a line, so a name with a line feed cannot be listed: written
// anyway it would hide the file named by its second line and never itself.
TEST_F(CorpusFiles, ANameWithALineFeedCannotBeMarkedAndHidesNoOtherFile)
{
    const std::string before = dir.read("mymain/.hidden");
    FillPictureList(platform, setupFields);
    listed("new\nline")->checked = false;
    ApplyPictureSelection(platform, setupFields);
    EXPECT_EQ(joined(platform.messages), "22 oops;"); // 22: EINVAL
    EXPECT_TRUE(dir.read("mymain/.hidden") == before) << "the list was changed";
    ASSERT_EQ(BuildCatalog(context.catalog, platform), 0);
    std::set<std::string> words;
    for (std::size_t i = 0; i < context.catalog.count(); ++i) {
        words.insert(context.catalog[i].word);
    }
    EXPECT_EQ(words.count("LINE"), 1u);
    EXPECT_EQ(words.count("NEW\nLINE"), 1u);
}

// A list the program cannot read hides nothing and is never replaced: a change of marks is
// reported with its error code and nothing else happens.
TEST_F(CorpusFiles, AHiddenListThatCannotBeReadIsNeverReplaced)
{
    const struct
    {
        const char* what;
        std::function<void(const fs::path&)> make;
        int error; // of a mark that changes
        bool ordinaryUser = false;
    } rows[] = {
        { "a folder", [](const fs::path& at) { fs::create_directory(at); }, EISDIR },
        { "a FIFO", [](const fs::path& at) { ::mkfifo(at.c_str(), 0644); }, EINVAL },
        { "a link to /dev/zero", [](const fs::path& at) { fs::create_symlink("/dev/zero", at); },
            ELOOP },
        { "a file without read rights",
            [](const fs::path& at) {
                corpus::writeFile(at, "good.bmp\n");
                fs::permissions(at, fs::perms::none);
            },
            EACCES, true },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const fs::path list = dir / "mymain" / ".hidden";
        fs::remove(list);
        row.make(list);
        const auto type = fs::symlink_status(list).type();
        const auto run = [&] {
            std::string outcome;
            const double seconds = secondsOf([&] {
                BuildCatalog(context.catalog, platform);
                outcome = std::to_string(context.catalog.count()) + " in play;";
                platform.messages.clear();
                FillPictureList(platform, setupFields);
                for (auto& item : setupFields.pictures) {
                    outcome += item.checked ? "" : "unchecked " + item.label + ";";
                }
                listed("good")->checked = false; // a change: the list must be rewritten
                ApplyPictureSelection(platform, setupFields);
                outcome += joined(platform.messages);
            });
            return outcome + (seconds < 10 ? "" : "slow");
        };
        const std::string outcome
            = row.ordinaryUser ? asOrdinaryUser(run, dir.path()).value_or(notRun) : run();
        std::size_t inPlay = 0;
        for (const auto& item : items) {
            inPlay += item.catalogued || item.stem == corpus::hiddenStem ? 1 : 0;
        }
        std::vector<std::string> messages { std::to_string(row.error) + " oops" };
        EXPECT_EQ(outcome, std::to_string(inPlay) + " in play;" + joined(messages));
        EXPECT_EQ(fs::symlink_status(list).type(), type);
        if (row.ordinaryUser) {
            fs::permissions(list, fs::perms::owner_read);
            EXPECT_EQ(dir.read("mymain/.hidden"), "good.bmp\n");
        }
    }
}

// --- The score report

class ReportFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        corpus::makePictureFolder(dir / "mymain", { 0, false });
        ASSERT_EQ(BuildCatalog(context.catalog, platform), 0);
        for (std::size_t i = 0; i < context.catalog.count(); ++i) {
            context.catalog[i].correctCount = static_cast<std::int32_t>(i % 3);
            context.catalog[i].wrongCount = 1;
        }
        fs::create_directory(dir / "reports");
        context.settings.reportPath = (dir / "reports").string() + "\\report.txt";
    }

    CurrentTempDir dir;
    FakePlatform platform;
    GameContext context { platform };
};

// The report goes to the window whole; the file is skipped without a message when it
// cannot be written, and an old report stays as it was.
TEST_F(ReportFolder, AFolderThatCannotBeWrittenStillShowsTheWholeReport)
{
    const std::string expected = windowReportText(scoreReportOf(context.catalog));
    ASSERT_EQ(scoreReportOf(context.catalog).size(), context.catalog.count());
    {
        SCOPED_TRACE("report.txt is a folder");
        fs::create_directory(dir / "reports" / "report.txt");
        TimeUp(context);
        EXPECT_EQ(context.reportText, expected);
        EXPECT_TRUE(fs::is_directory(dir / "reports" / "report.txt"));
        EXPECT_TRUE(platform.messages.empty());
        fs::remove(dir / "reports" / "report.txt");
    }
    {
        SCOPED_TRACE("a read-only folder");
        corpus::writeFile(dir / "reports" / "report.txt", "old report\r\n");
        const auto readOnly
            = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
        const auto search = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
        fs::permissions(dir / "reports" / "report.txt", readOnly);
        fs::permissions(dir / "reports", readOnly | search);
        const auto outcome = asOrdinaryUser(
            [&] {
                context.reportText.clear();
                TimeUp(context);
                return std::string(context.reportText == expected ? "whole" : "cut")
                    + (platform.messages.empty() ? "" : " with a message");
            },
            dir.path());
        EXPECT_EQ(outcome, "whole");
        EXPECT_EQ(dir.read("reports/report.txt"), "old report\r\n");
        EXPECT_EQ(namesIn(dir / "reports"), std::vector<std::string> { "report.txt" });
    }
}

// --- The settings store

class CorpusStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        storePath = (dir / "machine.reg").string();
        platform.storePath = storePath;
        fs::create_directories(dir / "Pikora");
        platform.module = (dir / "Pikora" / "pikora").string();
    }

    // Loads (which saves at once) and saves again; the time both took.
    double loadAndSave()
    {
        return secondsOf([&] {
            loaded = LoadSettings(context);
            saved = SaveSettings(context);
        });
    }

    std::vector<std::int32_t> options() const
    {
        const auto& s = context.settings;
        return { s.field4, s.spell, s.hideButtons, s.useTimer, s.useWords, s.maxTimer };
    }

    TempDir dir;
    std::string storePath;
    FakePlatform platform;
    GameContext context { platform };
    int loaded = 0;
    int saved = 0;
};

TEST_F(CorpusStore, AStoreWithoutTheKeyIsLeftAsItIs)
{
    std::string garbage;
    for (int i = 0; i < 65536; ++i) {
        garbage.push_back(static_cast<char>((i * 2654435761u) >> 13));
    }
    const struct
    {
        const char* what;
        std::string content;
    } rows[] = {
        { "empty", "" },
        { "binary garbage", garbage },
        { "the key's name without brackets", std::string(StoreFile::header) + "\n" + key + "\n" },
        { "the key in a comment", "; [" + key + "]\n" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        corpus::writeFile(storePath, row.content);
        loadAndSave();
        EXPECT_EQ(loaded, -1);
        EXPECT_EQ(saved, -1);
        EXPECT_EQ(options(), std::vector<std::int32_t>(6, 0));
        EXPECT_TRUE(dir.read("machine.reg") == row.content) << "the store was changed";
        EXPECT_EQ(namesIn(dir.path()),
            (std::vector<std::string> { "Pikora", "machine.reg", "machine.reg.lock" }));
    }
}

// Far larger than any real store (a member could make one to stall everyone's game): it
// counts as unreadable, is read no further than its limit and is never written back.
TEST_F(CorpusStore, TenMegabytesOfOtherKeysMakeTheStoreUnreadableAndLeaveItAsItIs)
{
    std::string text = std::string(StoreFile::header) + "\r\n\r\n";
    for (int k = 0; text.size() < 10'000'000; ++k) {
        text += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\\K" + std::to_string(k) + "]\r\n";
        for (int v = 0; v < 20; ++v) {
            text += "\"V" + std::to_string(v) + "\"=hex:" + std::string(3 * 40 - 1, '0') + "\r\n";
        }
        text += "\r\n";
    }
    text += "[" + key + "]\r\n\"MAX_TIMER\"=dword:0000003c\r\n";
    corpus::writeFile(storePath, text);
    EXPECT_LT(loadAndSave(), 30.0);
    EXPECT_EQ(loaded, -1);
    EXPECT_EQ(saved, -1);
    EXPECT_EQ(options(), std::vector<std::int32_t>(6, 0));
    EXPECT_TRUE(dir.read("machine.reg") == text) << "the store was changed";
}

TEST_F(CorpusStore, TheFirstOfTwoKeysIsUsedAndTheSecondKeptUnchanged)
{
    const std::string second = "[" + key + "]\n\"FIELD4\"=dword:00000007\n\"SPELL\"=\"x\"\n";
    corpus::writeFile(storePath,
        std::string(StoreFile::header) + "\n\n[" + key + "]\n\"FIELD4\"=dword:00000000\n\n"
            + second);
    loadAndSave();
    EXPECT_EQ(loaded, 0);
    EXPECT_EQ(options(), (std::vector<std::int32_t> { 0, 1, 0, 1, 1, 300 }));
    const std::string after = dir.read("machine.reg");
    EXPECT_EQ(after.substr(after.size() - second.size()), second);
    EXPECT_EQ(
        StoreFile(after).value(key, "FIELD4")->bytes, (std::vector<std::uint8_t> { 0, 0, 0, 0 }));
}

// Every option stored with some other type: each is read by the byte rule and saved back
// as one 32-bit number, in place.
TEST_F(CorpusStore, ValuesOfTheWrongTypeAreReadByTheirBytesAndSavedAsNumbers)
{
    corpus::writeFile(storePath,
        std::string(StoreFile::header) + "\n\n[" + key + "]\n"
            + "\"FIELD4\"=\"1\"\n" // "1" and its NUL: 0x31
            + "\"SPELL\"=hex(b):01,00,00,00,00,00,00,00\n" // 8 bytes: the default
            + "\"HIDEBUTTONS\"=hex:05\n" + "\"USE_TIMER\"=-\n" // deleted: the default
            + "\"USE_WORDS\"=dword:nothex!\n" // unreadable: the default
            + "\"MAX_TIMER\"=hex(7):41,00,00,00\n" + "\"APP_FOLDER\"=dword:00000001\n");
    loadAndSave();
    EXPECT_EQ(loaded, 0);
    EXPECT_EQ(options(), (std::vector<std::int32_t> { 0x31, 1, 5, 1, 1, 0x41 }));
    const std::string after = dir.read("machine.reg");
    const StoreFile file(after);
    for (const char* name :
        { "FIELD4", "SPELL", "HIDEBUTTONS", "USE_TIMER", "USE_WORDS", "MAX_TIMER" }) {
        SCOPED_TRACE(name);
        const auto value = file.value(key, name);
        ASSERT_TRUE(value);
        EXPECT_EQ(value->type, StoreFile::typeNumber);
        const std::string line = std::string("\"") + name + "\"=";
        EXPECT_EQ(after.find(line), after.rfind(line)); // once
    }
    EXPECT_EQ(file.value(key, "APP_FOLDER")->type, StoreFile::typeString);
}

} // namespace
} // namespace pikora
