// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/TemplateWindow.h"

#include <functional>
#include <string>

class QPlainTextEdit;

namespace pikora::ui {

// The score report of a finished timed game. Its OK (or Enter) ends the program; Escape
// only hides it. It has no close box.
class Report : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 133;

    // `text` is the window's field; `endProgram` ends the process with status 0.
    Report(std::string& text, std::function<void()> endProgram, QWidget* owner);

    QPlainTextEdit* textBox() const { return m_textBox; }

    void pushFields() override;
    void pullFields() override;
    void accept() override;

    // The table heading in the learner's language, with the tabs and line ends of the
    // English one ("\n" for "\r\n", as the box shows lines).
    static QString shownTableHeading();

private:
    std::string& m_text;
    std::function<void()> m_endProgram;
    QPlainTextEdit* m_textBox = nullptr;
};

} // namespace pikora::ui
