// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/TemplateWindow.h"

#include <string>

class QPlainTextEdit;

namespace pikora::ui {

// The product window of the Help menu: modeless, made once, an editable notice whose edits
// confirmed with OK stay for the run.
class MyAbout : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 135;
    static constexpr int noticeControl = 1025;

    MyAbout(std::string& notice, QWidget* owner);
    QPlainTextEdit* noticeBox() const;

    void pushFields() override;
    void pullFields() override;
    void accept() override;

private:
    std::string& m_notice;
};

// The short About box of the window menu: modal, made afresh each time.
class CAboutDlg : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 100;

    explicit CAboutDlg(QWidget* owner);
};

} // namespace pikora::ui
