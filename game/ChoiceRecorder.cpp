// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoiceRecorder.h"

#include "game/GameContext.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace pikora {

namespace {

GameOptionsRow optionsOf(const GameSettings& settings)
{
    return { settings.field4, settings.spell, settings.hideButtons, settings.useTimer,
        settings.useWords, settings.maxTimer };
}

} // namespace

std::string isoLocalTime(const std::tm& local)
{
    // Offsets lie within a day; fields out of their range still fit the buffer.
    const int offset = static_cast<int>(local.tm_gmtoff / 60 % (24 * 60));
    const int magnitude = std::abs(offset);
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d",
        local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
        local.tm_sec, offset < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
    return text;
}

void RecordChoice(GameContext& context, int slot, std::int64_t now)
{
    if (context.recorder == nullptr) {
        return;
    }
    const auto& round = context.round;
    const auto& catalog = context.catalog;
    auto& platform = context.platform;
    const std::int64_t responseMs = now - round.roundStart;
    const std::time_t calendar = platform.calendarTime();
    ChoiceRow row;
    row.playedAt = isoLocalTime(platform.localTime(calendar));
    const auto before = [&](std::int64_t ms) {
        return isoLocalTime(
            platform.localTime(calendar - static_cast<std::time_t>((ms + 500) / 1000)));
    };
    row.roundStartedAt = before(responseMs);
    row.gameStartedAt = before(std::max<std::int64_t>(now - catalog.builtAtMs(), responseMs));
    row.word = catalog.at(round.target).word;
    row.chosen = catalog.at(round.slotPicture[slot]).word;
    row.correct = round.slotPicture[slot] == round.target;
    row.responseMs = responseMs;
    row.mode = context.settings.useWords != 0 ? "word" : "picture";
    row.choices = context.settings.field4 != 0 ? 4 : 2;
    row.firstOfGame = catalog.judgedChoices() == 0;
    row.firstTry = round.choicesMade == 0;
    row.learner = context.learner;
    row.options = optionsOf(context.settings);
    context.recorder->record(row);
}

} // namespace pikora
