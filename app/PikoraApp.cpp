// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PikoraApp.h"

#include "game/GameContext.h"
#include "game/PictureCatalog.h"
#include "platform/LinuxPlatform.h"
#include "ui/ProgramWindows.h"

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
    LinuxPlatform platform;
    platform.prepareSound(); // on its own thread, while the toolkit starts
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Pikora"));
    GameContext context(platform);

    LoadSettings(context);
    BuildCatalog(context.catalog, platform);
    platform.seedRandom(static_cast<std::uint32_t>(platform.calendarTime()));

    // Its Report's OK ends the program at once, with the main window still open.
    ui::ProgramWindows windows(context, platform, [] { QCoreApplication::exit(0); });
    ui::CPikoraDlg& mainWindow = windows.main();
    if (!mainWindow.isCreated()) {
        return false; // without its window the game cannot run; there is nothing to show
    }
    mainWindow.OnInitDialog();
    ExitAfterFirstPaint benchExit;
    if (qEnvironmentVariableIntValue("PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND") == 1) {
        mainWindow.installEventFilter(&benchExit);
    }
    mainWindow.exec();
    return false;
}

} // namespace pikora
