// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// A process killed while it saves must leave the old file or the new one, never a torn
// one. A child process saves two versions of a large file in turn; the test kills it with
// SIGKILL at random moments and reads what is on disk each time.
//
// A kill between the making of the temporary file and its rename leaves the temporary
// ("machine.reg.saving", ".hidden.saving") behind until the next save, which replaces it;
// it is never read as the store or the list, and no picture file name matches it. Once a
// save after the last kill has ended, nothing but the file itself is left.
#include "game/GameContext.h"
#include "game/Settings.h"
#include "platform/FileSystem.h"
#include "platform/FileUpdate.h"
#include "platform/StoreFile.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::CurrentTempDir;
using testing::FakePlatform;
using testing::TempDir;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto budget = std::chrono::seconds(4); // for each kind of file
constexpr int maxKills = 400;
// Fewer than this and the budget is stretched, up to a minute: a loaded machine forks slowly.
constexpr int minKills = 20;
constexpr auto stretchedBudget = std::chrono::seconds(60);

struct Outcome
{
    int kills = 0;
    int torn = 0; // neither version
    int leftovers = 0; // kills that left the temporary file behind
    int versionChanges = 0; // how often the file on disk changed between kills
    std::string firstTorn;
};

// Starts a child that signals it is running and then calls `save(i)` for i = 0, 1, 2, ...
// until it is killed; kills it after a random delay below `spread`; checks the file. Runs
// until the budget is spent.
Outcome killWhileSaving(const fs::path& file, const std::string& versionA,
    const std::string& versionB, std::chrono::microseconds spread,
    const std::function<void(int)>& save)
{
    Outcome outcome;
    std::mt19937 random(20240601);
    std::uniform_int_distribution<long> delay(0, spread.count());
    std::string last = versionA;
    const auto start = Clock::now();
    const auto spent = [&] {
        const auto elapsed = Clock::now() - start;
        return elapsed >= stretchedBudget || (elapsed >= budget && outcome.kills >= minKills);
    };
    while (!spent() && outcome.kills < maxKills) {
        int ready[2];
        if (::pipe(ready) != 0) {
            ADD_FAILURE() << "no pipe";
            break;
        }
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(ready[0]);
            const char go = 1;
            if (::write(ready[1], &go, 1) != 1) {
                ::_exit(1);
            }
            for (int i = 0;; ++i) {
                save(i);
            }
        }
        ::close(ready[1]);
        char go = 0;
        const bool started = ::read(ready[0], &go, 1) == 1;
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!started || !WIFSIGNALED(status)) {
            ADD_FAILURE() << "the saving child did not run until killed";
            break;
        }
        ++outcome.kills;

        std::string content;
        EXPECT_EQ(readWholeFile(file.string(), content), 0);
        if (content != versionA && content != versionB) {
            if (outcome.torn++ == 0) {
                outcome.firstTorn
                    = content.substr(0, 200) + "... (" + std::to_string(content.size()) + " bytes)";
            }
        }
        outcome.versionChanges += content != last ? 1 : 0;
        last = content;
        EXPECT_EQ(fs::status(file).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                | fs::perms::others_read);
        // Left for the next child's saves to clean up.
        outcome.leftovers += fs::exists(FileUpdate::temporaryPath(file.string())) ? 1 : 0;
    }
    return outcome;
}

// The names in the file's folder once a save has ended.
std::set<std::string> namesBeside(const fs::path& file)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

void report(const Outcome& outcome)
{
    std::printf("%d kills, %d torn files, %d temporary files left behind, %d changes seen\n",
        outcome.kills, outcome.torn, outcome.leftovers, outcome.versionChanges);
    EXPECT_EQ(outcome.torn, 0) << outcome.firstTorn;
    EXPECT_GE(outcome.kills, minKills);
    // The kills must land inside saves, not only between them.
    EXPECT_GT(outcome.versionChanges + outcome.leftovers, 0);
}

