// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PikoraApp.h"
#include "platform/SdlSoundPlayer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/auxv.h>
#include <xcb/xcb.h>

namespace {

// Whether the X display that the toolkit would use answers. Without one the toolkit aborts
// (a core dump, and advice to reinstall that would not help), so the program says what is
// wrong itself. Another platform named in QT_QPA_PLATFORM, or a Wayland session without X,
// is left to the toolkit. When the display answers, its connection is kept in `probe`.
bool displayAnswers(std::string& problem, xcb_connection_t*& probe)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool defaultPlatform = platform == nullptr || *platform == '\0';
    if (!defaultPlatform && std::strncmp(platform, "xcb", 3) != 0) {
        return true;
    }
    if (display == nullptr || *display == '\0') {
        if (defaultPlatform && wayland != nullptr && *wayland != '\0') {
            return true;
        }
        problem = "no display to show the game on (DISPLAY is not set)";
        return false;
    }
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(display, &screen);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        problem = std::string("the display ") + display + " does not answer";
        return false;
    }
    probe = connection;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Pikora runs with its user's rights and no more. Started set-user-id or set-group-id
    // (an administrator's override), the toolkit and the sound library would still obey the
    // caller's environment with those rights: refuse instead.
    if (getauxval(AT_SECURE) != 0) {
        std::fputs("pikora: will not run with set-user-id or set-group-id rights\n", stderr);
        return 1;
    }
    pikora::keepOffMissingSessionBus(); // before the toolkit's and the sound's threads
    xcb_connection_t* probe = nullptr;
    if (std::string problem; !displayAnswers(problem, probe)) {
        std::fprintf(stderr,
            "pikora: %s; start Pikora from a desktop session, or in a virtual X server "
            "(xvfb-run pikora)\n",
            problem.c_str());
        return 1;
    }
    // The program reads no command line, and the toolkit must not read its own options from
    // it either: it is given the program's name alone. It keeps a reference to the count for
    // its whole life.
    static char fallbackName[] = "pikora";
    static int count = 1;
    static char* arguments[] = { argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr };
    pikora::CPikoraApp application;
    // An X server resets when its last client leaves (a bare Xvfb, xvfb-run) and refuses
    // connections meanwhile, so the probe's connection is closed only once the toolkit has
    // its own: closed before, it could leave the toolkit without a display.
    application.onToolkitStarted = [probe] {
        if (probe != nullptr) {
            xcb_disconnect(probe);
        }
    };
    application.InitInstance(count, arguments);
    return 0;
}
