// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressPage.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace pikora::progress {

namespace {

constexpr const char* colours[]
    = { "#1565c0", "#c62828", "#2e7d32", "#ef6c00", "#6a1b9a", "#00838f" };
constexpr int width = 640;
constexpr int height = 260;
constexpr int left = 52;
constexpr int right = 40;
constexpr int top = 12;
constexpr int bottom = 40;

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// Text for an HTML page: & < > " ' escaped.
std::string escapeHtml(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// A line chart in SVG: one polyline (with its points) for each series over evenly spaced
// columns labelled `columns`; values from 0 to `top`.
struct ChartLine
{
    std::string name;
    std::vector<std::pair<std::size_t, double>> points; // column, value
};

std::string lineChartSvg(const std::vector<std::string>& columns,
    const std::vector<ChartLine>& lines, double topValue, const std::string& valueTitle)
{
    const double plotWidth = width - left - right;
    const double plotHeight = height - top - bottom;
    const auto x = [&](std::size_t column) {
        return left
            + (columns.size() < 2 ? plotWidth / 2 : plotWidth * column / (columns.size() - 1));
    };
    const auto y = [&](double value) { return top + plotHeight * (1 - value / topValue); };
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 "
        + std::to_string(width) + " " + std::to_string(height)
        + "\" role=\"img\">\n<g class=\"axes\">";
    for (int step = 0; step <= 4; ++step) {
        const double value = topValue * step / 4;
        svg += "<line x1=\"" + std::to_string(left) + "\" x2=\"" + std::to_string(width - right)
            + "\" y1=\"" + number(y(value)) + "\" y2=\"" + number(y(value)) + "\"/>" + "<text x=\""
            + std::to_string(left - 6) + "\" y=\"" + number(y(value) + 4)
            + "\" text-anchor=\"end\">" + number(value) + "</text>";
    }
    svg += "<text x=\"12\" y=\"" + number(top + plotHeight / 2) + "\" transform=\"rotate(-90 12 "
        + number(top + plotHeight / 2) + ")\" text-anchor=\"middle\">" + escapeHtml(valueTitle)
        + "</text>";
    // At most eight column labels, evenly picked.
    const std::size_t every = std::max<std::size_t>(1, (columns.size() + 7) / 8);
    for (std::size_t column = 0; column < columns.size(); column += every) {
        svg += "<text x=\"" + number(x(column)) + "\" y=\"" + std::to_string(height - bottom + 16)
            + "\" text-anchor=\"middle\">" + escapeHtml(columns[column]) + "</text>";
    }
    svg += "</g>\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string colour = colours[i % std::size(colours)];
        std::string points;
        std::string dots;
        for (const auto& [column, value] : lines[i].points) {
            points += number(x(column)) + "," + number(y(value)) + " ";
            dots += "<circle cx=\"" + number(x(column)) + "\" cy=\"" + number(y(value))
                + "\" r=\"3\"/>";
        }
        svg += "<g class=\"line\" stroke=\"" + colour + "\" fill=\"" + colour + "\"><title>"
            + escapeHtml(lines[i].name) + "</title><polyline fill=\"none\" points=\"" + points
            + "\"/>" + dots + "</g>\n";
        if (lines.size() > 1) {
            const int legendX = left + static_cast<int>(i) * 100;
            svg += "<g class=\"legend\"><rect x=\"" + std::to_string(legendX) + "\" y=\""
                + std::to_string(height - 14) + "\" width=\"10\" height=\"10\" fill=\"" + colour
                + "\"/><text x=\"" + std::to_string(legendX + 14) + "\" y=\""
                + std::to_string(height - 5) + "\">" + escapeHtml(lines[i].name) + "</text></g>\n";
        }
    }
    return svg + "</svg>\n";
}

// A field as a spreadsheet reads it back: text, never a formula. A word comes from a file
// name and a learner from a login, so a field that starts as a formula would ("=", "+",
// "-", "@", a tab or a carriage return) gets an apostrophe in front, as spreadsheets
// themselves write a text that looks like one.
std::string csvField(const std::string& stored)
{
    const bool formulaLike
        = !stored.empty() && std::string_view("=+-@\t\r").find(stored[0]) != std::string_view::npos;
    const std::string value = formulaLike ? "'" + stored : stored;
    if (value.find_first_of(",\"\r\n") == std::string::npos) {
        return value;
    }
    std::string quoted = "\"";
    for (char c : value) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string table(const std::vector<std::string>& headings,
    const std::vector<std::vector<std::string>>& rows, const std::string& empty)
{
    if (rows.empty()) {
        return "<p class=\"empty\">" + escapeHtml(empty) + "</p>\n";
    }
    std::string html = "<table><tr>";
    for (const auto& heading : headings) {
        html += "<th>" + escapeHtml(heading) + "</th>";
    }
    html += "</tr>\n";
    for (const auto& row : rows) {
        html += "<tr>";
        for (const auto& cell : row) {
            html += "<td>" + escapeHtml(cell) + "</td>";
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

std::string shareChart(const ProgressSummary& summary)
{
    std::vector<ChartLine> lines;
    for (const WordSeries& series : summary.series) {
        ChartLine line { series.word, {} };
        for (const auto& point : series.points) {
            const auto column
                = std::find(summary.periods.begin(), summary.periods.end(), point.period);
            line.points.emplace_back(column - summary.periods.begin(), point.share * 100);
        }
        lines.push_back(std::move(line));
    }
    return lineChartSvg(summary.periods, lines, 100, "% right");
}

std::string responseChart(const ProgressSummary& summary)
{
    std::vector<std::string> columns;
    ChartLine line { "Median response time", {} };
    for (const GameTally& game : summary.games) {
        line.points.emplace_back(columns.size(), game.medianMs / 1000.0);
        columns.push_back(game.startedAt.substr(0, 10));
    }
    return lineChartSvg(columns, { line }, summary.slowestMedianSeconds(), "seconds");
}

std::string section(const LearnerProgress& progress)
{
    const ProgressSummary& summary = progress.summary;
    std::string html = "<section>\n<h2>" + escapeHtml(progress.learner) + "</h2>\n<p>"
        + std::to_string(summary.choices) + " choices";
    if (summary.choices > 0) {
        html += ", " + std::to_string(summary.rightPercent()) + "% right, in "
            + std::to_string(summary.games.size()) + " games";
    }
    html += ".</p>\n<h3>Share of right choices over time</h3>\n" + shareChart(summary)
        + "<h3>Median response time per game</h3>\n" + responseChart(summary);
    std::vector<std::vector<std::string>> practice;
    for (const PracticeWord& word : summary.practice) {
        practice.push_back({ word.word,
            std::to_string(word.recentPercent()) + "% of " + std::to_string(word.recentTries),
            std::to_string(word.tries) });
    }
    std::vector<std::vector<std::string>> confusions;
    for (const ConfusionTally& confusion : summary.confusions) {
        confusions.push_back({ confusion.word, confusion.chosen, std::to_string(confusion.times) });
    }
    html += "<div class=\"tables\"><div>\n<h3>Words that need practice most</h3>\n"
        + table({ "Word", "Recently right", "Tries" }, practice, "No words asked.")
        + "</div><div>\n<h3>Most frequent confusions</h3>\n"
        + table({ "Word asked", "Word chosen", "Times" }, confusions, "No confusions.")
        + "</div></div>\n</section>\n";
    return html;
}

} // namespace
std::string progressPage(const std::vector<LearnerProgress>& learners, const std::string& period)
{
    std::string html = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Pikora progress</title>
<style>
body { font-family: "DejaVu Sans", sans-serif; margin: 2em; color: #222; }
h1 { font-size: 1.6em; } h2 { border-bottom: 2px solid #1565c0; padding-bottom: 0.2em; }
h3 { font-size: 1em; margin-bottom: 0.3em; }
svg { width: 100%; max-width: 640px; font-size: 11px; }
.axes line { stroke: #ddd; } .axes text, .legend text { fill: #555; stroke: none; }
.line polyline { stroke-width: 2; }
table { border-collapse: collapse; } th, td { padding: 0.2em 0.8em; text-align: left; }
th { border-bottom: 1px solid #999; } tr:nth-child(odd) td { background: #f4f6fa; }
.tables { display: flex; gap: 3em; flex-wrap: wrap; }
.empty { color: #777; }
section { page-break-after: always; }
@media print { body { margin: 0; } }
</style>
</head>
<body>
<h1>Pikora progress</h1>
)";
    html += "<p>" + escapeHtml(period) + "</p>\n";
    if (learners.empty()) {
        html += "<p class=\"empty\">No choices are recorded.</p>\n";
    }
    for (const LearnerProgress& learner : learners) {
        html += section(learner);
    }
    return html + "</body>\n</html>\n";
}

std::string csvHeader()
{
    return "played_at,learner,machine,game,word,chosen,correct,response_ms,mode,choices\r\n";
}

std::string csvLine(const StoredChoice& choice)
{
    std::string line;
    const char* separator = "";
    for (const std::string* field :
        { &choice.playedAt, &choice.learner, &choice.machine, &choice.game, &choice.word,
            &choice.chosen, &choice.correct, &choice.responseMs, &choice.mode, &choice.choices }) {
        line += separator + csvField(*field);
        separator = ",";
    }
    return line + "\r\n";
}

} // namespace pikora::progress
