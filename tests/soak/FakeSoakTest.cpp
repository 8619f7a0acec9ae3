// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Ten thousand rounds of a seeded learner on the fake platform: choices right and wrong,
// clicks too early, ticks falling due while the learner thinks, short timed games ending in
// time-up (some repeated by the long tick), and the Setup window's OK saving the options of
// the next game, played after a fresh start. The game's counts, remaining seconds and reports must agree with a tally the test
// keeps itself, and the heap must stay level once the run has warmed up.
#include "ChoiceTally.h"
#include "HeapProbe.h"
#include "ui/SetupLogic.h"
#include "game/ControlIds.h"
#include "game/GameClock.h"
#include "game/Rounds.h"
#include "game/TimeText.h"
#include "platform/StoreFile.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::ChoiceTally;
using testing::CurrentTempDir;
using testing::FakePlatform;
using testing::HeapTrend;

constexpr int roundsToPlay = 10000;
constexpr int warmUpRounds = 1000;
constexpr int roundsPerHeapReading = 250;
// A leak of a few bytes a round would pass this over 9,000 rounds; anything held per
// round, per choice or per report would not.
constexpr double heapGrowthBound = 64 * 1024;

const char* const pictureNames[] = { "cat.bmp", "dog.bmp", "Sun.BMP", "good job.bmp", "red.bmp",
    "blue.bmp", "seven.bmp", "hello.bmp", "jump.bmp", "tree.bmp", "milk.bmp", "b.bmp" };

class FakeSoak : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : pictureNames) {
            m_dir.write(std::string("mymain/") + name);
        }
        m_dir.write("correct.bmp");
        platform.storePath = (m_dir / "machine.reg").string();
        ASSERT_EQ(ensureStoreKey(platform.storePath, settingsKeyPath), 0);
        platform.now = 10000;
        platform.calendar = 1709622489;
        platform.syncSoundMs = 300;
        platform.seedRandom(20240305);
        context.settings = { 1, 1, 1, 1, 0, 40, m_dir.str(), (m_dir / "report.txt").string() };
        context.clock.remainingSeconds = context.settings.maxTimer;

        ASSERT_EQ(BuildCatalog(context.catalog, platform), 0);
        tally.reset(context.catalog.count());
        expectedRemaining = context.clock.remainingSeconds;
        // The window's set-up: the first round, then the game timer.
        StartNewRound(context);
        platform.setTimer(Window::Main, gameTimerId, 1000);
        afterEvent();
    }

    // Bookkeeping after every event handed to the game: when the game timer was last
    // (re)started, whether a new round began, and the platform's records dropped so they
    // cannot grow with the run.
    void afterEvent()
    {
        for (const auto& call : platform.calls) {
            if (call.what == "timer" && call.window == Window::Main
                && call.control == gameTimerId) {
                timerInterval = call.value;
                timerStartedAt = platform.now;
            }
            if (call.what == "disable" && call.window == Window::Main) {
                ++timeUpsSeen;
            }
        }
        if (context.round.roundStart != lastRoundStart) {
            lastRoundStart = context.round.roundStart;
            ++roundsDrawn;
        }
        platform.clearRecords();
    }

    std::int64_t nextTickAt() const { return timerStartedAt + timerInterval; }

    void tick()
    {
        platform.now = nextTickAt();
        const int timeUpsBefore = timeUpsSeen;
        OnTick(context);
        afterEvent();
        expectedRemaining = saturatingSubtract(expectedRemaining, 1);
        ASSERT_EQ(context.clock.remainingSeconds, expectedRemaining);
        ASSERT_EQ(timeUpsSeen - timeUpsBefore, expectedRemaining <= 0 ? 1 : 0)
            << "time-up must come with the tick that uses up the last second, and only then";
        if (expectedRemaining <= 0) {
            gameOver = true;
            checkReport();
        }
    }

    // Which choice controls of the current mode the learner can see, by slot.
    std::vector<int> visibleSlots()
    {
        const bool words = context.settings.useWords != 0;
        const int first = words ? control::firstWordBox : control::firstPictureButton;
        std::vector<int> slots;
        for (int slot = 0; slot < (context.settings.field4 != 0 ? 4 : 2); ++slot) {
            const auto shown = platform.visible.find({ Window::Main, first + slot });
            if (shown != platform.visible.end() && shown->second) {
                slots.push_back(slot);
            }
        }
        return slots;
    }

    // One choice through a visible control: right when `wantRight` and the round allows.
    void choose(bool wantRight)
    {
        std::vector<int> right;
        std::vector<int> wrong;
        for (int slot : visibleSlots()) {
            (context.round.slotPicture[slot] == context.round.target ? right : wrong)
                .push_back(slot);
        }
        ASSERT_FALSE(right.empty()) << "the target must always stay visible";
        const auto& from = wantRight || wrong.empty() ? right : wrong;
        const int slot
            = from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(learner)];
        const bool isRight = &from == &right;
        const bool judged = platform.now - context.round.roundStart >= 250;
        const int target = context.round.target;
        const int answeredBefore = context.round.answered;

        const int base
            = context.settings.useWords != 0 ? control::firstWordBox : control::firstPictureButton;
        OnPictureChosen(context, base + slot);
        afterEvent();
        if (judged) {
            tally.count(target, isRight);
            expectedRemaining = saturatingSubtract(expectedRemaining, 2);
            ++choicesJudged;
        } else {
            ++choicesTooEarly;
        }
        ASSERT_EQ(context.round.answered, judged && isRight ? 1 : answeredBefore);
        ASSERT_EQ(context.clock.remainingSeconds, expectedRemaining);
        ASSERT_EQ(tally.differences(context.catalog), "");
    }

    // The Report window's text and the block the file gained must both list the tally.
    void checkReport()
    {
        const auto expected = tally.expectedLines(context.catalog);
        ASSERT_EQ(testing::scoreLines(context.reportText), expected);
        const std::string file = m_dir.read("report.txt");
        ASSERT_GT(file.size(), reportBytesSeen) << "every time-up appends a block";
        const std::string block = file.substr(reportBytesSeen);
        reportBytesSeen = file.size();
        ASSERT_EQ(block.rfind("\r\n\rPikora Report ", 0), 0u) << block.substr(0, 40);
        ASSERT_EQ(testing::scoreLines(block), expected);
        ++reportsChecked;
    }

    // After time-up the Setup window's OK saves other options now and then, a picture taken
    // out of play or put back, a new short length; the next game is the program's next start.
    void nextGame()
    {
        ShowSetupWindow(context, setupFields);
        auto& fields = setupFields;
        std::uniform_int_distribution<int> coin(0, 1);
        fields.fourChoices = coin(learner);
        fields.useWords = coin(learner);
        fields.hideWrongButtons = coin(learner);
        fields.showSpelling = coin(learner);
        fields.useTimer = 1;
        fields.maxTimeText = FormatHms(std::uniform_int_distribution<int>(60, 180)(learner));
        if (++gamesStarted % 8 == 0) {
            auto& item = fields.pictures[std::uniform_int_distribution<std::size_t>(
                0, fields.pictures.size() - 1)(learner)];
            item.checked = !item.checked;
        }
        const std::int64_t roundStart = context.round.roundStart;
        SetupOk(context, setupFields);
        afterEvent();
        // The finished game stays finished: the options are saved for the next start.
        ASSERT_EQ(context.round.roundStart, roundStart) << "a round on the finished game";
        ASSERT_EQ(tally.differences(context.catalog), "");
        ASSERT_LE(context.clock.remainingSeconds, 0);

        // The program started again: the saved options, a fresh catalogue, the window's
        // set-up with its first round and the game timer.
        context.round = {};
        context.clock = {};
        context.clock.remainingSeconds = context.settings.maxTimer;
        ASSERT_EQ(BuildCatalog(context.catalog, platform), 0);
        ApplyModeVisibility(context);
        StartNewRound(context);
        platform.setTimer(Window::Main, gameTimerId, 1000);
        afterEvent();
        ASSERT_GE(context.catalog.count(), 2u);
        for (std::size_t i = 0; i < context.catalog.count(); ++i) {
            ASSERT_EQ(context.catalog[i].correctCount + context.catalog[i].wrongCount, 0)
                << "a rebuilt catalogue starts every count again at 0";
        }
        tally.reset(context.catalog.count());
        expectedRemaining = context.clock.remainingSeconds;
        gameOver = false;
    }

    CurrentTempDir m_dir;
    FakePlatform platform;
    GameContext context { platform };
    SetupFields setupFields;
    ChoiceTally tally;
    std::mt19937 learner { 7 };

    std::int64_t timerStartedAt = 0;
    int timerInterval = 0;
    std::int64_t lastRoundStart = -1;
    std::int32_t expectedRemaining = 0;
    std::size_t reportBytesSeen = 0;
    int roundsDrawn = 0;
    int timeUpsSeen = 0;
    int reportsChecked = 0;
    int choicesJudged = 0;
    int choicesTooEarly = 0;
    int gamesStarted = 0;
    bool gameOver = false;
};

