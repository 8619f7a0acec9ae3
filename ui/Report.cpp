// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Report.h"

#include "game/ControlIds.h"
#include "game/ScoreReport.h"

#include <QPlainTextEdit>

namespace pikora::ui {

Report::Report(std::string& text, std::function<void()> endProgram, QWidget* owner)
    : TemplateWindow(templateId, owner)
    , m_text(text)
    , m_endProgram(std::move(endProgram))
{
    // Its template gives a title bar without a window menu, so without a close box.
    m_textBox = m_built.controlAs<QPlainTextEdit>(control::reportText);
    if (m_textBox != nullptr) {
        // Tab stops every 32 dialog units, as a multi-line edit box places them.
        m_textBox->setTabStopDistance(mulDiv(32, m_built.base.x, 4));
    }
    onButton(1, [this] { accept(); });
}

QString Report::shownTableHeading()
{
    const QString separator = QStringLiteral("\t\t");
    //: The column titles of the score report window. Each but the last is at most 96 pixels
    //: wide (two tab stops), or the columns below it no longer line up.
    return tr("Word") + separator + tr("Correct") + separator + tr("Wrong") + separator
        + tr("Percent Correct") + QStringLiteral("\n\n");
}

void Report::pushFields()
{
    if (m_textBox == nullptr) {
        return;
    }
    // The column titles in the learner's language (the report file keeps the English ones)
    // over the table's lines, which end in CR LF where the box breaks lines at LF alone.
    m_textBox->setPlainText(shownTableHeading()
        + QString::fromStdString(m_text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Report::pullFields()
{
    if (m_textBox != nullptr) {
        m_text = m_textBox->toPlainText()
                     .replace(QStringLiteral("\n"), QStringLiteral("\r\n"))
                     .toStdString();
    }
}

void Report::accept()
{
    pullFields();
    QDialog::accept();
    if (m_endProgram) {
        m_endProgram();
    }
}

} // namespace pikora::ui
