// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ScoreReport.h"

#include "game/ControlIds.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <filesystem>
#include <limits>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::CurrentTempDir;
using testing::FakePlatform;

constexpr std::time_t tuesdayMarch5th2024 = 1709622489; // 07:08:09 UTC
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();

// The heading of a file block as it reaches the disk, for the pinned date.
const std::string diskHeading = "\r\n\rPikora Report Tue Mar 05 07:08:09 2024\r\n \r\n\r\r\n\r"
                                "Word\t\tCorrect\t\tWrong\t\tPercent Correct\r\r\n\r\r\n";

class ScoreReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform.calendar = tuesdayMarch5th2024;
        platform.watch(context);
        context.settings.reportPath = m_dir.str() + "/report.txt";
    }

    void addWord(const std::string& word, int correct, int wrong)
    {
        auto& entry = context.catalog.add();
        entry.word = word;
        entry.correctCount = correct;
        entry.wrongCount = wrong;
    }

    std::string reportFile() const { return m_dir.read("report.txt"); }

    CurrentTempDir m_dir;
    FakePlatform platform;
    GameContext context { platform };
};

TEST_F(ScoreReportTest, FileBlockBytesOnDisk)
{
    addWord("CAT", 3, 1);
    addWord("DOG", 0, 0); // never chosen while asked for: left out
    addWord("BIRD", 1, 2);
    std::string windowText;
    BuildScoreReport(context, windowText);
    EXPECT_EQ(reportFile(),
        diskHeading
            + "CAT\t\t3\t\t1\t\t75\r\r\n"
              "BIRD\t\t1\t\t2\t\t33\r\r\n");
    EXPECT_EQ(windowText,
        "CAT\t\t3\t\t1\t\t75\r\n"
        "BIRD\t\t1\t\t2\t\t33\r\n");
}

TEST_F(ScoreReportTest, GameWithoutChoicesGivesAnEmptyTable)
{
    addWord("CAT", 0, 0);
    std::string windowText = "old";
    BuildScoreReport(context, windowText);
    EXPECT_EQ(windowText, "");
    EXPECT_EQ(reportFile(), diskHeading);
}

TEST_F(ScoreReportTest, LinesCarryCountsAndTruncatedPercent)
{
    const struct
    {
        int correct, wrong;
        const char* line; // empty: the picture is not listed
    } rows[] = {
        { 3, 1, "W\t\t3\t\t1\t\t75\r\n" },
        { 1, 2, "W\t\t1\t\t2\t\t33\r\n" },
        { 2, 1, "W\t\t2\t\t1\t\t66\r\n" },
        { 0, 4, "W\t\t0\t\t4\t\t0\r\n" },
        { 5, 0, "W\t\t5\t\t0\t\t100\r\n" },
        { 0, 0, "" },
        { int32Max, 1, "W\t\t2147483647\t\t1\t\t99\r\n" },
        { int32Max, int32Max, "W\t\t2147483647\t\t2147483647\t\t50\r\n" },
    };
    for (const auto& row : rows) {
        context.catalog.clear();
        addWord("W", row.correct, row.wrong);
        EXPECT_EQ(windowReportText(scoreReportOf(context.catalog)), row.line)
            << row.correct << " right, " << row.wrong << " wrong";
    }
}

TEST_F(ScoreReportTest, DatesAreFixedWidthWithLeadingZeros)
{
    const struct
    {
        std::time_t time;
        const char* text;
    } rows[] = {
        { tuesdayMarch5th2024, "Tue Mar 05 07:08:09 2024\n" },
        { 0, "Thu Jan 01 00:00:00 1970\n" },
        { 978307199, "Sun Dec 31 23:59:59 2000\n" },
        { 951782400, "Tue Feb 29 00:00:00 2000\n" },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(formatReportDate(platform.localTime(row.time)), row.text);
    }
}

