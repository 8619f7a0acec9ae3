// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameContext.h"

namespace pikora {

// One tick of the game timer: the next round after a right answer, the prompt again every
// eleventh tick, and with the countdown on one second off and time-up at the end.
void OnTick(GameContext& context);

// A choice of the learner through choice control `controlId`; none is judged after time-up.
void OnPictureChosen(GameContext& context, int controlId);

} // namespace pikora
