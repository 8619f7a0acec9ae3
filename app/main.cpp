// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PikoraApp.h"

#include <cstdlib>
#include <initializer_list>
#include <sys/auxv.h>

namespace {

// An installed package runs the program with the group that may write the shared settings,
// report and picture marks. Then the caller's environment must not make it load code of
// the caller's choosing, which would run with that group.
void dropUnsafeEnvironment()
{
    if (getauxval(AT_SECURE) == 0) {
        return;
    }
    for (const char* name : { "QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH",
             "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_QPA_GENERIC_PLUGINS" }) {
        ::unsetenv(name);
    }
}

} // namespace

int main(int argc, char** argv)
{
    dropUnsafeEnvironment();
    pikora::CPikoraApp application;
    application.InitInstance(argc, argv);
    return 0;
}
