// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HistoryLocation.h"

#include <string>
#include <vector>

namespace pikora::testing {

// A history as a class would leave it: `choices` choices of each learner in games of 100,
// spread over `days` days up to `lastDay` ("YYYY-MM-DD"), twelve words, learners getting
// right more often and quicker as the days go by, some words mistaken for others. Made in
// one transaction at schema version 1 and then brought forward, as an older history is.
// False (with `error`) when the database refuses.
bool makeSampleHistory(const HistoryLocation& location, const std::vector<std::string>& learners,
    int choices, int days, const std::string& lastDay, std::string& error);

} // namespace pikora::testing
