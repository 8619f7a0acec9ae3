// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutLogic.h"

#include "platform/PlatformServices.h"

namespace pikora {

std::string aboutNotice()
{
    return "Pikora teaches words with pictures and voices.\r\n"
           "Free software: you may share and change it under the GNU GPL, version 3 or later.\r\n";
}

void ShowAboutWindow(PlatformServices& platform, AboutFields& fields)
{
    if (!fields.created) {
        if (!platform.createWindow(Window::About)) {
            return;
        }
        fields.created = true;
        fields.notice = aboutNotice();
    }
    platform.pushFields(Window::About);
    platform.showWindow(Window::About, true);
}

} // namespace pikora
