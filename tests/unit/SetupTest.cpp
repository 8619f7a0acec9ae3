// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameClock.h"
#include "game/GameContext.h"
#include "game/Rounds.h"
#include "platform/StoreFile.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/AboutLogic.h"
#include "ui/SetupLogic.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::CurrentTempDir;
using testing::FakePlatform;

class SetupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : { "cat.bmp", "dog.bmp", "sun.bmp" }) {
            dir.write(std::string("mymain/") + name);
        }
        platform.storePath = (dir / "machine.reg").string();
        ASSERT_EQ(ensureStoreKey(platform.storePath, settingsKeyPath), 0);
        platform.module = (dir / "Pikora" / "pikora").string();
        context.settings = { 1, 1, 0, 1, 0, 300, dir.str(), "" };
        platform.now = 100000;
    }

    void confirm()
    {
        platform.now += 1000;
        SetupOk(context, setupFields);
    }

    std::vector<bool> listedChecks() const
    {
        std::vector<bool> checks;
        for (const auto& item : setupFields.pictures) {
            checks.push_back(item.checked);
        }
        return checks;
    }

    CurrentTempDir dir;
    FakePlatform platform;
    GameContext context { platform };
    SetupFields setupFields;
};

TEST_F(SetupTest, OpeningShowsOptionsAndEveryPictureFileHiddenOnesUnchecked)
{
    dir.write("mymain/.hidden", "dog.bmp\n");
    context.settings.field4 = -1; // plays as four choices, but shows unchecked
    context.settings.spell = 2;
    context.settings.hideButtons = -3;
    context.settings.maxTimer = 150;

    ShowSetupWindow(context, setupFields);

    const auto& fields = setupFields;
    EXPECT_EQ(fields.fourChoices, 0);
    EXPECT_EQ(fields.showSpelling, 1);
    EXPECT_EQ(fields.hideWrongButtons, 1);
    EXPECT_EQ(fields.maxTimeText, "00:02:30");
    ASSERT_EQ(fields.pictures.size(), 3u);
    for (const auto& item : fields.pictures) {
        EXPECT_EQ(item.checked, item.label != "dog") << item.label;
    }
    EXPECT_TRUE(platform.windowShown[Window::Setup]);
    EXPECT_EQ(platform.count("push"), 1);
}

TEST_F(SetupTest, ListsTheAddressablePicturesAlphabeticallyWithoutRegardToCase)
{
    // A mark for ..\x.bmp would land in the .hidden file of the application folder.
    for (const char* name : { "Bee.bmp", "ant.bmp", "..\\x.bmp", "back\\slash.bmp" }) {
        dir.write(std::string("mymain/") + name);
    }
    dir.write("x.bmp");
    ShowSetupWindow(context, setupFields);
    std::vector<std::string> labels;
    for (const auto& item : setupFields.pictures) {
        labels.push_back(item.label);
    }
    EXPECT_EQ(labels, (std::vector<std::string> { "ant", "Bee", "cat", "dog", "sun" }));
    confirm();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / ".hidden"));
}

TEST_F(SetupTest, ConfirmingUpperCaseFlagsTimeAndSavesThem)
{
    ShowSetupWindow(context, setupFields);
    auto& fields = setupFields;
    fields.fourChoices = 0;
    fields.showSpelling = 2; // only exactly 1 sets the option
    fields.hideWrongButtons = 5;
    fields.useWords = 1;
    fields.maxTimeText = "2:30";
    confirm();

    EXPECT_EQ(context.settings.field4, 0);
    EXPECT_EQ(context.settings.spell, 0);
    EXPECT_EQ(context.settings.hideButtons, 1);
    EXPECT_EQ(context.settings.useWords, 1);
    EXPECT_EQ(context.settings.maxTimer, 150);
    EXPECT_EQ(context.clock.remainingSeconds, 150);
    const std::string stored = dir.read("machine.reg");
    EXPECT_NE(stored.find("\"MAX_TIMER\"=dword:00000096"), std::string::npos) << stored;
    EXPECT_FALSE(platform.windowShown[Window::Setup]);

    ShowSetupWindow(context, setupFields);
    EXPECT_EQ(setupFields.maxTimeText, "00:02:30");
}

TEST_F(SetupTest, ConfirmingRebuildsTheCatalogueAndStartsARound)
{
    BuildCatalog(context.catalog, platform);
    context.catalog.at(0).correctCount = 4;
    ShowSetupWindow(context, setupFields);
    for (auto& item : setupFields.pictures) {
        item.checked = item.label != "dog";
    }
    platform.clearRecords();
    confirm();

    EXPECT_EQ(dir.read("mymain/.hidden"), "dog.bmp\n");
    ASSERT_EQ(context.catalog.count(), 2u);
    for (std::size_t i = 0; i < context.catalog.count(); ++i) {
        EXPECT_EQ(context.catalog[i].correctCount, 0);
        EXPECT_NE(context.catalog[i].word, "DOG");
    }
    ASSERT_FALSE(platform.sounds.empty()); // the new round's prompt
    EXPECT_EQ(context.round.roundStart, platform.now);
}

