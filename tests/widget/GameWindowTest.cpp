// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The main game window and the Report window, on the real platform services.
#include "game/ControlIds.h"
#include "game/Rounds.h"
#include "support/GameWindows.h"
#include "ui/BitmapButton.h"
#include "ui/RichEdit.h"

#include <set>

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

namespace pikora::testing {
namespace {

constexpr int everyControl[] = { 1000, 1001, 1002, 1003, 1004, 1015, 1023, 1026, 1027, 1028, 1029 };

// ---- What each mode shows -------------------------------------------------------------

struct ModeCase
{
    const char* name;
    int field4;
    int useWords;
    int spell;
    std::set<int> visible; // everything else is hidden
};

void PrintTo(const ModeCase& mode, std::ostream* out)
{
    *out << mode.name;
}

class ModeVisibility : public GameWindows, public ::testing::WithParamInterface<ModeCase>
{ };

TEST_P(ModeVisibility, ShowsExactlyTheControlsOfTheMode)
{
    const ModeCase& mode = GetParam();
    context.settings.field4 = mode.field4;
    context.settings.useWords = mode.useWords;
    context.settings.spell = mode.spell;
    startGame();
    for (int id : everyControl) {
        const bool expected = mode.visible.count(id) == 1;
        EXPECT_EQ(control(id)->isVisibleTo(main()), expected) << "control " << id;
        EXPECT_EQ(control(id)->isHidden(), !expected) << "control " << id;
    }
}

// Which controls each mode shows is the game's rule, tested on the fake platform for every
// mode. Here two modes that between them show and hide each control once: the window must
// show the very widgets the game names. The countdown text 1023 shows in both; the parking
// button 1004 in neither.
INSTANTIATE_TEST_SUITE_P(Modes, ModeVisibility,
    ::testing::Values(
        ModeCase { "fourPicturesSpelt", 1, 0, 1, { 1000, 1001, 1002, 1003, 1015, 1023 } },
        ModeCase { "fourWords", 1, 1, 0, { 1026, 1027, 1028, 1029, 1023 } }),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Layout and type ------------------------------------------------------------------

using MainWindowLayout = GameWindows;

// Where the controls sit with the template font's base units of 6 × 13 pixels (96 dpi): each
// dialog-unit value x 6/4 or y 13/8 on its own, halves away from zero. Worked out by hand,
// so a fault of the builder or of the window around it shows here.
TEST_F(MainWindowLayout, ControlsSitAtTheirPixelRectanglesBelowTheMenuBar)
{
    startGame();
    const std::pair<int, QRect> placed[] = {
        { 1000, QRect(516, 24, 428, 276) }, // (344, 15, 285, 170)
        { 1003, QRect(39, 333, 429, 276) }, // (26, 205, 286, 170)
        { 1015, QRect(215, 631, 551, 54) }, // (143, 388, 367, 33)
        { 1026, QRect(50, 102, 425, 140) }, // (33, 63, 283, 86)
    };
    for (const auto& [id, rect] : placed) {
        EXPECT_EQ(control(id)->geometry(), rect) << "control " << id;
    }
    QWidget* client = control(1000)->parentWidget();
    EXPECT_EQ(client->size(), QSize(975, 696)); // (650, 428)
    // The menu bar is extra: it neither covers the client area nor takes space from it.
    const QRect clientInWindow(client->mapTo(main(), QPoint(0, 0)), client->size());
    EXPECT_GE(clientInWindow.top(), main()->menuBar()->geometry().bottom() + 1);
    EXPECT_TRUE(main()->rect().contains(clientInWindow));
}

void expectWordFormat(const ui::RichEdit& edit, const QString& family)
{
    ASSERT_FALSE(edit.toPlainText().isEmpty());
    QTextCursor cursor(edit.document());
    cursor.setPosition(1);
    const QTextCharFormat format = cursor.charFormat();
    const QFont font = format.font().resolve(edit.document()->defaultFont());
    const QColor colour = format.hasProperty(QTextFormat::ForegroundBrush)
        ? format.foreground().color()
        : edit.palette().color(QPalette::Text);
    EXPECT_TRUE(font.bold());
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 30.0); // 600 twips
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_EQ(colour, QColor(Qt::black));
    EXPECT_EQ(font.family(), family); // the window's typeface stays
}

TEST_F(MainWindowLayout, WordsAndTargetTextAreBoldThirtyPointBlackRoundAfterRound)
{
    context.settings = { 1, 1, 0, 0, 1, 0, dir.str(), (dir / "report.txt").string() };
    startGame();
    const QString family = control(1000)->parentWidget()->font().family();
    for (int round = 0; round < 2; ++round) {
        for (int id : { 1015, 1026, 1027, 1028, 1029 }) {
            SCOPED_TRACE("round " + std::to_string(round) + ", control " + std::to_string(id));
            auto* edit = qobject_cast<ui::RichEdit*>(control(id));
            ASSERT_TRUE(edit);
            expectWordFormat(*edit, family);
        }
        context.round.answered = 1;
        StartNewRound(context); // new words replace the old ones
    }
    // A word is shown in full capitals (ß has no one-letter capital), kept as it is matched.
    context.mainFields.targetText = context.mainFields.captions[0] = "WEI\u00DF";
    main()->pushFields();
    EXPECT_EQ(qobject_cast<ui::RichEdit*>(control(1015))->toPlainText(), "WEISS");
    EXPECT_EQ(qobject_cast<ui::RichEdit*>(control(1026))->toPlainText(), "WEISS");
}

// ---- Choices --------------------------------------------------------------------------

class MainWindowChoices : public GameWindows
{
protected:
    void clickWord(int id)
    {
        QTest::mouseClick(qobject_cast<ui::RichEdit*>(control(id))->viewport(), Qt::LeftButton);
    }

