// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>

namespace pikora::pictureset {

// A picture folder is often shared: the members of a group make it in turn (a folder of
// the group, set-group-id and group-writable, not sticky), and root now and then. So a run
// never opens a name in it that another member could have put a link or a pipe at: it
// makes every file in a work folder of its own and renames it into place, it reads without
// following links or waiting on pipes, and it holds the folder's lock from its first look
// at the folder to its end, so that two runs never make one folder at once.

// How long a run waits for another run on the same folder before it gives up.
inline constexpr int kFolderLockWaitMs = 10'000;

// The mode of every file a run puts in `folder`, whatever the umask: 0664 in a folder that
// a group shares (set-group-id and group-writable), so that the other members can make it
// again, else 0644.
mode_t finishedFileMode(const QString& folder);

// 0 when this process may make files in `folder`, else why not (EACCES, EROFS, ...). A folder
// still to be made is judged by the nearest folder above it that exists: `judged` names the
// folder judged.
int folderWriteError(const QString& folder, QString& judged);

// Reads a regular file whole. A symbolic link is not followed (ELOOP), and a FIFO, device
// or folder is refused before it is read (EINVAL, EISDIR), so that a link or a pipe someone
// put at a name can neither show the program another file nor stall it. 0 or an errno code.
int readFolderFile(const QString& path, QByteArray& bytes);

// The lock of a run on a picture folder: flock on "<folder>/.pikora-pack.lock", held until
// the object goes.
class FolderLock
{
public:
    enum class Result
    {
        Locked,
        Busy, // another run still held it when the wait ran out
        Failed,
    };

    FolderLock() = default;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    // Waits up to `waitMs` while another run holds the folder; `problem` says why it Failed.
    Result lock(const QString& folder, int waitMs, QString& problem);

private:
    int m_fd = -1;
};

// The work folder of one run inside the picture folder (".pikora-pack-XXXXXX", mode 0700,
// in the same file system, so a rename moves a file out of it in one step), reached through
// a descriptor held open, never by its name. It goes, with all it holds, when the object
// goes.
class WorkFolder
{
public:
    WorkFolder() = default;
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    ~WorkFolder();

    bool make(const QString& folder, QString& problem);
    // A path to the file `name` of the work folder, for this program and the ones it starts
    // (through the descriptor), not to be shown.
    QString path(const QString& name) const;
    // These three give 0 or an errno code.
    // Makes the file `name` of the work folder anew with `bytes`.
    int write(const QString& name, const QByteArray& bytes) const;
    // Gives a file made in the work folder the mode of finished files, and reads it.
    int finish(const QString& name, QByteArray& bytes) const;
    // Renames a finished file over `target` of the picture folder.
    int putInPlace(const QString& name, const QString& target) const;
    void remove(const QString& name) const;
    // 0 while the picture folder still takes a new file of `bytes` bytes, else why not (EROFS
    // when it was made read-only since, ENOSPC, ...): such a file is made here and removed.
    int takesFiles(qsizetype bytes) const;

private:
    QString m_folder; // the picture folder
    QString m_path; // the work folder's name
    QString m_reach; // the work folder as path() reaches it
    int m_fd = -1;
    mode_t m_mode = 0644;
};

} // namespace pikora::pictureset
