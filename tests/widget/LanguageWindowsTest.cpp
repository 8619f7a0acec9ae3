// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The game started in the language of the environment, as the program starts it: the Setup
// window's title, texts and direction, and a screenshot of it for people to look at.
#include "game/ControlIds.h"
#include "support/GameWindows.h"
#include "ui/Translations.h"

#include <QCheckBox>
#include <QDir>
#include <QListView>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace pikora::testing {
namespace {

struct LanguageCase
{
    const char* language; // LANGUAGE
    const char* locale; // LC_ALL
    const char* title;
    const char* spelling; // the check box "Show Spelling"
    Qt::LayoutDirection direction;
    const char* screenshot; // saved in the build tree's screenshots/, or none
};

void PrintTo(const LanguageCase& row, std::ostream* out)
{
    *out << "LANGUAGE=" << row.language << " LC_ALL=" << row.locale;
}

class LanguageWindows : public GameWindows, public ::testing::WithParamInterface<LanguageCase>
{
protected:
    void SetUp() override
    {
        for (const char* name : variables) {
            saved.emplace_back(name, qgetenv(name));
        }
        qputenv("LANGUAGE", GetParam().language);
        qputenv("LC_ALL", GetParam().locale);
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", "C.UTF-8");
        GameWindows::SetUp();
    }

    void TearDown() override
    {
        GameWindows::TearDown();
        for (const auto& [name, value] : saved) {
            qputenv(name, value);
        }
    }

    static constexpr const char* variables[] = { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" };
    std::vector<std::pair<const char*, QByteArray>> saved;
};

TEST_P(LanguageWindows, SetupWindowSpeaksTheLanguageOfTheEnvironment)
{
    const LanguageCase& row = GetParam();
    const ui::Translation translation(ui::languageOfEnvironment());
    context.settings.field4 = context.settings.spell = context.settings.useTimer = 1;
    context.settings.maxTimer = 300;
    // More pictures than one column of the list holds: every one can be scrolled to.
    for (int i = 4; i < 121; ++i) {
        savePicture("mymain/p" + std::to_string(i) + ".bmp", pictureSize, Qt::gray);
    }
    startGame();
    activateMain();
    chooseMenuCommand(ui::CPikoraDlg::setupCommand);
    ASSERT_TRUE(setupWindow());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(setupWindow()));
    QListView* list = setupWindow()->pictureList();
    ASSERT_EQ(list->model()->rowCount(), 121);
    for (int row : { 0, 60, 120 }) {
        const QModelIndex item = list->model()->index(row, 0);
        list->scrollTo(item);
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(item).center())) << row;
    }
    list->scrollTo(list->model()->index(0, 0));
    // The items start at the list's leading edge, not in one column somewhere in it.
    const QRect viewport = list->viewport()->rect();
    const QPoint leading
        = row.direction == Qt::RightToLeft ? QPoint(viewport.right() - 10, 5) : QPoint(10, 5);
    EXPECT_EQ(list->indexAt(leading).row(), 0);

    EXPECT_EQ(setupWindow()->windowTitle(), QString::fromUtf8(row.title));
    EXPECT_EQ(qobject_cast<QCheckBox*>(setupWindow()->control(ui::setup::ShowSpelling))->text(),
        QString::fromUtf8(row.spelling));
    EXPECT_EQ(setupWindow()->layoutDirection(), row.direction);
    EXPECT_EQ(main()->windowTitle(), QStringLiteral("Pikora"));
    if (row.screenshot != nullptr) {
        const QDir folder(QStringLiteral(PIKORA_SCREENSHOT_DIR));
        ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
        EXPECT_TRUE(setupWindow()->grab().save(folder.filePath(row.screenshot)));
    }
    // The About text runs in the language's direction, though its lines are Latin letters.
    setupWindow()->hide();
    chooseMenuCommand(ui::CPikoraDlg::aboutCommand);
    ASSERT_TRUE(windows->about());
    const QTextBlock last = windows->about()->noticeBox()->document()->lastBlock();
    EXPECT_EQ(last.textDirection(), row.direction);
}

// Other programs read the report file: in German the window shows German column titles,
// while the file keeps its English heading.
TEST_F(GameWindows, ReportWindowTitlesTheColumnsInTheLanguageAndTheFileStaysEnglish)
{
    const ui::Translation german(QStringLiteral("de"));
    context.settings.useTimer = 1;
    startGame();
    context.catalog[0].correctCount = 3;
    context.catalog[0].wrongCount = 1;
    context.clock.remainingSeconds = 1; // the next tick is time-up
    main()->setTimer(gameTimerId, 10);
    ASSERT_TRUE(QTest::qWaitFor([this] { return report() && report()->isVisible(); }));

    const QString word = QString::fromStdString(context.catalog[0].word);
    EXPECT_EQ(report()->windowTitle(), QStringLiteral("Auswertung"));
    EXPECT_EQ(report()->textBox()->toPlainText(),
        "Wort\t\tRichtig\t\tFalsch\t\tProzent richtig\n\n" + word + "\t\t3\t\t1\t\t75\n");
    const std::string file = dir.read("report.txt");
    EXPECT_NE(file.find("Word\t\tCorrect\t\tWrong\t\tPercent Correct\r\r\n"), std::string::npos);
    EXPECT_EQ(file.find("Wort"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageWindows,
    ::testing::Values(
        LanguageCase { "de", "", "Einstellungen", "Wort zeigen", Qt::LeftToRight, "setup-de.png" },
        LanguageCase { "ar", "", "الإعدادات", "إظهار الكلمة", Qt::RightToLeft, "setup-ar.png" },
        LanguageCase { "", "C", "Setup", "Show Spelling", Qt::LeftToRight, nullptr },
        LanguageCase { "de", "C", "Setup", "Show Spelling", Qt::LeftToRight, nullptr },
        LanguageCase { "sv:fr", "", "Réglages", "Voir le mot", Qt::LeftToRight, nullptr }),
    [](const ::testing::TestParamInfo<LanguageCase>& info) {
        std::string name = std::string(info.param.locale[0] == 'C' ? "C_" : "")
            + (info.param.language[0] == '\0' ? "none" : info.param.language);
        std::replace(name.begin(), name.end(), ':', '_');
        return name;
    });

} // namespace
} // namespace pikora::testing
