// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window, opened from the game's menu over a history of two learners.
#include "SampleHistory.h"
#include "platform/HistoryWriter.h"
#include "support/GameWindows.h"
#include "ui/LearnerPicker.h"
#include "ui/Translations.h"

#include <algorithm>
#include <filesystem>

#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace pikora::testing {
namespace {

class ProgressWindowTest : public GameWindows
{
protected:
    void SetUp() override
    {
        GameWindows::SetUp();
        history.kind = HistoryLocation::Kind::SqliteFile;
        history.file = (dir / "history.sqlite").string();
        std::string error;
        ASSERT_TRUE(makeSampleHistory(history, { currentLearner(), "ben" }, 900, 40,
            QDate::currentDate().toString(Qt::ISODate).toStdString(), error))
            << error;
    }

    ui::ProgressWindow* openProgress()
    {
        chooseMenuCommand(ui::CPikoraDlg::progressCommand);
        ui::ProgressWindow* window = windows->progress();
        EXPECT_TRUE(window && window->isVisible());
        EXPECT_TRUE(window && window->waitUntilRead());
        return window;
    }

    HistoryLocation history;
};

TEST_F(ProgressWindowTest, SetupProgressShowsTheCurrentLearnersProgress)
{
    startGame();
    windows->setHistory(history);
    ui::ProgressWindow* window = openProgress();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), "Progress");
    EXPECT_EQ(window->learnerBox()->currentText().toStdString(), currentLearner());
    EXPECT_EQ(window->learnerBox()->count(), 2);
    // The sample's choices came before rounds were told apart: a choice after a wrong one
    // for the same word is taken for a try again.
    const int rounds = window->rounds().rounds;
    EXPECT_GT(rounds, 800);
    EXPECT_LT(rounds, 900);
    EXPECT_TRUE(window->statusText()->text().contains(QStringLiteral("in %1 rounds").arg(rounds)))
        << window->statusText()->text().toStdString();
    // Forty days go by week: the points, the trend and chance with four choices.
    EXPECT_TRUE(window->rounds().byWeek);
    ASSERT_EQ(window->shareChart()->series().size(), 3);
    EXPECT_EQ(window->shareChart()->series().at(2)->name(), "Chance (25%)");
    EXPECT_EQ(window->responseChart()->series().size(), 1);
    QTreeWidget* table = window->wordTable();
    ASSERT_EQ(table->topLevelItemCount(), 12);
    EXPECT_GT(window->confusionList()->topLevelItemCount(), 0);
    // The word least often right heads the table; a click on a heading sorts by its column.
    const auto column = [&](int index) {
        std::vector<double> values;
        for (int row = 0; row < table->topLevelItemCount(); ++row) {
            values.push_back(table->topLevelItem(row)->data(index, Qt::UserRole).toDouble());
        }
        return values;
    };
    const auto sorted = [](const std::vector<double>& values) {
        return std::is_sorted(values.begin(), values.end());
    };
    EXPECT_TRUE(sorted(column(1)));
    QHeaderView* header = table->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(2) + 4, header->height() / 2));
    EXPECT_TRUE(sorted(column(2)));
    // Narrowed to rounds of two choices: none.
    window->roundsBox()->setCurrentIndex(1);
    emit window->roundsBox()->activated(1);
    EXPECT_EQ(window->wordTable()->topLevelItemCount(), 0);
    window->roundsBox()->setCurrentIndex(0);
    emit window->roundsBox()->activated(0);
    // For people to look at (the README's picture).
    QDir().mkpath(QStringLiteral(PIKORA_SCREENSHOT_DIR));
    window->grab().save(QStringLiteral(PIKORA_SCREENSHOT_DIR "/progress.png"));

    // Another learner, then a shorter period: read afresh each time.
    window->learnerBox()->setCurrentText("ben");
    emit window->learnerBox()->activated(window->learnerBox()->currentIndex());
    ASSERT_TRUE(window->waitUntilRead());
    EXPECT_GT(window->rounds().rounds, 800);
    window->periodBox()->setCurrentIndex(window->periodBox()->findData(7));
    emit window->periodBox()->activated(window->periodBox()->currentIndex());
    ASSERT_TRUE(window->waitUntilRead());
    EXPECT_GT(window->rounds().rounds, 0);
    EXPECT_LT(window->rounds().rounds, 300);
    // Opened again, it is the same window.
    EXPECT_EQ(openProgress(), window);
    EXPECT_EQ(window->learnerBox()->currentText(), "ben");
}

// A history not made yet, or made empty, is no error: nothing was recorded yet. A history
// that cannot be read shows its whole error, and the window never waits for it.
TEST_F(ProgressWindowTest, ANewHistoryIsNoErrorAndAnUnreadableOneShowsItsWholeError)
{
    startGame();
    std::filesystem::remove(history.file);
    windows->setHistory(history);
    ui::ProgressWindow* window = openProgress();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->statusText()->text(), "No choices recorded yet.");
    dir.write("history.sqlite", std::string(5000, 'x'));
    window->refresh();
    EXPECT_EQ(window->statusText()->text(), "Reading the history...");
    ASSERT_TRUE(window->waitUntilRead());
    EXPECT_TRUE(window->messageText()->isVisible());
    EXPECT_TRUE(window->messageText()->text().contains(QString::fromStdString(history.file)));
}

TEST_F(ProgressWindowTest, WithoutAHistoryTheWindowSaysSo)
{
    startGame();
    ui::ProgressWindow* window = openProgress();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->statusText()->text().contains("No history"))
        << window->statusText()->text().toStdString();
    EXPECT_EQ(window->wordTable()->topLevelItemCount(), 0);
}

