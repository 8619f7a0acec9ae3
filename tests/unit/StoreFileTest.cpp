// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StoreFile.h"

#include "platform/FileSystem.h"
#include "support/OrdinaryUser.h"
#include "support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::TempDir;
using Bytes = std::vector<std::uint8_t>;

const std::string keyPath = "SOFTWARE\\VELMAR\\PIKORA";
const std::string key = "HKEY_LOCAL_MACHINE\\" + keyPath;
const std::string head = "Windows Registry Editor Version 5.00\n\n[" + key + "]\n";

TEST(StoreFile, KeepsUntouchedLinesByteForByte)
{
    const std::string text = "Windows Registry Editor Version "
                             "5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n"
                             "\"x\"=\"y\"\r\n\r\n["
        + key + "]\r\n\"FIELD4\"=dword:00000002\r\n; comment\r\n";
    StoreFile file(text);
    EXPECT_EQ(file.text(), text);
    ASSERT_TRUE(file.setValue(key, "FIELD4", { StoreFile::typeNumber, { 7, 0, 0, 0 } }));
    ASSERT_TRUE(file.setValue(key, "APP_FOLDER", { StoreFile::typeString, { '/', 'o' } }));
    EXPECT_EQ(file.text(),
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n"
        "\"x\"=\"y\"\r\n\r\n["
            + key
            + "]\r\n\"FIELD4\"=dword:00000007\r\n; comment\r\n"
              "\"APP_FOLDER\"=hex(1):2f,6f\r\n");
}

struct ParseRow
{
    const char* data; // what follows "V"=
    int type; // 0: the value reads as missing
    Bytes bytes;
};

TEST(StoreFile, ReadsEveryValueForm)
{
    const ParseRow rows[] = {
        { "dword:00000001", 4, { 1, 0, 0, 0 } },
        { "dword:fffffffe", 4, { 0xfe, 0xff, 0xff, 0xff } },
        { "dword:0001", 0, {} },
        { "dword:0000000g", 0, {} },
        { "hex:01,02", 3, { 1, 2 } },
        { "hex:", 3, {} },
        { "hex(1):41,42", 1, { 'A', 'B' } },
        { "hex(4):01,02,03,04,05", 4, { 1, 2, 3, 4, 5 } },
        { "hex(b):ff", 11, { 0xff } },
        // Found by fuzzing: a type of eight hex digits overflowed while it was read.
        { "hex(7fffffff):01", 0x7fffffff, { 1 } },
        { "hex(ffffffff):", -1, {} },
        { "hex(100000000):01", 0, {} },
        { "hex:1,a", 3, { 1, 10 } },
        { "hex:123", 0, {} },
        { "hex:zz", 0, {} },
        { "hex():01", 0, {} },
        { "hex(1)01", 0, {} },
        { "\"A\"", 1, { 'A', 0 } },
        { "\"\"", 1, { 0 } },
        { "\"a\\\"b\\\\c\"", 1, { 'a', '"', 'b', '\\', 'c', 0 } },
        { "\"open", 0, {} },
        { "\"x\" trailing", 0, {} },
        { "-", 0, {} },
        { "", 0, {} },
        { "  dword:00000003  ", 4, { 3, 0, 0, 0 } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.data);
        StoreFile file(head + "\"V\"=" + row.data + "\n");
        const auto value = file.value(key, "V");
        if (row.type == 0) {
            EXPECT_FALSE(value.has_value());
            continue;
        }
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->type, row.type);
        EXPECT_EQ(value->bytes, row.bytes);
    }
}

TEST(StoreFile, JoinsContinuationLines)
{
    StoreFile file(head + "\"V\"=hex:01,02,\\\r\n  03,04,\\\n  05\r\n\"W\"=dword:00000009\r\n");
    EXPECT_EQ(file.value(key, "V")->bytes, (Bytes { 1, 2, 3, 4, 5 }));
    EXPECT_EQ(file.value(key, "W")->bytes, (Bytes { 9, 0, 0, 0 }));
}

// Found by fuzzing: a '\' at the end of the file's last line swallowed the key and the
// values added after it, so the installer's key never opened and saves were lost.
TEST(StoreFile, AStrayContinuationAtTheEndSwallowsNothingAddedAfterIt)
{
    for (const std::string& last :
        { std::string("[HKEY_\\"), std::string("\"X\"=hex:02,\\\r\n") }) {
        SCOPED_TRACE(last);
        StoreFile file("Windows Registry Editor Version 5.00\n\n" + last);
        file.addKey(key);
        ASSERT_TRUE(file.setValue(key, "FIELD4", { StoreFile::typeNumber, { 1, 0, 0, 0 } }));
        const StoreFile again(file.text());
        EXPECT_TRUE(again.hasKey(key));
        ASSERT_TRUE(again.value(key, "FIELD4").has_value());
        EXPECT_EQ(again.value(key, "FIELD4")->bytes, (Bytes { 1, 0, 0, 0 }));
    }
    StoreFile inside(head + "\"V\"=hex:01,\\\n\"W\"=dword:00000009\n");
    EXPECT_EQ(inside.value(key, "V")->bytes, (Bytes { 1 })); // it ends where "W" opens
    EXPECT_EQ(inside.value(key, "W")->bytes, (Bytes { 9, 0, 0, 0 }));
}

