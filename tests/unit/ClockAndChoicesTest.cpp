// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ControlIds.h"
#include "game/GameClock.h"
#include "game/Rounds.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <array>
#include <filesystem>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::CurrentTempDir;
using testing::FakePlatform;

class ClockAndChoicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir.write("correct.bmp");
        addPictures(4);
        platform.now = 10000;
        platform.watch(context);
    }

    void addPictures(int count)
    {
        for (int i = 0; i < count; ++i) {
            auto& entry = context.catalog.add();
            entry.picturePath = "mymain\\p" + std::to_string(i) + ".bmp";
            entry.voicePath = "mymain\\p" + std::to_string(i) + ".wav";
            entry.word = "P" + std::to_string(i);
        }
    }

    void setRound(std::array<int, 4> slots, int target)
    {
        context.round = { slots, target, 0, 5000 };
    }

    // The (correct, wrong) counts of every entry.
    std::vector<std::pair<int, int>> counts() const
    {
        std::vector<std::pair<int, int>> result;
        for (std::size_t i = 0; i < context.catalog.count(); ++i) {
            result.emplace_back(context.catalog[i].correctCount, context.catalog[i].wrongCount);
        }
        return result;
    }

    std::vector<int> timerIntervals() const
    {
        std::vector<int> result;
        for (const auto& call : platform.calls) {
            if (call.what == "timer") {
                EXPECT_EQ(call.control, gameTimerId);
                result.push_back(call.value);
            }
        }
        return result;
    }

    void tick(int times)
    {
        for (int i = 0; i < times; ++i) {
            OnTick(context);
        }
    }

    CurrentTempDir m_dir;
    FakePlatform platform;
    GameContext context { platform };
};

using Counts = std::vector<std::pair<int, int>>;

TEST_F(ClockAndChoicesTest, IgnoresChoicesInTheFirst250MsOfARound)
{
    const struct
    {
        std::int64_t roundStart, now;
        bool judged;
    } rows[] = {
        { 1000, 1100, false },
        { 1000, 1249, false },
        { 1000, 1250, true },
        { 1000, 90000, true },
        { 0, 0, true }, // before the first round there is no guard
        { 0, 100, true },
    };
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < context.catalog.count(); ++i) {
            context.catalog[i].wrongCount = 0;
        }
        setRound({ 0, 1, 0, 1 }, 0);
        context.round.roundStart = row.roundStart;
        context.clock.remainingSeconds = 50;
        platform.now = row.now;
        platform.clearRecords();

        OnPictureChosen(context, 1001);
        SCOPED_TRACE(::testing::Message() << row.roundStart << " / " << row.now);
        EXPECT_EQ(context.catalog[0].wrongCount, row.judged ? 1 : 0);
        EXPECT_EQ(platform.sounds.size(), row.judged ? 1u : 0u);
        EXPECT_EQ(context.clock.remainingSeconds, row.judged ? 48 : 50);
        if (!row.judged) {
            EXPECT_TRUE(platform.calls.empty());
        }
    }
}

TEST_F(ClockAndChoicesTest, WrongThenRightCountsBothAgainstTheTarget)
{
    const struct
    {
        int wrongId, rightId;
    } rows[] = { { 1001, 1000 }, { 1027, 1026 }, { 1003, 1002 } };
    for (const auto& row : rows) {
        context.catalog.clear();
        addPictures(4);
        setRound({ 2, 3, 2, 3 }, 2);
        OnPictureChosen(context, row.wrongId);
        OnPictureChosen(context, row.rightId);
        // Picture 3 was picked wrongly but was not asked for: it is not charged.
        EXPECT_EQ(counts(), (Counts { { 0, 0 }, { 0, 0 }, { 1, 1 }, { 0, 0 } }))
            << row.wrongId << " then " << row.rightId;
    }
}

