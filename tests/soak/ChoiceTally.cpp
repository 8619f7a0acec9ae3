// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoiceTally.h"

#include <sstream>

namespace pikora::testing {

void ChoiceTally::count(int target, bool right)
{
    auto& counts = m_counts.at(static_cast<std::size_t>(target));
    ++(right ? counts.correct : counts.wrong);
}

int ChoiceTally::choices() const
{
    int total = 0;
    for (const auto& counts : m_counts) {
        total += counts.correct + counts.wrong;
    }
    return total;
}

std::vector<std::string> ChoiceTally::expectedLines(const PictureCatalog& catalog) const
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < m_counts.size() && i < catalog.count(); ++i) {
        const auto& counts = m_counts[i];
        const int asked = counts.correct + counts.wrong;
        if (asked > 0) {
            lines.push_back(catalog[i].word + "\t\t" + std::to_string(counts.correct) + "\t\t"
                + std::to_string(counts.wrong) + "\t\t"
                + std::to_string(counts.correct * 100 / asked));
        }
    }
    return lines;
}

std::string ChoiceTally::differences(const PictureCatalog& catalog) const
{
    std::ostringstream out;
    if (catalog.count() != m_counts.size()) {
        out << "catalogue holds " << catalog.count() << " pictures, tally " << m_counts.size()
            << "; ";
    }
    for (std::size_t i = 0; i < m_counts.size() && i < catalog.count(); ++i) {
        const auto& entry = catalog[i];
        if (entry.correctCount != m_counts[i].correct || entry.wrongCount != m_counts[i].wrong) {
            out << entry.word << ": catalogue " << entry.correctCount << "/" << entry.wrongCount
                << ", tally " << m_counts[i].correct << "/" << m_counts[i].wrong << "; ";
        }
    }
    return out.str();
}

std::vector<std::string> scoreLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        // The file's heading puts carriage returns at both ends of its lines.
        while (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        line.erase(0, line.find_first_not_of('\r'));
        std::size_t separators = 0;
        for (auto at = line.find("\t\t"); at != std::string::npos; at = line.find("\t\t", at + 2)) {
            ++separators;
        }
        if (separators == 3 && line.rfind("Word\t\t", 0) != 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

} // namespace pikora::testing
