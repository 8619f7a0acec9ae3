// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"

#include "support/TempDir.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::CurrentTempDir;

// A temporary folder that is also the current directory while the test runs.
class FileSystemTest : public ::testing::Test
{
protected:
    FoundFile* find(std::vector<FoundFile>& files, const std::string& name)
    {
        auto it = std::find_if(
            files.begin(), files.end(), [&](const FoundFile& f) { return f.name == name; });
        return it == files.end() ? nullptr : &*it;
    }

    std::vector<std::string> namesOf(const std::vector<FoundFile>& files)
    {
        std::vector<std::string> names;
        for (const auto& file : files) {
            names.push_back(file.name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    CurrentTempDir dir;
    FileSystem files;
};

TEST_F(FileSystemTest, LocalPathMapsSeparatorsAndKeepsWhatDoesNotExist)
{
    const struct
    {
        const char* program;
        const char* local;
    } rows[] = {
        { "", "" },
        { "mymain\\cat.bmp", "mymain/cat.bmp" },
        { "\\pikora-none\\x", "/pikora-none/x" },
        { "/pikora-none/x", "/pikora-none/x" },
        { "a\\\\b\\", "a/b" },
        { "\\", "/" },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(localPath(row.program), row.local) << row.program;
    }
}

TEST_F(FileSystemTest, ResolvesEachComponentIgnoringCase)
{
    dir.write("MyMain/CAT.BMP");
    dir.write("MyMain/Sub/dog.wav");
    EXPECT_EQ(localPath("mymain\\cat.bmp"), "MyMain/CAT.BMP");
    EXPECT_EQ(localPath("MYMAIN\\SUB\\DOG.WAV"), "MyMain/Sub/dog.wav");
    EXPECT_EQ(localPath(dir.str() + "\\mymain\\cat.bmp"), dir.str() + "/MyMain/CAT.BMP");
    // The missing part stays as spelled, after the parts that were found.
    EXPECT_EQ(localPath("mymain\\cow.bmp"), "MyMain/cow.bmp");
    EXPECT_EQ(localPath("other\\cat.bmp"), "other/cat.bmp");
}

TEST_F(FileSystemTest, ResolvesLettersBeyondAsciiIgnoringCase)
{
    dir.write("mymain/\xc3\xa9t\xc3\xa9.wav"); // été.wav
    dir.write("mymain/\xd0\xba\xd0\xbe\xd1\x82.bmp"); // кот.bmp
    EXPECT_EQ(localPath("MYMAIN\\\xc3\x89T\xc3\x89.WAV"), "mymain/\xc3\xa9t\xc3\xa9.wav");
    EXPECT_EQ(
        localPath("mymain\\\xd0\x9a\xd0\x9e\xd0\xa2.BMP"), "mymain/\xd0\xba\xd0\xbe\xd1\x82.bmp");
    // Dotted capital I is no i: the name stays as spelled.
    dir.write("mymain/pin.bmp");
    EXPECT_EQ(localPath("mymain\\p\xc4\xb0n.bmp"), "mymain/p\xc4\xb0n.bmp");
}

TEST_F(FileSystemTest, FindFilesListsByNameUpperCasedInByteOrder)
{
    // Made out of order; '_' sorts after the letters once they are upper-cased, and
    // names that differ only in case follow their bytes.
    for (const char* name : { "banana.bmp", "_under.bmp", "\xc3\xa9t\xc3\xa9.bmp", "apple.bmp",
             "Zebra.bmp", "cherry.bmp", "Apple.bmp", "b.bmp" }) {
        dir.write(std::string("mymain/") + name);
    }
    std::vector<std::string> names;
    for (const auto& file : files.findFiles("mymain\\*.bmp")) {
        names.push_back(file.name);
    }
    EXPECT_EQ(names,
        (std::vector<std::string> { "Apple.bmp", "apple.bmp", "b.bmp", "banana.bmp", "cherry.bmp",
            "Zebra.bmp", "_under.bmp", "\xc3\xa9t\xc3\xa9.bmp" }));
}

TEST_F(FileSystemTest, PrefersTheExactSpelling)
{
    dir.write("cat.bmp", "lower");
    dir.write("CAT.BMP", "upper");
    EXPECT_EQ(localPath("cat.bmp"), "cat.bmp");
    EXPECT_EQ(localPath("CAT.BMP"), "CAT.BMP");
    const auto either = localPath("Cat.Bmp");
    EXPECT_TRUE(either == "cat.bmp" || either == "CAT.BMP") << either;
}

TEST(WildcardMatch, Rows)
{
    static const std::string manyA(40, 'a');
    const struct
    {
        const char* pattern;
        const char* name;
        bool match;
    } rows[] = {
        { "*.bmp", "cat.bmp", true },
        { "*.bmp", "CAT.BMP", true },
        { "*.BMP", "cat.bmp", true },
        { "*.bmp", ".bmp", true },
        { "*.bmp", "a.b.bmp", true },
        { "*.bmp", "cat.bmpx", false },
        { "*.bmp", "cat.bm", false },
        { "*.bmp", "cat.wav", false },
        { "*.bmp", "", false },
        { "c?t.bmp", "cat.bmp", true },
        { "c?t.bmp", "ct.bmp", false },
        { "?", "", false },
        { "*", "", true },
        { "*", "anything", true },
        { "", "", true },
        { "", "a", false },
        { "**.bmp", "x.bmp", true },
        { "a*b*c", "aXbYc", true },
        { "a*b*c", "aXbYcZ", false },
        { "*a*a*a*b", manyA.c_str(), false },
        { "*.bmp", "good job.bmp", true },
        // Only ASCII letters fold.
        { "\xc3\x89*", "\xc3\xa9t\xc3\xa9", false },
        { "\xc3\xa9*", "\xc3\xa9t\xc3\xa9", true },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(wildcardMatch(row.pattern, row.name), row.match)
            << row.pattern << " vs " << row.name;
    }
}

TEST_F(FileSystemTest, FindFilesListsMatchesWithTheirMarks)
{
    dir.write("MyMain/cat.bmp");
    dir.write("MyMain/DOG.BMP");
    dir.write("MyMain/cat.wav");
    dir.write("MyMain/x.bmp/inner.bmp");
    dir.write("MyMain/.hidden", "other\r\nDOG.BMP\r\n");
    auto found = files.findFiles("mymain\\*.bmp");
    EXPECT_EQ(namesOf(found), (std::vector<std::string> { "DOG.BMP", "cat.bmp", "x.bmp" }));
    ASSERT_NE(find(found, "x.bmp"), nullptr);
    EXPECT_TRUE(find(found, "x.bmp")->directory);
    EXPECT_FALSE(find(found, "x.bmp")->hidden);
    ASSERT_NE(find(found, "DOG.BMP"), nullptr);
    EXPECT_TRUE(find(found, "DOG.BMP")->hidden);
    EXPECT_FALSE(find(found, "DOG.BMP")->directory);
    ASSERT_NE(find(found, "cat.bmp"), nullptr);
    EXPECT_FALSE(find(found, "cat.bmp")->hidden);

    // Absolute patterns too, in the same order.
    const auto again = files.findFiles(dir.str() + "\\MYMAIN\\*.BMP");
    ASSERT_EQ(again.size(), found.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(again[i].name, found[i].name);
    }
}

TEST_F(FileSystemTest, FindFilesGivesNothingWithoutMatchOrFolder)
{
    dir.write("mymain/cat.wav");
    EXPECT_TRUE(files.findFiles("mymain\\*.bmp").empty());
    EXPECT_TRUE(files.findFiles("nowhere\\*.bmp").empty());
    EXPECT_EQ(namesOf(files.findFiles("mymain\\*")), std::vector<std::string> { "cat.wav" });
}

TEST_F(FileSystemTest, HiddenMarkKeepsEveryOtherLineOfTheList)
{
    dir.write("d/cat.bmp");
    // Only whole lines naming the file exactly count; a CR before the line feed is no part.
    dir.write("d/.hidden", "keep1\r\n cat.bmp \ncat.bmp\r\nCAT.BMP\ncat.bmp\nlast");
    bool hidden = false;
    ASSERT_EQ(files.readHiddenMark("d\\CAT.BMP", hidden), 0);
    EXPECT_TRUE(hidden);

    ASSERT_EQ(files.writeHiddenMark("d\\cat.bmp", false), 0);
    EXPECT_EQ(dir.read("d/.hidden"), "keep1\r\n cat.bmp \nCAT.BMP\nlast");
    ASSERT_EQ(files.readHiddenMark("d\\cat.bmp", hidden), 0);
    EXPECT_FALSE(hidden);

    ASSERT_EQ(files.writeHiddenMark("D\\Cat.bmp", true), 0);
    EXPECT_EQ(dir.read("d/.hidden"), "keep1\r\n cat.bmp \nCAT.BMP\nlast\ncat.bmp\n");
    ASSERT_EQ(files.readHiddenMark("d\\cat.bmp", hidden), 0);
    EXPECT_TRUE(hidden);

    // Setting a mark already set leaves the list alone.
    ASSERT_EQ(files.writeHiddenMark("d\\cat.bmp", true), 0);
    EXPECT_EQ(dir.read("d/.hidden"), "keep1\r\n cat.bmp \nCAT.BMP\nlast\ncat.bmp\n");
    // The list and its lock file, no temporary.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "d"), {}), 3);
}

TEST_F(FileSystemTest, HiddenMarkMakesTheListWhenMissing)
{
    dir.write("cat.bmp");
    ASSERT_EQ(files.writeHiddenMark("cat.bmp", true), 0);
    EXPECT_EQ(dir.read(".hidden"), "cat.bmp\n");
    ASSERT_EQ(files.writeHiddenMark("cat.bmp", false), 0);
    EXPECT_EQ(dir.read(".hidden"), "");
}

TEST_F(FileSystemTest, HiddenMarkReportsErrors)
{
    bool hidden = false;
    EXPECT_EQ(files.readHiddenMark("d\\none.bmp", hidden), ENOENT);
    EXPECT_EQ(files.writeHiddenMark("d\\none.bmp", true), ENOENT);
    EXPECT_FALSE(std::filesystem::exists(dir / "d"));
    EXPECT_FALSE(std::filesystem::exists(dir / ".hidden"));

    // A list that cannot be read is never replaced.
    dir.write("e/cat.bmp");
    std::filesystem::create_directory(dir / "e" / ".hidden");
    EXPECT_EQ(files.writeHiddenMark("e\\cat.bmp", true), EISDIR);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "e" / ".hidden"));
    dir.write("f/cat.bmp");
    std::filesystem::create_symlink(".hidden", dir / "f" / ".hidden");
    EXPECT_EQ(files.writeHiddenMark("f\\cat.bmp", true), ELOOP);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "f" / ".hidden"));

    std::string content;
    EXPECT_EQ(readWholeFile("none", content), ENOENT);
}

