// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Installer helper: creates the program's settings key in the machine's store file.
#include "game/Settings.h"
#include "platform/StoreFile.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "ensure-key") != 0 || argc > 3) {
        std::fprintf(stderr,
            "usage: pikora-store ensure-key [STORE-FILE]\n"
            "Creates the Pikora settings key in the store file (default: %s) when it is\n"
            "missing, set for picture mode. Existing values are never changed.\n",
            pikora::machineStorePath().c_str());
        return 2;
    }
    const std::string path = argc == 3 ? argv[2] : pikora::machineStorePath();
    // Pikora is a picture game: a fresh install starts in picture mode. The program's own
    // defaults for missing values (word mode among them) stay for keys made otherwise.
    const pikora::StoreFile::Value pictureMode { pikora::StoreFile::typeNumber, { 0, 0, 0, 0 } };
    const int error
        = pikora::ensureStoreKey(path, pikora::settingsKeyPath, { { "USE_WORDS", pictureMode } });
    if (error != 0) {
        std::fprintf(
            stderr, "pikora-store: cannot write %s: %s\n", path.c_str(), std::strerror(error));
        return 1;
    }
    return 0;
}
