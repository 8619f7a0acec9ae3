// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressPage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace pikora::progress {

namespace {

// The lines as the Progress window draws them: the values blue, the trend dashed green and
// chance dashed grey.
constexpr const char* valueColour = "#1565c0";
constexpr const char* trendColour = "#208020";
constexpr const char* chanceColour = "#909090";
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

// Texts of the page in the language installed: those the Progress window shows too are
// its own, so the two always say the same.
std::string text(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}
std::string windowText(const char* source)
{
    return text("pikora::ui::ProgressWindow", source);
}
std::string pageText(const char* source)
{
    return text("pikora::progress::Page", source);
}
std::string templateText(const char* source)
{
    return text("dialog-141", source);
}
QString textOf(int value)
{
    return QString::number(value);
}
QString textOf(const QString& value)
{
    return value;
}
// The placeholders of `pattern` filled in one pass: a value filled in is never taken for a
// placeholder itself (Turkish writes "%%1" for "53%", which would become "%53").
template<class... Values> std::string format(const std::string& pattern, const Values&... values)
{
    return QString::fromStdString(pattern).arg(textOf(values)...).toStdString();
}

QDate dateOf(const std::string& day)
{
    return QDate::fromString(QString::fromStdString(day.substr(0, 10)), Qt::ISODate);
}

std::string dateText(const std::string& day, bool withYear)
{
    return QLocale()
        .toString(dateOf(day), withYear ? QStringLiteral("d MMM yyyy") : QStringLiteral("d MMM"))
        .toStdString();
}

// A line of a chart: its points in days from the chart's first day, drawn solid with dots or
// dashed without.
struct ChartLine
{
    std::string name;
    std::vector<std::pair<double, double>> points; // day, value
    bool dashed = false;
    const char* colour = valueColour;
};

// A line chart in SVG over the days of `points` (at most seven of their dates written under
// it, each once); values from 0 to `top`. The legend is the page's, below it, so that it
// wraps.
std::string lineChartSvg(const std::vector<TimePoint>& points, bool spansYears,
    const std::vector<ChartLine>& lines, double topValue, const std::string& valueTitle,
    int decimals)
{
    const double plotWidth = width - left - right;
    const double plotHeight = height - top - bottom;
    const QDate origin = points.empty() ? QDate() : dateOf(points.front().day);
    const double span
        = points.size() < 2 ? 0 : static_cast<double>(origin.daysTo(dateOf(points.back().day)));
    const auto x = [&](double day) {
        return span <= 0 ? left + plotWidth / 2 : left + plotWidth * day / span;
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
            + "\" text-anchor=\"end\">" + QLocale().toString(value, 'f', decimals).toStdString()
            + "</text>";
    }
    svg += "<text x=\"12\" y=\"" + number(top + plotHeight / 2) + "\" transform=\"rotate(-90 12 "
        + number(top + plotHeight / 2) + ")\" text-anchor=\"middle\">" + escapeHtml(valueTitle)
        + "</text>";
    const std::size_t every = std::max<std::size_t>(1, (points.size() + 6) / 7);
    for (std::size_t i = 0; i < points.size(); i += every) {
        const double day = static_cast<double>(origin.daysTo(dateOf(points[i].day)));
        svg += "<text x=\"" + number(x(day)) + "\" y=\"" + std::to_string(height - bottom + 16)
            + "\" text-anchor=\"middle\">" + escapeHtml(dateText(points[i].day, spansYears))
            + "</text>";
    }
    svg += "</g>\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string colour = lines[i].colour;
        std::string path;
        std::string dots;
        for (const auto& [day, value] : lines[i].points) {
            path += number(x(day)) + "," + number(y(value)) + " ";
            if (!lines[i].dashed) {
                dots += "<circle cx=\"" + number(x(day)) + "\" cy=\"" + number(y(value))
                    + "\" r=\"3\"/>";
            }
        }
        svg += "<g class=\"line\" stroke=\"" + colour + "\" fill=\"" + colour + "\"><title>"
            + escapeHtml(lines[i].name) + "</title><polyline fill=\"none\""
            + (lines[i].dashed ? " stroke-dasharray=\"6 4\"" : "") + " points=\"" + path + "\"/>"
            + dots + "</g>\n";
    }
    svg += "</svg>\n";
    if (lines.size() > 1) {
        svg += "<ul class=\"legend\">";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            svg += "<li><span style=\"background:" + std::string(lines[i].colour) + "\"></span>"
                + escapeHtml(lines[i].name) + "</li>";
        }
        svg += "</ul>\n";
    }
    return svg;
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