TEST(StoreFile, FirstOfTwoEqualKeysAndValuesWins)
{
    StoreFile file(head + "\"V\"=dword:00000001\n\"v\"=dword:00000002\n\n[" + key
        + "]\n\"V\"=dword:00000003\n\"W\"=dword:00000004\n");
    EXPECT_EQ(file.value(key, "V")->bytes, (Bytes { 1, 0, 0, 0 }));
    // The second key is never looked at, not even for a value the first one lacks.
    EXPECT_FALSE(file.value(key, "W").has_value());

    ASSERT_TRUE(file.setValue(key, "V", { 4, { 7, 0, 0, 0 } }));
    const std::string text = file.text();
    EXPECT_NE(text.find("\"V\"=dword:00000007\n\"v\"=dword:00000002"), std::string::npos) << text;
    EXPECT_NE(text.find("\"V\"=dword:00000003"), std::string::npos) << text;
}

TEST(StoreFile, MatchesKeyAndValueNamesIgnoringCase)
{
    StoreFile file("Windows Registry Editor Version 5.00\n\n"
                   "[hkey_local_machine\\Software\\Velmar\\Pikora]\n\"Field4\"=dword:00000005\n");
    EXPECT_TRUE(file.hasKey(key));
    EXPECT_EQ(file.value(key, "FIELD4")->bytes, (Bytes { 5, 0, 0, 0 }));
    // The rewritten line takes the writer's spelling and keeps its place.
    ASSERT_TRUE(file.setValue(key, "FIELD4", { 4, { 6, 0, 0, 0 } }));
    EXPECT_EQ(file.text(),
        "Windows Registry Editor Version 5.00\n\n"
        "[hkey_local_machine\\Software\\Velmar\\Pikora]\n\"FIELD4\"=dword:00000006\n");
}

TEST(StoreFile, WrittenValuesReadBackWithTypeAndSize)
{
    const StoreFile::Value values[] = {
        { 4, { 0xff, 0xff, 0xff, 0xff } },
        { 4, { 1, 2 } },
        { 4, { 1, 2, 3, 4, 5 } },
        { 1, { '/', 'o', 'p', 't' } },
        { 1, { '"', '\\', 0 } },
        { 1, {} },
        { 3, { 0, 0x80, 0xff } },
        { 7, { 1 } },
        { -1, { 1 } },
    };
    StoreFile file(head);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        ASSERT_TRUE(file.setValue(key, "V" + std::to_string(i), values[i]));
    }
    const StoreFile reread(file.text());
    for (std::size_t i = 0; i < std::size(values); ++i) {
        SCOPED_TRACE(i);
        const auto value = reread.value(key, "V" + std::to_string(i));
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->type, values[i].type);
        EXPECT_EQ(value->bytes, values[i].bytes);
    }
    EXPECT_NE(file.text().find("\"V0\"=dword:ffffffff\n"), std::string::npos);
}

// --- The store file on disk.

TEST(StoreKey, EnsureCreatesTheFileThenTheKeyOpens)
{
    TempDir dir;
    const std::string path = (dir / "machine.reg").string();
    ASSERT_EQ(ensureStoreKey(path, keyPath), 0);
    EXPECT_EQ(dir.read("machine.reg"), head);
    EXPECT_NE(openStoreKey(path, keyPath), nullptr);
}

TEST(StoreKey, EnsureAddsAMissingKeyAndKeepsTheRest)
{
    const std::string rows[] = {
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\r\n"
        "\"x\"=dword:00000001\r\n",
        "Windows Registry Editor Version "
        "5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"x\"=\"1\"",
        "",
    };
    for (const auto& old : rows) {
        SCOPED_TRACE(old);
        TempDir dir;
        const std::string path = dir.write("machine.reg", old).string();
        ASSERT_EQ(ensureStoreKey(path, keyPath), 0);
        const std::string text = dir.read("machine.reg");
        EXPECT_EQ(text.substr(0, old.size()), old);
        EXPECT_NE(text.find("[" + key + "]"), std::string::npos) << text;
        auto opened = openStoreKey(path, keyPath);
        ASSERT_NE(opened, nullptr);
        EXPECT_FALSE(opened->queryValue("x").has_value());
        if (!old.empty()) {
            EXPECT_TRUE(StoreFile(text).value("HKEY_LOCAL_MACHINE\\SOFTWARE\\A", "x").has_value());
        }
    }
}

