// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pikora {

// The application object: runs start-up in its fixed order and then the main window.
class CPikoraApp
{
public:
    // Returns false, as the program ends when start-up (and with it the main window) is done.
    bool InitInstance(int& argc, char** argv);
};

} // namespace pikora
