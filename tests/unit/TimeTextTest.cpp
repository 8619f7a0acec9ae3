// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "game/TimeText.h"

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace pikora {
namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

TEST(TimeText, FormatsSecondsAsHoursMinutesSeconds)
{
    const struct
    {
        std::int32_t seconds;
        const char* text;
    } rows[] = {
        { 0, "00:00:00" },
        { 125, "00:02:05" },
        { 60, "00:01:00" },
        { 59, "00:00:59" },
        { 299, "00:04:59" },
        { 3599, "00:59:59" },
        { 3600, "01:00:00" },
        { 86399, "23:59:59" },
        { 360000, "100:00:00" }, // the hours field widens, it does not wrap
        { -5, "00:00:-05" }, // a negative count stays whole in the seconds field
        { -3600, "00:00:-3600" },
        { int32Max, "596523:14:07" },
        { int32Min, "00:00:-2147483648" },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FormatHms(row.seconds), row.text) << row.seconds;
    }
}

TEST(TimeText, ParsesHoursMinutesSecondsLikeAtoi)
{
    const struct
    {
        std::string text;
        std::int32_t seconds;
    } rows[] = {
        { "5:00", 300 },
        { "0:1:30", 90 },
        { "90", 90 },
        { "", 0 },
        { "0:1:2:3", 123 }, // the hours part "0:1" reads as 0
        { "1:1:2:3", 3723 }, // ... and "1:1" as 1
        { " -3", -3 },
        { "abc", 0 },
        { "2:3:4", 7384 },
        { "1:-30", 30 },
        { ":5", 5 },
        { "::", 0 },
        { "12abc", 12 },
        { "\t+7", 7 },
        { "1 2", 1 },
        { "5:", 300 },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ParseHms(row.text), row.seconds) << '"' << row.text << '"';
    }
}

TEST(TimeText, HoldsOverlongNumbersAtThe32BitEnds)
{
    const struct
    {
        std::string text;
        std::int32_t seconds;
    } rows[] = {
        { "99999999999:99999999999:99999999999", int32Max },
        { "-99999999999:-99999999999:-99999999999", int32Min }, { "2147483647", int32Max },
        { "2147483648", int32Max }, { "-2147483648", int32Min }, { "-2147483649", int32Min },
        { "596523:14:07", int32Max }, { "596523:14:08", int32Max }, { "-596523:-14:-8", int32Min },
        { "-596523:-14:-9", int32Min },
        { "99999999999:-99999999999:0", int32Max }, // parts held first, then the sum
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ParseHms(row.text), row.seconds) << '"' << row.text << '"';
    }
}

TEST(TimeText, ReadsOnlyTheFirst199Characters)
{
    // A digit or a colon at index 199 is beyond the cut.
    EXPECT_EQ(ParseHms(std::string(198, ' ') + "42"), 4);
    EXPECT_EQ(ParseHms(std::string(197, ' ') + "42"), 42);
    EXPECT_EQ(ParseHms("5" + std::string(198, ' ') + ":7"), 5);
    EXPECT_EQ(ParseHms("5" + std::string(196, ' ') + ":7"), 307);

    EXPECT_EQ(ParseHms(std::string(10000, '9')), int32Max);
    EXPECT_EQ(ParseHms(std::string(10000, ':')), 0);
    EXPECT_EQ(ParseHms("3" + std::string(9999, ':')), 3 * 3600);
}

TEST(TimeText, SubtractionStopsAtTheLowerEnd)
{
    EXPECT_EQ(saturatingSubtract(5, 2), 3);
    EXPECT_EQ(saturatingSubtract(1, 2), -1);
    EXPECT_EQ(saturatingSubtract(int32Min + 1, 2), int32Min);
    EXPECT_EQ(saturatingSubtract(int32Min, 1), int32Min);
    EXPECT_EQ(saturatingSubtract(int32Max, -1), int32Max);
}

} // namespace
} // namespace pikora