// A table whose heading row repeats on each page it runs over; `kept` keeps it on one page.
std::string table(const std::vector<std::string>& headings,
    const std::vector<std::vector<std::string>>& rows, const std::string& empty, bool kept)
{
    if (rows.empty()) {
        return "<p class=\"empty\">" + escapeHtml(empty) + "</p>\n";
    }
    std::string html = kept ? "<table class=\"kept\"><thead><tr>" : "<table><thead><tr>";
    for (const auto& heading : headings) {
        html += "<th>" + escapeHtml(heading) + "</th>";
    }
    html += "</tr></thead>\n<tbody>\n";
    for (const auto& row : rows) {
        html += "<tr>";
        for (const auto& cell : row) {
            html += "<td>" + escapeHtml(cell) + "</td>";
        }
        html += "</tr>\n";
    }
    return html + "</tbody></table>\n";
}

std::vector<std::pair<double, double>> pointsOf(const std::vector<TimePoint>& points, double scale)
{
    std::vector<std::pair<double, double>> line;
    if (!points.empty()) {
        const QDate origin = dateOf(points.front().day);
        for (const TimePoint& point : points) {
            line.emplace_back(
                static_cast<double>(origin.daysTo(dateOf(point.day))), point.value * scale);
        }
    }
    return line;
}

std::string shareChart(const RoundsSummary& rounds)
{
    std::vector<ChartLine> lines;
    if (!rounds.shares.empty()) {
        const auto points = pointsOf(rounds.shares, 100);
        const double last = points.back().first;
        const long chance = std::lround(rounds.chance * 100);
        lines = { { windowText(rounds.byWeek ? "Per week" : "Per day"), points },
            { windowText("Trend"),
                { { 0, rounds.trendFrom * 100 }, { last, rounds.trendTo * 100 } }, true,
                trendColour },
            { format(windowText("Chance (%1%)"), static_cast<int>(chance)),
                { { 0, rounds.chance * 100 }, { last, rounds.chance * 100 } }, true,
                chanceColour } };
    }
    return lineChartSvg(rounds.shares, rounds.spansYears, lines, 100, windowText("% right"), 0);
}

// The top of the time chart: whole seconds, even above two, so that its quarters are round.
double topSeconds(double slowest)
{
    const double top = std::max(1.0, std::ceil(slowest));
    return top > 2 && std::fmod(top, 2) != 0 ? top + 1 : top;
}

std::string responseChart(const RoundsSummary& rounds)
{
    double slowest = 1;
    for (const TimePoint& point : rounds.times) {
        slowest = std::max(slowest, point.value / 1000);
    }
    return lineChartSvg(rounds.times, rounds.spansYears,
        { { windowText("Median response time"), pointsOf(rounds.times, 0.001) } },
        topSeconds(slowest), windowText("seconds"), 1);
}

std::string trendText(const WordProgress& word)
{
    if (word.rounds < trendRounds) {
        return {};
    }
    return windowText(word.trend == Trend::Up ? "up" : word.trend == Trend::Down ? "down" : "flat");
}

