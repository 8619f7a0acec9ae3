// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The Setup window, opened from the main window's menu, on the real platform services.
#include "support/GameWindows.h"

#include <functional>
#include <map>

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace pikora::testing {
namespace {

using ui::setup;

class SetupWindow : public GameWindows
{
protected:
    void SetUp() override
    {
        GameWindows::SetUp();
        context.settings.field4 = 1;
        context.settings.hideButtons = 1;
        context.settings.useTimer = 1;
        context.settings.maxTimer = 150;
        context.clock.remainingSeconds = 150;
        startGame();
        context.catalog[0].correctCount = 3;
    }

    void open()
    {
        activateMain(); // the menu is the main window's
        chooseMenuCommand(ui::CPikoraDlg::setupCommand);
        ASSERT_TRUE(setupWindow());
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return QApplication::activeWindow() == setupWindow(); }));
    }

    // The list as the view shows it: its model's rows.
    QAbstractItemModel* list() const { return setupWindow()->pictureList()->model(); }
    QString label(int row) const { return list()->index(row, 0).data().toString(); }

    std::map<std::string, bool> listedChecks() const
    {
        std::map<std::string, bool> checks;
        for (int i = 0; i < list()->rowCount(); ++i) {
            checks[label(i).toStdString()]
                = list()->index(i, 0).data(Qt::CheckStateRole).value<Qt::CheckState>()
                == Qt::Checked;
        }
        return checks;
    }

    bool checked(int id) const
    {
        return qobject_cast<QCheckBox*>(setupWindow()->control(id))->isChecked();
    }

    void click(int id) { QTest::mouseClick(setupWindow()->control(id), Qt::LeftButton); }

    // Unconfirmed changes to every kind of field: a check box, the time, the pictures.
    void changeEverything()
    {
        click(setup::UseWords);
        auto* maxTime = qobject_cast<QLineEdit*>(setupWindow()->control(setup::MaxTime));
        maxTime->selectAll();
        QTest::keyClicks(maxTime, "5:00");
        click(setup::ClearAll);
    }

    void expectNothingApplied(const std::string& storeBefore)
    {
        EXPECT_FALSE(setupWindow()->isVisible());
        EXPECT_EQ(context.settings.useWords, 0);
        EXPECT_EQ(context.settings.maxTimer, 150);
        EXPECT_EQ(dir.read("machine.reg"), storeBefore);
        EXPECT_FALSE(std::filesystem::exists(dir / "mymain" / ".hidden"));
        EXPECT_EQ(context.catalog.count(), 4u);
        EXPECT_EQ(context.catalog[0].correctCount, 3); // the game goes on
        EXPECT_FALSE(control(1000)->isHidden());
    }
};

TEST_F(SetupWindow, OpeningShowsTheOptionsAndEveryPictureFileHiddenOnesUnchecked)
{
    dir.write("mymain/.hidden", "dog.bmp\n");
    dir.write("mymain/notes.txt");
    open();
    EXPECT_TRUE(checked(setup::FourChoices));
    EXPECT_FALSE(checked(setup::ShowSpelling));
    EXPECT_TRUE(checked(setup::HideWrongButtons));
    EXPECT_TRUE(checked(setup::UseTimer));
    EXPECT_FALSE(checked(setup::UseWords));
    EXPECT_EQ(qobject_cast<QLineEdit*>(setupWindow()->control(setup::MaxTime))->text(), "00:02:30");
    EXPECT_EQ(listedChecks(),
        (std::map<std::string, bool> {
            { "cat", true }, { "dog", false }, { "fox", true }, { "sun", true } }));
    for (int i = 0; i < list()->rowCount(); ++i) {
        EXPECT_TRUE(list()->flags(list()->index(i, 0)) & Qt::ItemIsUserCheckable);
    }
    EXPECT_EQ(setupWindow()->parentWidget(), main());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SetupWindow, SelectAllAndClearAllSetEveryItem)
{
    dir.write("mymain/.hidden", "dog.bmp\nsun.bmp\n");
    open();
    const std::pair<int, bool> steps[] = {
        { setup::SelectAll, true },
        { setup::ClearAll, false },
        { setup::ClearAll, false },
        { setup::SelectAll, true },
    };
    for (const auto& [button, expected] : steps) {
        click(button);
        for (const auto& [label, isChecked] : listedChecks()) {
            EXPECT_EQ(isChecked, expected) << label << " after button " << button;
        }
        EXPECT_TRUE(setupWindow()->isVisible());
    }
}