TEST_F(FakeSoak, TenThousandRoundsKeepCountsReportsAndHeapInStep)
{
    HeapTrend heap;
    int nextHeapReading = warmUpRounds;
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> thinking(250, 2500);
    std::uniform_int_distribution<int> hasty(0, 249);
    while (roundsDrawn < roundsToPlay && !HasFatalFailure()) {
        if (roundsDrawn >= nextHeapReading) {
            heap.sample(roundsDrawn);
            nextHeapReading = roundsDrawn + roundsPerHeapReading;
        }
        if (gameOver) {
            // Time is up and the main window takes no input. Now and then the long tick
            // comes first and repeats the time-up with the same counts.
            if (percent(learner) < 30) {
                tick();
            }
            nextGame();
            continue;
        }
        const bool tooEarly = percent(learner) < 5;
        const std::int64_t actionAt = tooEarly
            ? std::max(platform.now, context.round.roundStart + hasty(learner))
            : platform.now + thinking(learner);
        if (nextTickAt() <= actionAt) {
            tick(); // the learner sees what the tick changed and thinks again
            continue;
        }
        platform.now = actionAt;
        const bool wantRight = percent(learner) < 60;
        choose(wantRight);
        if (context.round.answered == 1 && percent(learner) < 3 && !HasFatalFailure()) {
            // A second click before the next round's tick: judged against the same target.
            platform.now += 3;
            choose(percent(learner) < 50);
        }
    }
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(roundsDrawn, roundsToPlay);

    const std::string summary = std::to_string(roundsDrawn) + " rounds, "
        + std::to_string(choicesJudged) + " choices judged, " + std::to_string(choicesTooEarly)
        + " too early, " + std::to_string(reportsChecked) + " reports, "
        + std::to_string(gamesStarted) + " games; heap: " + heap.describe();
    std::printf("%s\n", summary.c_str());
    RecordProperty("summary", summary);
    EXPECT_GT(reportsChecked, 100);
    EXPECT_GT(choicesTooEarly, 100);
    EXPECT_LT(heap.growth(), heapGrowthBound) << heap.describe();
}

} // namespace
} // namespace pikora
