// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameContext.h"
#include "platform/LinuxPlatform.h"
#include "ui/AboutLogic.h"
#include "ui/AboutWindows.h"
#include "ui/AccessLogic.h"
#include "ui/AccessWindow.h"
#include "ui/LearnersWindow.h"
#include "ui/PicturesWindow.h"
#include "ui/PikoraDlg.h"
#include "ui/ProgressWindow.h"
#include "ui/Report.h"
#include "ui/Setup.h"
#include "ui/SetupLogic.h"

#include <functional>
#include <map>
#include <memory>

#include <QPointer>

namespace pikora::ui {

// Every window of the program, wired to the game and the platform in one place: the main
// window at once, the Report, Setup and About windows on first use, owned by the main
// window and kept until it goes.
class ProgramWindows
{
public:
    // `endProgram` is what the Report's OK does: end the process with status 0.
    ProgramWindows(GameContext& context, LinuxPlatform& platform, std::function<void()> endProgram);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    CPikoraDlg& main() const { return *m_main; }
    Report* report() const { return m_report; }
    setup* setupWindow() const { return m_setup; }
    MyAbout* about() const { return m_about; }
    AccessWindow* accessWindow() const { return m_access; }
    ProgressWindow* progress() const { return m_progress; }
    LearnersWindow* learners() const { return m_learners; }
    PicturesWindow* pictures() const { return m_pictures; }
    // Where the Progress and Learners windows find the history of choices; none until set
    // (the Learners item is greyed out without one).
    void setHistory(HistoryLocation location);
    // Setup, Learners...: the class list, made on first use, read afresh and shown.
    void showLearners();
    // Setup, Pictures...: the picture folder, made on first use, read afresh and shown.
    void showPictures();
    // Setup, Progress...: the Progress window, made on first use, read afresh and shown.
    void showProgress();
    SetupFields& setupFields() { return m_setupFields; }
    AboutFields& aboutFields() { return m_aboutFields; }
    // How many windows of a kind were made (each is made at most once).
    int made(Window window) const;

private:
    WindowHost* make(Window window);

    GameContext& m_context;
    LinuxPlatform& m_platform;
    std::function<void()> m_endProgram;
    SetupFields m_setupFields;
    AboutFields m_aboutFields;
    AccessFields m_accessFields;
    std::unique_ptr<CPikoraDlg> m_main;
    QPointer<Report> m_report;
    QPointer<setup> m_setup;
    QPointer<MyAbout> m_about;
    QPointer<AccessWindow> m_access;
    QPointer<ProgressWindow> m_progress;
    QPointer<LearnersWindow> m_learners;
    QPointer<PicturesWindow> m_pictures;
    HistoryLocation m_history;
    std::map<Window, int> m_made;
};

} // namespace pikora::ui
