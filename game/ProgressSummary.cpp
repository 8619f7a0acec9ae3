// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressSummary.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <map>
#include <optional>

namespace pikora {

std::vector<ConfusionTally> mostFrequent(std::vector<ConfusionTally> confusions, std::size_t limit)
{
    std::sort(confusions.begin(), confusions.end(), [](const auto& a, const auto& b) {
        if (a.times != b.times) {
            return a.times > b.times;
        }
        return a.word != b.word ? a.word < b.word : a.chosen < b.chosen;
    });
    if (confusions.size() > limit) {
        confusions.resize(limit);
    }
    return confusions;
}

namespace {

std::optional<std::chrono::sys_days> dayOf(const std::string& text)
{
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (text.size() < 10 || std::sscanf(text.c_str(), "%4d-%2u-%2u", &year, &month, &day) != 3) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date { std::chrono::year(year), std::chrono::month(month),
        std::chrono::day(day) };
    if (!date.ok()) {
        return std::nullopt;
    }
    return std::chrono::sys_days(date);
}

std::string textOf(std::chrono::sys_days day)
{
    const std::chrono::year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// The Monday that starts the week of `day`.
std::chrono::sys_days mondayOf(std::chrono::sys_days day)
{
    const std::chrono::weekday weekday(day);
    return day - std::chrono::days((weekday.c_encoding() + 6) % 7);
}

// The days of `items` that are dates, in order.
template<class Item, class DayOf>
std::map<std::chrono::sys_days, std::vector<const Item*>> byDay(
    const std::vector<Item>& items, DayOf dayText)
{
    std::map<std::chrono::sys_days, std::vector<const Item*>> days;
    for (const Item& item : items) {
        if (const auto day = dayOf(dayText(item))) {
            days[*day].push_back(&item);
        }
    }
    return days;
}

// The days grouped by day, or by week under its Monday.
template<class Item>
std::vector<std::pair<std::string, std::vector<const Item*>>> byPeriod(
    const std::map<std::chrono::sys_days, std::vector<const Item*>>& days, bool byWeek)
{
    std::vector<std::pair<std::string, std::vector<const Item*>>> periods;
    for (const auto& [day, list] : days) {
        const std::string key = textOf(byWeek ? mondayOf(day) : day);
        if (periods.empty() || periods.back().first != key) {
            periods.push_back({ key, {} });
        }
        periods.back().second.insert(periods.back().second.end(), list.begin(), list.end());
    }
    return periods;
}

int medianMsOf(std::vector<int> values)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// How a word is going: `latest` are its latest first tries, oldest first.
void judgeLatest(WordProgress& progress, std::vector<const FirstTry*> latest)
{
    std::sort(latest.begin(), latest.end(),
        [](const FirstTry* a, const FirstTry* b) { return a->playedAt < b->playedAt; });
    if (latest.size() > static_cast<std::size_t>(latestRounds)) {
        latest.erase(latest.begin(), latest.end() - latestRounds);
    }
    std::vector<int> times;
    for (const FirstTry* round : latest) {
        times.push_back(round->responseMs);
    }
    progress.medianMs = medianMsOf(std::move(times));
    const auto rightsIn = [&](std::size_t from, std::size_t to) {
        return static_cast<int>(std::count_if(latest.begin() + static_cast<std::ptrdiff_t>(from),
            latest.begin() + static_cast<std::ptrdiff_t>(to),
            [](const FirstTry* round) { return round->correct; }));
    };
    const std::size_t count = latest.size();
    if (count >= static_cast<std::size_t>(learntRounds)) {
        progress.learnt = rightsIn(count - learntRounds, count) >= learntRights;
    }
    if (count >= static_cast<std::size_t>(trendRounds)) {
        const std::size_t half = count / 2;
        // In whole points, compared as fractions of the two halves' sizes.
        const auto size = static_cast<long long>(half);
        const long long earlier = 100LL * rightsIn(0, half) * size;
        const long long later = 100LL * rightsIn(count - half, count) * size;
        const long long gap = trendPoints * size * size;
        progress.trend = later - earlier >= gap ? Trend::Up
            : earlier - later >= gap            ? Trend::Down
                                                : Trend::Flat;
    }
}

} // namespace

bool RoundFilter::takes(int roundChoices, bool words) const
{
    if (choices != 0 && roundChoices != choices) {
        return false;
    }
    return shown == Shown::Any || (shown == Shown::Words) == words;
}

int RoundsSummary::learnt() const
{
    return static_cast<int>(std::count_if(
        words.begin(), words.end(), [](const WordProgress& word) { return word.learnt; }));
}

RoundsSummary summarizeRounds(const std::vector<RoundTally>& allTallies,
    const std::vector<FirstTry>& latest, const std::vector<GameTally>& games, RoundFilter filter)
{
    RoundsSummary summary;
    std::vector<RoundTally> tallies;
    std::copy_if(allTallies.begin(), allTallies.end(), std::back_inserter(tallies),
        [&](const RoundTally& tally) { return filter.takes(tally.choices, tally.words); });
    std::map<std::string, WordProgress> byWord;
    double chance = 0;
    for (const RoundTally& tally : tallies) {
        WordProgress& word = byWord[tally.word];
        word.word = tally.word;
        word.rounds += tally.rounds;
        word.rights += tally.rights;
        word.lastDay = std::max(word.lastDay, tally.day);
        summary.rounds += tally.rounds;
        summary.rights += tally.rights;
        chance += static_cast<double>(tally.rounds) / std::max(tally.choices, 2);
    }
    summary.chance = summary.rounds > 0 ? chance / summary.rounds : 0;
    std::map<std::string, std::vector<const FirstTry*>> latestOf;
    for (const FirstTry& round : latest) {
        if (filter.takes(round.choices, round.words)) {
            latestOf[round.word].push_back(&round);
        }
    }
    for (auto& [name, word] : byWord) {
        judgeLatest(word, latestOf[name]);
        summary.words.push_back(std::move(word));
    }

    // Both charts go by day or by week, as the span of the rounds (or else of the games) asks.
    const auto roundDays = byDay(tallies, [](const RoundTally& tally) { return tally.day; });
    const auto gameDays = byDay(games, [](const GameTally& game) { return game.startedAt; });
    const auto spanOf = [&](const auto& days) {
        const auto first = days.begin()->first;
        const auto last = days.rbegin()->first;
        summary.byWeek = (last - first).count() > maxDaysByDay;
        summary.spansYears
            = std::chrono::year_month_day(first).year() != std::chrono::year_month_day(last).year();
    };
    if (!roundDays.empty()) {
        spanOf(roundDays);
    } else if (!gameDays.empty()) {
        spanOf(gameDays);
    }
    for (const auto& [day, list] : byPeriod(roundDays, summary.byWeek)) {
        int rounds = 0;
        int rights = 0;
        for (const RoundTally* tally : list) {
            rounds += tally->rounds;
            rights += tally->rights;
        }
        if (rounds > 0) {
            summary.shares.push_back(
                { day, rounds, static_cast<double>(rights) / static_cast<double>(rounds) });
        }
    }
    for (const auto& [day, list] : byPeriod(gameDays, summary.byWeek)) {
        std::vector<int> medians;
        for (const GameTally* game : list) {
            medians.push_back(game->medianMs);
        }
        summary.times.push_back({ day, static_cast<int>(list.size()),
            static_cast<double>(medianMsOf(std::move(medians))) });
    }

    // Least squares over the days, each point weighed by its rounds.
    if (summary.shares.size() >= 2) {
        const auto origin = *dayOf(summary.shares.front().day);
        double weights = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (const TimePoint& point : summary.shares) {
            const double x = static_cast<double>((*dayOf(point.day) - origin).count());
            const double w = point.count;
            weights += w;
            sx += w * x;
            sy += w * point.value;
            sxx += w * x * x;
            sxy += w * x * point.value;
        }
        const double spread = weights * sxx - sx * sx;
        const double slope = spread > 0 ? (weights * sxy - sx * sy) / spread : 0;
        const double start = (sy - slope * sx) / weights;
        const double end = start
            + slope * static_cast<double>((*dayOf(summary.shares.back().day) - origin).count());
        summary.trendFrom = std::clamp(start, 0.0, 1.0);
        summary.trendTo = std::clamp(end, 0.0, 1.0);
    } else if (!summary.shares.empty()) {
        summary.trendFrom = summary.trendTo = summary.shares.front().value;
    }
    return summary;
}

int daysBetween(const std::string& from, const std::string& to)
{
    const auto start = dayOf(from);
    const auto end = dayOf(to);
    if (!start || !end) {
        return -1;
    }
    return static_cast<int>((*end - *start).count());
}

} // namespace pikora
