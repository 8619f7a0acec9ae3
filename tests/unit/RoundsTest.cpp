// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Rounds.h"

#include "game/ControlIds.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <array>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::CurrentTempDir;
using testing::FakePlatform;

constexpr int randomMax = 32767;

// The smallest r whose draw over `count` gives `index`. Exact for counts that do not
// divide 32767 (2 to 6 here).
int randomFor(int index, int count)
{
    return (index * randomMax + count - 1) / count;
}

// The first r of each target band: slot 0 starts at 0, and so on.
constexpr std::array<int, 2> twoChoiceBand = { 0, 19661 };
constexpr std::array<int, 4> fourChoiceBand = { 0, 9831, 18022, 26214 };

class RoundsTest : public ::testing::Test
{
protected:
    // Pictures named p0, p1, ... with their bitmap files on disk.
    void addPictures(int count)
    {
        for (int i = 0; i < count; ++i) {
            const std::string stem = "p" + std::to_string(i);
            m_dir.write("mymain/" + stem + ".bmp");
            auto& entry = context.catalog.add();
            entry.picturePath = "mymain\\" + stem + ".bmp";
            entry.voicePath = "mymain\\" + stem + ".wav";
            entry.word = "P" + std::to_string(i);
        }
    }

    // Slots 0..3 get pictures `slots` (of a catalogue of `count`), then the target draw.
    void script(std::array<int, 4> slots, int count, int targetRandom)
    {
        for (int picture : slots) {
            platform.scriptedRandom.push_back(randomFor(picture, count));
        }
        platform.scriptedRandom.push_back(targetRandom);
    }

    void setMode(int field4, int useWords, int spell)
    {
        context.settings.field4 = field4;
        context.settings.useWords = useWords;
        context.settings.spell = spell;
    }

    CurrentTempDir m_dir;
    FakePlatform platform;
    GameContext context { platform };
};

TEST_F(RoundsTest, DrawOverDividesFirstThenMultiplies)
{
    const struct
    {
        int r, n, draw;
    } rows[] = {
        { 0, 10, 0 },
        { 19660, 10, 5 },
        { 19661, 10, 6 },
        { 32767, 10, 10 }, // the count itself, only for the largest r
        { 26213, 20, 15 },
        { 26214, 20, 16 },
        { 32767, 20, 20 },
        { 16383, 2, 0 },
        { 16384, 2, 1 },
        { 32767, 3, 3 },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(drawOver(row.r, row.n), row.draw) << row.r << " over " << row.n;
    }
}

TEST_F(RoundsTest, TargetBandsOverEveryRandomValue)
{
    const struct
    {
        int field4;
        std::vector<int> rounds; // rounds won by each slot over all 32768 values of r
    } rows[] = {
        { 0, { 19661, 13107 } }, // 60 : 40
        { 1, { 9831, 8191, 8192, 6554 } }, // 30 : 25 : 25 : 20
    };
    addPictures(4);
    context.settings.useWords = 1; // no bitmap loading: this loop runs 65536 rounds
    for (const auto& row : rows) {
        context.settings.field4 = row.field4;
        std::vector<int> won(row.rounds.size());
        for (int r = 0; r <= randomMax; ++r) {
            script({ 0, 1, 2, 3 }, 4, r);
            StartNewRound(context);
            ASSERT_LT(context.round.target, static_cast<int>(won.size())) << "r = " << r;
            ++won[context.round.target];
            platform.clearRecords();
        }
        EXPECT_EQ(won, row.rounds) << "FIELD4 " << row.field4;
    }
}

TEST_F(RoundsTest, LargestRandomValueStaysInRangeAndFallsInTheLastBand)
{
    addPictures(4);
    for (int field4 : { 0, 1 }) {
        context.settings.field4 = field4;
        script({ 0, 1, 2, 3 }, 4, randomMax);
        StartNewRound(context);
        EXPECT_EQ(context.round.target, field4 != 0 ? 3 : 1);

        platform.scriptedRandom.assign(5, randomMax);
        StartNewRound(context);
        EXPECT_EQ(context.round.slotPicture, (std::array<int, 4> { 3, 3, 3, 3 }));
        EXPECT_EQ(context.round.target, 3);
        EXPECT_TRUE(hasValidRound(context));
    }
}