std::string section(const LearnerProgress& progress, const std::string& period)
{
    const RoundsSummary& rounds = progress.rounds;
    std::string html = "<section>\n<h2>" + escapeHtml(progress.learner)
        + "</h2>\n<p class=\"period\">" + escapeHtml(period) + "</p>\n<p>";
    html += escapeHtml(rounds.rounds == 0
            ? windowText("No rounds recorded in this period.")
            : format(windowText("%1% right at the first try in %2 rounds; %3 of %4 words learnt"),
                rounds.percent(), rounds.rounds, rounds.learnt(),
                static_cast<int>(rounds.words.size())));
    html += "</p>\n<div class=\"charts\"><div class=\"kept\">\n<h3>"
        + escapeHtml(templateText("Share right at the first try")) + "</h3>\n" + shareChart(rounds)
        + "</div><div class=\"kept\">\n<h3>"
        + escapeHtml(templateText("Median response time per game")) + "</h3>\n"
        + responseChart(rounds) + "</div></div>\n";
    std::vector<WordProgress> words = rounds.words;
    // The words most in need of practice first, as the window sorts them at first.
    std::stable_sort(words.begin(), words.end(), [](const WordProgress& a, const WordProgress& b) {
        return static_cast<long long>(a.rights) * b.rounds
            < static_cast<long long>(b.rights) * a.rounds;
    });
    std::vector<std::vector<std::string>> rows;
    const QLocale locale;
    for (const WordProgress& word : words) {
        rows.push_back({ word.word,
            format(pageText(QT_TRANSLATE_NOOP("pikora::progress::Page", "%1% of %2")),
                word.percent(), word.rounds),
            locale.toString(dateOf(word.lastDay), QLocale::ShortFormat).toStdString(),
            trendText(word), word.learnt ? windowText("learnt") : std::string(),
            format(windowText("%1 s"), locale.toString(word.medianMs / 1000.0, 'f', 1)) });
    }
    html += "<h3>" + escapeHtml(templateText("Every word")) + "</h3>\n"
        + table({ windowText("Word"), windowText("Right at the first try"),
                    windowText("Last practised"), windowText("Trend"), windowText("Learnt"),
                    windowText("Time") },
            rows, windowText("No rounds recorded in this period."), false)
        + "<p class=\"note\">"
        + escapeHtml(format(pageText(QT_TRANSLATE_NOOP("pikora::progress::Page",
                                "\"%1% of %2\" means: right at the first try in %1% of %2 "
                                "rounds of the word.")),
            53, 30))
        + " "
        + escapeHtml(format(windowText("Green dashes: the trend; grey dashes: right by chance "
                                       "alone (%1%). Only a round's first choice counts, not a "
                                       "try again after a wrong one. Learnt: right at the first "
                                       "try in %2 of its last %3 rounds. Trend and time: its "
                                       "last %4 rounds, the later half against the earlier, and "
                                       "their median time."),
            static_cast<int>(std::lround(rounds.chance * 100)), learntRights, learntRounds,
            latestRounds))
        + "</p>\n";
    std::vector<std::vector<std::string>> confusions;
    for (const ConfusionTally& confusion : progress.confusions) {
        confusions.push_back({ confusion.word, confusion.chosen, std::to_string(confusion.times) });
    }
    html += "<div class=\"kept\"><h3>" + escapeHtml(templateText("Most frequent confusions"))
        + "</h3>\n"
        + table({ windowText("Word asked"), windowText("Word chosen"), windowText("Times") },
            confusions, pageText(QT_TRANSLATE_NOOP("pikora::progress::Page", "No confusions.")),
            true)
        + "</div>\n</section>\n";
    return html;
}

} // namespace

std::string progressPage(const std::vector<LearnerProgress>& learners, const std::string& period,
    const std::string& language, bool rightToLeft)
{
    std::string html = "<!DOCTYPE html>\n<html lang=\""
        + escapeHtml(language.empty() ? "en" : language) + "\" dir=\""
        + (rightToLeft ? "rtl" : "ltr") + "\">\n";
    html += R"(<head>
<meta charset="utf-8">
<title>)"
        + escapeHtml(pageText(QT_TRANSLATE_NOOP("pikora::progress::Page", "Pikora progress")))
        + R"(</title>
<style>
body { font-family: "DejaVu Sans", sans-serif; margin: 2em; color: #222; }
h2 { font-size: 1.5em; border-bottom: 2px solid #1565c0; padding-bottom: 0.2em; margin-bottom: 0.2em; }
h3 { font-size: 1em; margin-bottom: 0.3em; }
.period { margin-top: 0; color: #555; }
.charts { display: flex; gap: 2em; flex-wrap: wrap; }
.charts > div { flex: 1 1 20em; max-width: 640px; }
svg { width: 100%; font-size: 11px; }
.axes line { stroke: #ddd; } .axes text { fill: #555; stroke: none; }
.line polyline { stroke-width: 2; }
.legend { list-style: none; padding: 0; margin: 0.2em 0; display: flex; flex-wrap: wrap; gap: 0.3em 1.2em; color: #555; font-size: 0.85em; }
.legend span { display: inline-block; width: 0.8em; height: 0.8em; margin-inline-end: 0.4em; }
table { border-collapse: collapse; } th, td { padding: 0.2em 0.8em; text-align: start; }
th { border-bottom: 1px solid #999; } tbody tr:nth-child(odd) td { background: #f4f6fa; }
thead { display: table-header-group; } tr { break-inside: avoid; }
.kept { break-inside: avoid; }
.note { color: #555; font-size: 0.85em; max-width: 50em; }
.empty { color: #777; }
section { break-after: page; }
@media print { body { margin: 0; } }
</style>
</head>
<body>
)";
    if (learners.empty()) {
        html += "<p class=\"period\">" + escapeHtml(period) + "</p>\n<p class=\"empty\">"
            + escapeHtml(
                pageText(QT_TRANSLATE_NOOP("pikora::progress::Page", "No choices are recorded.")))
            + "</p>\n";
    }
    for (const LearnerProgress& learner : learners) {
        html += section(learner, period);
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
