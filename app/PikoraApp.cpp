// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PikoraApp.h"

#include "app/FirstPaintExit.h"
#include "app/HistoryRecorder.h"
#include "game/GameContext.h"
#include "game/PictureCatalog.h"
#include "platform/LearnerList.h"
#include "platform/LinuxPlatform.h"
#include "ui/LearnerPicker.h"
#include "ui/ProgramStyle.h"
#include "ui/ProgramWindows.h"
#include "ui/Translations.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QApplication>
#include <QThread>

namespace pikora {

namespace {

// Beside the report, unless PIKORA_HISTORY or the build says otherwise.
HistoryLocation historyLocation(const GameSettings& settings)
{
    std::string warning;
    HistoryLocation location = resolveHistoryLocation(settings.reportPath,
        std::getenv("PIKORA_HISTORY"), PIKORA_HISTORY_FILE, warning);
    if (!warning.empty()) {
        std::fprintf(stderr, "pikora: %s\n", warning.c_str());
    }
    return location;
}

} // namespace

bool CPikoraApp::InitInstance(int& argc, char** argv)
{
    LinuxPlatform platform;
    platform.prepareSound(); // held back until the first round is drawn
    QApplication application(argc, argv);
    if (onToolkitStarted) {
        onToolkitStarted();
    }
    application.setApplicationName(QStringLiteral("Pikora"));
    QApplication::setStyle(new ui::ProgramStyle); // the application owns it
    // Before any window is made: the windows are built in the language and its direction.
    const ui::Translation translation(ui::languageOfEnvironment());
    GameContext context(platform);

    LoadSettings(context); // the access options too, from the same key
    // The history is opened on its writer's thread with the first choice, so it costs
    // start-up nothing; it outlives the windows and writes what is left when they are gone.
    const HistoryLocation history = historyLocation(context.settings);
    std::unique_ptr<HistoryRecorder> recorder;
    // The class list is read while the pictures are.
    std::vector<ListedLearner> learners;
    std::string listError;
    std::unique_ptr<QThread> listReading;
    if (history.kind != HistoryLocation::Kind::None) {
        recorder = std::make_unique<HistoryRecorder>(history);
        context.recorder = recorder.get();
        listReading.reset(
            QThread::create([&] { learners = readLearnerList(history, listError); }));
        listReading->start();
    }
    BuildCatalog(context.catalog, platform);
    platform.seedRandom(static_cast<std::uint32_t>(platform.calendarTime()));

    // Its Report's OK ends the program at once, with the main window still open.
    ui::ProgramWindows windows(context, platform, [] { QCoreApplication::exit(0); });
    windows.setHistory(history);
    ui::CPikoraDlg& mainWindow = windows.main();
    if (!mainWindow.isCreated()) {
        return false; // without its window the game cannot run; there is nothing to show
    }
    if (listReading) {
        listReading->wait();
        if (!listError.empty()) {
            std::fprintf(stderr, "pikora: the list of learners cannot be read (%s)\n",
                listError.c_str());
        }
    }
    if (!learners.empty()) {
        // Who is playing is asked before the game begins: its clock starts after the answer.
        ui::LearnerPicker picker(learners, context.access);
        picker.exec();
        context.learner = picker.chosen();
        context.catalog.setBuiltAtMs(platform.elapsedMs());
    }
    mainWindow.OnInitDialog();
    // The first round's voice, asked for already, plays once SDL has loaded and the device
    // is open; both wait for the window to be drawn.
    FirstPaint soundStart(mainWindow, [&platform] { platform.soundMayStart(); });
    FirstPaintExit benchExit(mainWindow, "pikora: first round drawn\n");
    mainWindow.exec();
    return false;
}

} // namespace pikora
