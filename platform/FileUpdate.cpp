// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FileUpdate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pikora {

namespace {

int readAll(int fd, std::string& content)
{
    content.clear();
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return errno;
        }
        if (got == 0) {
            return 0;
        }
        content.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
}

int writeAll(int fd, const std::string& content)
{
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t wrote = ::write(fd, content.data() + done, content.size() - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote < 0) {
            return errno;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return 0;
}

// Opens the file for the lock. A file made here gets its mode whatever the umask.
int openForLock(const std::string& path, FileUpdate::Access access)
{
    if (access == FileUpdate::Access::ReadWrite) {
        return ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    }
    return openCreating(path, O_RDONLY | O_NONBLOCK);
}

// A fresh temporary: whatever a killed save (or anyone else) left under its name goes.
int createTemporary(const std::string& temp)
{
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT) {
        return -1;
    }
    return ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

// Locks a regular file: 0, or an errno code.
int lockRegular(int fd)
{
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    }
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

bool nameLeadsTo(const std::string& path, int fd)
{
    struct stat named = {};
    struct stat opened = {};
    return ::stat(path.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0
        && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// Locks the file that the name leads to. A save that replaced the file while we waited for
// its lock made the name lead to the new file, which is the one to lock then.
int lockCurrent(const std::string& path, FileUpdate::Access access, int& lockedFd)
{
    for (;;) {
        const int fd = openForLock(path, access);
        if (fd < 0) {
            return errno;
        }
        if (const int error = lockRegular(fd); error != 0) {
            ::close(fd);
            return error;
        }
        if (nameLeadsTo(path, fd)) {
            lockedFd = fd;
            return 0;
        }
        ::close(fd);
    }
}

// Writes the new content and gives the file its mode and, when given, its group: the group
// first, since changing it may clear a set-group-id bit that the mode then sets. A user
// outside a replaced file's group cannot give it that group; the save goes on without.
int fillTemporary(int fd, const std::string& content, mode_t mode, std::optional<gid_t> group)
{
    if (const int error = writeAll(fd, content); error != 0) {
        return error;
    }
    struct stat made = {};
    if (group && ::fstat(fd, &made) == 0 && made.st_gid != *group) {
        (void)::fchown(fd, static_cast<uid_t>(-1), *group);
    }
    if (::fchmod(fd, mode & 07777) != 0 || ::fsync(fd) != 0) {
        return errno;
    }
    return 0;
}

// Closes the filled temporary and renames it over the file; on any error it goes instead.
int replaceWithTemporary(int fd, const std::string& temp, const std::string& path, int error)
{
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temp.c_str());
    }
    return error;
}

} // namespace

FileUpdate::~FileUpdate()
{
    release();
}

void FileUpdate::release()
{
    if (m_fd >= 0) {
        ::close(m_fd); // drops the lock
        m_fd = -1;
    }
}

int FileUpdate::begin(const std::string& path, Access access)
{
    release();
    m_path = path;
    if (const int error = lockCurrent(path, access, m_fd); error != 0) {
        return error;
    }
    if (const int error = readAll(m_fd, m_content); error != 0) {
        release();
        return error;
    }
    return 0;
}

int FileUpdate::commit(const std::string& content)
{
    if (m_fd < 0) {
        return EBADF;
    }
    struct stat old = {};
    const std::string temp = temporaryPath(m_path);
    const int fd = ::fstat(m_fd, &old) == 0 ? createTemporary(temp) : -1;
    if (fd < 0) {
        const int error = errno;
        release();
        return error;
    }
    const int error = replaceWithTemporary(
        fd, temp, m_path, fillTemporary(fd, content, old.st_mode, old.st_gid));
    release();
    return error;
}

int writeFileAtomically(const std::string& path, const std::string& content)
{
    // Neither read nor locked: the file appears or changes only by the rename of a complete
    // one, and a temporary of its own keeps two writers from mixing their contents.
    struct stat old = {};
    const bool replacing = ::stat(path.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) {
        return errno;
    }
    if (replacing && !S_ISREG(old.st_mode)) {
        return S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    }
    std::string temp = path + ".saving-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    const int error = replacing
        ? fillTemporary(fd, content, old.st_mode, old.st_gid)
        : fillTemporary(fd, content, newFileMode(splitFolder(path).first), std::nullopt);
    return replaceWithTemporary(fd, temp, path, error);
}

int openRegularFile(const std::string& path, const char* what, std::string& problem)
{
    // Without O_NONBLOCK opening a FIFO would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        problem = error == ENOENT ? "the file is missing"
                                  : std::string("it cannot be read: ") + std::strerror(error);
        errno = error;
        return -1;
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        problem = error == EISDIR ? std::string("a folder, not ") + what : "not a regular file";
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

int readWholeFile(const std::string& path, std::string& content)
{
    std::string problem;
    const int fd = openRegularFile(path, "a file", problem);
    if (fd < 0) {
        return errno;
    }
    const int error = readAll(fd, content);
    ::close(fd);
    return error;
}

int openCreating(const std::string& path, int flags)
{
    const mode_t mode = newFileMode(splitFolder(path).first);
    const int fd = ::open(path.c_str(), flags | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0) {
        ::fchmod(fd, mode);
        return fd;
    }
    if (errno != EEXIST) {
        return -1;
    }
    return ::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY);
}

std::pair<std::string, std::string> splitFolder(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return { std::string(), path };
    }
    return { slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1) };
}

mode_t newFileMode(const std::string& folder)
{
    struct stat st = {};
    const bool shared = ::stat(folder.empty() ? "." : folder.c_str(), &st) == 0
        && (st.st_mode & S_ISGID) != 0 && (st.st_mode & S_IWGRP) != 0;
    return shared ? 0664 : 0644;
}

} // namespace pikora
