// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Playing without a mouse through the real main window: number keys, the scan highlight
// and switches, full screen, and the Access window that sets them.
#include "game/ControlIds.h"
#include "support/GameWindows.h"
#include "support/SettingsStore.h"
#include "ui/AccessWindow.h"
#include "ui/HighlightFrame.h"
#include "ui/RichEdit.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace pikora::testing {
namespace {

class PlayingWithoutAMouse : public GameWindows
{
protected:
    QWidget* focusTarget(const char* where)
    {
        // Focus left on a choice control by a choice made in the round's first quarter second.
        if (std::string(where) != "window") {
            context.round.roundStart = platform.elapsedMs();
            QTest::mouseClick(where == std::string("button")
                    ? control(1000)
                    : qobject_cast<ui::RichEdit*>(control(1027))->viewport(),
                Qt::LeftButton);
        }
        return QApplication::focusWidget();
    }
};

struct KeyCase
{
    int words;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* focus; // "window", "button" or "box"
    int chosen;
};

TEST_F(PlayingWithoutAMouse, NumberKeysChooseByPlaceOnScreenWhereverTheFocusIs)
{
    const KeyCase cases[] = {
        { 0, Qt::Key_2, Qt::NoModifier, "button", 1000 },
        { 0, Qt::Key_4, Qt::KeypadModifier, "window", 1002 },
        { 1, Qt::Key_1, Qt::NoModifier, "box", 1026 },
    };
    context.settings.field4 = 1;
    for (const KeyCase& row : cases) {
        SCOPED_TRACE(::testing::Message() << "key " << row.key - Qt::Key_0 << ", focus on the "
                                          << row.focus << ", words " << row.words);
        context.settings.useWords = row.words;
        startGame();
        QWidget* target = focusTarget(row.focus);
        ASSERT_TRUE(target);
        const int slot = slotOfControl(row.chosen);
        knownRound(slot);
        QTest::keyClick(target, row.key, row.modifiers);
        EXPECT_EQ(counts()[slot], std::make_pair(1, 0));
        windows.reset();
    }
}

TEST_F(PlayingWithoutAMouse, HighlightFramesTheChoiceInBothModesCoveringNothingOfIt)
{
    context.settings.field4 = 1;
    context.access = { ScanMode::OneSwitch, 300, false };
    for (const auto& [words, first] : { std::pair { 0, 1001 }, std::pair { 1, 1026 } }) {
        SCOPED_TRACE(words ? "words" : "pictures");
        context.settings.useWords = words;
        startGame();
        ui::HighlightFrame* frame = main()->highlightFrame();
        ASSERT_EQ(main()->scanner().highlighted(), first);
        ASSERT_TRUE(frame->isVisible());
        QWidget* framed = control(first);
        const int thick = ui::HighlightFrame::thickness;
        EXPECT_EQ(frame->geometry(), framed->geometry().adjusted(-thick, -thick, thick, thick));

        const QPoint origin = framed->mapTo(main(), QPoint(0, 0));
        const QImage shown = main()->grab().toImage();
        const int middle = origin.y() + framed->height() / 2;
        EXPECT_EQ(
            shown.pixelColor(origin.x() - thick + 1, middle), ui::HighlightFrame::outerColour);
        EXPECT_EQ(shown.pixelColor(origin.x() - 2, middle), ui::HighlightFrame::innerColour);
        frame->hide();
        const QImage hidden = main()->grab().toImage();
        const QRect inside(origin, framed->size());
        EXPECT_EQ(shown.copy(inside), hidden.copy(inside)); // not one pixel of the choice
        frame->show();

        // Space chooses the framed choice, even with the focus left on another one.
        QWidget* focus = focusTarget(words ? "box" : "button");
        knownRound(slotOfControl(first));
        QTest::keyClick(focus, Qt::Key_Space);
        EXPECT_EQ(counts()[slotOfControl(first)], std::make_pair(1, 0));
        // By itself it moves on to the next choice in reading order.
        EXPECT_TRUE(QTest::qWaitFor(
            [this, first = first] { return main()->scanner().highlighted() != first; }));
        windows.reset();
        for (std::size_t i = 0; i < context.catalog.count(); ++i) {
            context.catalog[i].correctCount = context.catalog[i].wrongCount = 0;
        }
    }
}

class AccessFromTheMenu : public PlayingWithoutAMouse
{
protected:
    void open()
    {
        activateMain();
        chooseMenuCommand(ui::CPikoraDlg::accessCommand);
        ASSERT_TRUE(windows->accessWindow());
        ASSERT_TRUE(QTest::qWaitForWindowActive(windows->accessWindow()));
    }

    template<class Widget> Widget* accessControl(int id) const
    {
        return qobject_cast<Widget*>(windows->accessWindow()->control(id));
    }