TEST_F(SetupTest, ConfirmingAfterTimeUpSavesButTheFinishedGameStays)
{
    BuildCatalog(context.catalog, platform);
    StartNewRound(context);
    context.catalog.at(0).correctCount = 4;
    context.clock.remainingSeconds = 1;
    ShowSetupWindow(context, setupFields); // open across time-up
    platform.now += 1000;
    OnTick(context);
    ASSERT_EQ(platform.count("disable"), 1);
    const auto round = context.round;
    setupFields.useWords = 1;
    setupFields.maxTimeText = "2:00";
    for (auto& item : setupFields.pictures) {
        item.checked = item.label != "dog";
    }
    platform.clearRecords();
    confirm();

    EXPECT_EQ(context.settings.useWords, 1);
    EXPECT_NE(dir.read("machine.reg").find("\"MAX_TIMER\"=dword:00000078"), std::string::npos);
    EXPECT_EQ(dir.read("mymain/.hidden"), "dog.bmp\n");
    EXPECT_FALSE(platform.windowShown[Window::Setup]);
    // No round on a window that takes no input; the counts of the report stand.
    EXPECT_EQ(context.round.roundStart, round.roundStart);
    EXPECT_EQ(context.round.slotPicture, round.slotPicture);
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ(platform.count("enable"), 0);
    EXPECT_EQ(context.catalog.count(), 3u);
    EXPECT_EQ(context.catalog.at(0).correctCount, 4);
    EXPECT_LE(context.clock.remainingSeconds, 0);
}

