// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PikoraApp.h"

#include <cstdio>
#include <sys/auxv.h>

int main(int argc, char** argv)
{
    // Pikora runs with its user's rights and no more. Started set-user-id or set-group-id
    // (an administrator's override), the toolkit and the sound library would still obey the
    // caller's environment with those rights: refuse instead.
    if (getauxval(AT_SECURE) != 0) {
        std::fputs("pikora: will not run with set-user-id or set-group-id rights\n", stderr);
        return 1;
    }
    // The program reads no command line, and the toolkit must not read its own options from
    // it either: it is given the program's name alone. It keeps a reference to the count for
    // its whole life.
    static char fallbackName[] = "pikora";
    static int count = 1;
    static char* arguments[] = { argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr };
    pikora::CPikoraApp application;
    application.InitInstance(count, arguments);
    return 0;
}
