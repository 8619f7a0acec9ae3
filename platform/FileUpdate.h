// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <sys/types.h>
#include <utility>

namespace pikora {

// Files that several accounts share (the settings store, a folder's `.hidden` list, the
// report) live in folders that a group may write. Nothing planted there may make the program
// write, read, run or wait for anything else, so every open of such a file follows no
// symlink, accepts regular files only and never waits for a FIFO, and modes are set, never
// copied from a file someone else made.

// The most the settings store may hold (a real one holds a few hundred bytes); a larger
// file counts as unreadable.
inline constexpr std::size_t sharedFileLimit = 1024 * 1024;
// The most a folder's list of hidden pictures may hold: room for about 200,000 names, and
// still read in a fraction of a second.
inline constexpr std::size_t hiddenListLimit = 4 * 1024 * 1024;
// The longest the window's thread waits for another program's lock.
inline constexpr std::chrono::milliseconds lockWaitLimit { 1000 };

// One read-modify-write of a file that is saved by replacing it: the settings store and a
// folder's `.hidden` list. Two players on one machine, or two windows of one player, may
// save at once, so the cycle holds an exclusive advisory lock from the read to the
// replacement. The lock is taken on `<file>.lock`, a file only the writers' group can open,
// so that a reader outside the group cannot hold it; a lock held longer than lockWaitLimit
// is not waited for: the file is read all the same and the save fails.
//
// A save writes the new content to `<file>.saving` beside the file, made exclusively,
// flushes it and renames it over the file, so the old file stays whole until the new one is
// complete. The temporary's name is fixed, which only the lock makes safe: a save killed
// halfway leaves it behind, and the next save removes it.
class FileUpdate
{
public:
    enum class Access
    {
        ReadWrite, // the file must exist and open for reading and writing
        CreateRead, // a missing file reads as empty and is made by the save
    };

    FileUpdate() = default;
    FileUpdate(const FileUpdate&) = delete;
    FileUpdate& operator=(const FileUpdate&) = delete;
    ~FileUpdate();

    // Locks the file (waiting at most lockWaitLimit) and reads it. Returns 0 or an errno
    // code: ELOOP for a symlink, EINVAL for any other file that is not a regular one, EFBIG
    // for one over `limit`. A lock that could not be had is no error here; commit() fails
    // then.
    int begin(const std::string& path, Access access, std::size_t limit = sharedFileLimit);
    const std::string& content() const { return m_content; }
    bool locked() const { return m_lockFd >= 0; }
    // Replaces the file with `content` and ends the cycle; 0 or an errno code (EWOULDBLOCK
    // when another program held the lock too long).
    int commit(const std::string& content);
    // Ends the cycle without writing.
    void release();

    static std::string temporaryPath(const std::string& path) { return path + ".saving"; }
    static std::string lockPath(const std::string& path) { return path + ".lock"; }

private:
    int m_lockFd = -1;
    int m_lockError = 0;
    std::string m_path;
    std::string m_content;
};

// Replaces a file's content as one step (the file is made when missing) by renaming a
// complete temporary over it. The new file keeps the old one's group and permission bits,
// never its set-id or sticky bits. Returns 0 or an errno code; the old file stays whole, and
// a missing one missing, if anything fails.
int writeFileAtomically(const std::string& path, const std::string& content);

// Opens a regular file for reading by the exact bytes of its name. Anything else is refused
// before it is read: a FIFO would stall the program until someone writes to it, and a device
// may never end. Returns the descriptor, or -1 with errno set (EISDIR for a folder, EINVAL
// for any other file that is not a regular one) and `problem` saying why for a message
// ("the file is missing", "a folder, not <what>", ...).
int openRegularFile(const std::string& path, const char* what, std::string& problem);

// Reads a whole regular file; returns 0 or an errno code (EISDIR for a folder, EINVAL for
// any other file that is not a regular one, EFBIG past `limit` bytes).
int readWholeFile(
    const std::string& path, std::string& content, std::size_t limit = std::size_t(-1));

// Reads a shared file whole as a save would (no symlink followed, regular files only, at
// most `limit` bytes), without its lock: 0 or an errno code.
int readSharedFile(const std::string& path, std::string& content, std::size_t limit);

// Opens a shared file for appending, made exclusively with modeIn(its folder, sharedMode)
// when missing. A symlink, a file that is not regular or that has other names (hard links)
// is refused. -1 with errno set on failure.
int openSharedAppend(const std::string& path, mode_t sharedMode);

// Splits a local path into its folder ("" for the current one) and its last component.
std::pair<std::string, std::string> splitFolder(const std::string& path);

// True for a folder that a group shares: set-group-id and group-writable.
bool isSharedFolder(const std::string& folder);

// The mode of a shared file made in `folder`: `sharedMode` (0664 for lists, 0660 for
// records) in a shared folder, whose set-group-id bit gives the file the group; 0644
// elsewhere.
mode_t modeIn(const std::string& folder, mode_t sharedMode);

} // namespace pikora
