// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <sys/types.h>
#include <utility>

namespace pikora {

// One read-modify-write of a file that is saved by replacing it: the settings store and a
// folder's `.hidden` list. Several programs may share these files (two players on one
// machine, two windows of one player), so the cycle holds an exclusive advisory lock
// (flock) on the file from the read to the replacement; a second cycle waits for it
// instead of undoing the first one's change. Every writer of these files goes through here.
//
// A save writes the new content to `<file>.saving` beside the file, flushes it and renames
// it over the file, so the old file stays whole until the new one is complete. The
// temporary's name is fixed, which only the lock makes safe: a save killed halfway leaves
// the temporary behind, and the next save replaces it. The replacement keeps the file's
// group and mode, so that a file shared by a group stays writable by the whole group.
class FileUpdate
{
public:
    enum class Access
    {
        ReadWrite, // the file must exist and open for reading and writing
        CreateRead, // created empty when missing; reading is enough (the folder is written)
    };

    FileUpdate() = default;
    FileUpdate(const FileUpdate&) = delete;
    FileUpdate& operator=(const FileUpdate&) = delete;
    ~FileUpdate();

    // Opens and locks the file and reads it; waits while another cycle holds the lock.
    // Returns 0 or an errno code (EINVAL for a file that is not a regular one).
    int begin(const std::string& path, Access access);
    const std::string& content() const { return m_content; }
    // Replaces the file with `content` and ends the cycle; 0 or an errno code.
    int commit(const std::string& content);
    // Ends the cycle without writing.
    void release();

    static std::string temporaryPath(const std::string& path) { return path + ".saving"; }

private:
    int m_fd = -1;
    std::string m_path;
    std::string m_content;
};

// Replaces a file's content as one step (the file is made when missing) by renaming a
// complete temporary over it, keeping its group and mode. Returns 0 or an errno code; the
// old file stays whole, and a missing one missing, if anything fails.
int writeFileAtomically(const std::string& path, const std::string& content);

// Opens a regular file for reading by the exact bytes of its name. Anything else is refused
// before it is read: a FIFO would stall the program until someone writes to it, and a device
// may never end. Returns the descriptor, or -1 with errno set (EISDIR for a folder, EINVAL
// for any other file that is not a regular one) and `problem` saying why for a message
// ("the file is missing", "a folder, not <what>", ...).
int openRegularFile(const std::string& path, const char* what, std::string& problem);

// Reads a whole regular file; returns 0 or an errno code (EISDIR for a folder, EINVAL for
// any other file that is not a regular one).
int readWholeFile(const std::string& path, std::string& content);

// Opens a file with `flags` (O_RDONLY, O_WRONLY | O_APPEND, ...), creating it when missing
// with newFileMode of its folder whatever the umask; -1 with errno set on failure.
int openCreating(const std::string& path, int flags);

// Splits a local path into its folder ("" for the current one) and its last component.
std::pair<std::string, std::string> splitFolder(const std::string& path);

// The mode of a file that a save creates in `folder`: 0644, with group write as well in a
// folder that a group shares (set-group-id and group-writable), whatever the umask.
mode_t newFileMode(const std::string& folder);

} // namespace pikora
