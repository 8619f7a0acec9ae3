// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Number keys and switch scanning on the fake platform, whose clock drives both timers.
#include "game/ControlIds.h"
#include "game/GameClock.h"
#include "game/Rounds.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/ScanLogic.h"

#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::CurrentTempDir;
using testing::FakePlatform;

// The main window as the scanner sees it: what the platform last showed or hid.
class FakeChoiceView : public ChoiceView
{
public:
    explicit FakeChoiceView(FakePlatform& platform)
        : m_platform(platform)
    { }

    bool isChoiceShown(int control) const override
    {
        const auto found = m_platform.visible.find({ Window::Main, control });
        return found != m_platform.visible.end() && found->second;
    }
    void showHighlight(int control) override { highlights.push_back({ m_platform.now, control }); }
    bool isMirrored() const override { return mirrored; }

    bool mirrored = false;

    std::vector<std::pair<std::int64_t, int>> highlights; // (clock, control) of each change

private:
    FakePlatform& m_platform;
};

class ScanTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.write("correct.bmp");
        for (int i = 0; i < 4; ++i) {
            auto& entry = context.catalog.add();
            entry.picturePath = "mymain\\p" + std::to_string(i) + ".bmp";
            entry.voicePath = "mymain\\p" + std::to_string(i) + ".wav";
            entry.word = "P" + std::to_string(i);
        }
        context.settings.field4 = 1;
        context.settings.useTimer = 0;
        // As the main window does: every push lets the scanner see the new state.
        platform.onPush = [this](Window window) {
            if (window == Window::Main) {
                scanner.refresh();
            }
        };
        platform.now = 10000;
    }

    void start(ScanMode mode, int words = 0)
    {
        context.settings.useWords = words;
        context.access.scan = mode;
        context.access.scanMs = 400;
        platform.setTimer(Window::Main, gameTimerId, 1000); // as the window's set-up does
        StartNewRound(context);
        scanner.applyOptions();
    }

    // A round the test knows, a second old, so that a choice is judged.
    void knownRound(std::array<std::int32_t, 4> slots, int target)
    {
        context.round.slotPicture = slots;
        context.round.target = target;
        context.round.roundStart = platform.now - 1000;
    }

    // Moves the clock on, firing the game and scan timers as they fall due.
    void runFor(std::int64_t ms)
    {
        const std::int64_t until = platform.now + ms;
        for (;;) {
            std::pair<Window, int> next {};
            std::int64_t due = until + 1;
            for (const auto& [key, at] : platform.timerDue) {
                if (at < due) {
                    next = key;
                    due = at;
                }
            }
            if (due > until) {
                break;
            }
            platform.now = due;
            platform.timerDue[next] = due + platform.timers[next]; // it repeats unless set again
            if (next.second == gameTimerId) {
                OnTick(context);
            } else if (next.second == scanTimerId) {
                scanner.OnScanTick();
            }
        }
        platform.now = until;
    }

    int correct(int picture) const { return context.catalog[picture].correctCount; }
    int wrong(int picture) const { return context.catalog[picture].wrongCount; }

    CurrentTempDir dir;
    FakePlatform platform;
    GameContext context { platform };
    FakeChoiceView view { platform };
    Scanner scanner { context, view };
};

struct OrderCase
{
    int words;
    int field4;
    std::vector<int> order;
};

TEST_F(ScanTest, OneSwitchStepsThroughTheChoicesInReadingOrderEveryStep)
{
    const OrderCase cases[] = {
        { 0, 1, { 1001, 1000, 1003, 1002 } }, // picture slot 0 sits top right
        { 0, 0, { 1001, 1000 } },
        { 1, 1, { 1026, 1027, 1028, 1029 } },
        { 1, 0, { 1026, 1027 } },
    };
    for (const OrderCase& row : cases) {
        SCOPED_TRACE(::testing::Message() << "words " << row.words << ", four " << row.field4);
        context.settings.field4 = row.field4;
        platform.timerDue.clear();
        start(ScanMode::OneSwitch, row.words);
        view.highlights.clear();
        const std::int64_t begin = platform.now;
        runFor(400 * static_cast<std::int64_t>(row.order.size()) + 399);
        // The game timer ticks between the steps and moves nothing.
        std::vector<std::pair<std::int64_t, int>> expected;
        for (std::size_t i = 1; i <= row.order.size(); ++i) {
            expected.push_back(
                { begin + 400 * static_cast<std::int64_t>(i), row.order[i % row.order.size()] });
        }
        EXPECT_EQ(view.highlights, expected);
    }
}

