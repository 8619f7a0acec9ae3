// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogTemplate.h"

#include "ui/BitmapButton.h"
#include "ui/RichEdit.h"

#include <algorithm>
#include <memory>
#include <ostream>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace pikora::ui {
namespace {

struct Built
{
    std::unique_ptr<QDialog> window = std::make_unique<QDialog>();
    BuiltDialog dialog;
};

Built build(int templateId)
{
    Built built;
    const std::optional<DialogTemplate> dialog = loadDialogTemplate(templateId);
    if (dialog) {
        built.dialog = buildDialog(*dialog, built.window.get());
    }
    return built;
}

std::vector<int> idsOf(const DialogTemplate& dialog)
{
    std::vector<int> ids;
    for (const ControlTemplate& control : dialog.controls) {
        ids.push_back(control.id);
    }
    return ids;
}

struct TemplateCase
{
    int id;
    std::vector<int> controlIds; // template order; -1 for unnamed controls
};

void PrintTo(const TemplateCase& templateCase, std::ostream* out)
{
    *out << "template " << templateCase.id;
}

class EveryTemplate : public testing::TestWithParam<TemplateCase>
{ };

TEST_P(EveryTemplate, LoadsWithItsControlsInTemplateOrder)
{
    const std::optional<DialogTemplate> dialog = loadDialogTemplate(GetParam().id);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->id, GetParam().id);
    EXPECT_EQ(dialog->fontFace, "MS Shell Dlg");
    EXPECT_EQ(dialog->fontPoints, 8);
    EXPECT_EQ(idsOf(*dialog), GetParam().controlIds);
}

TEST_P(EveryTemplate, BuildsOneChildWidgetPerControl)
{
    Built built = build(GetParam().id);
    const std::vector<int>& ids = GetParam().controlIds;
    ASSERT_EQ(built.dialog.inOrder.size(), ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(built.dialog.inOrder[i]->parentWidget(), built.window.get());
        if (ids[i] != -1) {
            EXPECT_EQ(built.dialog.control(ids[i]), built.dialog.inOrder[i]) << ids[i];
        }
    }
    EXPECT_EQ(built.dialog.byId.size(),
        static_cast<std::size_t>(
            std::count_if(ids.begin(), ids.end(), [](int id) { return id != -1; })));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, EveryTemplate,
    testing::Values(
        TemplateCase { 102, { 1000, 1001, 1002, 1003, 1004, 1015, 1023, 1026, 1027, 1028, 1029 } },
        TemplateCase { 133, { 1, 1025, 1026 } },
        TemplateCase { 132, { 1, 2, 1018, 1019, 3, 4, 1020, 1021, 1024, 1025, -1, 1026 } },
        TemplateCase { 135, { 1, 1025, -1 } }, TemplateCase { 100, { -1, -1, -1, 1 } }),
    [](const testing::TestParamInfo<TemplateCase>& info) {
        return "Template" + std::to_string(info.param.id);
    });

TEST(Templates, UnknownResourcesAreRefused)
{
    EXPECT_FALSE(loadDialogTemplate(999));
    EXPECT_FALSE(loadMenu(999));
    EXPECT_TRUE(loadString(999).isEmpty());
}

TEST(Templates, StringTableHoldsTheWindowMenuItem)
{
    EXPECT_EQ(loadString(101), "&About Pikora...");
}

// ---- Dialog units ---------------------------------------------------------------------

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero)
{
    EXPECT_EQ(mulDiv(428, 13, 8), 696); // 695.5
    EXPECT_EQ(mulDiv(15, 13, 8), 24); // 24.375
    EXPECT_EQ(mulDiv(-3, 1, 2), -2); // -1.5
    EXPECT_EQ(mulDiv(3, -1, 2), -2);
    EXPECT_EQ(mulDiv(-5, 13, -8), 8); // 8.125
    EXPECT_EQ(mulDiv(1, 1, 0), -1);
}

// Base units are whole pixels: one step in either changes the main window by at least
// 53 pixels, so there is no useful tolerance between exact and wrong.
TEST(DialogUnits, MainWindowComesOutAt975By696)
{
    Built built = build(102);
    EXPECT_EQ(built.dialog.base.x, 6);
    EXPECT_EQ(built.dialog.base.y, 13);
    EXPECT_EQ(built.window->size(), QSize(975, 696));
    EXPECT_EQ(built.window->minimumSize(), built.window->maximumSize());
}

