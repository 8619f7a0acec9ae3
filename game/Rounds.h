// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameContext.h"

namespace pikora {

// A draw over n: r / 32767 × n, truncated; r is brought into 0..32767 first. Gives n itself
// for r = 32767.
int drawOver(int r, int n);

// The slot that holds the target for a target draw t over 10 (two choices) or 20 (four).
int targetSlotFor(int t);

// True while the round state names a round of the catalogue as it stands: at least two
// pictures, and every slot and the target a valid index. Nothing may reach a catalogue entry
// through the round state otherwise.
bool hasValidRound(const GameContext& context);

// Draws and presents a round; does nothing while the catalogue holds fewer than 2 pictures.
void StartNewRound(GameContext& context);

// Shows exactly the choice controls and the target text of the current mode.
void ApplyModeVisibility(GameContext& context);

} // namespace pikora
