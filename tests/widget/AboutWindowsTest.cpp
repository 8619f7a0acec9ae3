// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu's About window and the window menu's About box, opened from the main window.
#include "game/ControlIds.h"
#include "support/GameWindows.h"

#include <functional>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace pikora::testing {
namespace {

class AboutWindows : public GameWindows
{
protected:
    void SetUp() override
    {
        GameWindows::SetUp();
        startGame();
    }

    void openHelpAbout()
    {
        activateMain(); // the menu is the main window's
        chooseMenuCommand(ui::CPikoraDlg::aboutCommand);
        ASSERT_TRUE(about());
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == about(); }));
    }

    static QString storedNotice()
    {
        return QString::fromStdString(aboutNotice()).replace("\r\n", "\n");
    }
};

TEST_F(AboutWindows, HelpAboutShowsTheSameWindowEveryTime)
{
    openHelpAbout();
    ui::MyAbout* first = about();
    EXPECT_EQ(about()->noticeBox()->toPlainText(), storedNotice());
    EXPECT_EQ(about()->parentWidget(), main());
    EXPECT_FALSE(about()->isModal());

    openHelpAbout(); // while it is open
    QTest::mouseClick(about()->findChild<QPushButton*>("control1"), Qt::LeftButton);
    EXPECT_FALSE(about()->isVisible());
    openHelpAbout(); // after it was hidden
    EXPECT_EQ(about(), first);
    EXPECT_EQ(windows->made(Window::About), 1);
}

TEST_F(AboutWindows, NoticeEditStaysWhenConfirmedAndIsReplacedWhenDismissed)
{
    struct Dismissal
    {
        const char* name;
        std::function<void()> dismiss;
        bool keeps;
    };
    const Dismissal dismissals[] = {
        { "Escape", [this] { QTest::keyClick(about()->noticeBox(), Qt::Key_Escape); }, false },
        { "close box", [this] { about()->close(); }, false },
        { "OK",
            [this] {
                QTest::mouseClick(about()->findChild<QPushButton*>("control1"), Qt::LeftButton);
            },
            true },
        { "Escape after OK", [this] { QTest::keyClick(about()->noticeBox(), Qt::Key_Escape); },
            false },
    };
    QString expected = storedNotice();
    for (const Dismissal& dismissal : dismissals) {
        SCOPED_TRACE(dismissal.name);
        openHelpAbout();
        EXPECT_EQ(about()->noticeBox()->toPlainText(), expected);
        about()->noticeBox()->setFocus();
        about()->noticeBox()->moveCursor(QTextCursor::End);
        QTest::keyClicks(about()->noticeBox(), dismissal.name);
        const QString edited = about()->noticeBox()->toPlainText();
        dismissal.dismiss();
        EXPECT_FALSE(about()->isVisible());
        if (dismissal.keeps) {
            expected = edited;
        }
    }
    openHelpAbout();
    EXPECT_EQ(about()->noticeBox()->toPlainText(), storedNotice() + "OK");
}

// The window menu's box, through the program's own wiring: modal, made afresh each time and
// gone once closed. The test answers it from inside the box's event loop.
TEST_F(AboutWindows, WindowMenuAboutIsAModalBoxThatOkCloses)
{
    QAction* item = main()->systemMenu()->actions().value(2);
    ASSERT_TRUE(item);
    ASSERT_EQ(item->data().toInt(), ui::CPikoraDlg::sysMenuAboutId);
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE("opening " + std::to_string(opening));
        bool modal = false;
        bool ticked = false;
        std::vector<int> results;
        QTimer::singleShot(0, main(), [&] {
            auto* box = qobject_cast<ui::CAboutDlg*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return; // the guard below ends the loop
            }
            QObject::connect(
                box, &QDialog::finished, [&](int result) { results.push_back(result); });
            modal = box->isModal() && box->parentWidget() == main();
            // The game's timer goes on while the box holds the input.
            const int ticks = context.clock.tickCounter;
            main()->setTimer(gameTimerId, 10);
            ticked = QTest::qWaitFor([&] { return context.clock.tickCounter != ticks; }, 2000);
            QTest::mouseClick(box->control(1), Qt::LeftButton);
        });
        bool guarded = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&guarded] {
            if (auto* open = QApplication::activeModalWidget()) {
                guarded = true;
                open->close();
            }
        });
        guard.start(5000);
        item->trigger();

        EXPECT_FALSE(guarded) << "the box did not close with OK";
        EXPECT_EQ(results, std::vector<int> { QDialog::Accepted });
        EXPECT_TRUE(modal);
        EXPECT_TRUE(ticked);
        EXPECT_TRUE(main()->findChildren<ui::CAboutDlg*>().isEmpty());
        EXPECT_EQ(windows->made(Window::About), 0) << "the Help menu's window is another";
    }
}

} // namespace
} // namespace pikora::testing
