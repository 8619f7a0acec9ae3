// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderAccess.h"

#include "PackNames.h"
#include "platform/FileUpdate.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace pikora::pictureset {

namespace {

constexpr int kLockPollMs = 100;

QByteArray local(const QString& path)
{
    return QFile::encodeName(path);
}

// 0 when `fd` is a regular file, else EISDIR or EINVAL (or the error of fstat).
int checkRegular(int fd)
{
    struct stat st = {};
    if (::fstat(fd, &st) != 0) {
        return errno;
    }
    return S_ISREG(st.st_mode) ? 0 : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
}

// Opens a file for reading by its last name only: no link followed, no wait on a FIFO. A
// relative path is taken in the folder `at` (AT_FDCWD: the current one).
int openRegular(int at, const QString& path, int& error)
{
    const int fd
        = ::openat(at, local(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    error = fd < 0 ? errno : checkRegular(fd);
    if (fd >= 0 && error != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// 0 when `fd` is a folder that this process owns, that nobody else may enter, and that is
// empty: one just made for it; else an errno code.
int checkFresh(int fd, struct stat& st)
{
    if (::fstat(fd, &st) != 0) {
        return errno;
    }
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()
        || (st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        return EPERM;
    }
    DIR* dir = ::fdopendir(::dup(fd));
    if (dir == nullptr) {
        return errno;
    }
    int entries = 0;
    while (::readdir(dir) != nullptr) {
        ++entries;
    }
    ::closedir(dir);
    return entries == 2 ? 0 : ENOTEMPTY; // "." and ".."
}

int readAll(int fd, QByteArray& bytes)
{
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) {
            return 0;
        }
        if (got < 0 && errno != EINTR) {
            return errno;
        }
        if (got > 0) {
            bytes.append(buffer, got);
        }
    }
}

int writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote
            = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (wrote < 0 && errno != EINTR) {
            return errno;
        }
        done += wrote > 0 ? wrote : 0;
    }
    return 0;
}

QString errorText(int error)
{
    return qt_error_string(error);
}

} // namespace

mode_t finishedFileMode(const QString& folder)
{
    return modeIn(local(folder).toStdString(), 0664);
}

int folderWriteError(const QString& folder, QString& judged)
{
    judged = QDir(folder).absolutePath();
    while (!QFileInfo(judged).isDir() && !QDir(judged).isRoot()) {
        judged = QFileInfo(judged).path();
    }
    // AT_EACCESS: the rights of the user the program runs as, set-id or not.
    return ::faccessat(AT_FDCWD, local(judged).constData(), W_OK | X_OK, AT_EACCESS) == 0 ? 0
                                                                                          : errno;
}

int readFolderFile(const QString& path, QByteArray& bytes)
{
    int error = 0;
    const int fd = openRegular(AT_FDCWD, path, error);
    if (fd < 0) {
        return error;
    }
    // Far more than any picture, voice or list of a set: a file someone made huge (or
    // sparse) is not read into memory.
    constexpr off_t limit = 64 * 1024 * 1024;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || st.st_size > limit) {
        ::close(fd);
        return EFBIG;
    }
    error = readAll(fd, bytes);
    ::close(fd);
    return error;
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0) {
        ::close(m_fd); // and with it the lock
    }
}

FolderLock::Result FolderLock::lock(const QString& folder, int waitMs, QString& problem)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(kLockName));
    // Every member of a shared folder's group must be able to open the lock to wait on it.
    const mode_t mode = isSharedFolder(local(folder).toStdString()) ? 0660 : 0600;
    m_fd = ::open(
        local(path).constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
    int error = m_fd < 0 ? errno : checkRegular(m_fd);
    if (error != 0) {
        problem = error == ELOOP ? QStringLiteral("%1 is a symbolic link; it must be a plain "
                                                  "file, the lock of pikora-pack")
                                       .arg(path)
            : error == EINVAL || error == EISDIR
            ? QStringLiteral("%1 is not a plain file; it must be the lock of pikora-pack").arg(path)
            : QStringLiteral("%1 cannot be opened: %2").arg(path, errorText(error));
        return Result::Failed;
    }
    struct stat st = {};
    if (::fstat(m_fd, &st) == 0 && st.st_uid == ::geteuid()) {
        ::fchmod(m_fd, mode); // whatever the umask, and whatever the folder was before
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            problem = QStringLiteral("%1 cannot be locked: %2").arg(path, errorText(errno));
            return Result::Failed;
        }
        if (waited.elapsed() >= waitMs) {
            return Result::Busy;
        }
        QThread::msleep(kLockPollMs);
    }
    return Result::Locked;
}

