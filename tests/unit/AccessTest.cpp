// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The access options in the store and the Access window's logic, on the fake platform.
#include "game/AccessOptions.h"
#include "support/SettingsStore.h"
#include "ui/AccessLogic.h"

#include <cmath>
#include <filesystem>

#include <gtest/gtest.h>

namespace pikora {
namespace {

class AccessTest : public testing::SettingsStoreTest
{
protected:
    std::optional<std::int32_t> stored(const char* name) const
    {
        return testing::storedNumber(dir.read("machine.reg"), name);
    }
};

struct StoredCase
{
    const char* lines;
    ScanMode scan;
    std::int32_t scanMs;
    bool fullScreen;
    std::int32_t acceptMs = 0;
};

TEST_F(AccessTest, StoredValuesOutOfBoundsOrOfTheWrongKindGiveTheDefaults)
{
    const StoredCase cases[] = {
        { "", ScanMode::Off, 1500, false },
        { "\"SCAN\"=dword:00000001\n\"SCAN_MS\"=dword:00000190\n\"FULL_SCREEN\"=dword:00000001\n",
            ScanMode::OneSwitch, 400, true },
        { "\"SCAN\"=dword:00000002\n\"SCAN_MS\"=dword:0000012c\n", ScanMode::TwoSwitches, 300,
            false },
        { "\"SCAN_MS\"=dword:00002710\n", ScanMode::Off, 10000, false },
        { "\"SCAN\"=dword:00000003\n\"SCAN_MS\"=dword:0000012b\n\"FULL_SCREEN\"=dword:00000002\n",
            ScanMode::Off, 1500, false },
        { "\"SCAN\"=dword:ffffffff\n\"SCAN_MS\"=dword:00002711\n", ScanMode::Off, 1500, false },
        { "\"SCAN_MS\"=dword:ffffff9c\n\"FULL_SCREEN\"=dword:ffffffff\n", ScanMode::Off, 1500,
            false },
        { "\"SCAN\"=\"1\"\n\"SCAN_MS\"=\"400\"\n\"FULL_SCREEN\"=\"1\"\n", ScanMode::Off, 1500,
            false },
        { "\"SCAN\"=hex:01\n\"SCAN_MS\"=hex(4):90,01\n", ScanMode::Off, 1500, false },
        { "\"SCAN_ACCEPT_MS\"=dword:000007d0\n", ScanMode::Off, 1500, false, 2000 },
        { "\"SCAN_ACCEPT_MS\"=dword:000007d1\n", ScanMode::Off, 1500, false, 0 },
    };
    for (const StoredCase& row : cases) {
        SCOPED_TRACE(row.lines);
        std::filesystem::remove(storePath);
        ASSERT_EQ(ensureStoreKey(storePath, settingsKeyPath), 0);
        addLines(row.lines);
        const std::string before = dir.read("machine.reg");
        context.access = { ScanMode::TwoSwitches, 999, true };
        ASSERT_EQ(LoadAccessOptions(context), 0);
        EXPECT_EQ(context.access.scan, row.scan);
        EXPECT_EQ(context.access.scanMs, row.scanMs);
        EXPECT_EQ(context.access.fullScreen, row.fullScreen);
        EXPECT_EQ(context.access.acceptMs, row.acceptMs);
        EXPECT_EQ(dir.read("machine.reg"), before); // loading writes nothing back
    }
}

TEST_F(AccessTest, EachSaveKeepsTheOtherOnesValues)
{
    addLines("\"USE_WORDS\"=dword:00000000\n\"MAX_TIMER\"=dword:0000000c\n");
    ASSERT_EQ(LoadSettings(context), 0);
    context.access = { ScanMode::OneSwitch, 400, true };
    ASSERT_EQ(SaveAccessOptions(context), 0);
    EXPECT_EQ(stored("SCAN"), 1);
    EXPECT_EQ(stored("SCAN_MS"), 400);
    EXPECT_EQ(stored("FULL_SCREEN"), 1);
    EXPECT_EQ(stored("MAX_TIMER"), 12);
    EXPECT_EQ(stored("USE_WORDS"), 0);

    context.settings.maxTimer = 60; // Setup's OK saves the game's options only
    ASSERT_EQ(SaveSettings(context), 0);
    EXPECT_EQ(stored("MAX_TIMER"), 60);
    EXPECT_EQ(stored("SCAN"), 1);
    EXPECT_EQ(stored("SCAN_MS"), 400);

    GameContext restarted(platform);
    ASSERT_EQ(LoadAccessOptions(restarted), 0);
    EXPECT_EQ(restarted.access.scan, ScanMode::OneSwitch);
    EXPECT_EQ(restarted.access.scanMs, 400);
    EXPECT_TRUE(restarted.access.fullScreen);
}

TEST_F(AccessTest, WithoutTheKeyTheDefaultsStayAndNothingIsWritten)
{
    platform.storePath = (dir / "missing.reg").string();
    EXPECT_EQ(LoadAccessOptions(context), -1);
    EXPECT_EQ(context.access.scan, ScanMode::Off);
    EXPECT_EQ(context.access.scanMs, 1500);
    EXPECT_FALSE(context.access.fullScreen);
    EXPECT_EQ(SaveAccessOptions(context), -1);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.reg"));
}

// "2" is two seconds, not 2 ms taken up to the least step.
TEST(AccessSeconds, AreWholeMillisecondsWithinTheirBounds)
{
    const std::pair<double, std::int32_t> rows[] = {
        { 1.5, 1500 },
        { 2, 2000 },
        { 0.3, 300 },
        { 0.29, 300 },
        { 10.01, 10000 },
        { -5, 300 },
        { 1e300, 10000 },
        { std::nan(""), 300 },
    };
    for (const auto& [seconds, ms] : rows) {
        EXPECT_EQ(msFromSeconds(seconds, scanMsMin, scanMsMax), ms) << seconds;
    }
    EXPECT_EQ(msFromSeconds(0.25, 0, acceptMsMax), 250);
}

TEST_F(AccessTest, WindowShowsTheOptionsAndOkSavesWhatWasChosen)
{
    context.access = { ScanMode::TwoSwitches, 750, true };
    AccessFields fields;
    ShowAccessWindow(context, fields);
    EXPECT_EQ(fields.scanMode, 2);
    EXPECT_DOUBLE_EQ(fields.stepSeconds, 0.75);
    EXPECT_EQ(fields.fullScreen, 1);
    EXPECT_TRUE(platform.created.count(Window::Access));
    EXPECT_TRUE(platform.windowShown[Window::Access]);

    fields = { 1, 20, 0.25, 0 }; // as if pulled from the controls
    AccessOk(context, fields);
    EXPECT_EQ(context.access.scan, ScanMode::OneSwitch);
    EXPECT_EQ(context.access.scanMs, 10000);
    EXPECT_FALSE(context.access.fullScreen);
    EXPECT_EQ(stored("SCAN"), 1);
    EXPECT_EQ(stored("SCAN_MS"), 10000);
    EXPECT_EQ(stored("FULL_SCREEN"), 0);
    EXPECT_EQ(stored("SCAN_ACCEPT_MS"), 250);
    EXPECT_FALSE(platform.windowShown[Window::Access]);

    fields = { 7, 1.5, 5, 1 };
    AccessOk(context, fields);
    EXPECT_EQ(context.access.scan, ScanMode::Off);
    EXPECT_EQ(context.access.scanMs, 1500);
    EXPECT_EQ(context.access.acceptMs, 2000);

    context.access.fullScreen = false;
    AccessCancel(platform);
    EXPECT_FALSE(context.access.fullScreen);
    EXPECT_EQ(stored("FULL_SCREEN"), 1);
}

} // namespace
} // namespace pikora