TEST_F(RoundsTest, DrawsFourSlotsInOrderThenTheTargetInBothModes)
{
    addPictures(5);
    for (int field4 : { 0, 1 }) {
        context.settings.field4 = field4;
        script({ 3, 1, 4, 2 }, 5, field4 != 0 ? fourChoiceBand[2] : twoChoiceBand[1]);
        platform.scriptedRandom.push_back(12345); // must be left for the next round
        StartNewRound(context);
        EXPECT_EQ(context.round.slotPicture, (std::array<int, 4> { 3, 1, 4, 2 }));
        EXPECT_EQ(context.round.target, field4 != 0 ? 4 : 1);
        EXPECT_EQ(platform.scriptedRandom, std::deque<int> { 12345 });
        platform.scriptedRandom.clear();
    }
}

TEST_F(RoundsTest, WordModeSetsCaptionsAndLeavesImages)
{
    addPictures(5);
    for (int field4 : { 0, 1 }) {
        setMode(field4, 1, 1);
        context.mainFields.captions.fill("STALE");
        platform.clearRecords();
        script({ 4, 0, 3, 2 }, 5, 0);
        StartNewRound(context);
        const std::array<std::string, 4> expected = field4 != 0
            ? std::array<std::string, 4> { "P4", "P0", "P3", "P2" }
            : std::array<std::string, 4> { "P4", "P0", "STALE", "STALE" };
        EXPECT_EQ(context.mainFields.captions, expected);
        EXPECT_EQ(platform.count("image"), 0);
    }
}

TEST_F(RoundsTest, PictureModeLoadsSlotImagesAndLeavesCaptions)
{
    addPictures(5);
    for (int field4 : { 0, 1 }) {
        setMode(field4, 0, 1);
        context.mainFields.captions.fill("STALE");
        platform.images.clear();
        platform.clearRecords();
        script({ 4, 0, 3, 2 }, 5, 0);
        StartNewRound(context);
        const std::vector<std::string> pictures = { "p4", "p0", "p3", "p2" };
        const int choices = field4 != 0 ? 4 : 2;
        EXPECT_EQ(platform.count("image"), choices);
        for (int slot = 0; slot < choices; ++slot) {
            EXPECT_EQ((platform.images[{ Window::Main, 1000 + slot }]),
                "mymain\\" + pictures[slot] + ".bmp");
        }
        EXPECT_EQ(platform.images.count({ Window::Main, 1000 + choices }), 0u);
        EXPECT_EQ(context.mainFields.captions,
            (std::array<std::string, 4> { "STALE", "STALE", "STALE", "STALE" }));
    }
}

TEST_F(RoundsTest, PlaysTheTargetVoiceAsyncAfterCorrectWavWhenAnswered)
{
    addPictures(3);
    context.settings.useWords = 1;
    platform.now = 1000;
    platform.syncSoundMs = 700;

    script({ 2, 1, 0, 0 }, 3, 0);
    StartNewRound(context);
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0].path, "mymain\\p2.wav");
    EXPECT_EQ(platform.sounds[0].mode, SoundMode::Async);
    EXPECT_EQ(context.round.roundStart, 1000);

    platform.clearRecords();
    context.round.answered = 1;
    script({ 1, 2, 0, 0 }, 3, 0);
    StartNewRound(context);
    ASSERT_EQ(platform.sounds.size(), 2u);
    EXPECT_EQ(platform.sounds[0].path, "correct.wav");
    EXPECT_EQ(platform.sounds[0].mode, SoundMode::Sync);
    EXPECT_EQ(platform.sounds[1].path, "mymain\\p1.wav");
    EXPECT_EQ(platform.sounds[1].mode, SoundMode::Async);
    // The round begins once the praise has finished.
    EXPECT_EQ(context.round.roundStart, 1700);
    EXPECT_EQ(context.round.answered, 0);
}

TEST_F(RoundsTest, TargetTextFollowsSpell)
{
    addPictures(3);
    const struct
    {
        int useWords, spell;
        const char* text;
    } rows[] = {
        { 0, 1, "P1" },
        { 0, 0, "" },
        { 0, -1, "P1" }, // any non-zero value counts as set
        { 1, 1, "P1" }, // stored although the control stays hidden in word mode
        { 1, 0, "" },
    };
    for (const auto& row : rows) {
        setMode(1, row.useWords, row.spell);
        context.mainFields.targetText = "OLD";
        script({ 1, 0, 2, 2 }, 3, 0);
        StartNewRound(context);
        EXPECT_EQ(context.mainFields.targetText, row.text)
            << "USE_WORDS " << row.useWords << " SPELL " << row.spell;
    }
}

