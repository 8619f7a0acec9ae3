// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu's About window and the window menu's About box, opened from the main window.
#include "game/ControlIds.h"
#include "support/GameWindows.h"

#include <functional>

#include <QLabel>
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
    EXPECT_EQ(about()->windowTitle(), "About Pikora");
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

// The window menu's box is modal: the test answers it from inside its own event loop.
TEST_F(AboutWindows, WindowMenuAboutShowsTheVersionAndOkClosesIt)
{
    QAction* item = main()->systemMenu()->actions().value(2);
    ASSERT_TRUE(item);
    ASSERT_EQ(item->data().toInt(), ui::CPikoraDlg::sysMenuAboutId);
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE("opening " + std::to_string(opening));
        QStringList texts;
        bool modal = false;
        bool ticked = false;
        QTimer::singleShot(0, main(), [&] {
            auto* box = qobject_cast<ui::CAboutDlg*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return; // the guard below ends the loop
            }
            modal = box->isModal() && box->parentWidget() == main();
            for (auto* label : box->findChildren<QLabel*>()) {
                texts << label->text();
            }
            // The game's timer goes on while the box holds the input.
            const int ticks = context.clock.tickCounter;
            main()->setTimer(gameTimerId, 10);
            ticked = QTest::qWaitFor([&] { return context.clock.tickCounter != ticks; }, 2000);
            QTest::mouseClick(box->control(1), Qt::LeftButton);
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            if (auto* open = QApplication::activeModalWidget()) {
                open->close();
            }
        });
        guard.start(5000);
        item->trigger();

        EXPECT_EQ(systemAboutResults, std::vector<int>(opening + 1, QDialog::Accepted));
        EXPECT_TRUE(modal);
        EXPECT_TRUE(ticked);
        EXPECT_TRUE(texts.contains("Pikora Version 1.0")) << texts.join('|').toStdString();
        // Made afresh each time: nothing of it is left once it is closed.
        EXPECT_TRUE(main()->findChildren<ui::CAboutDlg*>().isEmpty());
    }
}

} // namespace
} // namespace pikora::testing
