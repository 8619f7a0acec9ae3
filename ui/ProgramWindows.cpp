// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

#include "game/PictureCatalog.h"
#include "platform/FileSystem.h"
#include "platform/HistoryWriter.h"

#include <QDir>

namespace pikora::ui {

ProgramWindows::ProgramWindows(
    GameContext& context, LinuxPlatform& platform, std::function<void()> endProgram)
    : m_context(context)
    , m_platform(platform)
    , m_endProgram(std::move(endProgram))
    , m_main(std::make_unique<CPikoraDlg>(context))
{
    platform.registerWindow(Window::Main, m_main.get());
    platform.setWindowFactory([this](Window window) { return make(window); });
    m_main->onSetup = [this] { ShowSetupWindow(m_context, m_setupFields); };
    m_main->onAbout = [this] { ShowAboutWindow(m_platform, m_aboutFields); };
    m_main->onAccess = [this] { ShowAccessWindow(m_context, m_accessFields); };
    m_main->onProgress = [this] { showProgress(); };
    m_main->onLearners = [this] { showLearners(); };
    m_main->onPictures = [this] { showPictures(); };
    m_main->enableCommand(CPikoraDlg::learnersCommand, false);
    m_main->onSystemAbout = [this] {
        CAboutDlg box(m_main.get()); // made afresh each time
        box.exec();
    };
    m_main->applyAccessOptions(); // as loaded at start-up
}

ProgramWindows::~ProgramWindows()
{
    // The platform must not reach windows that are gone.
    m_platform.setWindowFactory(nullptr);
    for (Window window :
        { Window::Main, Window::Report, Window::Setup, Window::About, Window::Access }) {
        m_platform.registerWindow(window, nullptr);
    }
}

void ProgramWindows::showProgress()
{
    if (!m_progress) {
        m_progress = new ProgressWindow(m_history,
            m_context.learner.empty() ? currentLearner() : m_context.learner, m_main.get());
    }
    m_progress->refresh();
    m_progress->show();
    m_progress->raise();
    m_progress->activateWindow();
}

void ProgramWindows::setHistory(HistoryLocation location)
{
    m_history = std::move(location);
    m_main->enableCommand(
        CPikoraDlg::learnersCommand, m_history.kind != HistoryLocation::Kind::None);
}

void ProgramWindows::showLearners()
{
    if (m_history.kind == HistoryLocation::Kind::None) {
        return;
    }
    if (!m_learners) {
        m_learners = new LearnersWindow(m_history, m_main.get());
    }
    m_learners->refresh();
    m_learners->show();
    m_learners->raise();
    m_learners->activateWindow();
}

void ProgramWindows::showPictures()
{
    if (!m_pictures) {
        // The folder the game reads its pictures from, below the program's folder where it
        // runs; the catalogue takes the changes at the next start.
        const QString folder
            = QDir::current().absoluteFilePath(QString::fromStdString(localPath(pictureFolder)));
        m_pictures = new PicturesWindow(folder, m_platform.sound(), m_main.get());
    }
    m_pictures->refresh();
    m_pictures->show();
    m_pictures->raise();
    m_pictures->activateWindow();
}

int ProgramWindows::made(Window window) const
{
    const auto found = m_made.find(window);
    return found == m_made.end() ? 0 : found->second;
}

WindowHost* ProgramWindows::make(Window window)
{
    ++m_made[window];
    switch (window) {
    case Window::Report:
        m_report = new Report(m_context.reportText, m_endProgram, m_main.get(),
            [this] { return m_context.access.scan != ScanMode::Off; });
        return m_report;
    case Window::Setup:
        m_setup = new setup(m_context, m_setupFields, m_main.get());
        return m_setup;
    case Window::About:
        m_about = new MyAbout(m_aboutFields.notice, m_main.get());
        return m_about;
    case Window::Access:
        m_access = new AccessWindow(
            m_context, m_accessFields, [this] { m_main->applyAccessOptions(); }, m_main.get());
        return m_access;
    case Window::Main:
        break;
    }
    return nullptr;
}

} // namespace pikora::ui
