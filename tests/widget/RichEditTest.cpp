// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RichEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace pikora::ui {
namespace {

// The format a character is drawn with: its own properties over the document's defaults.
struct Drawn
{
    QFont font;
    QColor colour;
};

Drawn drawnAt(const RichEdit& edit, int position)
{
    QTextCursor cursor(edit.document());
    cursor.setPosition(position);
    const QTextCharFormat format = cursor.charFormat();
    const QColor colour = format.hasProperty(QTextFormat::ForegroundBrush)
        ? format.foreground().color()
        : edit.palette().color(QPalette::Text);
    return { format.font().resolve(edit.document()->defaultFont()), colour };
}

void expectWordFormat(const RichEdit& edit, int position)
{
    const Drawn drawn = drawnAt(edit, position);
    EXPECT_TRUE(drawn.font.bold());
    EXPECT_FALSE(drawn.font.underline());
    EXPECT_FALSE(drawn.font.strikeOut());
    EXPECT_FALSE(drawn.font.italic());
    EXPECT_DOUBLE_EQ(drawn.font.pointSizeF(), 30.0);
    EXPECT_EQ(drawn.colour, QColor(Qt::black));
}

TEST(RichEditFormat, AppliesToTextAlreadyThereAndToTextSetLater)
{
    RichEdit edit;
    edit.resize(300, 80);
    QTextCharFormat underlined;
    underlined.setFontUnderline(true);
    underlined.setForeground(Qt::red);
    edit.textCursor().insertText("cat", underlined);

    edit.setCharFormatDefault(true, 600, Qt::black);
    expectWordFormat(edit, 2);

    edit.setPlainText("horse");
    expectWordFormat(edit, 3);
    edit.clear();
    edit.setPlainText("dog");
    expectWordFormat(edit, 1);
}

TEST(RichEditFormat, DisabledBoxStillDrawsTheWordInItsColour)
{
    RichEdit edit;
    edit.resize(300, 80);
    edit.setCharFormatDefault(true, 600, Qt::black);
    edit.setPlainText("WWW");
    edit.setEnabled(false);
    const QImage image = edit.grab().toImage();
    bool black = false;
    for (int y = 0; y < image.height() && !black; ++y) {
        for (int x = 0; x < image.width() && !black; ++x) {
            black = image.pixel(x, y) == qRgb(0, 0, 0);
        }
    }
    EXPECT_TRUE(black);
}

TEST(RichEditFormat, CentredBoxCentresTextSetLater)
{
    RichEdit edit;
    edit.resize(300, 80);
    edit.setCentered(true);
    edit.setPlainText("I");
    QTextCursor start(edit.document());
    EXPECT_GT(edit.cursorRect(start).left(), 120);
}

class RichEditFocus : public testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(400, 200);
        before = new QLineEdit(&window);
        before->setGeometry(0, 0, 100, 20);
        edit = new RichEdit(&window);
        edit->setGeometry(0, 40, 300, 80);
        edit->setReadOnly(true);
        edit->setPlainText("cat");
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        before->setFocus();
    }
    QWidget window;
    QLineEdit* before = nullptr;
    RichEdit* edit = nullptr;
};

TEST_F(RichEditFocus, ReportsFocusGainedByTabAndByClick)
{
    QSignalSpy gained(edit, &RichEdit::focusGained);
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(gained.count(), 1);

    before->setFocus();
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(gained.count(), 2);
}

TEST_F(RichEditFocus, TabLeavesTheBoxInsteadOfTypingATab)
{
    edit->setReadOnly(false);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(edit->toPlainText(), "cat");
    EXPECT_FALSE(edit->hasFocus());
}

TEST_F(RichEditFocus, DisabledBoxNeverReports)
{
    QSignalSpy gained(edit, &RichEdit::focusGained);
    edit->setEnabled(false);
    QTest::keyClick(before, Qt::Key_Tab);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(gained.count(), 0);
}

} // namespace
} // namespace pikora::ui
