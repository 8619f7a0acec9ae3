// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Files that several users share through a group: a save keeps the file's group and mode,
// a file made by a save is writable by the group of a shared folder whatever the umask,
// and what a killed save left beside a file is gone after the next save.
#include "game/Settings.h"
#include "platform/FileSystem.h"
#include "platform/StoreFile.h"
#include "support/OrdinaryUser.h"
#include "support/TempDir.h"

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

TEST(SharedFiles, AMembersSavesKeepTheGroupAndModeOfTheState)
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
        ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
    }
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
    for (const auto& path : { store, folder / ".hidden", report }) {
        SCOPED_TRACE(path.filename().string());
        const Owner owner = ownerOf(path);
        EXPECT_EQ(owner.group, sharedGroup);
        EXPECT_EQ(owner.mode, 0664u);
    }
}

TEST(SharedFiles, ASaveKeepsTheGroupAndModeOutsideASharedFolder)
{
    TempDir dir;
    const auto path = dir.write("list", "old");
    const gid_t group = ::geteuid() == 0 ? sharedGroup : ::getegid();
    ASSERT_EQ(::chown(path.c_str(), static_cast<uid_t>(-1), group), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
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

} // namespace
} // namespace pikora
