// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The main of every test program that needs the application object (widgets, fonts, the
// bitmap loader, image plugins). Tests run headless: Qt's offscreen platform and SDL's
// silent driver unless the caller chose others.
#include <cstdlib>

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The offscreen platform warns each time a window is raised; a thousand rounds would
// bury everything else the run prints.
QtMessageHandler previousHandler = nullptr;

void dropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QStringLiteral("does not support raise()")) && previousHandler) {
        previousHandler(type, context, text);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    previousHandler = qInstallMessageHandler(dropRaiseWarnings);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
