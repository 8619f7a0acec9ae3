// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HistoryRecords.h"

#include <string>
#include <vector>

namespace pikora {

// The confusions most frequent first (on a tie by the words), at most `limit` of them.
std::vector<ConfusionTally> mostFrequent(
    std::vector<ConfusionTally> confusions, std::size_t limit = 10);

// How a word is going over the rounds of the period, by the rounds' first choices only.
enum class Trend
{
    Flat,
    Up,
    Down,
};

struct WordProgress
{
    std::string word;
    int rounds = 0; // first tries
    int rights = 0; // right at the first try
    std::string lastDay; // "YYYY-MM-DD"
    Trend trend = Trend::Flat;
    bool learnt = false;
    int medianMs = 0; // of its latest first tries (at most latestRounds)
    // The share right at the first try in whole percent, rounded down.
    int percent() const { return rounds > 0 ? rights * 100 / rounds : 0; }
};

// A word is learnt when it was right at the first try in at least learntRights of its last
// learntRounds rounds.
inline constexpr int learntRounds = 5;
inline constexpr int learntRights = 4;
// A word's latest rounds tell how it is going now: whether it is learnt, its trend (the
// later half of them against the earlier half, once there are trendRounds; up or down when
// the shares differ by at least trendPoints percentage points) and its time.
inline constexpr int latestRounds = 10;
inline constexpr int trendRounds = 4;
inline constexpr int trendPoints = 20;
// Points per day up to this many days from the first to the last, per week beyond.
inline constexpr int maxDaysByDay = 21;

// Which rounds count: all of them, or those of two or four choices, of pictures or words.
struct RoundFilter
{
    int choices = 0; // 0: any
    enum class Shown
    {
        Any,
        Pictures,
        Words,
    } shown
        = Shown::Any;
    bool takes(int roundChoices, bool words) const;
};

// One point of a chart over time: a day, or a week by its Monday.
struct TimePoint
{
    std::string day; // "YYYY-MM-DD"
    int count = 0; // rounds, or games
    double value = 0; // share right (0 to 1), or a median time in milliseconds
};

// What the first tries of a period say, for the Progress window and the printed page.
struct RoundsSummary
{
    int rounds = 0;
    int rights = 0;
    std::vector<WordProgress> words; // by word
    std::vector<TimePoint> shares; // share right at the first try, oldest first
    std::vector<TimePoint> times; // the median of the games' median response times
    bool byWeek = false;
    bool spansYears = false;
    // Right by chance alone: 0.5 with two choices, 0.25 with four, between them when mixed.
    double chance = 0;
    // The straight line that fits the shares best, at the first and the last point.
    double trendFrom = 0;
    double trendTo = 0;
    int percent() const { return rounds > 0 ? rights * 100 / rounds : 0; }
    int learnt() const;
};

// `latest`: each word's latest first tries in each kind of round (as HistoryReader's
// latestRounds gives them); `games` in the order they were played.
RoundsSummary summarizeRounds(const std::vector<RoundTally>& tallies,
    const std::vector<FirstTry>& latest, const std::vector<GameTally>& games, RoundFilter filter);

// Whole days from one "YYYY-MM-DD" to another (later) one; -1 when either is not a date.
int daysBetween(const std::string& from, const std::string& to);

} // namespace pikora