TEST_F(ClockAndChoicesTest, WrongChoicePlaysNoWavToItsEnd)
{
    setRound({ 0, 1, 2, 3 }, 0);
    context.clock.remainingSeconds = 30;
    OnPictureChosen(context, 1002);
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0].path, "no.wav");
    EXPECT_EQ(platform.sounds[0].mode, SoundMode::Sync);
    EXPECT_EQ(context.round.answered, 0);
    EXPECT_TRUE(timerIntervals().empty());
    EXPECT_EQ(platform.count("image"), 0);
    EXPECT_EQ(platform.count("hide"), 0); // HIDEBUTTONS is off
    EXPECT_EQ(platform.focus[Window::Main], control::focusParking);
    EXPECT_EQ(context.clock.remainingSeconds, 28);
}

TEST_F(ClockAndChoicesTest, HideButtonsLeavesExactlyTheTargetSlotsVisible)
{
    context.settings.field4 = 1;
    context.settings.hideButtons = 1;
    for (const int useWords : { 0, 1 }) {
        SCOPED_TRACE(useWords != 0 ? "words" : "pictures");
        context.settings.useWords = useWords;
        ApplyModeVisibility(context);
        setRound({ 2, 0, 2, 1 }, 2);

        OnPictureChosen(context, useWords != 0 ? 1027 : 1001);
        // Slots 0 and 2 hold the target; a wrong word box hides like a wrong picture.
        const int first = useWords != 0 ? 1026 : 1000;
        for (int slot = 0; slot < 4; ++slot) {
            EXPECT_EQ((platform.visible[{ Window::Main, first + slot }]), slot % 2 == 0)
                << "slot " << slot;
        }
        // The other kind of choice stays hidden, as the mode has it.
        const int other = useWords != 0 ? 1000 : 1026;
        for (int slot = 0; slot < 4; ++slot) {
            EXPECT_FALSE((platform.visible[{ Window::Main, other + slot }])) << "slot " << slot;
        }

        // A right choice hides nothing more.
        platform.clearRecords();
        OnPictureChosen(context, first + 2);
        EXPECT_EQ(platform.count("hide"), 0);
    }
}

TEST_F(ClockAndChoicesTest, EveryJudgedChoiceTakesTwoSeconds)
{
    setRound({ 0, 1, 0, 1 }, 0);
    for (int useTimer : { 0, 1 }) {
        context.settings.useTimer = useTimer;
        context.clock.remainingSeconds = 100;
        OnPictureChosen(context, 1001);
        EXPECT_EQ(context.clock.remainingSeconds, 98);
        OnPictureChosen(context, 1000);
        OnPictureChosen(context, 1002); // again before the next tick: judged again
        EXPECT_EQ(context.clock.remainingSeconds, 94);
    }
    context.clock.remainingSeconds = std::numeric_limits<std::int32_t>::min() + 1;
    OnPictureChosen(context, 1000);
    EXPECT_EQ(context.clock.remainingSeconds, std::numeric_limits<std::int32_t>::min());
}

TEST_F(ClockAndChoicesTest, RightChoiceShowsCorrectBmpAndHurriesTheNextTick)
{
    setRound({ 1, 3, 0, 3 }, 3);
    OnPictureChosen(context, 1003);
    EXPECT_EQ(context.catalog[3].correctCount, 1);
    EXPECT_EQ(context.round.answered, 1);
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ((platform.timers[{ Window::Main, gameTimerId }]), 10); // the next round at once
    EXPECT_EQ((platform.images[{ Window::Main, 1003 }]), "correct.bmp");
    EXPECT_EQ(platform.focus[Window::Main], control::focusParking);
}

TEST_F(ClockAndChoicesTest, RepeatsThePromptOnEveryEleventhTick)
{
    setRound({ 0, 1, 0, 1 }, 1);
    for (int repeat = 1; repeat <= 2; ++repeat) {
        tick(10);
        EXPECT_EQ(platform.sounds.size(), static_cast<std::size_t>(repeat - 1));
        tick(1);
        ASSERT_EQ(platform.sounds.size(), static_cast<std::size_t>(repeat));
        EXPECT_EQ(platform.sounds.back().path, "mymain\\p1.wav");
        EXPECT_EQ(platform.sounds.back().mode, SoundMode::Async);
        EXPECT_EQ(context.clock.tickCounter, 0);
    }
}