TEST(DialogUnits, ControlRectanglesRoundEachValueOnItsOwn)
{
    Built built = build(102);
    ASSERT_EQ(built.dialog.base.x, 6);
    ASSERT_EQ(built.dialog.base.y, 13);
    // 1000 (344, 15, 285, 170): 516, 24.375, 427.5, 276.25
    EXPECT_EQ(built.dialog.control(1000)->geometry(), QRect(516, 24, 428, 276));
    // 1015 (143, 388, 367, 33): 214.5, 630.5, 550.5, 53.625
    EXPECT_EQ(built.dialog.control(1015)->geometry(), QRect(215, 631, 551, 54));
    // 1004 (305, 7, 37, 14): 457.5, 11.375, 55.5, 22.75
    EXPECT_EQ(built.dialog.control(1004)->geometry(), QRect(458, 11, 56, 23));
}

// ---- What each control becomes --------------------------------------------------------

TEST(MainWindowControls, FollowTheirTemplateStyles)
{
    Built built = build(102);
    const BuiltDialog& dialog = built.dialog;
    EXPECT_EQ(built.window->windowTitle(), "Pikora");

    auto* parking = dialog.controlAs<QPushButton>(1004);
    ASSERT_TRUE(parking);
    EXPECT_EQ(parking->text(), "Button3");
    EXPECT_TRUE(parking->isDefault());
    EXPECT_TRUE(parking->isHidden());
    EXPECT_EQ(parking->focusPolicy(), Qt::StrongFocus);

    ASSERT_TRUE(dialog.controlAs<BitmapButton>(1000));
    EXPECT_EQ(dialog.controlAs<BitmapButton>(1000)->face(), BitmapButton::Face::Raised);
    EXPECT_EQ(dialog.controlAs<BitmapButton>(1003)->face(), BitmapButton::Face::FlatStaticEdge);

    auto* target = dialog.controlAs<RichEdit>(1015);
    ASSERT_TRUE(target);
    EXPECT_FALSE(target->isEnabled());
    EXPECT_FALSE(target->isMultiLine());
    EXPECT_EQ(target->frameShape(), QFrame::NoFrame);

    auto* word0 = dialog.controlAs<RichEdit>(1026);
    ASSERT_TRUE(word0);
    EXPECT_TRUE(word0->isReadOnly());
    EXPECT_FALSE(word0->isMultiLine());
    EXPECT_NE(word0->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(dialog.controlAs<RichEdit>(1027)->isMultiLine());

    auto* countdown = dialog.controlAs<QLabel>(1023);
    ASSERT_TRUE(countdown);
    EXPECT_EQ(countdown->text(), "Static");
}

TEST(SetupControls, FollowTheirTemplateStyles)
{
    Built built = build(132);
    const BuiltDialog& dialog = built.dialog;
    EXPECT_EQ(dialog.controlAs<QCheckBox>(1018)->text(), "Field of 4");
    EXPECT_TRUE(dialog.controlAs<QLineEdit>(1025)->hasFrame());
    auto* list = dialog.controlAs<QListView>(1019);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->flow(), QListView::TopToBottom);
    EXPECT_TRUE(list->isWrapping());
    auto* label = qobject_cast<QLabel*>(dialog.inOrder[10]);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), "Max Time:");
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

TEST(ReportControls, ReportBoxNeitherWrapsNorShowsScrollBars)
{
    Built built = build(133);
    auto* box = built.dialog.controlAs<QPlainTextEdit>(1025);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_FALSE(box->isReadOnly());
    // Without a system menu the window has no close box.
    EXPECT_FALSE(built.window->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(AboutControls, VersionTextAndPictureArePlacedAsInTheTemplate)
{
    Built about = build(100);
    auto* version = qobject_cast<QLabel*>(about.dialog.inOrder[1]);
    ASSERT_TRUE(version);
    EXPECT_EQ(version->text(), "Pikora Version 1.0");
    EXPECT_EQ(about.window->windowTitle(), "About Pikora");
    EXPECT_TRUE(about.window->windowFlags() & Qt::WindowCloseButtonHint);

    Built product = build(135);
    EXPECT_EQ(product.window->windowTitle(), "About Pikora");
    // Picture (18, 20, 253, 49) holds bitmap 134 of 380 × 80 pixels.
    EXPECT_EQ(product.dialog.inOrder[2]->geometry(), QRect(27, 33, 380, 80));
}

// ---- Keyboard -------------------------------------------------------------------------

std::vector<QString> tabCycle(QWidget* start, int steps)
{
    std::vector<QString> names;
    start->setFocus();
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names.push_back(
            QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    }
    return names;
}

std::vector<QString> names(std::initializer_list<int> ids)
{
    std::vector<QString> result;
    for (int id : ids) {
        result.push_back(QStringLiteral("control%1").arg(id));
    }
    return result;
}

TEST(TabOrder, SetupFollowsTemplateOrderAndSkipsTheLabel)
{
    Built built = build(132);
    built.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(built.window.get()));
    EXPECT_EQ(tabCycle(built.dialog.control(1), 11),
        names({ 2, 1018, 1019, 3, 4, 1020, 1021, 1024, 1025, 1026, 1 }));
}

TEST(TabOrder, MainWindowSkipsHiddenAndDisabledControls)
{
    Built built = build(102);
    built.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(built.window.get()));
    EXPECT_EQ(tabCycle(built.dialog.control(1000), 8),
        names({ 1001, 1002, 1003, 1026, 1027, 1028, 1029, 1000 }));
}

