// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutLogic.h"

#include "platform/PlatformServices.h"

#include <QCoreApplication>

namespace pikora {

std::string aboutNotice()
{
    // In the learner's language, a line at a time, so no translation can lose a line end.
    const QString lines[] = {
        QCoreApplication::translate("MyAbout", "Pikora teaches words with pictures and voices."),
        QCoreApplication::translate("MyAbout",
            "Free software: you may share and change it under the GNU GPL, version 3 or later."),
    };
    std::string notice;
    for (const QString& line : lines) {
        notice += line.toStdString() + "\r\n";
    }
    return notice;
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
