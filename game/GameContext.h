// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AccessOptions.h"
#include "game/ChoiceRecorder.h"
#include "game/PictureCatalog.h"
#include "game/Settings.h"
#include "platform/PlatformServices.h"

#include <array>
#include <cstdint>
#include <string>

namespace pikora {

// The current round: which picture each of the four slots holds and which one was asked for.
struct RoundState
{
    std::array<std::int32_t, 4> slotPicture {};
    std::int32_t target = 0;
    std::int32_t answered = 0;
    std::int64_t roundStart = 0; // ms since the process started; 0 until the first round
    // Choices judged in this round: a try again after a wrong one is not a first try.
    std::int32_t choicesMade = 0;
};

struct GameClock
{
    std::int32_t remainingSeconds = 0;
    std::int32_t tickCounter = 0;
    // Set at time-up for the rest of the run: the finished game judges no more choices.
    bool timeIsUp = false;
};

// The texts of the main window that the game fills; the window pushes them to its controls.
struct MainWindowFields
{
    std::string targetText;
    std::string countdownText;
    std::array<std::string, 4> captions;
};

// The process-wide state of one running game, made once at start-up and handed to every
// routine, so that a test can make its own on a fake platform.
struct GameContext
{
    explicit GameContext(PlatformServices& services)
        : platform(services)
    { }

    PlatformServices& platform;
    GameSettings settings;
    AccessOptions access; // playing without a mouse; kept apart from the game's options
    PictureCatalog catalog;
    RoundState round;
    GameClock clock;
    MainWindowFields mainFields;
    std::string reportText; // the Report window's text
    ChoiceRecorder* recorder = nullptr; // the history of choices; none when it is not kept
    std::string learner; // picked from the class list; empty: the login name
};

} // namespace pikora
