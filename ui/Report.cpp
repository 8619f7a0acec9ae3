// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Report.h"

#include "game/ControlIds.h"
#include "game/ScoreReport.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace pikora::ui {

Report::Report(std::string& text, std::function<void()> endProgram, QWidget* owner,
    std::function<bool()> switchesInUse)
    : TemplateWindow(templateId, owner)
    , m_text(text)
    , m_endProgram(std::move(endProgram))
    , m_switchesInUse(std::move(switchesInUse))
{
    m_keyPause = new QTimer(this);
    m_keyPause->setSingleShot(true);
    m_keyPause->setInterval(keyPauseMs);
    connect(m_keyPause, &QTimer::timeout, this, [this] { holdKeys(false); });
    // Its template gives a title bar without a window menu, so without a close box.
    m_textBox = m_built.controlAs<QPlainTextEdit>(control::reportText);
    if (m_textBox != nullptr) {
        // Tab stops every 32 dialog units, as a multi-line edit box places them.
        m_textBox->setTabStopDistance(mulDiv(32, m_built.base.x, 4));
    }
    if (m_textBox != nullptr) {
        m_textBox->installEventFilter(this);
    }
    onButton(1, [this] { accept(); });
    // Said where a report is read in another language; English needs no such note.
    if (auto* note = m_built.controlAs<QLabel>(fileNote)) {
        note->setWordWrap(true);
        note->setVisible(note->text() != QLatin1String(fileNoteText));
    }
}

void Report::showEvent(QShowEvent* event)
{
    TemplateWindow::showEvent(event);
    holdKeys(m_switchesInUse && m_switchesInUse());
}

void Report::holdKeys(bool hold)
{
    m_holding = hold;
    auto* ok = qobject_cast<QPushButton*>(control(1));
    if (ok != nullptr) {
        ok->setDefault(!hold);
        ok->setAutoDefault(!hold);
        ok->setFocusPolicy(hold ? Qt::NoFocus : Qt::StrongFocus);
    }
    if (hold) {
        m_keyPause->start();
        // Nothing that Space or Enter would press: the text, whose keys are held back too.
        if (m_textBox != nullptr) {
            m_textBox->setFocus();
        }
    } else if (ok != nullptr && isVisible()) {
        ok->setFocus();
    }
}

bool Report::eventFilter(QObject* watched, QEvent* event)
{
    if (m_holding && watched == m_textBox && event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return event->isAccepted();
    }
    return TemplateWindow::eventFilter(watched, event);
}

void Report::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (m_holding && key != Qt::Key_Escape) {
        // Every key, a switch's above all, starts the pause again.
        m_keyPause->start();
        event->accept();
        return;
    }
    TemplateWindow::keyPressEvent(event);
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
    setPlainTextInLayoutDirection(*m_textBox,
        shownTableHeading()
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