TEST_F(FileSystemTest, TextAppendWritesLineFeedsAsCrLf)
{
    dir.write("report.txt", "old\r\n");
    {
        auto out = files.openTextAppend("REPORT.TXT");
        ASSERT_NE(out, nullptr);
        out->write("a\nb\n");
        out->write("c\rd\r\n\n");
    }
    EXPECT_EQ(dir.read("report.txt"), "old\r\na\r\nb\r\nc\rd\r\r\n\r\n");

    {
        auto created = files.openTextAppend("sub\\new.txt");
        EXPECT_EQ(created, nullptr); // no folder
        created = files.openTextAppend("new.txt");
        ASSERT_NE(created, nullptr);
        created->write("x\n");
    }
    EXPECT_EQ(dir.read("new.txt"), "x\r\n");
    EXPECT_EQ(files.openTextAppend(""), nullptr);
}

TEST_F(FileSystemTest, WriteFileAtomicallyReplacesWholeAndLeavesNoTemporary)
{
    dir.write("f", std::string(10000, 'o'));
    ASSERT_EQ(writeFileAtomically("f", "new"), 0);
    EXPECT_EQ(dir.read("f"), "new");
    ASSERT_EQ(writeFileAtomically("g", ""), 0);
    EXPECT_EQ(dir.read("g"), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
    EXPECT_EQ(writeFileAtomically("none/f", "x"), ENOENT);
    // A write that fails (here past a file size limit) leaves no file where there was none.
    rlimit before {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int error = writeFileAtomically("h", "too long");
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, signal);
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

} // namespace
} // namespace pikora
