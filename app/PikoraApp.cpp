// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PikoraApp.h"

#include "app/FirstPaintExit.h"
#include "game/GameContext.h"
#include "game/PictureCatalog.h"
#include "platform/LinuxPlatform.h"
#include "ui/ProgramWindows.h"
#include "ui/Translations.h"

#include <memory>

#include <QApplication>

namespace pikora {

bool CPikoraApp::InitInstance(int& argc, char** argv)
{
    LinuxPlatform platform;
    platform.prepareSound(); // on its own thread, while the toolkit starts
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Pikora"));
    // Before any window is made: the windows are built in the language and its direction.
    const ui::Translation translation(ui::languageOfEnvironment());
    GameContext context(platform);

    LoadSettings(context);
    LoadAccessOptions(context); // beside the game's options, which it leaves alone
    BuildCatalog(context.catalog, platform);
    platform.seedRandom(static_cast<std::uint32_t>(platform.calendarTime()));

    // Its Report's OK ends the program at once, with the main window still open.
    ui::ProgramWindows windows(context, platform, [] { QCoreApplication::exit(0); });
    ui::CPikoraDlg& mainWindow = windows.main();
    if (!mainWindow.isCreated()) {
        return false; // without its window the game cannot run; there is nothing to show
    }
    mainWindow.OnInitDialog();
    FirstPaintExit benchExit(mainWindow, "pikora: first round drawn\n");
    mainWindow.exec();
    return false;
}

} // namespace pikora