TEST_F(ScoreReportTest, OverlongWordIsCutAtACharacterBoundary)
{
    const std::string euro = "\xE2\x82\xAC"; // three bytes
    const std::string eAcute = "\xC3\x89"; // two bytes
    const std::string smile = "\xF0\x9F\x98\x80"; // four bytes
    const auto repeat = [](const std::string& piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i) {
            text += piece;
        }
        return text;
    };
    // 3 right, 1 wrong leaves 199 - 12 = 187 bytes for the word.
    const struct
    {
        std::string word;
        std::size_t kept;
    } rows[] = {
        { std::string(187, 'A'), 187 },
        { std::string(188, 'A'), 187 },
        { std::string(10000, 'A'), 187 },
        { repeat(eAcute, 100), 186 },
        { "A" + repeat(euro, 100), 187 },
        { "AB" + repeat(euro, 100), 185 },
        { repeat(smile, 60), 184 },
    };
    for (const auto& row : rows) {
        const std::string line = formatScoreLine({ row.word, 3, 1, 75 });
        EXPECT_EQ(line, row.word.substr(0, row.kept) + "\t\t3\t\t1\t\t75\r\n")
            << row.word.size() << "-byte word";
    }
    const std::string wide = formatScoreLine({ std::string(300, 'A'), int32Max, int32Max, 50 });
    EXPECT_EQ(wide.size(), 199u);
    EXPECT_EQ(wide, std::string(169, 'A') + "\t\t2147483647\t\t2147483647\t\t50\r\n");
}

TEST_F(ScoreReportTest, UnwritableReportPathStillFillsTheWindow)
{
    m_dir.write("plain-file");
    std::filesystem::create_directory(m_dir / "locked");
    std::filesystem::permissions(
        m_dir / "locked", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    std::vector<std::string> paths
        = { "", m_dir.str() + "/missing/report.txt", m_dir.str() + "/plain-file/report.txt" };
    if (::geteuid() != 0) { // the superuser writes into a read-only folder anyway
        paths.push_back(m_dir.str() + "/locked/report.txt");
    }
    addWord("CAT", 3, 1);
    for (const auto& path : paths) {
        context.settings.reportPath = path;
        std::string windowText;
        BuildScoreReport(context, windowText);
        EXPECT_EQ(windowText, "CAT\t\t3\t\t1\t\t75\r\n") << path;
        if (!path.empty()) {
            EXPECT_FALSE(std::filesystem::exists(path)) << path;
        }
    }
}

TEST_F(ScoreReportTest, TimeUpStopsTheGameAndShowsTheReport)
{
    addWord("CAT", 3, 1);
    context.mainFields.countdownText = "00:00:01";
    TimeUp(context);

    EXPECT_EQ(platform.shownMain.countdownText, "00:00:00");
    EXPECT_EQ((platform.timers[{ Window::Main, gameTimerId }]), 1000000);
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0].path, "applause.wav");
    EXPECT_EQ(platform.sounds[0].mode, SoundMode::Async);
    EXPECT_EQ(context.reportText, "CAT\t\t3\t\t1\t\t75\r\n");
    EXPECT_EQ(platform.created.count(Window::Report), 1u);
    EXPECT_EQ(platform.shownReport, context.reportText); // filled, not left empty
    EXPECT_TRUE(platform.windowShown[Window::Report]);
    EXPECT_FALSE(platform.windowEnabled[Window::Main]);
}

TEST_F(ScoreReportTest, SecondTimeUpAppendsASecondBlock)
{
    addWord("CAT", 3, 1);
    TimeUp(context);
    context.catalog[0].wrongCount = 2;
    platform.calendar += 1000; // the late tick comes 1,000,000 ms later
    TimeUp(context);

    EXPECT_EQ(reportFile(),
        diskHeading + "CAT\t\t3\t\t1\t\t75\r\r\n"
            + "\r\n\rPikora Report Tue Mar 05 07:24:49 2024\r\n"
            + diskHeading.substr(diskHeading.find(" \r\n")) + "CAT\t\t3\t\t2\t\t60\r\r\n");
    EXPECT_EQ(context.reportText, "CAT\t\t3\t\t2\t\t60\r\n");
    int made = 0;
    for (const auto& call : platform.calls) {
        made += call.what == "create" ? call.value : 0; // 1 only when it was new
    }
    EXPECT_EQ(made, 1);
    EXPECT_EQ(platform.count("showWindow"), 2);
}

} // namespace
} // namespace pikora
