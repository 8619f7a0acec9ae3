// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// A thousand rounds through the real windows: the main window wired to the Linux platform
// services as the program wires it, pictures clicked with the mouse, the game timer's tick
// delivered, sounds through SDL. Short timed games end in the Report window while Setup,
// opened near their end, holds the options of the next one, which starts afresh. Counts,
// the buttons' pictures, the reports and a level heap are checked as the rounds go.
#include "ChoiceTally.h"
#include "HeapProbe.h"
#include "game/ControlIds.h"
#include "game/GameClock.h"
#include "support/GameWindows.h"
#include "support/WaveFile.h"
#include "ui/BitmapButton.h"

#include <random>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::ChoiceTally;
using testing::HeapTrend;

constexpr int roundsToPlay = 1000;
constexpr int warmUpRounds = 200;
constexpr int roundsPerHeapReading = 50;
// Qt's caches (glyphs, pixmaps, style) fill during the warm-up; after it only a leak per
// round or per game could lift the trend this far.
constexpr double heapGrowthBound = 512 * 1024;
constexpr int pictureCount = 6;
constexpr int pictureHeight = 30;

class WindowSoak : public testing::ProgramWindowsTest<LinuxPlatform>
{
protected:
    void SetUp() override
    {
        ProgramWindowsTest::SetUp();
        // Each picture has its own width, so a button's image tells which picture it is.
        for (int i = 0; i < pictureCount; ++i) {
            const std::string stem = "mymain/w" + std::to_string(pictureWidth(i));
            savePicture(stem + ".bmp", { pictureWidth(i), pictureHeight },
                QColor::fromHsv(i * 60, 200, 220));
            ASSERT_TRUE(testing::writeWave((dir / (stem + ".wav")).string(), 441));
        }
        savePicture("correct.bmp", { correctWidth, pictureHeight }, Qt::white);
        // The feedback the game waits for is a few milliseconds long, so a thousand rounds
        // stay quick while every sound still goes through the device.
        for (const char* sound : { "correct.wav", "no.wav", "applause.wav" }) {
            ASSERT_TRUE(testing::writeWave((dir / sound).string(), 44));
        }
        context.settings = { 1, 1, 0, 1, 0, 240, dir.str(), (dir / "report.txt").string() };
        context.clock.remainingSeconds = context.settings.maxTimer;
        ASSERT_EQ(BuildCatalog(context.catalog, platform), 0);
        platform.seedRandom(20240305);
        tally.reset(context.catalog.count());
        startWindows();
    }

    static int pictureWidth(int index) { return 40 + index; }
    static constexpr int correctWidth = 24;

    bool wordMode() const { return context.settings.useWords != 0; }
    int choices() const { return context.settings.field4 != 0 ? 4 : 2; }

    QWidget* choiceControl(int slot) const
    {
        return control((wordMode() ? control::firstWordBox : control::firstPictureButton) + slot);
    }

    // Slots whose control is on screen and holds (or does not hold) the target.
    std::vector<int> visibleSlots(bool holdingTarget) const
    {
        std::vector<int> found;
        for (int slot = 0; slot < choices(); ++slot) {
            const bool isTarget = context.round.slotPicture[slot] == context.round.target;
            if (choiceControl(slot)->isVisible() && isTarget == holdingTarget) {
                found.push_back(slot);
            }
        }
        return found;
    }

    // The learner clicks a choice once the 250 ms in which clicks are ignored are over.
    // Rather than wait them out, the round is made to have begun that long ago.
    void click(int slot)
    {
        context.round.roundStart = std::min(context.round.roundStart, platform.elapsedMs() - 300);
        QWidget* widget = choiceControl(slot);
        if (wordMode()) {
            QTest::mouseClick(
                static_cast<QAbstractScrollArea*>(widget)->viewport(), Qt::LeftButton);
        } else {
            QTest::mouseClick(widget, Qt::LeftButton);
        }
    }

