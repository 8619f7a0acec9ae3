// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HistoryRecords.h"

#include <string>
#include <vector>

namespace pikora {

// One word's share of right choices, period by period.
struct WordSeries
{
    std::string word;
    struct Point
    {
        std::string period;
        int tries = 0;
        double share = 0; // 0 to 1
    };
    std::vector<Point> points; // oldest first, only periods with tries
};

// A word ranked by how much it needs practice.
struct PracticeWord
{
    std::string word;
    int recentTries = 0; // the word's latest tries (at least practiceWindow when it has them)
    int recentRights = 0;
    int tries = 0; // all tries in the period
    // The recent share of right choices in whole percent, rounded down.
    int recentPercent() const { return recentTries > 0 ? recentRights * 100 / recentTries : 0; }
};

// What the Progress window and the printed page show for one learner and period.
struct ProgressSummary
{
    int choices = 0;
    int rights = 0;
    std::vector<std::string> periods; // every period with a choice, oldest first
    std::vector<PracticeWord> practice; // most in need first
    std::vector<WordSeries> series; // the words most in need, in the same order
    std::vector<ConfusionTally> confusions; // most frequent first
    std::vector<GameTally> games; // as played

    // The share of right choices in whole percent, rounded down.
    int rightPercent() const { return choices > 0 ? rights * 100 / choices : 0; }
    // The slowest game's median response time in whole seconds, rounded up, at least 1: the
    // top of the response time chart.
    int slowestMedianSeconds() const;
};

// Recent means the word's latest periods that together hold at least this many tries.
inline constexpr int practiceWindow = 10;

struct SummaryLimits
{
    std::size_t lines = 5; // words drawn in the chart
    std::size_t practice = 10;
    std::size_t confusions = 10;
};

// Words are ranked by their recent share of right choices, lowest first; on a tie the word
// tried fewer times comes first, as it is the less practised.
ProgressSummary summarizeProgress(std::vector<WordTally> tallies,
    std::vector<ConfusionTally> confusions, std::vector<GameTally> games,
    SummaryLimits limits = {});

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

// Periods by month once the days would be too many to draw: more than this many days.
inline constexpr int maxDaysDrawn = 62;
// Whether a period from `firstDay` (the first day with a choice, or empty) to `today`, both
// "YYYY-MM-DD", is drawn by month rather than by day.
bool drawnByMonth(const std::string& firstDay, const std::string& today);
// Whole days from one "YYYY-MM-DD" to another (later) one; -1 when either is not a date.
int daysBetween(const std::string& from, const std::string& to);

} // namespace pikora