    // The parking button 1004 is hidden, and Qt gives no focus to a hidden widget: the
    // focus must then be on no control at all, or a word box keeping it could not report
    // the next choice and Enter would choose a picture again.
    void expectFocusParked()
    {
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus == control(1004) || focus == main())
            << (focus ? focus->objectName().toStdString() : "no focus");
    }
};

struct ClickCase
{
    int button;
    bool guardPassed;
    std::pair<int, int> targetCounts; // (correct, wrong) of the target picture
};

TEST_F(MainWindowChoices, ClickingAPictureJudgesItOnceTheRoundIsAQuarterSecondOld)
{
    context.settings.field4 = 1;
    startGame();
    const ClickCase cases[] = {
        { 1002, false, { 0, 0 } }, // the round has only just appeared
        { 1001, true, { 0, 1 } },
        { 1002, true, { 1, 0 } },
    };
    for (const ClickCase& click : cases) {
        SCOPED_TRACE("button " + std::to_string(click.button));
        knownRound(2);
        if (!click.guardPassed) {
            context.round.roundStart = platform.elapsedMs();
        }
        for (std::size_t i = 0; i < context.catalog.count(); ++i) {
            context.catalog[i].correctCount = context.catalog[i].wrongCount = 0;
        }
        QTest::mouseClick(control(click.button), Qt::LeftButton);
        EXPECT_EQ(counts()[2], click.targetCounts);
        EXPECT_EQ(counts()[1], std::make_pair(0, 0)); // a wrong choice counts for the target
    }
    // The right one shows "correct.bmp" and parks the focus again.
    EXPECT_EQ(qobject_cast<ui::BitmapButton*>(control(1002))->image().size(), QSize(24, 24));
    expectFocusParked();
    EXPECT_EQ(platform.played("no.wav"), 1);
}

TEST_F(MainWindowChoices, WordBoxGainingTheFocusIsAChoiceEvenTheSameBoxTwice)
{
    context.settings.useWords = 1;
    startGame();
    expectFocusParked(); // the first round parked it before the window showed
    knownRound(0);
    clickWord(1026);
    EXPECT_EQ(counts()[0], std::make_pair(1, 0));
    expectFocusParked();

    knownRound(0);
    clickWord(1027);
    clickWord(1027);
    EXPECT_EQ(counts()[0], std::make_pair(1, 2));
    control(1026)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(counts()[0], std::make_pair(2, 2));
}

TEST_F(MainWindowChoices, HidingTheWrongWordsPassesTheFocusToNoOtherWord)
{
    context.settings.useWords = 1;
    context.settings.field4 = 1;
    context.settings.hideButtons = 1;
    startGame();
    knownRound(0);
    context.round.slotPicture = { 0, 1, 2, 0 };
    clickWord(1027);
    EXPECT_EQ(counts()[0], std::make_pair(0, 1));
    for (int id : { 1026, 1027, 1028, 1029 }) {
        EXPECT_EQ(control(id)->isVisibleTo(main()), id == 1026 || id == 1029) << id;
    }
    expectFocusParked();
}

TEST_F(MainWindowChoices, FocusGivenBackByAPopupOrTheWindowIsNoChoiceButTabIs)
{
    context.settings.useWords = 1;
    startGame();
    knownRound(0);
    context.round.roundStart = platform.elapsedMs(); // a click in the round's first 250 ms
    clickWord(1026);
    ASSERT_EQ(QApplication::focusWidget(), control(1026)); // kept, and not judged
    ASSERT_EQ(counts()[0], std::make_pair(0, 0));
    passChoiceGuard();

    QMenu* menu = main()->systemMenu(); // the menus and the box's own menu are popups too
    menu->popup(main()->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    menu->close();
    ASSERT_EQ(QApplication::focusWidget(), control(1026));
    EXPECT_EQ(counts()[0], std::make_pair(0, 0));
    {
        QWidget other; // another window takes the activation, then gives it back
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&other] { return QApplication::activeWindow() == &other; }));
    }
    activateMain();
    ASSERT_EQ(QApplication::focusWidget(), control(1026));
    EXPECT_EQ(counts()[0], std::make_pair(0, 0));

    // Tab and Shift+Tab onto a word are the keyboard's choices (the boxes are tab stops).
    QTest::keyClick(control(1026), Qt::Key_Tab); // onto 1027, a wrong word
    EXPECT_EQ(counts()[0], std::make_pair(0, 1));
    knownRound(0);
    control(1027)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(control(1027), Qt::Key_Backtab); // back onto 1026, the right one
    EXPECT_EQ(counts()[0], std::make_pair(1, 1));
}