TEST_F(ScanTest, SwitchChoosesTheHighlightThroughTheClickPathAndTheNextRoundStartsAtTheFirst)
{
    start(ScanMode::OneSwitch);
    knownRound({ 0, 1, 2, 3 }, 1); // slot 1 is button 1001, top left: the first highlighted
    ASSERT_EQ(scanner.highlighted(), 1001);

    context.round.roundStart = platform.now - 100; // the quarter-second guard holds it back
    EXPECT_TRUE(scanner.onSwitch(SwitchKey::Space));
    EXPECT_EQ(correct(1), 0);

    context.round.roundStart = platform.now - 1000;
    runFor(399); // the step wait restarted with the press
    ASSERT_EQ(scanner.highlighted(), 1001);
    EXPECT_TRUE(scanner.onSwitch(SwitchKey::Enter));
    EXPECT_EQ(correct(1), 1);
    EXPECT_EQ(platform.images[std::make_pair(Window::Main, 1001)], "correct.bmp");
    EXPECT_EQ(platform.timers[std::make_pair(Window::Main, gameTimerId)], 10);

    runFor(200); // the new round arrives, the scan starts again at its first choice
    const std::int64_t roundStart = context.round.roundStart;
    EXPECT_EQ(context.round.answered, 0);
    EXPECT_EQ(view.highlights.back(), std::make_pair(roundStart, 1001));
    runFor(roundStart + 399 - platform.now);
    EXPECT_EQ(scanner.highlighted(), 1001);
    runFor(1);
    EXPECT_EQ(scanner.highlighted(), 1000);
}

TEST_F(ScanTest, HiddenWrongChoicesAreSkipped)
{
    context.settings.hideButtons = 1;
    start(ScanMode::OneSwitch);
    knownRound({ 0, 1, 2, 0 }, 0); // the target is on 1000 (top right) and 1003 (bottom left)
    scanner.onSwitch(SwitchKey::Space); // 1001, wrong: 1001 and 1002 are hidden
    EXPECT_EQ(wrong(0), 1);
    EXPECT_EQ(scanner.highlighted(), 1000);
    view.highlights.clear();
    runFor(1200);
    EXPECT_EQ(view.highlights.size(), 3u);
    for (const auto& [at, control] : view.highlights) {
        EXPECT_TRUE(control == 1000 || control == 1003) << control << " at " << at;
    }
}

TEST_F(ScanTest, TwoSwitchesSpaceStepsEnterChoosesNothingMovesByItself)
{
    start(ScanMode::TwoSwitches, 1);
    knownRound({ 0, 1, 2, 3 }, 2);
    runFor(5000);
    EXPECT_EQ(scanner.highlighted(), 1026);
    EXPECT_EQ(platform.timers.count({ Window::Main, scanTimerId }), 0u);
    scanner.onSwitch(SwitchKey::Space);
    scanner.onSwitch(SwitchKey::Space);
    EXPECT_EQ(scanner.highlighted(), 1028);
    EXPECT_EQ(correct(2), 0);
    scanner.onSwitch(SwitchKey::Enter);
    EXPECT_EQ(correct(2), 1);
}

