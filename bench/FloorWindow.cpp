// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up benchmark: what the game's first round puts on screen, built with
// plain Qt Widgets and nothing else. A window of the game window's size with a menu bar of
// two menus, four push buttons each showing one of the pictures at its own size, and one
// bold 30-point label. The pictures are the first four .bmp files (by name) of the folder in
// PIKORA_FLOOR_PICTURES. Like the game, it prints one line and ends once its window has
// painted when PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND=1.
#include "app/FirstPaintExit.h"

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QDir folder(qEnvironmentVariable("PIKORA_FLOOR_PICTURES"));
    const QStringList pictures
        = folder.entryList({ QStringLiteral("*.bmp") }, QDir::Files, QDir::Name);
    if (folder.path() == QStringLiteral(".") || pictures.size() < 4) {
        std::fputs("floor: PIKORA_FLOOR_PICTURES must name a folder of four .bmp files\n", stderr);
        return 1;
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(975, 715); // the game window with its menu bar
    auto* layout = new QVBoxLayout(&window);
    auto* menuBar = new QMenuBar(&window);
    QMenu* setup = menuBar->addMenu(QStringLiteral("&Setup"));
    setup->addAction(QStringLiteral("Setup"));
    setup->addAction(QStringLiteral("&Progress..."));
    QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("About"));
    help->addAction(QStringLiteral("About &Qt"));
    layout->setMenuBar(menuBar);

    auto* grid = new QGridLayout;
    for (int slot = 0; slot < 4; ++slot) {
        const QPixmap picture(folder.filePath(pictures[slot]), "BMP");
        auto* button = new QPushButton(&window);
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.size());
        grid->addWidget(button, slot / 2, slot % 2);
    }
    layout->addLayout(grid);
    auto* target = new QLabel(QStringLiteral("Target"), &window);
    QFont bold = target->font();
    bold.setPointSize(30);
    bold.setBold(true);
    target->setFont(bold);
    target->setAlignment(Qt::AlignCenter);
    layout->addWidget(target);

    pikora::FirstPaintExit exitAfterPaint(window, "floor: first paint\n");
    window.show();
    return application.exec();
}
