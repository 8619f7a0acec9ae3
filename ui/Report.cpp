// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Report.h"

#include "game/ControlIds.h"

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

void Report::pushFields()
{
    if (m_textBox != nullptr) {
        // The report's lines end in CR LF; the box breaks lines at LF alone.
        m_textBox->setPlainText(
            QString::fromStdString(m_text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
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
