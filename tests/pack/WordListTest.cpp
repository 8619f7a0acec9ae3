// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The word lists of the picture-set maker: each kind of source, the lines it cannot read,
// the encodings.
#include "WordList.h"

#include <QDir>
#include <gtest/gtest.h>

namespace pikora::pack {
namespace {

WordList parse(const char* text)
{
    return parseWordList(QString::fromUtf8(text), QDir(QStringLiteral("/lists")));
}

TEST(WordListTest, ReadsEachKindOfSourceAndSkipsCommentsAndBlankLines)
{
    const WordList list = parse("# animals\n"
                                "\n"
                                "  cat | emoji:🐱  \r\n"
                                "dog | image:photos/dog.png\n"
                                "red | colour:#d32f2f\n"
                                "blue | color\n"
                                "7 | letter | say:seven\n"
                                "good job\n"
                                "hello | emoji:👋 | voice:rec/hello.ogg\n"
                                "Hund | text | lang:de\n");
    ASSERT_TRUE(list.problems.empty()) << list.problems.front().message.toStdString();
    ASSERT_EQ(list.entries.size(), 8u);
    const auto& e = list.entries;
    EXPECT_EQ(e[0].line, 3);
    EXPECT_EQ(e[0].word, u"cat");
    EXPECT_EQ(e[0].picture, PictureKind::Emoji);
    EXPECT_EQ(e[0].pictureValue, u"🐱");
    EXPECT_EQ(e[1].picture, PictureKind::Image);
    EXPECT_EQ(e[1].pictureValue, u"/lists/photos/dog.png");
    EXPECT_EQ(e[2].pictureValue, u"#d32f2f");
    EXPECT_EQ(e[3].pictureValue, u"#0000ff") << "a bare colour takes the word as its name";
    EXPECT_EQ(e[4].picture, PictureKind::Letter);
    EXPECT_EQ(e[4].spoken, u"seven");
    EXPECT_EQ(e[5].word, u"good job");
    EXPECT_EQ(e[5].picture, PictureKind::Text);
    EXPECT_EQ(e[6].recording, u"/lists/rec/hello.ogg");
    EXPECT_EQ(e[7].language, u"de");
}

TEST(WordListTest, ReportsLinesItCannotRead)
{
    const struct
    {
        const char* line;
        const char* message;
    } rows[] = {
        { "cat | emoji:", "'emoji' needs a value" },
        { "cat | emoji:🐱 | colour:red", "more than one picture source" },
        { "sky | colour:sky-ish", "is not a colour" },
        { "cat | picture:cat.png", "unknown field 'picture'" },
        { "cat | letter:A", "unknown field 'letter'" },
        { "cat, image:img/cat.webp",
            "'|' was meant? Fields are separated by '|', as in: cat | image:img/cat.webp" },
        { "cat | emoji:🐱; voice:cat.ogg", "as in: cat | emoji:🐱 | voice:cat.ogg" },
    };
    for (const auto& row : rows) {
        const WordList list = parse(row.line);
        ASSERT_EQ(list.problems.size(), 1u) << row.line;
        EXPECT_TRUE(list.entries.empty()) << row.line;
        EXPECT_EQ(list.problems[0].line, 1);
        EXPECT_TRUE(list.problems[0].message.contains(QString::fromUtf8(row.message)))
            << row.line << " gave " << list.problems[0].message.toStdString();
    }
}

TEST(WordListTest, ReadsUtf8AndUtf16AndRefusesOtherEncodingsNamingTheLine)
{
    const QString cat = QStringLiteral("été\ncat\n");
    QByteArray utf16le("\xFF\xFE", 2);
    utf16le.append(reinterpret_cast<const char*>(cat.utf16()), cat.size() * 2);
    QByteArray utf16be("\xFE\xFF", 2);
    for (const QChar c : cat) {
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    }
    const struct
    {
        QByteArray bytes;
        const char* problem; // nullptr when the list reads as `cat`
    } rows[] = {
        { cat.toUtf8(), nullptr },
        { "\xEF\xBB\xBF" + cat.toUtf8(), nullptr },
        { utf16le, nullptr },
        { utf16be, nullptr },
        { "cat\np\xEA"
          "che\n",
            "line 2: 'pêche' is not UTF-8 (perhaps Latin-1 or another code page): "
            "save the list as UTF-8" },
        { utf16le.mid(2), "line 1: the list holds NUL bytes" },
    };
    for (const auto& row : rows) {
        QString text;
        WordListProblem problem;
        const bool read = decodeWordList(row.bytes, text, problem);
        EXPECT_EQ(read, row.problem == nullptr) << row.bytes.toHex().toStdString();
        if (row.problem == nullptr) {
            EXPECT_EQ(text, cat);
        } else {
            const QString said
                = QStringLiteral("line %1: %2").arg(problem.line).arg(problem.message);
            EXPECT_TRUE(said.contains(QString::fromUtf8(row.problem))) << said.toStdString();
        }
    }
}

} // namespace
} // namespace pikora::pack
