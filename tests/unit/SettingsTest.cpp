// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Settings.h"

#include "support/SettingsStore.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::FakePlatform;
using testing::TempDir;
using Bytes = std::vector<std::uint8_t>;

const std::string& key = testing::settingsKey;
const char* const optionNames[]
    = { "FIELD4", "SPELL", "HIDEBUTTONS", "USE_TIMER", "USE_WORDS", "MAX_TIMER" };

std::vector<std::int32_t> optionsOf(const GameSettings& s)
{
    return { s.field4, s.spell, s.hideButtons, s.useTimer, s.useWords, s.maxTimer };
}

class SettingsTest : public testing::SettingsStoreTest
{
protected:
    StoreFile stored() const { return StoreFile(dir.read("machine.reg")); }
};

TEST_F(SettingsTest, EmptyKeyGivesDefaultsInTheApplicationFolderAndStoresAllSeven)
{
    ASSERT_EQ(LoadSettings(context), 0);
    EXPECT_EQ(optionsOf(context.settings), (std::vector<std::int32_t> { 1, 1, 0, 1, 1, 300 }));
    EXPECT_EQ(context.clock.remainingSeconds, 300);
    EXPECT_EQ(context.settings.appFolder, appFolder);
    EXPECT_EQ(platform.changedDirectories, std::vector<std::string> { appFolder });
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(appFolder));
    EXPECT_EQ(context.settings.reportPath, (dir / "games").string() + "\\report.txt");

    const StoreFile file = stored();
    const auto folder = file.value(key, "APP_FOLDER");
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->type, StoreFile::typeString);
    EXPECT_EQ(folder->bytes, Bytes(appFolder.begin(), appFolder.end())); // no NUL
    const std::int32_t expected[] = { 1, 1, 0, 1, 1, 300 };
    for (std::size_t i = 0; i < std::size(optionNames); ++i) {
        SCOPED_TRACE(optionNames[i]);
        const auto value = file.value(key, optionNames[i]);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->type, StoreFile::typeNumber);
        EXPECT_EQ(optionFromBytes(value->bytes, -7), expected[i]);
        EXPECT_EQ(value->bytes.size(), 4u);
    }
    // Written in this order, so the new lines follow it in the key.
    const std::string text = dir.read("machine.reg");
    std::size_t at = text.find("\"APP_FOLDER\"=hex(1):");
    ASSERT_NE(at, std::string::npos) << text;
    for (const char* name : optionNames) {
        const auto next = text.find(std::string("\"") + name + "\"=dword:");
        ASSERT_NE(next, std::string::npos) << name;
        EXPECT_GT(next, at) << name;
        at = next;
    }
}

TEST_F(SettingsTest, ProgramAtTheRootReportsBesideIt)
{
    platform.module = "/pikora";
    ASSERT_EQ(LoadSettings(context), 0);
    EXPECT_EQ(context.settings.appFolder, "/");
    EXPECT_EQ(platform.changedDirectories, std::vector<std::string> { "/" });
    EXPECT_EQ(context.settings.reportPath, "\\report.txt");
    EXPECT_EQ(stored().value(key, "APP_FOLDER")->bytes, (Bytes { '/' }));
}

TEST_F(SettingsTest, OtherKeysAndLinesSurviveTheSave)
{
    const std::string before = "Windows Registry Editor Version 5.00\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Before]\r\n"
                               "\"FIELD4\"=dword:00000009\r\n\r\n";
    const std::string ours = "[" + key + "]\r\n; kept\r\n\"USE_WORDS\"=dword:00000000\r\n";
    const std::string after = "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\After]\r\n\"x\"=hex:01,02\r\n";
    dir.write("machine.reg", before + ours + after);

    ASSERT_EQ(LoadSettings(context), 0);
    EXPECT_EQ(context.settings.useWords, 0);
    const std::string text = dir.read("machine.reg");
    EXPECT_EQ(text.substr(0, before.size()), before);
    ASSERT_GE(text.size(), after.size());
    EXPECT_EQ(text.substr(text.size() - after.size()), after);
    EXPECT_NE(text.find("; kept\r\n\"USE_WORDS\"=dword:00000000\r\n"), std::string::npos);
    EXPECT_EQ(text.find("\r\r"), std::string::npos);
    EXPECT_EQ(stored().value(key, "HIDEBUTTONS")->bytes, (Bytes { 0, 0, 0, 0 }));
}

TEST_F(SettingsTest, SavedOptionsComeBackOnTheNextStart)
{
    ASSERT_EQ(LoadSettings(context), 0);
    context.settings.field4 = -1;
    context.settings.spell = 0;
    context.settings.hideButtons = 1;
    context.settings.maxTimer = 0;
    ASSERT_EQ(SaveSettings(context), 0);
    EXPECT_EQ(stored().value(key, "FIELD4")->bytes, (Bytes { 0xff, 0xff, 0xff, 0xff }));

    FakePlatform next;
    next.storePath = storePath;
    next.module = platform.module;
    GameContext restarted(next);
    ASSERT_EQ(LoadSettings(restarted), 0);
    EXPECT_EQ(optionsOf(restarted.settings), (std::vector<std::int32_t> { -1, 0, 1, 1, 1, 0 }));
    EXPECT_EQ(restarted.clock.remainingSeconds, 0);
}

