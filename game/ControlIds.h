// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pikora {

// Controls of the main game window. Slot k is shown by picture button 1000 + k or by word
// box 1026 + k; the slot numbers, not the positions on screen, tie a control to the round.
namespace control {
    inline constexpr int firstPictureButton = 1000;
    inline constexpr int focusParking = 1004; // hidden default button that holds the focus
    inline constexpr int targetText = 1015;
    inline constexpr int countdownText = 1023;
    inline constexpr int firstWordBox = 1026;
    inline constexpr int slotCount = 4;
    inline constexpr int reportText = 1025; // in the Report window
} // namespace control

inline constexpr int gameTimerId = 101;
// A timer that must stay quiet is put off this long (the game timer after time-up); its
// ticks are ignored meanwhile.
inline constexpr int quietTimerMs = 1000000;

// Slot of a choice control, or -1 for any other control.
constexpr int slotOfControl(int id)
{
    if (id >= control::firstPictureButton
        && id < control::firstPictureButton + control::slotCount) {
        return id - control::firstPictureButton;
    }
    if (id >= control::firstWordBox && id < control::firstWordBox + control::slotCount) {
        return id - control::firstWordBox;
    }
    return -1;
}

} // namespace pikora
