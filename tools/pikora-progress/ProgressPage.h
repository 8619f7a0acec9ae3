// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/ProgressSummary.h"
#include "platform/HistoryRecords.h"

#include <string>
#include <vector>

namespace pikora::progress {

struct LearnerProgress
{
    std::string learner;
    std::vector<ConfusionTally> confusions; // most frequent first
    RoundsSummary rounds;
};

// One self-contained page a teacher can print or mail: inline SVG charts and tables, no
// scripts, nothing fetched from elsewhere; a section per learner headed by the name and
// `period`, what the page covers. Its texts are in the language whose translation is
// installed (`language` names it for the browser, empty for English), dates and numbers in
// the default locale's way.
std::string progressPage(const std::vector<LearnerProgress>& learners, const std::string& period,
    const std::string& language = {}, bool rightToLeft = false);

// The header line and one line per choice, as RFC 4180 asks: CR LF, fields quoted when they
// hold a comma, a quote or a line break.
std::string csvHeader();
std::string csvLine(const StoredChoice& choice);

} // namespace pikora::progress