TEST_F(SetupWindow, OkSavesTheOptionsMarksThePicturesAndRestartsTheGame)
{
    open();
    click(setup::UseWords);
    auto* maxTime = qobject_cast<QLineEdit*>(setupWindow()->control(setup::MaxTime));
    maxTime->selectAll();
    QTest::keyClicks(maxTime, "5:00");
    // Typing a name picks its item, and the space bar toggles its check.
    QListView* view = setupWindow()->pictureList();
    view->setFocus();
    QTest::keyClicks(view, "do");
    QTest::keyClick(view, Qt::Key_Space);
    ASSERT_FALSE(listedChecks().at("dog"));
    click(setup::Ok);

    EXPECT_FALSE(setupWindow()->isVisible());
    EXPECT_EQ(context.settings.useWords, 1);
    EXPECT_EQ(context.settings.maxTimer, 300);
    EXPECT_EQ(context.clock.remainingSeconds, 300);
    const std::string stored = dir.read("machine.reg");
    EXPECT_NE(stored.find("\"USE_WORDS\"=dword:00000001"), std::string::npos) << stored;
    EXPECT_NE(stored.find("\"MAX_TIMER\"=dword:0000012c"), std::string::npos) << stored;
    EXPECT_EQ(dir.read("mymain/.hidden"), "dog.bmp\n");
    ASSERT_EQ(context.catalog.count(), 3u);
    for (std::size_t i = 0; i < context.catalog.count(); ++i) {
        EXPECT_NE(context.catalog[i].word, "DOG");
        EXPECT_EQ(context.catalog[i].correctCount, 0);
    }
    // The new mode is on the main window at once.
    EXPECT_TRUE(control(1000)->isHidden());
    EXPECT_FALSE(control(1029)->isHidden());
}

TEST_F(SetupWindow, CancelEscapeAndTheCloseBoxApplyNothing)
{
    const std::string storeBefore = dir.read("machine.reg");
    const std::pair<const char*, std::function<void()>> dismissals[] = {
        { "Cancel", [this] { click(setup::Cancel); } },
        { "Escape", [this] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); } },
        { "close box", [this] { setupWindow()->close(); } },
    };
    for (const auto& [name, dismiss] : dismissals) {
        SCOPED_TRACE(name);
        open();
        changeEverything();
        dismiss();
        expectNothingApplied(storeBefore);
    }
    EXPECT_EQ(windows->made(Window::Setup), 1);
}

TEST_F(SetupWindow, OpeningAgainDiscardsUnconfirmedChanges)
{
    for (bool cancelFirst : { true, false }) {
        SCOPED_TRACE(cancelFirst ? "after Cancel" : "while still open");
        open();
        changeEverything();
        if (cancelFirst) {
            click(setup::Cancel);
        }
        open();
        EXPECT_FALSE(checked(setup::UseWords));
        EXPECT_EQ(
            qobject_cast<QLineEdit*>(setupWindow()->control(setup::MaxTime))->text(), "00:02:30");
        for (const auto& [label, isChecked] : listedChecks()) {
            EXPECT_TRUE(isChecked) << label;
        }
        EXPECT_EQ(list()->rowCount(), 4);
        click(setup::Cancel);
    }
    EXPECT_EQ(windows->made(Window::Setup), 1);
}

TEST_F(SetupWindow, EnterConfirmsWithOkUnlessAnotherButtonHasTheFocus)
{
    const std::string storeBefore = dir.read("machine.reg");
    // Enter on a focused push button clicks that button.
    open();
    changeEverything();
    setupWindow()->control(setup::Cancel)->setFocus();
    QTest::keyClick(setupWindow()->control(setup::Cancel), Qt::Key_Return);
    expectNothingApplied(storeBefore);

    open();
    click(setup::ClearAll);
    setupWindow()->control(setup::SelectAll)->setFocus();
    QTest::keyClick(setupWindow()->control(setup::SelectAll), Qt::Key_Return);
    EXPECT_TRUE(setupWindow()->isVisible());
    for (const auto& [label, isChecked] : listedChecks()) {
        EXPECT_TRUE(isChecked) << label;
    }

    // Anywhere else Enter is OK. Each opening flips Use Words, so each OK shows.
    const std::pair<int, int> focusAndWords[]
        = { { setup::UseWords, 1 }, { setup::MaxTime, 0 }, { setup::PictureList, 1 } };
    for (const auto& [id, words] : focusAndWords) {
        SCOPED_TRACE("focus on " + std::to_string(id));
        open();
        click(setup::UseWords);
        setupWindow()->control(id)->setFocus();
        QTest::keyClick(setupWindow()->control(id), Qt::Key_Return);
        EXPECT_FALSE(setupWindow()->isVisible());
        EXPECT_EQ(context.settings.useWords, words);
    }
}

} // namespace
} // namespace pikora::testing