TEST(SettingsStoreMissing, NothingChangesWhenTheKeyCannotBeOpened)
{
    TempDir dir;
    const std::string other
        = "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n";
    dir.write("other.reg", other);
    std::filesystem::create_directory(dir / "folder.reg");
    const std::string stores[] = {
        "",
        (dir / "missing.reg").string(),
        (dir / "other.reg").string(),
        (dir / "folder.reg").string(),
    };
    const auto current = std::filesystem::current_path();
    for (const auto& store : stores) {
        SCOPED_TRACE(store);
        FakePlatform platform;
        platform.storePath = store;
        platform.module = (dir / "pikora").string();
        GameContext context(platform);
        context.clock.remainingSeconds = 17;
        EXPECT_EQ(LoadSettings(context), -1);
        EXPECT_EQ(optionsOf(context.settings), (std::vector<std::int32_t>(6, 0)));
        EXPECT_EQ(context.settings.appFolder, "");
        EXPECT_EQ(context.settings.reportPath, "");
        EXPECT_EQ(context.clock.remainingSeconds, 17);
        EXPECT_TRUE(platform.changedDirectories.empty());
        EXPECT_EQ(std::filesystem::current_path(), current);
        EXPECT_EQ(SaveSettings(context), -1);
    }
    EXPECT_EQ(dir.read("other.reg"), other);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.reg"));
    // Beside the two, only the lock file of the store that opened.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

// --- The byte rule, read through the store: MAX_TIMER's default 300 marks a fallback.

struct ByteRow
{
    const char* data; // nullptr: no MAX_TIMER line
    std::int32_t expected;
};

void PrintTo(const ByteRow& row, std::ostream* out)
{
    *out << (row.data != nullptr ? row.data : "(missing)") << " -> " << row.expected;
}

class ByteRule : public SettingsTest, public ::testing::WithParamInterface<ByteRow>
{ };

TEST_P(ByteRule, StoredBytesBecomeTheOption)
{
    if (GetParam().data != nullptr) {
        addLines(std::string("\"MAX_TIMER\"=") + GetParam().data + "\n");
    }
    ASSERT_EQ(LoadSettings(context), 0);
    EXPECT_EQ(context.settings.maxTimer, GetParam().expected);
    EXPECT_EQ(context.clock.remainingSeconds, GetParam().expected);
    // Whatever it was, the value is stored back as a 32-bit number.
    const auto value = stored().value(key, "MAX_TIMER");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, StoreFile::typeNumber);
    EXPECT_EQ(optionFromBytes(value->bytes, 0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ByteRule,
    ::testing::Values(ByteRow { nullptr, 300 }, ByteRow { "dword:0000003c", 60 },
        ByteRow { "dword:00000000", 0 }, ByteRow { "dword:ffffff9c", -100 },
        ByteRow { "dword:80000000", INT_MIN }, ByteRow { "\"A\"", 65 },
        ByteRow { "\"ABC\"", 0x00434241 }, ByteRow { "\"ABCD\"", 300 }, ByteRow { "hex(1):41", 65 },
        ByteRow { "hex:01,02", 0x0201 }, ByteRow { "hex:", 0 },
        ByteRow { "hex:01,02,03,04,05", 300 }, ByteRow { "hex(4):01,02,03,04,05", 300 },
        ByteRow { "dword:12", 300 }));

TEST(SettingsPaths, ApplicationFolderAndReportPath)
{
    const struct
    {
        const char* module;
        const char* folder;
    } folders[] = {
        { "/opt/games/Pikora/pikora", "/opt/games/Pikora" },
        { "/pikora", "/" },
        { "pikora", "" },
    };
    for (const auto& row : folders) {
        EXPECT_EQ(appFolderOf(row.module), row.folder) << row.module;
    }

    const struct
    {
        std::string folder;
        std::string report;
    } reports[] = {
        { "/opt/games/Pikora", "/opt/games\\report.txt" },
        { "/Pikora", "\\report.txt" },
        { "/", "\\report.txt" },
        { "Pikora", "Pikora\\report.txt" },
        { "", "\\report.txt" },
        { "D:\\Games\\Pikora", "D:\\Games\\report.txt" },
        { "/a\\b/c\\d", "/a\\b\\report.txt" },
        // The bound is 255 characters: 244 of parent folder and "\report.txt" fit.
        { std::string(244, 'p') + "/Pikora", std::string(244, 'p') + "\\report.txt" },
        { std::string(245, 'p') + "/Pikora", "" },
    };
    for (const auto& row : reports) {
        EXPECT_EQ(reportPathFor(row.folder), row.report) << row.folder;
    }
}

} // namespace
} // namespace pikora
