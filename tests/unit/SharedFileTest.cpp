// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Files that several users share through a group: a save gives the file the program's own
// mode, never the one someone else left on it, writable by the group of a shared folder
// whatever the umask; nothing planted at a shared name (a link, a FIFO, a huge file, a held
// lock) makes a save write elsewhere or wait without end; what a killed save left beside a
// file is gone after the next save.
#include "game/Settings.h"
#include "platform/FileSystem.h"
#include "platform/StoreFile.h"
#include "support/OrdinaryUser.h"
#include "support/TempDir.h"

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

constexpr gid_t sharedGroup = 4242; // the group pikora of an installed system
const std::string head = "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\"
    + std::string(settingsKeyPath) + "]\n";

struct Owner
{
    gid_t group;
    mode_t mode;
};

Owner ownerOf(const fs::path& path)
{
    struct stat st = {};
    ::stat(path.c_str(), &st);
    return { st.st_gid, st.st_mode & 07777 };
}

// A folder as an installed system keeps its shared state: root:pikora, set-group-id.
fs::path sharedFolder(const TempDir& dir)
{
    const fs::path folder = dir / "shared";
    fs::create_directory(folder);
    EXPECT_EQ(::chown(folder.c_str(), 0, sharedGroup), 0);
    EXPECT_EQ(::chmod(folder.c_str(), 02775), 0);
    EXPECT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    return folder;
}

TEST(SharedFiles, AMembersSavesGiveTheStateItsOwnModes)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to make a group's folder";
    }
    TempDir dir;
    const fs::path folder = sharedFolder(dir);
    const fs::path store = folder / "machine.reg";
    const fs::path picture = folder / "cat.bmp";
    const fs::path report = folder / "report.txt";
    const std::pair<fs::path, std::string> state[] = { { store, head }, { picture, "x" } };
    for (const auto& [path, content] : state) {
        dir.write(fs::relative(path, dir.path()).string(), content);
        ASSERT_EQ(::chown(path.c_str(), 0, sharedGroup), 0);
        // As another member may leave it: a program of theirs, set-user-id.
        ASSERT_EQ(::chmod(path.c_str(), 04775), 0);
    }
    dir.write("shared/.hidden", "");
    ASSERT_EQ(::chmod((folder / ".hidden").c_str(), 04775), 0);
    // A member of the shared group whose own primary group and umask would make a private
    // file.
    const auto status = testing::asOrdinaryUser(
        [&] {
            ::umask(077);
            auto key = openStoreKey(store.string(), settingsKeyPath);
            if (!key) {
                return std::string("1");
            }
            key->setValue("FIELD4", StoreFile::typeNumber, { 2, 0, 0, 0 });
            FileSystem files;
            auto appender = files.openTextAppend(report.string());
            if (appender) {
                appender->write("block\n");
            }
            return std::to_string((key->close() == 0 ? 0 : 2)
                | (files.writeHiddenMark(picture.string(), true) == 0 ? 0 : 4)
                | (appender ? 0 : 8));
        },
        {}, { sharedGroup });
    ASSERT_EQ(status, "0") << "1: no key, 2: no store save, 4: no mark, 8: no report";
    EXPECT_NE(dir.read("shared/machine.reg").find("\"FIELD4\"=dword:00000002"), std::string::npos);
    const std::pair<fs::path, mode_t> modes[] = { { store, 0664 }, { folder / ".hidden", 0664 },
        { report, 0660 }, { folder / "machine.reg.lock", 0660 } };
    for (const auto& [path, mode] : modes) {
        SCOPED_TRACE(path.filename().string());
        const Owner owner = ownerOf(path);
        EXPECT_EQ(owner.group, sharedGroup);
        EXPECT_EQ(owner.mode, mode);
    }
}