    int pickFrom(const std::vector<int>& from)
    {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(learner)];
    }

    // The buttons in play show the pictures of the round's slots.
    void checkButtonsShowRound()
    {
        if (wordMode()) {
            return;
        }
        for (int slot = 0; slot < choices(); ++slot) {
            const auto* button = qobject_cast<ui::BitmapButton*>(choiceControl(slot));
            ASSERT_NE(button, nullptr);
            const auto& entry = context.catalog.at(context.round.slotPicture[slot]);
            ASSERT_EQ("W" + std::to_string(button->image().width()), entry.word) << "slot " << slot;
        }
    }

    void playRound()
    {
        if (percent(learner) < 25) {
            const auto wrong = visibleSlots(false);
            if (!wrong.empty()) {
                const int target = context.round.target;
                click(pickFrom(wrong));
                tally.count(target, false);
                ASSERT_EQ(context.round.answered, 0);
            }
        }
        const auto right = visibleSlots(true);
        ASSERT_FALSE(right.empty()) << "the target must stay on screen";
        const int slot = pickFrom(right);
        const int target = context.round.target;
        click(slot);
        tally.count(target, true);
        ASSERT_EQ(context.round.answered, 1);
        if (!wordMode()) {
            const auto* button = qobject_cast<ui::BitmapButton*>(choiceControl(slot));
            ASSERT_EQ(button->image().width(), correctWidth) << "correct.bmp on the chosen button";
        }
        ASSERT_EQ(tally.differences(context.catalog), "");

        // The tick that the right choice asked for in 10 ms, delivered now; then the event
        // loop paints the next round.
        const std::int64_t before = context.round.roundStart;
        OnTick(context);
        QCoreApplication::processEvents();
        if (context.clock.remainingSeconds > 0) {
            ASSERT_NE(context.round.roundStart, before) << "a right choice leads to the next round";
            ASSERT_EQ(context.round.answered, 0);
            checkButtonsShowRound();
        }
        ++roundsPlayed;
    }

    void checkReport()
    {
        ASSERT_NE(report(), nullptr);
        ASSERT_TRUE(report()->isVisible());
        ASSERT_FALSE(main()->takesInput()) << "the main window takes no input after time-up";
        const auto expected = tally.expectedLines(context.catalog);
        ASSERT_EQ(testing::scoreLines(context.reportText), expected);
        ASSERT_EQ(testing::scoreLines(report()->textBox()->toPlainText().toStdString()), expected);
        const std::string file = dir.read("report.txt");
        ASSERT_GT(file.size(), reportBytesSeen);
        const std::string block = file.substr(reportBytesSeen);
        reportBytesSeen = file.size();
        ASSERT_EQ(testing::scoreLines(block), expected);
        ++reportsChecked;
    }

    template<class Widget> Widget* setupControl(const QString& text)
    {
        for (auto* widget : setupWindow()->findChildren<Widget*>()) {
            if (text.isEmpty() || widget->text() == text) {
                return widget;
            }
        }
        return nullptr;
    }

    // Near the end of each game Setup is opened and the next game's options are set (the
    // other mode), but not yet confirmed: the window stays open across time-up.
    void prepareNextGame()
    {
        main()->onSetup();
        ASSERT_NE(setupWindow(), nullptr);
        ASSERT_TRUE(setupWindow()->isVisible());
        auto* words = setupControl<QCheckBox>(QStringLiteral("Use Words"));
        auto* four = setupControl<QCheckBox>(QStringLiteral("Field of 4"));
        auto* maxTime = setupControl<QLineEdit>(QString());
        ASSERT_TRUE(words && four && maxTime);
        words->setChecked(!words->isChecked());
        if (++gamesStarted % 2 == 0) {
            four->setChecked(!four->isChecked());
        }
        maxTime->setText(QStringLiteral("4:00"));
        setupOpen = true;
        // The game goes on behind it; a word box reports the focus only in the active window.
        main()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
    }

    // After the report: Setup's OK saves the options, but the finished game stays finished
    // (no round on a window that takes no input, the report's counts kept). Escape hides
    // the report, and the next game is a fresh start of the program with those options.
    void nextGame()
    {
        ASSERT_TRUE(setupOpen);
        const auto round = context.round;
        auto* ok = setupControl<QAbstractButton>(QStringLiteral("OK"));
        ASSERT_NE(ok, nullptr);
        QTest::mouseClick(ok, Qt::LeftButton);
        setupOpen = false;
        ASSERT_FALSE(setupWindow()->isVisible());
        ASSERT_FALSE(main()->takesInput());
        ASSERT_LE(context.clock.remainingSeconds, 0);
        ASSERT_EQ(context.round.roundStart, round.roundStart) << "a round on the finished game";
        ASSERT_EQ(tally.differences(context.catalog), "");
        // Saved: the option this Setup changed (the time it set was the time already in use).
        ASSERT_NE(dir.read("machine.reg")
                      .find(context.settings.useWords != 0 ? "\"USE_WORDS\"=dword:00000001"
                                                           : "\"USE_WORDS\"=dword:00000000"),
            std::string::npos);

        QTest::keyClick(report(), Qt::Key_Escape);
        ASSERT_FALSE(report()->isVisible());
        windows.reset();
        context.round = {};
        context.clock = {};
        context.clock.remainingSeconds = context.settings.maxTimer;
        context.mainFields = {};
        ASSERT_EQ(BuildCatalog(context.catalog, platform), 0);
        tally.reset(context.catalog.count());
        startWindows();
        checkButtonsShowRound();
    }

    ChoiceTally tally;
    std::mt19937 learner { 11 };
    std::uniform_int_distribution<int> percent { 0, 99 };
    std::size_t reportBytesSeen = 0;
    int roundsPlayed = 0;
    int reportsChecked = 0;
    int gamesStarted = 0;
    bool setupOpen = false;
};

TEST_F(WindowSoak, ThousandRoundsThroughTheWindowsKeepCountsAndHeapLevel)
{
    HeapTrend heap;
    int nextHeapReading = warmUpRounds;
    while (roundsPlayed < roundsToPlay && !HasFatalFailure()) {
        if (roundsPlayed >= nextHeapReading) {
            heap.sample(roundsPlayed);
            nextHeapReading = roundsPlayed + roundsPerHeapReading;
        }
        playRound();
        if (!HasFatalFailure() && !setupOpen && context.clock.remainingSeconds < 30) {
            prepareNextGame();
        }
        if (!HasFatalFailure() && context.clock.remainingSeconds <= 0) {
            checkReport();
            if (!HasFatalFailure()) {
                nextGame();
            }
        }
    }
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_GE(reportsChecked, 5);
    EXPECT_EQ(endProgramCalls, 0) << "Escape hides the report without ending the program";

    const std::string summary = std::to_string(roundsPlayed) + " rounds, "
        + std::to_string(reportsChecked) + " reports, " + std::to_string(gamesStarted)
        + " games after Setup; heap: " + heap.describe();
    std::printf("%s\n", summary.c_str());
    RecordProperty("summary", summary);
    EXPECT_LT(heap.growth(), heapGrowthBound) << heap.describe();
}

} // namespace
} // namespace pikora
