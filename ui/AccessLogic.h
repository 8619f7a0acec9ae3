// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace pikora {

struct GameContext;
class PlatformServices;

// The Access window's fields; the window pushes them to its controls and pulls them back.
struct AccessFields
{
    int scanMode = 0; // which of the three scanning buttons is checked: off, one, two switches
    double stepSeconds = 1.5; // the scan step
    double acceptSeconds = 0; // the accept delay
    int fullScreen = 0;
};

// Seconds as the window shows them, to whole milliseconds within [low, high].
std::int32_t msFromSeconds(double seconds, std::int32_t low, std::int32_t high);

// Fills the fields from the access options, then shows the window (made on first use).
void ShowAccessWindow(GameContext& context, AccessFields& fields);
// OK: the options taken from the fields and saved beside the game's options, the window
// hidden. The caller then applies them to the main window.
void AccessOk(GameContext& context, AccessFields& fields);
// Cancel: the window is hidden and nothing changes.
void AccessCancel(PlatformServices& platform);

} // namespace pikora
