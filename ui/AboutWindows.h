// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WindowHost.h"
#include "ui/DialogTemplate.h"

#include <string>

#include <QDialog>

class QPlainTextEdit;

namespace pikora::ui {

// The images of the program, by resource id: icon 128 and bitmap 134.
QPixmap resourceImage(int id, int size = 0);
QIcon programIcon();

// The product window of the Help menu: modeless, made once, an editable notice whose edits
// confirmed with OK stay for the run.
class MyAbout : public QDialog, public WindowHost
{
    Q_OBJECT

public:
    static constexpr int templateId = 135;
    static constexpr int noticeControl = 1025;

    MyAbout(std::string& notice, QWidget* owner);
    QPlainTextEdit* noticeBox() const;

    void setButtonImage(int, std::unique_ptr<Bitmap>) override { }
    void showControl(int, bool) override { }
    void setFocus(int control) override;
    void showWindow(bool visible) override;
    void enableWindow(bool enabled) override { setEnabled(enabled); }
    void pushFields() override;
    void pullFields() override;
    void setTimer(int, int) override { }

    void accept() override;

private:
    std::string& m_notice;
    BuiltDialog m_built;
};

// The short About box of the window menu: modal, made afresh each time.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int templateId = 100;

    explicit CAboutDlg(QWidget* owner);
    QWidget* control(int id) const { return m_built.control(id); }
    const BuiltDialog& built() const { return m_built; }

private:
    BuiltDialog m_built;
};

// Gives the picture and icon controls of a built window their images.
void setTemplateImages(const DialogTemplate& dialog, const BuiltDialog& built);

} // namespace pikora::ui
