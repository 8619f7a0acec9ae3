// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LetterCase.h"

#include <gtest/gtest.h>

namespace pikora {
namespace {

TEST(LetterCase, NamesAreTheSameWithoutRegardToCaseAsUnicodeFoldsThem)
{
    const struct
    {
        const char* a;
        const char* b;
        bool same;
    } rows[] = {
        { "CAT.BMP", "cat.bmp", true },
        { "cat.bmp", "cat.bmpx", false },
        { "\xc3\x89T\xc3\x89.WAV", "\xc3\xa9t\xc3\xa9.wav", true }, // ÉTÉ / été
        { "\xce\xa3", "\xcf\x83", true }, // Σ / σ
        { "\xcf\x82", "\xcf\x83", true }, // final ς folds to σ
        { "\xc5\xbf", "s", true }, // long s
        { "\xe2\x84\xaa", "k", true }, // Kelvin sign
        { "\xe1\xba\x9e", "\xc3\x9f", true }, // capital sharp s / ß
        { "\xc3\x9f", "ss", false }, // simple folding: one letter stays one letter
        { "\xd0\x81\xd0\x96", "\xd1\x91\xd0\xb6", true }, // ЁЖ / ёж
        { "\xc4\xb0", "i", false }, // dotted capital I is not i
        { "\xc4\xb1", "I", false }, // nor is dotless i I
        { "\xc4\xb1", "i", false },
        { "\xe1\x8e\xa0", "\xea\xad\xb0", true }, // Cherokee A, capital and small
        // Not UTF-8: ASCII rules, the other bytes as they are.
        { "CAF\xc9", "caf\xc9", true },
        { "caf\xc9", "caf\xe9", false },
        { "\xc3\x89t\xc3", "\xc3\xa9t\xc3", false },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(foldCase(row.a) == foldCase(row.b), row.same) << row.a << " vs " << row.b;
    }
}

TEST(LetterCase, UpperCaseFollowsUnicodeForUtf8AndAsciiOtherwise)
{
    EXPECT_EQ(upperCase("good job"), "GOOD JOB");
    EXPECT_EQ(upperCase("\xc3\xa9t\xc3\xa9"), "\xc3\x89T\xc3\x89");
    EXPECT_EQ(upperCase("stra\xc3\x9f"
                        "e"),
        "STRA\xc3\x9f"
        "E"); // ß has no one-letter capital
    EXPECT_EQ(upperCase("caf\xe9"), "CAF\xe9");
}

} // namespace
} // namespace pikora
