// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace pikora {

struct GameContext;
class PlatformServices;

// The Access window's fields; the window pushes them to its controls and pulls them back.
struct AccessFields
{
    int scanMode = 0; // which of the three scanning buttons is checked: off, one, two switches
    std::string stepText; // the scan step in milliseconds
    int fullScreen = 0;
};

// The step time typed in the window: a whole number of milliseconds, bounded to 300 to
// 10,000; any other text gives the default of 1500.
std::int32_t scanMsFromText(const std::string& text);

// Fills the fields from the access options, then shows the window (made on first use).
void ShowAccessWindow(GameContext& context, AccessFields& fields);
// OK: the options taken from the fields and saved beside the game's options, the window
// hidden. The caller then applies them to the main window.
void AccessOk(GameContext& context, AccessFields& fields);
// Cancel: the window is hidden and nothing changes.
void AccessCancel(PlatformServices& platform);

} // namespace pikora
