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

// Periods by month once the days would be too many to draw: more than this many days.
inline constexpr int maxDaysDrawn = 62;
// Whether a period from `firstDay` (the first day with a choice, or empty) to `today`, both
// "YYYY-MM-DD", is drawn by month rather than by day.
bool drawnByMonth(const std::string& firstDay, const std::string& today);
// Whole days from one "YYYY-MM-DD" to another (later) one; -1 when either is not a date.
int daysBetween(const std::string& from, const std::string& to);

} // namespace pikora