TEST_F(RoundsTest, ParksTheFocusAndStartsTheRoundClock)
{
    addPictures(2);
    platform.now = 4242;
    context.round.answered = 1;
    StartNewRound(context);
    EXPECT_EQ(context.round.roundStart, 4242);
    EXPECT_EQ(context.round.answered, 0);
    EXPECT_EQ(platform.focus[Window::Main], control::focusParking);
}

TEST_F(RoundsTest, FewerThanTwoPicturesChangeNothing)
{
    for (int count : { 0, 1 }) {
        context.catalog.clear();
        addPictures(count);
        platform.clearRecords();
        context.round = { { 3, 2, 1, 0 }, 2, 1, 77 };
        context.mainFields.captions.fill("KEEP");
        context.mainFields.targetText = "KEEP";
        platform.scriptedRandom = { 5 };
        platform.now = 9000;

        StartNewRound(context);
        EXPECT_TRUE(platform.calls.empty());
        EXPECT_TRUE(platform.sounds.empty());
        EXPECT_EQ(context.round.slotPicture, (std::array<int, 4> { 3, 2, 1, 0 }));
        EXPECT_EQ(context.round.target, 2);
        EXPECT_EQ(context.round.answered, 1);
        EXPECT_EQ(context.round.roundStart, 77);
        EXPECT_EQ(context.mainFields.captions[0], "KEEP");
        EXPECT_EQ(context.mainFields.targetText, "KEEP");
        EXPECT_EQ(platform.scriptedRandom.size(), 1u);
    }
}

// Visibility of 1000..1003, 1015 and 1026..1029 in each mode: 'V' shown, '-' hidden.
struct VisibilityRow
{
    int field4, useWords, spell;
    const char* shown;
};

class ModeVisibilityTest : public RoundsTest, public ::testing::WithParamInterface<VisibilityRow>
{
protected:
    static constexpr int ids[] = { 1000, 1001, 1002, 1003, 1015, 1026, 1027, 1028, 1029 };

    void expectShown(const char* shown)
    {
        for (int i = 0; i < 9; ++i) {
            const auto it = platform.visible.find({ Window::Main, ids[i] });
            ASSERT_NE(it, platform.visible.end()) << ids[i] << " neither shown nor hidden";
            EXPECT_EQ(it->second, shown[i] == 'V') << "control " << ids[i];
        }
    }
};

TEST_P(ModeVisibilityTest, ShowsExactlyTheControlsOfTheMode)
{
    const auto& row = GetParam();
    setMode(row.field4, row.useWords, row.spell);
    // Every control is set whatever it showed before: hidden by a wrong choice, or left
    // shown by another mode.
    for (const bool before : { true, false }) {
        SCOPED_TRACE(before ? "all shown before" : "all hidden before");
        for (int id : ids) {
            platform.showControl(Window::Main, id, before);
        }
        ApplyModeVisibility(context);
        expectShown(row.shown);
    }

    // A new round sets them too, each from the opposite of what the mode shows.
    for (int i = 0; i < 9; ++i) {
        platform.showControl(Window::Main, ids[i], row.shown[i] != 'V');
    }
    addPictures(4);
    StartNewRound(context);
    expectShown(row.shown);
}

INSTANTIATE_TEST_SUITE_P(AllModes, ModeVisibilityTest,
    ::testing::Values(VisibilityRow { 0, 0, 1, "VV--V----" },
        VisibilityRow { 0, 0, 0, "VV-------" }, VisibilityRow { 1, 0, 1, "VVVVV----" },
        VisibilityRow { 1, 0, 0, "VVVV-----" }, VisibilityRow { 0, 1, 1, "-----VV--" },
        VisibilityRow { 0, 1, 0, "-----VV--" }, VisibilityRow { 1, 1, 1, "-----VVVV" },
        VisibilityRow { 1, 1, 0, "-----VVVV" }, VisibilityRow { -1, 0, -1, "VVVVV----" }));

} // namespace
} // namespace pikora
