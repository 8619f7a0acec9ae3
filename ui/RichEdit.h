// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QTextEdit>

namespace pikora::ui {

// A text box for words in large type. It never shows scroll bars; Tab moves the focus on.
// It reports when the user gives it the keyboard focus, by click, Tab or Shift+Tab,
// read-only or not; not when the focus comes back to it as its window is activated again
// or a popup menu closes.
class RichEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit RichEdit(QWidget* parent = nullptr);

    // One line scrolls sideways; several lines wrap at the box's width.
    void setMultiLine(bool multiLine);
    bool isMultiLine() const { return m_multiLine; }
    void setCentered(bool centered);
    // The usual sunken frame of a text box, or none.
    void setBorder(bool border);

    // The format of all text, present and future: bold or not, never underlined or struck
    // out, the height in twips (1/20 point), the colour (also when disabled). The typeface
    // and italic are left as they are.
    void setCharFormatDefault(bool bold, int heightTwips, const QColor& colour);

    // Whether a focus given for this reason is the user's choice of this box.
    static bool isChosenBy(Qt::FocusReason reason);

signals:
    void focusGained();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool m_multiLine = false;
};

} // namespace pikora::ui
