// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreReport.h"

#include "game/ControlIds.h"

#include <cstdio>

namespace pikora {

namespace {

    // Length of the longest prefix of `text` within `bound` bytes that ends on a character
    // boundary of UTF-8 (any byte is a boundary in text that is not UTF-8 continuation).
    std::size_t utf8Prefix(const std::string& text, std::size_t bound)
    {
        if (text.size() <= bound) {
            return text.size();
        }
        // A UTF-8 sequence has at most three continuation bytes; text that is not UTF-8 is
        // cut where the bound falls.
        for (std::size_t back = 0; back < 4 && back < bound; ++back) {
            if ((static_cast<unsigned char>(text[bound - back]) & 0xC0) != 0x80) {
                return bound - back;
            }
        }
        return bound;
    }

} // namespace

ScoreReport scoreReportOf(const PictureCatalog& catalog)
{
    ScoreReport report;
    for (std::size_t i = 0; i < catalog.count(); ++i) {
        const auto& entry = catalog[i];
        const std::int64_t asked = static_cast<std::int64_t>(entry.correctCount) + entry.wrongCount;
        if (asked > 0) {
            const auto percent = static_cast<std::int32_t>(
                static_cast<std::int64_t>(entry.correctCount) * 100 / asked);
            report.push_back({ entry.word, entry.correctCount, entry.wrongCount, percent });
        }
    }
    return report;
}

std::string formatScoreLine(const ScoreLine& line)
{
    char numbers[64];
    std::snprintf(
        numbers, sizeof numbers, "\t\t%d\t\t%d\t\t%d\r\n", line.correct, line.wrong, line.percent);
    const std::string tail = numbers;
    return line.word.substr(0, utf8Prefix(line.word, reportLineBound - tail.size())) + tail;
}

std::string formatReportDate(const std::tm& time)
{
    static constexpr const char* days[] = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
    static constexpr const char* months[]
        = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    const auto pick = [](const char* const* names, int index, int count) {
        return index >= 0 && index < count ? names[index] : "???";
    };
    char text[96];
    std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %04lld\n",
        pick(days, time.tm_wday, 7), pick(months, time.tm_mon, 12), time.tm_mday, time.tm_hour,
        time.tm_min, time.tm_sec, static_cast<long long>(time.tm_year) + 1900);
    return text;
}

std::string windowReportText(const ScoreReport& report)
{
    std::string text;
    for (const auto& line : report) {
        text += formatScoreLine(line);
    }
    return text;
}

std::string fileReportBlock(const ScoreReport& report, const std::tm& time)
{
    // The heading writes "\n\r" (line feed first) where the table writes "\r\n": programs
    // that read report.txt find each block by these exact bytes.
    std::string block = "\n\rPikora Report " + formatReportDate(time) + " \n\r\n\r" + reportTableHeading;
    for (const auto& line : report) {
        block += formatScoreLine(line);
    }
    return block;
}

void BuildScoreReport(GameContext& context, std::string& windowText)
{
    auto& platform = context.platform;
    const std::time_t now = platform.calendarTime();
    auto file = platform.openTextAppend(context.settings.reportPath);
    const std::tm local = platform.localTime(now);
    const ScoreReport report = scoreReportOf(context.catalog);
    windowText = windowReportText(report);
    if (file) {
        file->write(fileReportBlock(report, local));
    }
}

void TimeUp(GameContext& context)
{
    auto& platform = context.platform;
    platform.setTimer(Window::Main, gameTimerId, quietTimerMs);
    context.mainFields.countdownText = "00:00:00";
    platform.pushFields(Window::Main);
    platform.playSound("applause.wav", SoundMode::Async);
    const bool haveWindow = platform.createWindow(Window::Report);
    BuildScoreReport(context, context.reportText);
    if (haveWindow) {
        platform.pushFields(Window::Report);
        platform.showWindow(Window::Report, true);
    }
    platform.enableWindow(Window::Main, false);
    context.clock.timeIsUp = true;
}

} // namespace pikora
