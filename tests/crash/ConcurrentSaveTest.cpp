// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Two programs that save the same files at once, as two players of one machine do: each
// change of the settings store and of a `.hidden` list is a read-modify-write cycle, and
// no cycle may undo another's; the score report gets each program's blocks whole.
#include "game/Settings.h"
#include "platform/FileSystem.h"
#include "platform/StoreFile.h"
#include "support/TempDir.h"

#include <functional>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

constexpr int cycles = 150; // in each of the two processes

const std::string store = "Windows Registry Editor Version 5.00\n\n"
                          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n\"A\"=dword:00000001\n\n"
                          "[HKEY_LOCAL_MACHINE\\"
    + std::string(settingsKeyPath) + "]\n";

// Runs `work(0)` and `work(1)` in two child processes released at the same moment; gives
// the exit statuses as two decimal digits (0 when both succeeded).
int inTwoProcesses(const std::function<int(int)>& work)
{
    int go[2];
    if (::pipe(go) != 0) {
        return -1;
    }
    pid_t children[2];
    for (int k = 0; k < 2; ++k) {
        children[k] = ::fork();
        if (children[k] == 0) {
            ::close(go[1]);
            char byte;
            (void)!::read(go[0], &byte, 1); // returns when the parent closes its end
            ::_exit(work(k));
        }
    }
    ::close(go[0]);
    ::close(go[1]);
    int result = 0;
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        result = result * 10 + (WIFEXITED(status) ? std::min(WEXITSTATUS(status), 9) : 9);
    }
    return result;
}

std::uint32_t countIn(const std::string& text)
{
    const auto value
        = StoreFile(text).value("HKEY_LOCAL_MACHINE\\" + std::string(settingsKeyPath), "COUNT");
    return value ? value->bytes[0] | (value->bytes[1] << 8) : 0;
}

StoreFile::Value numberValue(std::uint32_t number)
{
    return { StoreFile::typeNumber,
        { static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8), 0, 0 } };
}

// The program's own cycle: open the key, add one to a count, close it.
int countThroughTheKey(const std::string& path)
{
    for (int i = 0; i < cycles; ++i) {
        auto key = openStoreKey(path, settingsKeyPath);
        if (!key) {
            return 1;
        }
        const auto bytes = key->queryValue("COUNT").value_or(std::vector<std::uint8_t>(4, 0));
        const std::uint32_t count = bytes[0] | (bytes[1] << 8);
        const auto next = numberValue(count + 1);
        key->setValue("COUNT", next.type, next.bytes);
        if (key->close() != 0) {
            return 2;
        }
    }
    return 0;
}

TEST(ConcurrentSaves, TwoProgramsCountingInOneStoreLoseNoUpdate)
{
    TempDir dir;
    const std::string path = dir.write("machine.reg", store).string();
    ASSERT_EQ(inTwoProcesses([&](int) { return countThroughTheKey(path); }), 0);
    const std::string text = dir.read("machine.reg");
    EXPECT_EQ(countIn(text), 2u * cycles) << "updates lost";
    EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n\"A\"=dword:00000001\n"),
        std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "machine.reg.saving"));
}

TEST(ConcurrentSaves, TwoProgramsMarkingPicturesInOneFolderLoseNoMark)
{
    TempDir dir;
    std::set<std::string> expected = { "kept by hand.bmp" };
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i < cycles; ++i) {
            const std::string name = "p" + std::to_string(k) + "-" + std::to_string(i) + ".bmp";
            dir.write("mymain/" + name);
            expected.insert(name);
        }
    }
    dir.write("mymain/.hidden", "kept by hand.bmp\n");
    const std::string folder = (dir / "mymain").string();
    ASSERT_EQ(inTwoProcesses([&](int k) {
        FileSystem files;
        for (int i = 0; i < cycles; ++i) {
            const std::string name = "p" + std::to_string(k) + "-" + std::to_string(i) + ".bmp";
            if (files.writeHiddenMark(folder + "\\" + name, true) != 0) {
                return 1;
            }
        }
        return 0;
    }),
        0);
    std::set<std::string> listed;
    const std::string list = dir.read("mymain/.hidden");
    for (std::size_t start = 0, end; start < list.size(); start = end + 1) {
        end = list.find('\n', start);
        listed.insert(list.substr(start, end - start));
    }
    EXPECT_EQ(listed.size(), expected.size());
    EXPECT_EQ(listed, expected);
}

TEST(ConcurrentSaves, TwoProgramsReportingAtOnceWriteWholeBlocks)
{
    TempDir dir;
    constexpr int blocks = 300;
    constexpr int lines = 2000; // about 20 KB a block, far more than a stdio buffer
    const std::string report = (dir / "report.txt").string();
    ASSERT_EQ(inTwoProcesses([&](int k) {
        FileSystem files;
        std::string lineOf[2];
        for (int b = 0; b < 2; ++b) {
            for (int l = 0; l < lines; ++l) {
                lineOf[b] += std::to_string(k) + std::to_string(b) + " line\n";
            }
        }
        for (int b = 0; b < blocks; ++b) {
            const std::string& block = lineOf[b % 2]; // neighbours differ
            auto out = files.openTextAppend(report);
            if (!out) {
                return 1;
            }
            out->write(block);
        }
        return 0;
    }),
        0);
    // Runs of equal lines: each block must be one run of all its lines.
    const std::string text = dir.read("report.txt");
    std::vector<std::pair<std::string, int>> runs;
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(start, end - start);
        if (runs.empty() || runs.back().first != line) {
            runs.emplace_back(line, 0);
        }
        ++runs.back().second;
    }
    EXPECT_EQ(runs.size(), 2u * blocks) << "blocks of the two programs mixed";
    for (const auto& [line, count] : runs) {
        EXPECT_EQ(count, lines) << line;
    }
}

} // namespace
} // namespace pikora