// The praise is heard to its end before the next round's choices appear, pictures or words.
TEST_F(ClockAndChoicesTest, TickAfterARightChoiceStartsTheNextRoundOnceCorrectWavHasPlayed)
{
    for (int i = 0; i < 4; ++i) {
        m_dir.write("mymain/p" + std::to_string(i) + ".bmp");
    }
    for (const int useWords : { 0, 1 }) {
        SCOPED_TRACE(useWords != 0 ? "words" : "pictures");
        context.settings.useWords = useWords;
        setRound({ 0, 1, 0, 1 }, 0);
        tick(4);
        OnPictureChosen(context, useWords != 0 ? 1026 : 1000);
        platform.clearRecords();
        platform.scriptedRandom = { 0, 0, 0, 32767, 0 }; // slots 0, 0, 0, 3; target slot 0
        context.round.slotPicture = { 2, 2, 2, 2 };

        tick(1);
        EXPECT_EQ(context.clock.tickCounter, 0);
        EXPECT_EQ(context.round.answered, 0);
        EXPECT_EQ(context.round.slotPicture, (std::array<int, 4> { 0, 0, 0, 3 }));
        ASSERT_EQ(platform.sounds.size(), 2u);
        EXPECT_EQ(platform.sounds[0].path, "correct.wav");
        EXPECT_EQ(platform.sounds[0].mode, SoundMode::Sync);
        EXPECT_EQ(platform.sounds[1].path, "mymain\\p0.wav");
        EXPECT_EQ((platform.timers[{ Window::Main, gameTimerId }]), 1000);
        // The choices reach the window as button images or as pushed captions.
        int shown = 0;
        for (const auto& call : platform.calls) {
            if (call.what == "image" || call.what == "push") {
                ++shown;
                EXPECT_GE(call.soundsBefore, 1u) << call.what << " before correct.wav";
            }
        }
        EXPECT_GT(shown, 0);
        if (useWords != 0) {
            EXPECT_EQ(platform.shownMain.captions[0], "P0");
        } else {
            EXPECT_EQ((platform.images[{ Window::Main, 1000 }]), "mymain\\p0.bmp");
        }
    }
}

TEST_F(ClockAndChoicesTest, CountsDownEachTickAndEndsOnTheLast)
{
    context.settings.useTimer = 1;
    context.settings.maxTimer = 300;
    context.clock.remainingSeconds = 300;
    setRound({ 0, 1, 0, 1 }, 0);
    const std::map<int, std::string> shownAfter
        = { { 1, "00:04:59" }, { 59, "00:04:01" }, { 60, "00:04:00" }, { 299, "00:00:01" } };
    for (int n = 1; n <= 299; ++n) {
        platform.clearRecords();
        tick(1);
        EXPECT_EQ(timerIntervals(), std::vector<int> { 1000 }) << "tick " << n;
        if (shownAfter.count(n) == 1) {
            EXPECT_EQ(platform.shownMain.countdownText, shownAfter.at(n)) << "tick " << n;
        }
    }
    EXPECT_TRUE(platform.created.empty());

    platform.clearRecords();
    tick(1);
    EXPECT_EQ(platform.shownMain.countdownText, "00:00:00");
    EXPECT_EQ(timerIntervals(), std::vector<int> { 1000000 });
    EXPECT_EQ(platform.created.count(Window::Report), 1u);
    EXPECT_FALSE(platform.windowEnabled[Window::Main]);

    // The late tick after time-up ends the game once more.
    platform.clearRecords();
    tick(1);
    EXPECT_EQ(timerIntervals(), std::vector<int> { 1000000 });
    EXPECT_EQ(platform.sounds.back().path, "applause.wav");
}

