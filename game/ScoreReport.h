// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameContext.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace pikora {

// The score of a timed game: one line for every picture with at least one choice while it
// was asked for, in catalogue order. Built once, rendered for the window and for the file.
struct ScoreLine
{
    std::string word;
    std::int32_t correct = 0;
    std::int32_t wrong = 0;
    std::int32_t percent = 0; // correct × 100 / (correct + wrong), truncated
};

using ScoreReport = std::vector<ScoreLine>;

inline constexpr std::size_t reportLineBound = 199;

// The column titles that head the table in the file: in English whatever the language of the
// windows, since other programs read it. The window puts its own, translated, in front.
inline constexpr const char* reportTableHeading
    = "Word\t\tCorrect\t\tWrong\t\tPercent Correct\r\n\r\n";

ScoreReport scoreReportOf(const PictureCatalog& catalog);

// "WORD\t\t3\t\t1\t\t75\r\n", at most 199 bytes: an over-long word is cut (never inside a
// UTF-8 sequence) so the numbers always stay whole.
std::string formatScoreLine(const ScoreLine& line);

// "Www Mmm DD hh:mm:ss YYYY\n", English names, two-digit fields with leading zeros.
std::string formatReportDate(const std::tm& time);

// The table's lines for the Report window, without the heading.
std::string windowReportText(const ScoreReport& report);
// The block appended to the report file, before the file's text-mode line-feed conversion.
std::string fileReportBlock(const ScoreReport& report, const std::tm& time);

// Fills the window text and appends the block to the report file (skipped silently when the
// path is empty or cannot be opened).
void BuildScoreReport(GameContext& context, std::string& windowText);

// The end of a timed game: applause, the report shown and appended, the main window disabled.
void TimeUp(GameContext& context);

} // namespace pikora
