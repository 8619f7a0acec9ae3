// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace pikora {

// The options in force for a game, as the settings store names them.
struct GameOptionsRow
{
    std::int32_t fourChoices = 0; // FIELD4
    std::int32_t showSpelling = 0; // SPELL
    std::int32_t hideButtons = 0; // HIDEBUTTONS
    std::int32_t useTimer = 0; // USE_TIMER
    std::int32_t useWords = 0; // USE_WORDS
    std::int32_t maxTimer = 0; // MAX_TIMER
};

// One judged choice, as the history keeps it. The learner and the machine are the
// recorder's: the login name and host name of the running program.
struct ChoiceRow
{
    std::string playedAt; // ISO 8601 local time with its UTC offset
    std::string roundStartedAt; // the same form: when the round of this choice began
    std::string gameStartedAt; // the same form: when the game of this choice began
    std::string word; // the target's word as shown
    std::string chosen; // the word of the picture chosen
    bool correct = false;
    std::int64_t responseMs = 0; // from the round's start to the choice
    std::string mode; // "picture" or "word"
    int choices = 2; // 2 or 4
    bool firstOfGame = false; // the counts began again: this choice opens a new game
    GameOptionsRow options;
};

// What the Progress window and the printed page read: tallies kept beside the choices.
struct WordTally
{
    std::string word;
    std::string period; // "YYYY-MM-DD" (a day) or "YYYY-MM" (a month)
    int tries = 0;
    int rights = 0;
};

struct ConfusionTally
{
    std::string word; // asked for
    std::string chosen; // taken for it
    int times = 0;
};

struct GameTally
{
    std::string id;
    std::string startedAt;
    int choices = 0;
    int rights = 0;
    int medianMs = 0; // median response time of the game's choices
};

// A choice row as stored, every column as text, for export.
struct StoredChoice
{
    std::string playedAt;
    std::string learner;
    std::string machine;
    std::string game;
    std::string word;
    std::string chosen;
    std::string correct;
    std::string responseMs;
    std::string mode;
    std::string choices;
};

} // namespace pikora
