// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/TemplateWindow.h"

#include <functional>
#include <string>

class QPlainTextEdit;
class QTimer;

namespace pikora::ui {

// The score report of a finished timed game. Its OK (or Enter) ends the program; Escape
// only hides it. It has no close box. While switches scan the game, a switch's Space or
// Enter (pressed again and again by the child) does not confirm it: OK then needs the mouse,
// or the keyboard once no key was pressed for keyPauseMs.
class Report : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 133;

    static constexpr int keyPauseMs = 3000;
    // The note under the table, as its template says it: shown only in another language.
    static constexpr int fileNote = 1026;
    static constexpr const char* fileNoteText
        = "The report file keeps its English headings for the programs that read it.";

    // `text` is the window's field; `endProgram` ends the process with status 0;
    // `switchesInUse` says whether the game is played by switches now.
    Report(std::string& text, std::function<void()> endProgram, QWidget* owner,
        std::function<bool()> switchesInUse = {});

    QPlainTextEdit* textBox() const { return m_textBox; }

    void pushFields() override;
    void pullFields() override;
    void accept() override;
    // Whether Space and Enter are held back from confirming.
    bool holdingKeys() const { return m_holding; }

    // The table heading in the learner's language, with the tabs and line ends of the
    // English one ("\n" for "\r\n", as the box shows lines).
    static QString shownTableHeading();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void holdKeys(bool hold);

    std::string& m_text;
    std::function<void()> m_endProgram;
    std::function<bool()> m_switchesInUse;
    QPlainTextEdit* m_textBox = nullptr;
    QTimer* m_keyPause = nullptr;
    bool m_holding = false;
};

} // namespace pikora::ui
