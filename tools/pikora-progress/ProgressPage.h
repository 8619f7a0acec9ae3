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
    ProgressSummary summary;
};

// One self-contained page a teacher can print or mail: inline SVG charts and tables, no
// scripts, nothing fetched from elsewhere. `period` says what the page covers.
std::string progressPage(const std::vector<LearnerProgress>& learners, const std::string& period);

// The header line and one line per choice, as RFC 4180 asks: CR LF, fields quoted when they
// hold a comma, a quote or a line break.
std::string csvHeader();
std::string csvLine(const StoredChoice& choice);

} // namespace pikora::progress