TEST(Keyboard, EnterInTheReportBoxClicksOkAndCtrlEnterStartsALine)
{
    Built built = build(133);
    built.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(built.window.get()));
    auto* box = built.dialog.controlAs<QPlainTextEdit>(1025);
    QSignalSpy ok(built.dialog.controlAs<QPushButton>(1), &QPushButton::clicked);
    box->setFocus();
    QTest::keyClicks(box, "ab");
    QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->toPlainText(), "ab\n");
    EXPECT_EQ(ok.count(), 1);
}

TEST(Keyboard, StaticTextMnemonicMovesFocusToTheNextControl)
{
    DialogTemplate dialog;
    dialog.fontFace = "MS Shell Dlg";
    dialog.size = { 100, 50 };
    dialog.controls = {
        { -1, ControlKind::StaticText, "&Name:", ControlStyle::Visible, { 5, 5, 30, 8 } },
        { 10, ControlKind::Edit, "", ControlStyle::Visible | ControlStyle::TabStop,
            { 40, 5, 50, 12 } },
        { -1, ControlKind::StaticText, "Tom & Jerry",
            ControlStyle::Visible | ControlStyle::NoPrefix, { 5, 20, 60, 8 } },
        { 11, ControlKind::Edit, "", ControlStyle::Visible | ControlStyle::TabStop,
            { 40, 20, 50, 12 } },
    };
    QDialog window;
    BuiltDialog built = buildDialog(dialog, &window);
    EXPECT_EQ(static_cast<QLabel*>(built.inOrder[0])->buddy(), built.control(10));
    EXPECT_EQ(static_cast<QLabel*>(built.inOrder[2])->buddy(), nullptr);
    EXPECT_EQ(static_cast<QLabel*>(built.inOrder[2])->text(), "Tom & Jerry");

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    built.control(11)->setFocus();
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), built.control(10));
}

// ---- Menu -----------------------------------------------------------------------------

TEST(Menu, MainMenuHoldsCheckedSetupAndAboutThatReportTheirCommands)
{
    const std::optional<MenuTemplate> menu = loadMenu(129);
    ASSERT_TRUE(menu);
    QWidget window;
    std::vector<int> commands;
    QMenuBar* bar = buildMenuBar(*menu, &window, [&](int id) { commands.push_back(id); });

    const QList<QAction*> popups = bar->actions();
    ASSERT_EQ(popups.size(), 2);
    EXPECT_EQ(popups[0]->text(), "&Setup");
    EXPECT_EQ(popups[1]->text(), "&Help");
    struct Expected
    {
        QString text;
        int command;
    };
    const Expected expected[] = { { "Setup", 32771 }, { "About", 32773 } };
    for (int i = 0; i < 2; ++i) {
        const QList<QAction*> items = popups[i]->menu()->actions();
        ASSERT_FALSE(items.isEmpty());
        QAction* item = items[0];
        EXPECT_EQ(item->text(), expected[i].text);
        EXPECT_EQ(item->data().toInt(), expected[i].command);
        EXPECT_TRUE(item->isCheckable());
        EXPECT_TRUE(item->isChecked());
        item->trigger();
        EXPECT_TRUE(item->isChecked()) << "choosing an item must not clear its check mark";
    }
    EXPECT_EQ(commands, (std::vector<int> { 32771, 32773 }));
}

} // namespace
} // namespace pikora::ui
