// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindows.h"

#include <QPlainTextEdit>

namespace pikora::ui {

MyAbout::MyAbout(std::string& notice, QWidget* owner)
    : TemplateWindow(templateId, owner)
    , m_notice(notice)
{
    onButton(1, [this] { accept(); });
}

QPlainTextEdit* MyAbout::noticeBox() const
{
    return m_built.controlAs<QPlainTextEdit>(noticeControl);
}

void MyAbout::pushFields()
{
    if (auto* box = noticeBox()) {
        // The notice's lines end in CR LF; the box breaks lines at LF alone.
        setPlainTextInLayoutDirection(*box,
            QString::fromStdString(m_notice).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

void MyAbout::pullFields()
{
    if (auto* box = noticeBox()) {
        m_notice = box->toPlainText()
                       .replace(QStringLiteral("\n"), QStringLiteral("\r\n"))
                       .toStdString();
    }
}

void MyAbout::accept()
{
    pullFields();
    QDialog::accept();
}

CAboutDlg::CAboutDlg(QWidget* owner)
    : TemplateWindow(templateId, owner)
{
    setModal(true);
    onButton(1, [this] { accept(); });
}

} // namespace pikora::ui