    std::optional<std::int32_t> stored(const char* name) const
    {
        return testing::storedNumber(dir.read("machine.reg"), name);
    }
};

TEST_F(AccessFromTheMenu, OkSavesAndAppliesAtOnceAndSetupStaysReachable)
{
    startGame();
    const QList<QAction*> items = main()->menuBar()->actions()[0]->menu()->actions();
    const QAction* access = items[items.size() - 3];
    EXPECT_EQ(access->text(), "&Access...");
    EXPECT_EQ(access->data().toInt(), ui::CPikoraDlg::accessCommand);
    EXPECT_FALSE(access->isCheckable());
    // Without a history there is no class list to keep; the pictures come after it.
    EXPECT_EQ(items[items.size() - 2]->data().toInt(), ui::CPikoraDlg::learnersCommand);
    EXPECT_FALSE(items[items.size() - 2]->isEnabled());
    EXPECT_EQ(items.back()->data().toInt(), ui::CPikoraDlg::picturesCommand);
    EXPECT_TRUE(items.back()->isEnabled());

    open();
    using ui::AccessWindow;
    EXPECT_EQ(windows->accessWindow()->windowTitle(), "Access");
    EXPECT_TRUE(accessControl<QRadioButton>(AccessWindow::NoScanning)->isChecked());
    EXPECT_EQ(accessControl<QDoubleSpinBox>(AccessWindow::StepTime)->value(), 1.5);
    EXPECT_FALSE(accessControl<QDoubleSpinBox>(AccessWindow::StepTime)->isEnabled());
    EXPECT_FALSE(accessControl<QCheckBox>(AccessWindow::FullScreen)->isChecked());
    EXPECT_FALSE(stored("SCAN")); // opening writes nothing

    QTest::mouseClick(accessControl<QRadioButton>(AccessWindow::OneSwitch), Qt::LeftButton);
    EXPECT_TRUE(accessControl<QDoubleSpinBox>(AccessWindow::AcceptDelay)->isEnabled());
    accessControl<QDoubleSpinBox>(AccessWindow::StepTime)->selectAll();
    QTest::keyClicks(accessControl<QDoubleSpinBox>(AccessWindow::StepTime), "0.4");
    QTest::mouseClick(accessControl<QCheckBox>(AccessWindow::FullScreen), Qt::LeftButton);
    QTest::mouseClick(accessControl<QPushButton>(AccessWindow::Ok), Qt::LeftButton);
    EXPECT_FALSE(windows->accessWindow()->isVisible());
    EXPECT_EQ(stored("SCAN"), 1);
    EXPECT_EQ(stored("SCAN_MS"), 400);
    EXPECT_EQ(stored("FULL_SCREEN"), 1);
    EXPECT_EQ(stored("FIELD4"), std::nullopt); // the game's options are not the Access window's

    EXPECT_TRUE(QTest::qWaitFor([this] { return main()->isFullScreen(); }));
    EXPECT_TRUE(main()->geometry().contains(main()->screen()->geometry()));
    EXPECT_TRUE(main()->highlightFrame()->isVisible());
    // A click beside the pictures opens no menu; the menu bar still opens Setup.
    QTest::mouseClick(
        main()->windowHandle(), Qt::RightButton, {}, control(1023)->mapTo(main(), QPoint(-5, -5)));
    QTest::qWait(50);
    EXPECT_FALSE(main()->systemMenu()->isVisible());
    EXPECT_TRUE(main()->menuBar()->isVisible());
    chooseMenuCommand(ui::CPikoraDlg::setupCommand);
    EXPECT_TRUE(QTest::qWaitFor([this] { return setupWindow() && setupWindow()->isVisible(); }));
    setupWindow()->hide();

    open();
    EXPECT_TRUE(accessControl<QRadioButton>(AccessWindow::OneSwitch)->isChecked());
    EXPECT_EQ(accessControl<QDoubleSpinBox>(AccessWindow::StepTime)->value(), 0.4);
    QTest::mouseClick(accessControl<QRadioButton>(AccessWindow::NoScanning), Qt::LeftButton);
    QTest::mouseClick(accessControl<QCheckBox>(AccessWindow::FullScreen), Qt::LeftButton);
    QTest::keyClick(accessControl<QDoubleSpinBox>(AccessWindow::StepTime), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !main()->isFullScreen(); }));
    EXPECT_EQ(control(1000)->parentWidget()->size(), QSize(975, 696));
    EXPECT_EQ(main()->size(), main()->minimumSize());
    EXPECT_EQ(main()->size(), main()->maximumSize());
    EXPECT_FALSE(main()->highlightFrame()->isVisible());
    EXPECT_EQ(stored("SCAN"), 0);
}

} // namespace
} // namespace pikora::testing