TEST(StoreKey, EnsureNeverChangesAnExistingKey)
{
    TempDir dir;
    const std::string old = "Windows Registry Editor Version 5.00\r\n\r\n[hkey_local_machine\\"
                            "software\\velmar\\pikora]\r\n\"FIELD4\"=dword:00000000\r\n"
                            "\"MAX_TIMER\"=hex:01\r\n";
    const std::string path = dir.write("machine.reg", old).string();
    ASSERT_EQ(ensureStoreKey(path, keyPath), 0);
    EXPECT_EQ(dir.read("machine.reg"), old);
}

TEST(StoreKey, OpenFailsWithoutFileKeyOrReadWriteAccess)
{
    TempDir dir;
    dir.write("other.reg",
        "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n");
    std::filesystem::create_directory(dir / "folder.reg");
    EXPECT_EQ(openStoreKey((dir / "missing.reg").string(), keyPath), nullptr);
    EXPECT_EQ(openStoreKey((dir / "other.reg").string(), keyPath), nullptr);
    // A directory cannot be opened for writing, not even by root.
    EXPECT_EQ(openStoreKey((dir / "folder.reg").string(), keyPath), nullptr);
    // The parent of an existing key is no key of its own.
    EXPECT_EQ(openStoreKey((dir / "other.reg").string(), "SOFTWARE"), nullptr);
}

TEST(StoreKey, OpenFailsOnAStoreThatCannotBeWritten)
{
    TempDir dir;
    namespace fs = std::filesystem;
    const auto readOnly = dir.write("read-only.reg", head);
    const auto readWrite = dir.write("read-write.reg", head);
    const auto everyone = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(dir.path(), everyone | fs::perms::owner_all | fs::perms::others_exec);
    fs::permissions(readOnly, everyone);
    fs::permissions(readWrite, everyone | fs::perms::owner_write | fs::perms::others_write);
    // Root may write any file: the check runs without its rights.
    const auto faults = testing::asOrdinaryUser([&] {
        return std::string(openStoreKey(readOnly.string(), keyPath) == nullptr
                       ? ""
                       : "a read-only store opened; ")
            + (openStoreKey(readWrite.string(), keyPath) != nullptr ? ""
                                                                    : "a writable one did not");
    });
    if (!faults) {
        GTEST_SKIP() << "cannot run a check without root's rights here";
    }
    EXPECT_EQ(*faults, "");
}

TEST(StoreKey, CloseWritesChangesWithTheProgramsOwnMode)
{
    TempDir dir;
    const auto path = dir.write("machine.reg", head + "\"FIELD4\"=dword:00000001\n");
    // Whoever made the file chose its mode; a save never copies it (a set-user-id bit above
    // all).
    ASSERT_EQ(::chmod(path.c_str(), 04750), 0);
    auto opened = openStoreKey(path.string(), keyPath);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->queryValue("field4"), (Bytes { 1, 0, 0, 0 }));
    opened->setValue("FIELD4", 4, { 0, 0, 0, 0 });
    opened->setValue("SPELL", 4, { 2, 0, 0, 0 });
    EXPECT_EQ(dir.read("machine.reg"), head + "\"FIELD4\"=dword:00000001\n");
    ASSERT_EQ(opened->close(), 0);
    EXPECT_EQ(
        dir.read("machine.reg"), head + "\"FIELD4\"=dword:00000000\n\"SPELL\"=dword:00000002\n");
    EXPECT_EQ(std::filesystem::status(path).permissions(),
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
            | std::filesystem::perms::group_read | std::filesystem::perms::others_read);
    // The store and its lock file, no temporary.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

// Lowers the file size limit for the process while it lives: every write past it fails,
// for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(StoreKey, FailedSaveLeavesTheOldFileWhole)
{
    TempDir dir;
    const std::string old = head + "\"FIELD4\"=dword:00000001\n";
    const auto path = dir.write("machine.reg", old);
    auto opened = openStoreKey(path.string(), keyPath);
    ASSERT_NE(opened, nullptr);
    opened->setValue("APP_FOLDER", 1, Bytes(4000, 'a'));
    int error = 0;
    {
        FileSizeLimit limit(1024);
        error = opened->close();
    }
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(dir.read("machine.reg"), old);
    // No temporary file is left beside it and its lock file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

} // namespace
} // namespace pikora