TEST_F(ClockAndChoicesTest, ChoiceOnTheLastSecondMakesTheNextTickTimeUp)
{
    context.settings.useTimer = 1;
    context.clock.remainingSeconds = 1;
    setRound({ 0, 1, 0, 1 }, 0);
    OnPictureChosen(context, 1001);
    EXPECT_EQ(context.clock.remainingSeconds, -1);
    platform.clearRecords();
    tick(1);
    EXPECT_EQ(platform.shownMain.countdownText, "00:00:00");
    EXPECT_EQ(timerIntervals(), std::vector<int> { 1000000 });
    EXPECT_EQ(platform.created.count(Window::Report), 1u);
}

TEST_F(ClockAndChoicesTest, AfterTimeUpNoChoiceIsJudgedButTheLateTickRepeatsTheReport)
{
    context.settings.useTimer = 1;
    context.clock.remainingSeconds = 1;
    setRound({ 0, 1, 0, 1 }, 0);
    tick(1);
    ASSERT_EQ(platform.count("disable"), 1);
    const auto before = counts();
    const std::int64_t roundStart = context.round.roundStart;
    platform.clearRecords();
    for (int id : { 1000, 1001, 1026, 1027 }) { // right and wrong, pictures and words
        OnPictureChosen(context, id);
    }
    EXPECT_EQ(counts(), before);
    EXPECT_EQ(context.round.answered, 0);
    EXPECT_TRUE(platform.calls.empty());
    EXPECT_TRUE(platform.sounds.empty());
    // The 1,000,000 ms tick still ends the finished game again, without a new round.
    tick(1);
    EXPECT_EQ(context.round.roundStart, roundStart);
    EXPECT_EQ(platform.sounds.back().path, "applause.wav");
}

TEST_F(ClockAndChoicesTest, WithoutCountdownTheTextStaysAndNoReportComes)
{
    context.clock.remainingSeconds = 5;
    setRound({ 0, 1, 0, 1 }, 0);
    tick(400);
    EXPECT_EQ(context.mainFields.countdownText, "");
    EXPECT_EQ(context.clock.remainingSeconds, 5);
    EXPECT_TRUE(platform.created.empty());
    EXPECT_EQ(platform.count("disable"), 0);
    for (int interval : timerIntervals()) {
        ASSERT_EQ(interval, 1000);
    }
    EXPECT_EQ(platform.count("timer"), 400);
}

TEST_F(ClockAndChoicesTest, WithoutARoundChoicesAndRepeatsDoNothing)
{
    for (int count : { 0, 1 }) {
        context.catalog.clear();
        addPictures(count);
        context.round = {}; // no round was ever drawn: every index 0
        platform.clearRecords();

        OnPictureChosen(context, 1000);
        OnPictureChosen(context, 1027);
        tick(22);
        EXPECT_EQ(counts(), Counts(static_cast<std::size_t>(count), { 0, 0 }));
        EXPECT_TRUE(platform.sounds.empty()) << count << " pictures";

        context.round.answered = 1; // left by a round of an earlier catalogue
        tick(3);
        EXPECT_TRUE(platform.sounds.empty());
        EXPECT_EQ(context.round.answered, 1);
    }
}

TEST_F(ClockAndChoicesTest, RoundOfAShrunkenCatalogueIsNotReached)
{
    context.catalog.clear();
    addPictures(5);
    setRound({ 4, 3, 4, 2 }, 4);
    context.catalog.clear(); // a Setup left two pictures in play
    addPictures(2);
    platform.clearRecords();

    OnPictureChosen(context, 1000);
    OnPictureChosen(context, 1001);
    tick(11);
    EXPECT_EQ(counts(), (Counts { { 0, 0 }, { 0, 0 } }));
    EXPECT_TRUE(platform.sounds.empty());

    // The next answered tick draws a round of the catalogue as it stands.
    context.round.answered = 1;
    tick(1);
    EXPECT_TRUE(hasValidRound(context));
    platform.now += 1000;
    OnPictureChosen(context, 1000);
    const auto total
        = counts()[0].first + counts()[0].second + counts()[1].first + counts()[1].second;
    EXPECT_EQ(total, 1);
}

} // namespace
} // namespace pikora
