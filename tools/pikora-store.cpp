// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Installer helper: makes the machine's shared state, the settings key in the store, the
// report and the history, and takes over those an earlier package kept elsewhere. The
// package runs it with the rights of the group pikora alone, never as root, since members of
// the group may put anything at these names.
#include "game/Settings.h"
#include "platform/FileUpdate.h"
#include "platform/StoreFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int usage()
{
    std::fprintf(stderr,
        "usage: pikora-store ensure-key [STORE-FILE]\n"
        "       pikora-store ensure-file FILE\n"
        "       pikora-store adopt OLD-FILE NEW-FILE\n"
        "ensure-key makes the Pikora settings key in the store file (default: %s) when it\n"
        "is missing, set for picture mode; existing values are never changed. ensure-file\n"
        "makes an empty report or history when it is missing. adopt makes NEW-FILE a copy of\n"
        "OLD-FILE when OLD-FILE is there and NEW-FILE is not.\n",
        pikora::machineStorePath().c_str());
    return 2;
}

int fail(const std::string& path, int error)
{
    std::fprintf(stderr, "pikora-store: cannot write %s: %s\n", path.c_str(), std::strerror(error));
    return 1;
}

int ensureKey(const std::string& path)
{
    // Pikora is a picture game: a fresh install starts in picture mode. The program's own
    // defaults for missing values (word mode among them) stay for keys made otherwise.
    const pikora::StoreFile::Value pictureMode { pikora::StoreFile::typeNumber, { 0, 0, 0, 0 } };
    const int error
        = pikora::ensureStoreKey(path, pikora::settingsKeyPath, { { "USE_WORDS", pictureMode } });
    return error == 0 ? 0 : fail(path, error);
}

int ensureFile(const std::string& path)
{
    // Made exclusively with the records' mode, or an existing regular file of one name.
    const int fd = pikora::openSharedAppend(path, 0660);
    if (fd < 0) {
        return fail(path, errno);
    }
    ::close(fd);
    return 0;
}

int adopt(const std::string& oldPath, const std::string& newPath)
{
    std::string content;
    struct stat st = {};
    if (::lstat(oldPath.c_str(), &st) != 0 && errno == ENOENT) {
        return 0; // nothing to take over
    }
    if (::lstat(newPath.c_str(), &st) == 0) {
        std::fprintf(stderr, "pikora-store: %s is there already; %s is left as it is\n",
            newPath.c_str(), oldPath.c_str());
        return 3;
    }
    // Read as every shared file is (no link followed, regular files only). Records of years
    // of play stay far below the limit; a file made huge (or sparse) by someone is not copied.
    if (const int error = pikora::readSharedFile(oldPath, content, 1024L * 1024 * 1024);
        error != 0) {
        std::fprintf(stderr, "pikora-store: %s cannot be taken over: %s\n", oldPath.c_str(),
            std::strerror(error));
        return 1;
    }
    // A complete copy under a name of its own, then linked to the new name, which fails
    // rather than replace a file that appeared meanwhile.
    std::string temp = newPath + ".adopting-XXXXXX";
    const int out = ::mkostemp(temp.data(), O_CLOEXEC);
    if (out < 0) {
        return fail(newPath, errno);
    }
    int error = 0;
    for (std::size_t done = 0; error == 0 && done < content.size();) {
        const ssize_t wrote = ::write(out, content.data() + done, content.size() - done);
        error = wrote < 0 ? errno : 0;
        done += wrote > 0 ? static_cast<std::size_t>(wrote) : 0;
    }
    const mode_t mode = pikora::modeIn(pikora::splitFolder(newPath).first, 0660);
    if (error == 0 && (::fchmod(out, mode) != 0 || ::fsync(out) != 0)) {
        error = errno;
    }
    if (::close(out) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::link(temp.c_str(), newPath.c_str()) != 0) {
        error = errno;
    }
    ::unlink(temp.c_str());
    return error == 0 ? 0 : fail(newPath, error);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "ensure-key" && argc <= 3) {
        return ensureKey(argc == 3 ? argv[2] : pikora::machineStorePath());
    }
    if (command == "ensure-file" && argc == 3) {
        return ensureFile(argv[2]);
    }
    if (command == "adopt" && argc == 4) {
        return adopt(argv[2], argv[3]);
    }
    return usage();
}
