// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace pikora {

class PlatformServices;

// The Help menu's About window: its notice field, and whether the window was made yet.
struct AboutFields
{
    std::string notice;
    bool created = false;
};

// The notice of the Help menu's About window, shown on its first opening.
std::string aboutNotice();

// The Help menu's About window: made once, its notice pushed at every opening, so an edit
// confirmed with OK stays for the run.
void ShowAboutWindow(PlatformServices& platform, AboutFields& fields);

} // namespace pikora
