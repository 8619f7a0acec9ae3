// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameContext.h"
#include "support/TempDir.h"

namespace pikora::testing {

// A game over four pictures, mymain/cat.bmp, dog.bmp, sun.bmp and fox.bmp in `dir` (which
// is the current directory): their catalogue built, the settings four a round, spelled, in
// picture mode with the timer on (Max Time 300), the report in `dir`.
void startFourPictureGame(GameContext& context, const CurrentTempDir& dir);

} // namespace pikora::testing