// A tremor's second hit 120 ms after the first is no second choice once an accept delay is
// set; a press after the delay is.
TEST_F(ScanTest, PressesSoonerThanTheAcceptDelayAreIgnored)
{
    start(ScanMode::TwoSwitches);
    context.access.acceptMs = 300;
    knownRound({ 0, 1, 2, 3 }, 2);
    scanner.onSwitch(SwitchKey::Space);
    const int first = scanner.highlighted();
    platform.now += 120;
    scanner.onSwitch(SwitchKey::Space);
    EXPECT_EQ(scanner.highlighted(), first);
    EXPECT_EQ(scanner.pressesIgnored(), 1);
    platform.now += 300;
    scanner.onSwitch(SwitchKey::Space);
    EXPECT_NE(scanner.highlighted(), first);
    platform.now += 120;
    scanner.onSwitch(SwitchKey::Enter);
    EXPECT_EQ(correct(2) + wrong(2), 0);
    EXPECT_EQ(scanner.pressesIgnored(), 2);
}

TEST_F(ScanTest, TurnedOffOrAfterTimeUpTheSwitchesChooseNothing)
{
    start(ScanMode::Off);
    EXPECT_FALSE(scanner.onSwitch(SwitchKey::Space)); // the key keeps its usual meaning
    EXPECT_EQ(scanner.highlighted(), -1);
    EXPECT_EQ(platform.timers.count({ Window::Main, scanTimerId }), 0u);

    context.access.scan = ScanMode::OneSwitch;
    scanner.applyOptions();
    knownRound({ 0, 1, 2, 3 }, 1);
    context.clock.timeIsUp = true;
    runFor(2000);
    EXPECT_EQ(scanner.highlighted(), -1); // the frame goes at the next step, not frozen
    EXPECT_EQ(view.highlights.back().second, -1);
    EXPECT_TRUE(scanner.onSwitch(SwitchKey::Space)); // taken, but chooses nothing
    EXPECT_FALSE(ChooseByNumber(context, view, 1));
    EXPECT_EQ(correct(1), 0);

    context.access.scan = ScanMode::Off;
    scanner.applyOptions();
    EXPECT_EQ(view.highlights.back().second, -1);
    EXPECT_GE(platform.timers[std::make_pair(Window::Main, scanTimerId)], 1000000);
}

struct NumberCase
{
    int words;
    int field4;
    int number;
    int control; // chosen, or -1 for none
    bool mirrored = false; // laid out right to left
};

TEST_F(ScanTest, NumberKeysChooseByPlaceOnScreen)
{
    const NumberCase cases[] = {
        { 0, 1, 1, 1001 },
        { 0, 1, 2, 1000 },
        { 0, 1, 3, 1003 },
        { 0, 1, 4, 1002 },
        { 1, 1, 1, 1026 },
        { 1, 1, 4, 1029 },
        { 0, 0, 2, 1000 },
        { 0, 0, 3, -1 }, // a game of two has no third choice
        { 1, 1, 5, -1 },
        { 1, 1, 0, -1 },
        // Right to left the keys still run as the number row does: 1 is on the left.
        { 0, 1, 1, 1000, true },
        { 0, 1, 4, 1003, true },
        { 1, 1, 1, 1027, true },
        { 0, 0, 2, 1001, true },
    };
    for (const NumberCase& row : cases) {
        SCOPED_TRACE(::testing::Message()
            << "words " << row.words << ", four " << row.field4 << ", key " << row.number);
        context.settings.field4 = row.field4;
        view.mirrored = row.mirrored;
        start(ScanMode::Off, row.words);
        const int slot = row.control < 0 ? 0 : slotOfControl(row.control);
        knownRound({ 0, 1, 2, 3 }, slot);
        const int before = correct(slot);
        EXPECT_EQ(ChooseByNumber(context, view, row.number), row.control >= 0);
        EXPECT_EQ(correct(slot), before + (row.control >= 0 ? 1 : 0));
    }
    // A hidden choice cannot be chosen by its key.
    view.mirrored = false;
    platform.showControl(Window::Main, choicesInReadingOrder(context.settings)[0], false);
    EXPECT_FALSE(ChooseByNumber(context, view, 1));
}

} // namespace
} // namespace pikora
