// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "RichEdit.h"

#include <QFocusEvent>
#include <QTextCursor>
#include <QTextDocument>

namespace pikora::ui {

RichEdit::RichEdit(QWidget* parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMultiLine(false);
    setBorder(false);
}

void RichEdit::setMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    setLineWrapMode(multiLine ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void RichEdit::setCentered(bool centered)
{
    // The document's default option reaches every paragraph, including those of text set
    // later with setPlainText().
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(centered ? Qt::AlignHCenter : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
}

void RichEdit::setBorder(bool border)
{
    setFrameStyle(border ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
}

void RichEdit::setCharFormatDefault(bool bold, int heightTwips, const QColor& colour)
{
    // The widget's font and text colour are the document's defaults, so text set later
    // takes them; the explicit format covers text already there and the text cursor.
    QFont font = this->font();
    font.setBold(bold);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setPointSizeF(heightTwips / 20.0);
    setFont(font);

    QPalette colours = palette();
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        colours.setColor(group, QPalette::Text, colour);
    }
    setPalette(colours);

    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(false);
    format.setFontStrikeOut(false);
    format.setFontPointSize(heightTwips / 20.0);
    format.setForeground(colour);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
}

bool RichEdit::isChosenBy(Qt::FocusReason reason)
{
    // Tab reaches the word boxes as tab stops of the main window, so the keyboard can
    // choose a word as the mouse can. Activation and popups only give back a focus the box
    // already had; the program itself never moves the focus onto a word.
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason
        || reason == Qt::BacktabFocusReason;
}

void RichEdit::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    if (isChosenBy(event->reason())) {
        emit focusGained();
    }
}

} // namespace pikora::ui
