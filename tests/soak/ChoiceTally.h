// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/PictureCatalog.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pikora::testing {

// The choices a soak run made, kept apart from the game: per catalogue index of the
// picture that was asked for, how often the learner picked it and how often something else.
class ChoiceTally
{
public:
    struct Counts
    {
        int correct = 0;
        int wrong = 0;
    };

    void reset(std::size_t pictures) { m_counts.assign(pictures, Counts {}); }
    void count(int target, bool right);
    const Counts& of(std::size_t index) const { return m_counts.at(index); }
    std::size_t pictures() const { return m_counts.size(); }
    int choices() const;

    // The lines a score report of these choices must hold, in catalogue order, each as
    // "WORD\t\tcorrect\t\twrong\t\tpercent" without its line end.
    std::vector<std::string> expectedLines(const PictureCatalog& catalog) const;

    // Describes every picture whose counts in the catalogue differ from the tally; empty
    // when they all agree.
    std::string differences(const PictureCatalog& catalog) const;

private:
    std::vector<Counts> m_counts;
};

// The score lines of a report text, for the window or as stored in the file, without their
// line ends; the headings are left out.
std::vector<std::string> scoreLines(const std::string& text);

} // namespace pikora::testing