TEST(SharedFiles, AnOwnFileKeepsItsGroupAndPermissionsButNoSetIdBit)
{
    TempDir dir;
    const auto path = dir.write("list", "old");
    const gid_t group = ::geteuid() == 0 ? sharedGroup : ::getegid();
    ASSERT_EQ(::chown(path.c_str(), static_cast<uid_t>(-1), group), 0);
    ASSERT_EQ(::chmod(path.c_str(), 06750), 0);
    ASSERT_EQ(writeFileAtomically(path.string(), "new"), 0);
    EXPECT_EQ(dir.read("list"), "new");
    EXPECT_EQ(ownerOf(path).group, group);
    EXPECT_EQ(ownerOf(path).mode, 0640u);
}

TEST(SharedFiles, TheNextSaveRemovesWhatAKilledSaveLeftAndFollowsNoLink)
{
    TempDir dir;
    const auto store = dir.write("machine.reg", head);
    const auto picture = dir.write("mymain/cat.bmp");
    dir.write("victim", "keep");
    dir.write("machine.reg.saving", "torn");
    fs::create_symlink(dir / "victim", dir / "mymain" / ".hidden.saving");

    auto key = openStoreKey(store.string(), settingsKeyPath);
    ASSERT_NE(key, nullptr);
    key->setValue("FIELD4", StoreFile::typeNumber, { 0, 0, 0, 0 });
    ASSERT_EQ(key->close(), 0);
    FileSystem files;
    ASSERT_EQ(files.writeHiddenMark(picture.string(), true), 0);

    EXPECT_FALSE(fs::exists(dir / "machine.reg.saving"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "mymain" / ".hidden.saving")));
    EXPECT_EQ(dir.read("victim"), "keep");
    EXPECT_EQ(dir.read("mymain/.hidden"), "cat.bmp\n");
}

// What another account may plant at a shared name is refused at once and left as it is.
TEST(SharedFiles, APlantedLinkOrFifoIsRefusedWithoutWaiting)
{
    TempDir dir;
    dir.write("victim", "keep");
    FileSystem files;
    fs::create_symlink(dir / "victim", dir / "linked.txt");
    ASSERT_EQ(::link((dir / "victim").c_str(), (dir / "hardlinked.txt").c_str()), 0);
    ASSERT_EQ(::mkfifo((dir / "fifo.txt").c_str(), 0664), 0);
    for (const char* report : { "linked.txt", "hardlinked.txt", "fifo.txt" }) {
        SCOPED_TRACE(report);
        EXPECT_EQ(files.openTextAppend((dir / report).string()), nullptr);
    }
    fs::create_symlink(dir / "victim", dir / "linked.reg");
    EXPECT_EQ(openStoreKey((dir / "linked.reg").string(), settingsKeyPath), nullptr);
    EXPECT_EQ(dir.read("victim"), "keep");
}

// Another program that holds the lock too long makes a save fail, never the window wait
// for it; reading goes on.
TEST(SharedFiles, ALockHeldElsewhereFailsTheSaveAfterASecond)
{
    TempDir dir;
    const auto store = dir.write("machine.reg", head + "\"FIELD4\"=dword:00000001\n");
    const auto picture = dir.write("mymain/cat.bmp");
    FileSystem files;
    int holders[2] = {};
    const fs::path locks[2] = { dir / "machine.reg.lock", dir / "mymain" / ".hidden.lock" };
    for (int i = 0; i < 2; ++i) {
        holders[i] = ::open(locks[i].c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_EQ(::flock(holders[i], LOCK_EX), 0);
    }
    const auto start = std::chrono::steady_clock::now();
    auto key = openStoreKey(store.string(), settingsKeyPath);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->queryValue("FIELD4"), (std::vector<std::uint8_t> { 1, 0, 0, 0 }));
    key->setValue("FIELD4", StoreFile::typeNumber, { 0, 0, 0, 0 });
    EXPECT_EQ(key->close(), EWOULDBLOCK);
    EXPECT_EQ(files.writeHiddenMark(picture.string(), true), EWOULDBLOCK);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_LT(waited, 10 * lockWaitLimit) << "waited for a lock without end";
    EXPECT_NE(dir.read("machine.reg").find("dword:00000001"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "mymain" / ".hidden"));
    for (int holder : holders) {
        ::close(holder);
    }
}

} // namespace
} // namespace pikora
