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

// One judged choice, as the history keeps it. The machine is the recorder's host name; the
// learner is the one picked for the game, or the recorder's login name.
struct ChoiceRow
{
    std::string learner; // empty: the login name of the running program
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
    bool firstTry = true; // the round's first choice, not a try again after a wrong one
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

// A learner of the class list, for the window that asks who is playing.
struct ListedLearner
{
    std::string name;
    // What a child who cannot read yet knows as theirs: empty, an emoji, or "png:" and a small
    // PNG image in base64.
    std::string picture;
};

// A round's first choice, for the per-word progress: a second try after a wrong choice says
// less about what the learner knows.
struct RoundTally
{
    std::string word;
    std::string day; // "YYYY-MM-DD"
    int choices = 2;
    bool words = false; // printed words, not pictures
    int rounds = 0;
    int rights = 0; // right at the first try
};

// One of a word's latest first tries.
struct FirstTry
{
    std::string word;
    std::string playedAt;
    bool correct = false;
    int responseMs = 0;
    bool words = false; // printed words, not pictures
    int choices = 2;
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