WorkFolder::~WorkFolder()
{
    if (m_fd < 0) {
        return;
    }
    // Only this run's programs write here, and files only.
    if (DIR* dir = ::fdopendir(::dup(m_fd)); dir != nullptr) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") {
                ::unlinkat(m_fd, entry->d_name, 0);
            }
        }
        ::closedir(dir);
    }
    // Whatever someone else may have put at its name is left to them.
    struct stat mine = {};
    struct stat named = {};
    if (::fstat(m_fd, &mine) == 0 && ::lstat(local(m_path).constData(), &named) == 0
        && mine.st_dev == named.st_dev && mine.st_ino == named.st_ino) {
        ::rmdir(local(m_path).constData());
    }
    ::close(m_fd);
}

bool WorkFolder::make(const QString& folder, QString& problem)
{
    QByteArray name = local(QDir(folder).filePath(QString::fromLatin1(kWorkFolderPrefix)))
        + QByteArray(kWorkFolderRandomLength, 'X');
    if (::mkdtemp(name.data()) == nullptr) {
        problem = QStringLiteral("a work folder cannot be made in %1: %2")
                      .arg(folder, errorText(errno));
        return false;
    }
    m_folder = folder;
    m_path = QFile::decodeName(name);
    m_mode = finishedFileMode(folder);
    // In a folder it does not own, another member can rename the work folder and put a link
    // or a folder of theirs at its name: from here on it is reached through a descriptor only
    // (left open for espeak-ng and sox, which reach it as /proc/self/fd/N; by its name only
    // where there is no /proc). A folder that is not ours, private and empty is not the one
    // mkdtemp made, and is left alone.
    m_fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    struct stat st = {};
    int error = m_fd < 0 ? errno : checkFresh(m_fd, st);
    // 0700 whatever the umask; the set-group-id bit of a shared folder stays, so that the
    // files made here belong to the folder's group.
    if (error == 0 && ::fchmod(m_fd, S_IRWXU | (st.st_mode & S_ISGID)) != 0) {
        error = errno;
    }
    if (error != 0) {
        problem
            = QStringLiteral("the work folder %1 cannot be used: %2").arg(m_path, errorText(error));
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
        return false;
    }
    const QString byDescriptor = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
    struct stat reached = {};
    m_reach = ::stat(local(byDescriptor).constData(), &reached) == 0 && reached.st_dev == st.st_dev
            && reached.st_ino == st.st_ino
        ? byDescriptor
        : m_path;
    return true;
}

QString WorkFolder::path(const QString& name) const
{
    return m_reach + u'/' + name;
}

int WorkFolder::write(const QString& name, const QByteArray& bytes) const
{
    remove(name);
    const int fd = ::openat(m_fd, local(name).constData(),
        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        return errno;
    }
    int error = writeAll(fd, bytes);
    if (error == 0 && ::fchmod(fd, m_mode) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

int WorkFolder::finish(const QString& name, QByteArray& bytes) const
{
    int error = 0;
    const int fd = openRegular(m_fd, name, error);
    if (fd >= 0) {
        error = ::fchmod(fd, m_mode) == 0 ? readAll(fd, bytes) : errno;
        ::close(fd);
    }
    return error;
}

int WorkFolder::putInPlace(const QString& name, const QString& target) const
{
    // A rename replaces whatever is at the target, a link too, and follows nothing.
    const QByteArray to = local(QDir(m_folder).filePath(target));
    return ::renameat(m_fd, local(name).constData(), AT_FDCWD, to.constData()) == 0 ? 0 : errno;
}

void WorkFolder::remove(const QString& name) const
{
    ::unlinkat(m_fd, local(name).constData(), 0);
}

int WorkFolder::takesFiles(qsizetype bytes) const
{
    QString judged;
    if (const int error = folderWriteError(m_folder, judged); error != 0) {
        return error;
    }
    const QString probe = QStringLiteral("probe");
    const int error = write(probe, QByteArray(bytes, '\0'));
    remove(probe);
    return error;
}

} // namespace pikora::pictureset
