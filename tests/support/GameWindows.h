// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// A running game for the window tests and the window soak: a temporary application folder,
// current while the test runs, with the settings store, the Linux platform services (or a
// test's own kind of them) and every window wired to the platform as the program wires them.
#pragma once

#include "game/GameContext.h"
#include "game/PictureCatalog.h"
#include "platform/LinuxPlatform.h"
#include "platform/StoreFile.h"
#include "support/TempDir.h"
#include "ui/AboutWindows.h"
#include "ui/PikoraDlg.h"
#include "ui/ProgramWindows.h"
#include "ui/Report.h"
#include "ui/Setup.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace pikora::testing {

// The Linux platform services with sounds and message boxes written down instead of played
// or shown: a test neither waits for a sound to end nor blocks on a box.
class RecordingPlatform : public LinuxPlatform
{
public:
    void playSound(const std::string& path, SoundMode) override { sounds.push_back(path); }
    void messageBox(const std::string& text) override { messages.push_back(text); }

    int played(const std::string& path) const
    {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), path));
    }

    std::vector<std::string> sounds;
    std::vector<std::string> messages;
};

// The folder, the store and the windows; what the folder holds is the test's.
template<class Platform> class ProgramWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(dir / "mymain");
        storePath = (dir / "machine.reg").string();
        ASSERT_EQ(ensureStoreKey(storePath, settingsKeyPath), 0);
        ::setenv("PIKORA_MACHINE_STORE", storePath.c_str(), 1);
        context.settings.appFolder = dir.str();
        context.settings.reportPath = (dir / "report.txt").string();
    }

    void TearDown() override
    {
        windows.reset(); // the main window takes the windows it owns with it
        ::unsetenv("PIKORA_MACHINE_STORE");
    }

    void savePicture(const std::string& relative, QSize size, const QColor& colour)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString((dir / relative).string()), "BMP"));
    }

    // Start-up as the program runs it once the catalogue is built, up to the main window
    // shown and active.
    void startWindows()
    {
        windows = std::make_unique<ui::ProgramWindows>(
            context, platform, [this] { ++endProgramCalls; });
        ASSERT_TRUE(main()->isCreated());
        main()->OnInitDialog();
        main()->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
    }

    ui::CPikoraDlg* main() const { return &windows->main(); }
    // Made on first use, owned by the main window.
    ui::Report* report() const { return windows->report(); }
    ui::setup* setupWindow() const { return windows->setupWindow(); }
    ui::MyAbout* about() const { return windows->about(); }
    QWidget* control(int id) const { return main()->control(id); }

    // The offscreen platform activates a window only when it is shown; it gives the
    // activation back to the owner of a window that hides no more than a window manager
    // that does nothing, so the test does what such a manager would.
    void activateMain()
    {
        main()->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == main(); }));
    }

    // Chooses a command of the main window's menu bar as a click on the item would.
    void chooseMenuCommand(int command)
    {
        for (QAction* popup : main()->menuBar()->actions()) {
            for (QAction* item : popup->menu()->actions()) {
                if (item->data().toInt() == command) {
                    item->trigger();
                    return;
                }
            }
        }
        ADD_FAILURE() << "no menu item for command " << command;
    }

    std::vector<std::pair<int, int>> counts() const // (correct, wrong) per picture
    {
        std::vector<std::pair<int, int>> result;
        for (std::size_t i = 0; i < context.catalog.count(); ++i) {
            result.emplace_back(context.catalog[i].correctCount, context.catalog[i].wrongCount);
        }
        return result;
    }

    CurrentTempDir dir;
    std::string storePath;
    Platform platform;
    GameContext context { platform };
    std::unique_ptr<ui::ProgramWindows> windows;
    int endProgramCalls = 0;
};

// Four pictures of 40 × 30 pixels, sounds written down instead of played.
class GameWindows : public ProgramWindowsTest<RecordingPlatform>
{
protected:
    static constexpr const char* pictures[] = { "cat", "dog", "sun", "fox" };
    static constexpr QSize pictureSize { 40, 30 };
    // "correct.bmp" is 24 × 24, so a button shows which of the two it holds.
    static constexpr QSize correctSize { 24, 24 };

    void SetUp() override
    {
        ProgramWindowsTest::SetUp();
        const QColor colours[] = { Qt::red, Qt::green, Qt::blue, Qt::yellow };
        for (int i = 0; i < 4; ++i) {
            savePicture("mymain/" + std::string(pictures[i]) + ".bmp", pictureSize, colours[i]);
        }
        savePicture("correct.bmp", correctSize, Qt::white);
    }

    void startGame()
    {
        BuildCatalog(context.catalog, platform);
        startWindows();
    }

    // A round the test knows: slot k holds picture k and the target is `target`, drawn long
    // enough ago that a choice is judged.
    void knownRound(int target)
    {
        context.round.slotPicture = { 0, 1, 2, 3 };
        context.round.target = target;
        context.round.answered = 0;
        passChoiceGuard();
    }

    // Choices in the first 250 ms of a round are ignored.
    void passChoiceGuard() { context.round.roundStart = platform.elapsedMs() - 1000; }
};

} // namespace pikora::testing
