// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WindowHost.h"
#include "ui/DialogTemplate.h"

#include <functional>
#include <string>

#include <QDialog>

class QPlainTextEdit;

namespace pikora {

// The score report of a finished timed game. Its OK (or Enter) ends the program; Escape
// only hides it. It has no close box.
class Report : public QDialog, public WindowHost
{
    Q_OBJECT

public:
    static constexpr int templateId = 133;

    // `text` is the window's field; `endProgram` ends the process with status 0.
    Report(std::string& text, std::function<void()> endProgram, QWidget* owner);

    QPlainTextEdit* textBox() const { return m_textBox; }

    void setButtonImage(int, std::unique_ptr<Bitmap>) override { }
    void showControl(int control, bool visible) override;
    void setFocus(int control) override;
    void showWindow(bool visible) override;
    void enableWindow(bool enabled) override { setEnabled(enabled); }
    void pushFields() override;
    void pullFields() override;
    void setTimer(int, int) override { }

    void accept() override;

private:
    std::string& m_text;
    std::function<void()> m_endProgram;
    ui::BuiltDialog m_built;
    QPlainTextEdit* m_textBox = nullptr;
};

} // namespace pikora
