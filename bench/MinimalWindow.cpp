// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the start-up and memory benchmarks: the least a Qt Widgets program of the
// game window's size does to get on screen. Like the game, it prints one line and ends
// once its window has painted when PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND=1.
#include "app/FirstPaintExit.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(975, 715); // the game window with its menu bar
    pikora::FirstPaintExit exitAfterPaint(window, "minimal: first paint\n");
    window.show();
    return application.exec();
}
