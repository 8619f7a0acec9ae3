// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace pikora {

// The application object: runs start-up in its fixed order and then the main window.
class CPikoraApp
{
public:
    // Returns false, as the program ends when start-up (and with it the main window) is done.
    bool InitInstance(int& argc, char** argv);

    // Called once the toolkit is up and connected to its display, before any window.
    std::function<void()> onToolkitStarted;
};

} // namespace pikora