double secondsOf(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Other keys of about a megabyte, so that a save takes a while.
std::string largeStore()
{
    std::string text = std::string(StoreFile::header) + "\n\n";
    for (int k = 0; text.size() < 1'000'000; ++k) {
        text += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\\K" + std::to_string(k) + "]\n";
        for (int v = 0; v < 10; ++v) {
            text += "\"V" + std::to_string(v) + "\"=hex:" + std::string(3 * 30 - 1, '7') + "\n";
        }
        text += "\n";
    }
    return text + "[HKEY_LOCAL_MACHINE\\" + settingsKeyPath + "]\n";
}

TEST(CrashSafety, AKilledSaveOfTheSettingsLeavesTheOldStoreOrTheNew)
{
    TempDir dir;
    const fs::path store = dir / "machine.reg";
    FakePlatform platform;
    platform.storePath = store.string();
    GameContext context(platform);
    const GameSettings versions[] = {
        { 1, 1, 0, 1, 1, 300, "/opt/games/Pikora", "" },
        { 0, 0, 1, 0, 0, 60, "/home/someone/a much longer folder name/Pikora", "" },
    };
    std::string texts[2];
    double saveSeconds = 0;
    for (int i : { 1, 0 }) { // ends with the first version on disk
        dir.write("machine.reg", largeStore());
        context.settings = versions[i];
        saveSeconds = secondsOf([&] { ASSERT_EQ(SaveSettings(context), 0); });
        texts[i] = dir.read("machine.reg");
    }
    ASSERT_NE(texts[0], texts[1]);

    const auto outcome = killWhileSaving(store, texts[0], texts[1],
        std::chrono::microseconds(static_cast<long>(2.5e6 * saveSeconds) + 1000), [&](int i) {
            context.settings = versions[(i + 1) % 2];
            SaveSettings(context);
        });
    report(outcome);

    // What the next start reads is the store itself, whatever was left beside it, and its
    // save leaves nothing else.
    dir.write("machine.reg.saving",
        "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\"
            + std::string(settingsKeyPath) + "]\n\"FIELD4\"=dword:00000007\n");
    platform.module = (dir / "pikora").string();
    context.settings = {};
    ASSERT_EQ(LoadSettings(context), 0);
    EXPECT_TRUE(context.settings.field4 == 0 || context.settings.field4 == 1);
    EXPECT_EQ(namesBeside(store), (std::set<std::string> { "machine.reg", "machine.reg.lock" }));
}

TEST(CrashSafety, AKilledRewriteOfTheHiddenListLeavesTheOldListOrTheNew)
{
    const CurrentTempDir dir;
    dir.write("mymain/cat.bmp");
    std::string others;
    for (int i = 0; others.size() < 1'000'000; ++i) {
        others += "some other picture " + std::to_string(i) + ".bmp\n";
    }
    const fs::path list = dir / "mymain" / ".hidden";
    dir.write("mymain/.hidden", others);
    FileSystem files;
    std::string hidden;
    const double cycleSeconds = secondsOf([&] {
        ASSERT_EQ(files.writeHiddenMark("mymain\\cat.bmp", true), 0);
        hidden = dir.read("mymain/.hidden");
        ASSERT_EQ(files.writeHiddenMark("mymain\\cat.bmp", false), 0);
    });
    ASSERT_EQ(hidden, others + "cat.bmp\n");
    ASSERT_EQ(dir.read("mymain/.hidden"), others);

    // A child's first call may find the mark already as it wants it: spread the kills over
    // a few rewrites.
    const auto outcome = killWhileSaving(list, others, hidden,
        std::chrono::microseconds(static_cast<long>(2e6 * cycleSeconds) + 1000),
        [&](int i) { files.writeHiddenMark("mymain\\cat.bmp", i % 2 == 0); });
    report(outcome);

    // A temporary list left beside the list is no picture and hides nothing; the next
    // change of a mark leaves nothing beside the list.
    ASSERT_EQ(files.writeHiddenMark("mymain\\cat.bmp", false), 0);
    dir.write("mymain/.hidden.saving", "cat.bmp\n");
    const auto found = files.findFiles("mymain\\*.bmp");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, "cat.bmp");
    EXPECT_FALSE(found[0].hidden);
    ASSERT_EQ(files.writeHiddenMark("mymain\\cat.bmp", true), 0);
    EXPECT_EQ(namesBeside(list), (std::set<std::string> { "cat.bmp", ".hidden", ".hidden.lock" }));
}

} // namespace
} // namespace pikora
