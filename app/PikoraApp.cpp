// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PikoraApp.h"

#include "game/GameContext.h"
#include "game/PictureCatalog.h"
#include "game/Report.h"
#include "platform/LinuxPlatform.h"
#include "ui/AboutWindows.h"
#include "ui/PikoraDlg.h"
#include "ui/Setup.h"

#include <memory>

#include <QApplication>

namespace pikora {

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
    std::unique_ptr<Report> report;
    platform.setWindowFactory([&](Window window) -> WindowHost* {
        if (window == Window::Report) {
            // Its OK ends the program at once, with the main window still open.
            report = std::make_unique<Report>(
                context.reportText, [] { QCoreApplication::exit(0); }, &mainWindow);
            return report.get();
        }
        return nullptr;
    });
    mainWindow.OnInitDialog();
    mainWindow.exec();
    return false;
}

} // namespace pikora