TEST_F(MainWindowChoices, AfterTimeUpAWordGivenTheFocusJudgesNothing)
{
    context.settings.useWords = 1;
    context.settings.useTimer = 1;
    startGame();
    knownRound(0);
    context.clock.remainingSeconds = 1;
    main()->setTimer(gameTimerId, 10);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !main()->takesInput(); }));
    activateMain(); // back from the Report window
    passChoiceGuard();
    const auto before = counts();
    for (Qt::FocusReason reason : { Qt::MouseFocusReason, Qt::TabFocusReason }) {
        control(1026)->setFocus(reason); // right
        control(1027)->setFocus(reason); // wrong
    }
    EXPECT_EQ(counts(), before);
    EXPECT_EQ(context.round.answered, 0); // a right choice would start a round, then time-up
}

TEST_F(MainWindowChoices, WindowActivatedAgainMakesNoChoice)
{
    context.settings.useWords = 1;
    startGame();
    knownRound(0);
    clickWord(1027);
    ASSERT_EQ(counts()[0], std::make_pair(0, 1));
    {
        QWidget other; // another program's window takes the activation, then gives it back
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&other] { return QApplication::activeWindow() == &other; }));
    }
    main()->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == main(); }));
    EXPECT_EQ(counts()[0], std::make_pair(0, 1));
    expectFocusParked();
}

TEST_F(MainWindowChoices, EnterOrSpaceOnTheParkedFocusDoesNothing)
{
    context.settings.field4 = 1;
    startGame();
    knownRound(0);
    QTest::mouseClick(control(1001), Qt::LeftButton); // wrong: parks the focus
    ASSERT_EQ(counts()[0], std::make_pair(0, 1));
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space }) {
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    EXPECT_EQ(counts()[0], std::make_pair(0, 1));
    EXPECT_TRUE(main()->isVisible());
}

TEST_F(MainWindowChoices, EscapeClosesTheWindowWithoutAReport)
{
    context.settings.useTimer = 1;
    context.clock.remainingSeconds = 100;
    startGame();
    knownRound(0);
    context.catalog[0].correctCount = 2;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(main()->result(), QDialog::Rejected);
    EXPECT_EQ(windows->made(Window::Report), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "report.txt"));
}

// ---- Time-up: the Report window and the main window that takes no more input ----------

class TimeUpWindows : public GameWindows
{
protected:
    void SetUp() override
    {
        GameWindows::SetUp();
        context.settings.useTimer = 1;
        context.settings.field4 = 1;
        startGame();
        knownRound(0);
        context.catalog[0].correctCount = 3;
        context.catalog[0].wrongCount = 1;
        context.catalog[1].wrongCount = 2;
        context.clock.remainingSeconds = 1; // the next tick is time-up
        main()->setTimer(gameTimerId, 10);
        ASSERT_TRUE(QTest::qWaitFor([this] { return report() && report()->isVisible(); }));
        ASSERT_TRUE(QTest::qWaitForWindowActive(report()));
        box = report()->textBox();
        ASSERT_TRUE(box);
    }

    QPushButton* reportOk() const
    {
        return report()->findChild<QPushButton*>(QStringLiteral("control1"));
    }

    QPlainTextEdit* box = nullptr;
};

