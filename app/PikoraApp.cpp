// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PikoraApp.h"

#include "game/GameContext.h"
#include "game/PictureCatalog.h"
#include "platform/LinuxPlatform.h"

#include <QApplication>

namespace pikora {

bool CPikoraApp::InitInstance(int& argc, char** argv)
{
    QApplication application(argc, argv);
    LinuxPlatform platform;
    GameContext context(platform);

    LoadSettings(context);
    BuildCatalog(context.catalog, platform);
    platform.seedRandom(static_cast<std::uint32_t>(platform.calendarTime()));
    return false;
}

} // namespace pikora
