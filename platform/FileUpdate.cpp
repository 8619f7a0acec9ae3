// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FileUpdate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace pikora {

namespace {

// Every open of a shared name: no symlink followed, no wait for a FIFO's other end, no
// terminal taken over, nothing inherited by a program started later.
constexpr int sharedOpen = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

int readAll(int fd, std::string& content, std::size_t limit)
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
        if (static_cast<std::size_t>(got) > limit - content.size()) {
            content.clear();
            return EFBIG;
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

// 0 for a regular file, else EISDIR or EINVAL (or fstat's errno).
int checkRegular(int fd, struct stat& st)
{
    if (::fstat(fd, &st) != 0) {
        return errno;
    }
    if (S_ISREG(st.st_mode)) {
        return 0;
    }
    return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
}

// Opens (making it when missing) the lock file of a shared file and takes its lock, waiting
// at most lockWaitLimit. Returns the locked descriptor, or -1 with the errno code in `error`.
int takeLock(const std::string& lockPath, int& error)
{
    const mode_t mode = modeIn(splitFolder(lockPath).first, 0660) & 0660;
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | sharedOpen, mode);
    if (fd >= 0) {
        ::fchmod(fd, mode); // whatever the umask
    } else if (errno == EEXIST) {
        fd = ::open(lockPath.c_str(), O_RDWR | sharedOpen);
    }
    struct stat st = {};
    if (fd < 0 || (error = checkRegular(fd, st)) != 0) {
        error = fd < 0 ? errno : error;
        if (fd >= 0) {
            ::close(fd);
        }
        return -1;
    }
    const auto deadline = std::chrono::steady_clock::now() + lockWaitLimit;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            error = errno;
            ::close(fd);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return fd;
}

// Writes the new content and gives the file its mode.
int fillTemporary(int fd, const std::string& content, mode_t mode)
{
    if (const int error = writeAll(fd, content); error != 0) {
        return error;
    }
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
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
    if (m_lockFd >= 0) {
        ::close(m_lockFd); // drops the lock
        m_lockFd = -1;
    }
}

namespace {

// Opens a shared file to read: a descriptor, or -1 with `error` set (0 for a missing file
// that `access` lets read as empty).
int openShared(const std::string& path, FileUpdate::Access access, std::size_t limit, int& error)
{
    const int flags = access == FileUpdate::Access::ReadWrite ? O_RDWR : O_RDONLY;
    const int fd = ::open(path.c_str(), flags | sharedOpen);
    if (fd < 0) {
        error = access == FileUpdate::Access::CreateRead && errno == ENOENT ? 0 : errno;
        return -1;
    }
    struct stat st = {};
    error = checkRegular(fd, st);
    if (error == 0 && static_cast<std::size_t>(st.st_size) > limit) {
        error = EFBIG;
    }
    if (error != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

int FileUpdate::begin(const std::string& path, Access access, std::size_t limit)
{
    release();
    m_path = path;
    m_content.clear();
    int error = 0;
    // A file that cannot be had makes no lock file; one that can is opened again under the
    // lock, since a save may have replaced it meanwhile.
    if (access == Access::ReadWrite) {
        const int fd = openShared(path, access, limit, error);
        if (fd < 0) {
            return error;
        }
        ::close(fd);
    }
    // Without the lock the file is still read: a program outside the group, or one that
    // waited too long, goes on with what is there and cannot save.
    m_lockFd = takeLock(lockPath(path), m_lockError);
    const int fd = openShared(path, access, limit, error);
    if (fd >= 0) {
        error = readAll(fd, m_content, limit);
        ::close(fd);
    }
    if (error != 0) {
        release();
    }
    return error;
}

int FileUpdate::commit(const std::string& content)
{
    if (m_lockFd < 0) {
        return m_lockError != 0 ? m_lockError : EBADF;
    }
    // Whatever a killed save, or anyone else, left under the temporary's name goes; the new
    // one is made exclusively, so nothing planted there is written through.
    const std::string temp = temporaryPath(m_path);
    int fd = -1;
    if (::unlink(temp.c_str()) == 0 || errno == ENOENT) {
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | sharedOpen, 0600);
    }
    if (fd < 0) {
        const int error = errno;
        release();
        return error;
    }
    const mode_t mode = modeIn(splitFolder(m_path).first, 0664);
    const int error = replaceWithTemporary(fd, temp, m_path, fillTemporary(fd, content, mode));
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
    if (replacing) {
        // A user outside the old file's group cannot give it that group; the save goes on.
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    const mode_t mode = replacing ? (old.st_mode & 0666) : modeIn(splitFolder(path).first, 0664);
    return replaceWithTemporary(fd, temp, path, fillTemporary(fd, content, mode));
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
    if (const int error = checkRegular(fd, st); error != 0) {
        problem = error == EISDIR ? std::string("a folder, not ") + what : "not a regular file";
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

int readWholeFile(const std::string& path, std::string& content, std::size_t limit)
{
    std::string problem;
    const int fd = openRegularFile(path, "a file", problem);
    if (fd < 0) {
        return errno;
    }
    const int error = readAll(fd, content, limit);
    ::close(fd);
    return error;
}

int readSharedFile(const std::string& path, std::string& content, std::size_t limit)
{
    content.clear();
    int error = 0;
    // A missing file reads as empty.
    const int fd = openShared(path, FileUpdate::Access::CreateRead, limit, error);
    if (fd < 0) {
        return error;
    }
    error = readAll(fd, content, limit);
    ::close(fd);
    return error;
}

int openSharedAppend(const std::string& path, mode_t sharedMode)
{
    const mode_t mode = modeIn(splitFolder(path).first, sharedMode);
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | sharedOpen, mode);
    if (fd >= 0) {
        ::fchmod(fd, mode); // whatever the umask
        return fd;
    }
    if (errno != EEXIST || (fd = ::open(path.c_str(), O_WRONLY | O_APPEND | sharedOpen)) < 0) {
        errno = errno;
        return -1;
    }
    struct stat st = {};
    int error = checkRegular(fd, st);
    if (error == 0 && st.st_nlink != 1) {
        error = EINVAL; // another name for it may lead anywhere
    }
    if (error != 0) {
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::pair<std::string, std::string> splitFolder(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return { std::string(), path };
    }
    return { slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1) };
}

bool isSharedFolder(const std::string& folder)
{
    struct stat st = {};
    return ::stat(folder.empty() ? "." : folder.c_str(), &st) == 0 && (st.st_mode & S_ISGID) != 0
        && (st.st_mode & S_IWGRP) != 0;
}

mode_t modeIn(const std::string& folder, mode_t sharedMode)
{
    return isSharedFolder(folder) ? sharedMode : 0644;
}

} // namespace pikora