TEST_F(SetupTest, UncheckingEveryPictureEmptiesTheGameWithoutBreakingIt)
{
    BuildCatalog(context.catalog, platform);
    StartNewRound(context);
    ShowSetupWindow(context, setupFields);
    for (auto& item : setupFields.pictures) {
        item.checked = false;
    }
    platform.clearRecords();
    confirm();

    EXPECT_EQ(context.catalog.count(), 0u);
    EXPECT_TRUE(platform.sounds.empty()); // no round drawn
    const std::string hidden = dir.read("mymain/.hidden");
    for (const char* name : { "cat.bmp\n", "dog.bmp\n", "sun.bmp\n" }) {
        EXPECT_NE(hidden.find(name), std::string::npos) << name;
    }
    // The old round names pictures that are gone: ticks and clicks reach no entry.
    for (int tick = 0; tick < 12; ++tick) {
        OnTick(context);
    }
    platform.now += 5000;
    OnPictureChosen(context, 1000);
    OnPictureChosen(context, 1027);
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(SetupTest, EmptyOrNonNumericTimeEndsTheTimedGameAtTheNextTick)
{
    for (const char* text : { "", "soon" }) {
        SCOPED_TRACE(text);
        ShowSetupWindow(context, setupFields);
        setupFields.useTimer = 1;
        setupFields.maxTimeText = text;
        confirm();
        EXPECT_EQ(context.settings.maxTimer, 0);
        platform.clearRecords();
        OnTick(context);
        EXPECT_EQ(platform.windowShown[Window::Report], true);
        EXPECT_EQ(platform.timers[std::make_pair(Window::Main, 101)], 1000000);
    }
}

TEST_F(SetupTest, ALabelThatLeadsToNoFileIsReportedAndTheOthersStillApply)
{
    dir.write("mymain/a.b.bmp");
    ShowSetupWindow(context, setupFields);
    for (auto& item : setupFields.pictures) {
        item.checked = false;
    }
    confirm();

    ASSERT_EQ(platform.messages, std::vector<std::string> { std::to_string(ENOENT) + " oops" });
    const std::string hidden = dir.read("mymain/.hidden");
    EXPECT_NE(hidden.find("cat.bmp\n"), std::string::npos);
    EXPECT_NE(hidden.find("sun.bmp\n"), std::string::npos);
}

TEST_F(SetupTest, ALabelTooLongForThePathBoundIsRefusedNotCut)
{
    const std::string longStem(190, 'w');
    dir.write("mymain/" + longStem + ".bmp");
    ShowSetupWindow(context, setupFields);
    for (auto& item : setupFields.pictures) {
        item.checked = false;
    }
    confirm();

    EXPECT_EQ(
        platform.messages, std::vector<std::string> { std::to_string(ENAMETOOLONG) + " oops" });
    EXPECT_EQ(dir.read("mymain/.hidden").find(longStem.substr(0, 100)), std::string::npos);
}

TEST_F(SetupTest, MarksKeepTheOtherLinesOfTheHiddenList)
{
    dir.write("mymain/.hidden", "notes.txt\r\nsun.bmp\nold\n");
    ShowSetupWindow(context, setupFields);
    for (auto& item : setupFields.pictures) {
        item.checked = item.label != "cat";
    }
    confirm();
    EXPECT_EQ(dir.read("mymain/.hidden"), "notes.txt\r\nold\ncat.bmp\n");
}

TEST_F(SetupTest, CancelAndReopeningDiscardUnconfirmedChanges)
{
    ShowSetupWindow(context, setupFields);
    setupFields.pictures[0].checked = false;
    setupFields.maxTimeText = "1";
    SetupCancel(platform);
    EXPECT_FALSE(platform.windowShown[Window::Setup]);
    EXPECT_EQ(context.settings.maxTimer, 300);

    ShowSetupWindow(context, setupFields);
    EXPECT_EQ(listedChecks(), std::vector<bool>(3, true));
    EXPECT_EQ(setupFields.maxTimeText, "00:05:00");
    EXPECT_FALSE(std::filesystem::exists(dir / "mymain/.hidden"));
}

TEST_F(SetupTest, NoPictureFileSaysLoadPicturesAndMarksNothing)
{
    std::filesystem::remove_all(dir / "mymain");
    ShowSetupWindow(context, setupFields);
    EXPECT_EQ(platform.messages, std::vector<std::string> { "Load Pictures" });
    EXPECT_TRUE(setupFields.pictures.empty());
    platform.messages.clear();
    confirm();
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SetupTest, WithoutASettingsKeyOptionsChangeForThisRunOnly)
{
    platform.storePath.clear();
    ShowSetupWindow(context, setupFields);
    setupFields.maxTimeText = "42";
    confirm();
    EXPECT_EQ(context.settings.maxTimer, 42);
    EXPECT_EQ(dir.read("machine.reg").find("MAX_TIMER"), std::string::npos);
}

// Two games on one machine, each with Setup open: each OK saves only what its own window
// changed, so neither undoes the other's options or marks.
TEST_F(SetupTest, TwoGamesSetupsKeepEachOthersChanges)
{
    FakePlatform otherPlatform;
    otherPlatform.storePath = platform.storePath;
    GameContext other { otherPlatform };
    other.settings = context.settings;
    SetupFields otherFields;
    ShowSetupWindow(context, setupFields);
    ShowSetupWindow(other, otherFields);

    setupFields.hideWrongButtons = 1;
    setupFields.pictures[0].checked = false; // cat
    confirm();
    otherFields.showSpelling = 0;
    SetupOk(other, otherFields);

    const StoreFile store(dir.read("machine.reg"));
    const std::string key = std::string("HKEY_LOCAL_MACHINE\\") + settingsKeyPath;
    EXPECT_EQ(store.value(key, "HIDEBUTTONS")->bytes, (std::vector<std::uint8_t> { 1, 0, 0, 0 }));
    EXPECT_EQ(store.value(key, "SPELL")->bytes, (std::vector<std::uint8_t> { 0, 0, 0, 0 }));
    EXPECT_FALSE(store.value(key, "FIELD4")) << "an option nobody changed was written";
    EXPECT_EQ(dir.read("mymain/.hidden"), "cat.bmp\n");
}

TEST(AboutWindow, IsMadeOnceAndKeepsAConfirmedEdit)
{
    FakePlatform platform;
    AboutFields aboutFields;
    ShowAboutWindow(platform, aboutFields);
    ASSERT_EQ(platform.count("create"), 1);
    EXPECT_EQ(aboutFields.notice, aboutNotice());

    aboutFields.notice = "edited\r\n"; // what OK pulls from the box
    ShowAboutWindow(platform, aboutFields);
    EXPECT_EQ(platform.count("create"), 1);
    EXPECT_EQ(aboutFields.notice, "edited\r\n");
    EXPECT_EQ(platform.count("showWindow"), 2);
}

TEST(AboutWindow, NoticeHasTwoLinesEachEndedByCrLf)
{
    const std::string notice = aboutNotice();
    ASSERT_GE(notice.size(), 2u);
    EXPECT_EQ(notice.substr(notice.size() - 2), "\r\n");
    const auto first = notice.find("\r\n");
    EXPECT_EQ(notice.find("\r\n", first + 2), notice.size() - 2);
}

} // namespace
} // namespace pikora
