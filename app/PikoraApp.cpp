// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PikoraApp.h"

#include "game/GameContext.h"
#include "game/PictureCatalog.h"
#include "game/Report.h"
#include "platform/LinuxPlatform.h"
#include "ui/AboutWindows.h"
#include "ui/PikoraDlg.h"
#include "ui/Setup.h"

#include <cstdio>
#include <memory>

#include <QApplication>

namespace pikora {

namespace {

// For the start-up benchmark (bench/StartupBench.cpp): with the environment variable
// PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND=1 the program prints one line and ends as soon as
// the main window has painted its first round.
class ExitAfterFirstPaint : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_queued) {
            m_queued = true;
            // Queued, so it runs once the whole window has been painted and flushed.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::fputs("pikora: first round drawn\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_queued = false;
};

} // namespace

bool CPikoraApp::InitInstance(int& argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Pikora"));
    LinuxPlatform platform;
    GameContext context(platform);

    LoadSettings(context);
    BuildCatalog(context.catalog, platform);
    platform.seedRandom(static_cast<std::uint32_t>(platform.calendarTime()));

    ui::CPikoraDlg mainWindow(context);
    if (!mainWindow.isCreated()) {
        return false; // without its window the game cannot run; there is nothing to show
    }
    platform.registerWindow(Window::Main, &mainWindow);
    // The other windows are made on first use, owned by the main window, and kept.
    std::unique_ptr<Report> report;
    std::unique_ptr<ui::setup> setupWindow;
    std::unique_ptr<ui::MyAbout> about;
    platform.setWindowFactory([&](Window window) -> WindowHost* {
        switch (window) {
        case Window::Report:
            // Its OK ends the program at once, with the main window still open.
            report = std::make_unique<Report>(
                context.reportText, [] { QCoreApplication::exit(0); }, &mainWindow);
            return report.get();
        case Window::Setup:
            setupWindow = std::make_unique<ui::setup>(context, &mainWindow);
            return setupWindow.get();
        case Window::About:
            about = std::make_unique<ui::MyAbout>(context.aboutText, &mainWindow);
            return about.get();
        case Window::Main:
            break;
        }
        return nullptr;
    });
    mainWindow.onSetup = [&] { ShowSetupWindow(context); };
    mainWindow.onAbout = [&] { ShowAboutWindow(context); };
    mainWindow.onSystemAbout = [&] {
        ui::CAboutDlg box(&mainWindow);
        box.exec();
    };
    mainWindow.OnInitDialog();
    ExitAfterFirstPaint benchExit;
    if (qEnvironmentVariableIntValue("PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND") == 1) {
        mainWindow.installEventFilter(&benchExit);
    }
    mainWindow.exec();
    return false;
}

} // namespace pikora
