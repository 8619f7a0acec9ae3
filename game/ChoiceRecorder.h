// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HistoryRecords.h"

#include <ctime>
#include <string>

namespace pikora {

struct GameContext;

// Keeps the history of choices beside the score report. The game hands it every judged
// choice at one point, and nothing that the recorder does changes the game: it must return
// at once and never fail in a way the game could see.
class ChoiceRecorder
{
public:
    virtual ~ChoiceRecorder() = default;
    virtual void record(const ChoiceRow& row) = 0;
};

// Called by OnPictureChosen once the choice through `slot` is judged and before it is
// counted; does nothing without a recorder.
void RecordChoice(GameContext& context, int slot, std::int64_t now);

// "2026-03-05T14:07:09+01:00": local time with its offset from UTC.
std::string isoLocalTime(const std::tm& local);

} // namespace pikora
