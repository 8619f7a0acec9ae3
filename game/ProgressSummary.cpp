// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressSummary.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

namespace pikora {

namespace {

PracticeWord practiceOf(const std::string& word, const std::vector<const WordTally*>& periods)
{
    PracticeWord practice { word, 0, 0, 0 };
    for (const WordTally* tally : periods) {
        practice.tries += tally->tries;
    }
    // Newest first, until the window is full.
    for (auto it = periods.rbegin(); it != periods.rend(); ++it) {
        if (practice.recentTries >= practiceWindow) {
            break;
        }
        practice.recentTries += (*it)->tries;
        practice.recentRights += (*it)->rights;
    }
    return practice;
}

bool needsMore(const PracticeWord& a, const PracticeWord& b)
{
    // Compared as fractions, so equal shares tie exactly.
    const long long left = static_cast<long long>(a.recentRights) * b.recentTries;
    const long long right = static_cast<long long>(b.recentRights) * a.recentTries;
    if (left != right) {
        return left < right;
    }
    if (a.tries != b.tries) {
        return a.tries < b.tries;
    }
    return a.word < b.word;
}

WordSeries seriesOf(const std::string& word, const std::vector<const WordTally*>& periods)
{
    WordSeries series { word, {} };
    for (const WordTally* tally : periods) {
        if (tally->tries > 0) {
            series.points.push_back(
                { tally->period, tally->tries, double(tally->rights) / tally->tries });
        }
    }
    return series;
}

} // namespace

ProgressSummary summarizeProgress(std::vector<WordTally> tallies,
    std::vector<ConfusionTally> confusions, std::vector<GameTally> games, SummaryLimits limits)
{
    ProgressSummary summary;
    std::map<std::string, std::vector<const WordTally*>> byWord;
    std::set<std::string> periods;
    std::sort(tallies.begin(), tallies.end(),
        [](const WordTally& a, const WordTally& b) { return a.period < b.period; });
    for (const WordTally& tally : tallies) {
        byWord[tally.word].push_back(&tally);
        periods.insert(tally.period);
        summary.choices += tally.tries;
        summary.rights += tally.rights;
    }
    summary.periods.assign(periods.begin(), periods.end());
    for (const auto& [word, list] : byWord) {
        summary.practice.push_back(practiceOf(word, list));
    }
    std::sort(summary.practice.begin(), summary.practice.end(), needsMore);
    for (std::size_t i = 0; i < summary.practice.size() && i < limits.lines; ++i) {
        const std::string& word = summary.practice[i].word;
        summary.series.push_back(seriesOf(word, byWord[word]));
    }
    if (summary.practice.size() > limits.practice) {
        summary.practice.resize(limits.practice);
    }
    std::sort(confusions.begin(), confusions.end(), [](const auto& a, const auto& b) {
        if (a.times != b.times) {
            return a.times > b.times;
        }
        return a.word != b.word ? a.word < b.word : a.chosen < b.chosen;
    });
    if (confusions.size() > limits.confusions) {
        confusions.resize(limits.confusions);
    }
    summary.confusions = std::move(confusions);
    summary.games = std::move(games);
    return summary;
}

int ProgressSummary::slowestMedianSeconds() const
{
    double slowest = 1;
    for (const GameTally& game : games) {
        slowest = std::max(slowest, game.medianMs / 1000.0);
    }
    return static_cast<int>(std::ceil(slowest));
}

bool drawnByMonth(const std::string& firstDay, const std::string& today)
{
    return !firstDay.empty() && daysBetween(firstDay, today) > maxDaysDrawn;
}

int daysBetween(const std::string& from, const std::string& to)
{
    const auto parse = [](const std::string& text) -> std::optional<std::chrono::sys_days> {
        int year = 0;
        unsigned month = 0;
        unsigned day = 0;
        char tail = 0;
        if (text.size() < 10
            || std::sscanf(text.c_str(), "%4d-%2u-%2u%c", &year, &month, &day, &tail) < 3) {
            return std::nullopt;
        }
        const std::chrono::year_month_day date { std::chrono::year(year), std::chrono::month(month),
            std::chrono::day(day) };
        if (!date.ok()) {
            return std::nullopt;
        }
        return std::chrono::sys_days(date);
    };
    const auto start = parse(from);
    const auto end = parse(to);
    if (!start || !end) {
        return -1;
    }
    return static_cast<int>((*end - *start).count());
}

} // namespace pikora