TEST_F(TimeUpWindows, ReportShowsTheScoreWithLineBreaksAndHasNoCloseBox)
{
    const QString word0 = QString::fromStdString(context.catalog[0].word);
    const QString word1 = QString::fromStdString(context.catalog[1].word);
    EXPECT_EQ(box->toPlainText(),
        "Word\t\tCorrect\t\tWrong\t\tPercent Correct\n\n" + word0 + "\t\t3\t\t1\t\t75\n" + word1
            + "\t\t0\t\t2\t\t0\n");
    EXPECT_EQ(box->document()->blockCount(), 5);
    EXPECT_EQ(windows->made(Window::Report), 1);
    EXPECT_EQ(report()->parentWidget(), main());

    const Qt::WindowFlags flags = report()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint); // without it the window manager adds one
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
}

struct ConfirmCase
{
    const char* name;
    bool inTextBox; // Enter with the focus in the report text; otherwise the OK button
    bool click;
};

TEST_F(TimeUpWindows, OkOrEnterEndsTheProgram)
{
    const ConfirmCase cases[] = {
        { "click OK", false, true },
        { "Enter on OK", false, false },
        { "Enter in the text", true, false },
    };
    for (const ConfirmCase& confirm : cases) {
        SCOPED_TRACE(confirm.name);
        endProgramCalls = 0;
        report()->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(report()));
        QWidget* target = confirm.inTextBox ? static_cast<QWidget*>(box) : reportOk();
        target->setFocus();
        if (confirm.click) {
            QTest::mouseClick(target, Qt::LeftButton);
        } else {
            QTest::keyClick(target, Qt::Key_Return);
        }
        EXPECT_EQ(endProgramCalls, 1);
        EXPECT_EQ(report()->result(), QDialog::Accepted);
    }
}

// A child playing by switches goes on pressing them: Space and Enter do not confirm the
// report until no key was pressed for a while; the mouse does at once.
TEST_F(TimeUpWindows, SwitchesDoNotConfirmTheReportUntilTheyPause)
{
    context.access.scan = ScanMode::OneSwitch;
    report()->hide();
    report()->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(report()));
    for (const auto key : { Qt::Key_Space, Qt::Key_Return, Qt::Key_Space, Qt::Key_Return }) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QTest::qWait(ui::Report::keyPauseMs / 3);
    }
    EXPECT_EQ(endProgramCalls, 0);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return !report()->holdingKeys(); }, 2 * ui::Report::keyPauseMs));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(endProgramCalls, 1);
}

TEST_F(TimeUpWindows, EscapeOnlyHidesTheReport)
{
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(report()->isVisible());
    EXPECT_EQ(endProgramCalls, 0);
    EXPECT_TRUE(main()->isVisible());
}

TEST_F(TimeUpWindows, MainWindowIgnoresInputButTicksWhileTheReportTakesInput)
{
    EXPECT_FALSE(main()->takesInput());
    passChoiceGuard();
    const auto before = counts();
    main()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
    QTest::mouseClick(control(1000), Qt::LeftButton); // would be right
    QTest::mouseClick(control(1001), Qt::LeftButton); // would be wrong
    QTest::keyClick(main(), Qt::Key_Escape);
    QTest::keyClick(main(), Qt::Key_Space, Qt::AltModifier);
    main()->close();
    EXPECT_EQ(counts(), before);
    EXPECT_TRUE(main()->isVisible());
    EXPECT_FALSE(main()->systemMenu()->isVisible());

    // The timer goes on: the next tick is time-up again, with a second report block.
    main()->setTimer(gameTimerId, 10);
    EXPECT_TRUE(QTest::qWaitFor([this] { return platform.played("applause.wav") == 2; }));

    report()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(report()));
    EXPECT_TRUE(report()->isEnabled());
    box->setFocus();
    QTest::keyClicks(box, "ok");
    EXPECT_TRUE(box->toPlainText().contains("ok"));
    QTest::mouseClick(reportOk(), Qt::LeftButton);
    EXPECT_EQ(endProgramCalls, 1);
}

// ---- Menus ----------------------------------------------------------------------------

using MainWindowMenus = GameWindows;

TEST_F(MainWindowMenus, SystemMenuHoldsCloseASeparatorAndAbout)
{
    startGame();
    const QList<QAction*> items = main()->systemMenu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Close");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "&About Pikora...");
    EXPECT_EQ(items[2]->data().toInt(), 16);

    items[0]->trigger();
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(main()->result(), QDialog::Rejected);
}

TEST_F(MainWindowMenus, RightClickOrAltSpaceOpensTheSystemMenu)
{
    startGame();
    QMenu* menu = main()->systemMenu();
    // A right click on the window's background, through the window as the system sends it.
    const QPoint background = control(1023)->mapTo(main(), QPoint(0, 0)) + QPoint(-5, -5);
    QTest::mouseClick(main()->windowHandle(), Qt::RightButton, {}, background);
    EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    menu->hide();

    QTest::keyClick(main(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    menu->hide();
}

} // namespace
} // namespace pikora::testing