struct ProgressLanguage
{
    const char* language;
    const char* title;
    const char* status; // a word of the line of counts
    const char* heading; // the first column of the words to practise
    Qt::LayoutDirection direction;
};

void PrintTo(const ProgressLanguage& row, std::ostream* out)
{
    *out << row.language;
}

class ProgressInLanguage : public ProgressWindowTest,
                           public ::testing::WithParamInterface<ProgressLanguage>
{ };

// The window and what it reads from the history in the learner's language, Arabic right to
// left; a screenshot of each for people to look at.
TEST_P(ProgressInLanguage, TheWindowSpeaksTheLanguage)
{
    const ProgressLanguage& row = GetParam();
    const ui::Translation translation(QString::fromLatin1(row.language));
    startGame();
    windows->setHistory(history);
    ui::ProgressWindow* window = openProgress();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(row.title));
    EXPECT_EQ(window->layoutDirection(), row.direction);
    EXPECT_TRUE(window->statusText()->text().contains(QString::fromUtf8(row.status)))
        << window->statusText()->text().toStdString();
    EXPECT_EQ(window->wordTable()->headerItem()->text(0), QString::fromUtf8(row.heading));
    // Dates and numbers follow the language chosen, not LANG.
    EXPECT_EQ(QLocale().language(), QLocale(QString::fromLatin1(row.language)).language());
    EXPECT_NE(window->periodBox()->itemText(0), QStringLiteral("All time"));
    QDir().mkpath(QStringLiteral(PIKORA_SCREENSHOT_DIR));
    EXPECT_TRUE(window->grab().save(
        QStringLiteral(PIKORA_SCREENSHOT_DIR "/progress-%1.png").arg(row.language)));
}

INSTANTIATE_TEST_SUITE_P(Languages, ProgressInLanguage,
    ::testing::Values(ProgressLanguage { "de", "Lernfortschritt", "beim ersten Versuch", "Wort",
                          Qt::LeftToRight },
        ProgressLanguage { "ar", "التقدم", "المحاولة الأولى", "الكلمة", Qt::RightToLeft },
        ProgressLanguage { "tr", "İlerleme", "ilk denemede", "Kelime", Qt::LeftToRight }),
    [](const ::testing::TestParamInfo<ProgressLanguage>& info) {
        return std::string(info.param.language);
    });

} // namespace
} // namespace pikora::testing

namespace pikora::testing {
namespace {

// The class list kept from Setup's Learners window, and the window that asks who is playing
// chosen by a number key, by one switch and by two.
TEST_F(ProgressWindowTest, TheLearnersWindowKeepsTheListThatThePickerOffers)
{
    startGame();
    windows->setHistory(history);
    chooseMenuCommand(ui::CPikoraDlg::learnersCommand);
    ui::LearnersWindow* window = windows->learners();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Learners");
    const auto click = [&](int id) {
        QTest::mouseClick(window->built().controlAs<QPushButton>(id), Qt::LeftButton);
    };
    click(ui::LearnersWindow::Add);
    EXPECT_EQ(window->statusText()->text(), "Type the learner's name first.");
    QTest::keyClicks(window->nameEdit(), "Mia");
    window->emojiEdit()->setText(QString::fromUtf8("\U0001F43B"));
    click(ui::LearnersWindow::Add);
    window->nameEdit()->setText("Ben");
    window->emojiEdit()->clear();
    click(ui::LearnersWindow::Add);
    ASSERT_EQ(window->list()->count(), 2);
    window->list()->setCurrentRow(1);
    EXPECT_EQ(window->nameEdit()->text(), "Mia");
    window->nameEdit()->setText("ben");
    click(ui::LearnersWindow::Change); // the sample's own learner: never merged
    EXPECT_EQ(window->statusText()->text(), "There is already a learner called ben.");
    window->nameEdit()->setText("Maya");
    click(ui::LearnersWindow::Change);
    ASSERT_EQ(window->learners().size(), 2u);
    EXPECT_EQ(window->learners()[1].name, "Maya");
    EXPECT_EQ(window->learners()[1].picture, "\U0001F43B");

    const auto pick = [&](ScanMode scan, const std::vector<int>& keys) {
        AccessOptions access;
        access.scan = scan;
        access.scanMs = 300;
        ui::LearnerPicker picker(window->learners(), access);
        EXPECT_EQ(picker.windowTitle(), "Who is playing?");
        EXPECT_EQ(picker.buttons().size(), 3u);
        picker.show();
        if (scan == ScanMode::Off) {
            QDir().mkpath(QStringLiteral(PIKORA_SCREENSHOT_DIR));
            picker.grab().save(QStringLiteral(PIKORA_SCREENSHOT_DIR "/picker.png"));
        }
        if (scan == ScanMode::OneSwitch) {
            // The highlight moves on by itself, a step at a time.
            EXPECT_TRUE(QTest::qWaitFor([&] { return picker.highlighted() == 1; }, 2000));
        }
        QTest::qWait(10);
        for (int key : keys) {
            QTest::keyClick(&picker, static_cast<Qt::Key>(key));
        }
        EXPECT_EQ(picker.result(), QDialog::Accepted);
        return picker.chosen();
    };
    EXPECT_EQ(pick(ScanMode::Off, { Qt::Key_Escape, Qt::Key_2 }), "Maya");
    EXPECT_EQ(pick(ScanMode::OneSwitch, { Qt::Key_Space }), "Maya");
    EXPECT_EQ(pick(ScanMode::TwoSwitches, { Qt::Key_Space, Qt::Key_Space, Qt::Key_Return }), "");
}

} // namespace
} // namespace pikora::testing
