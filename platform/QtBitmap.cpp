// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "QtBitmap.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QImageReader>

namespace pikora {

namespace {

// Opens a regular file by the exact bytes of its name: a name that is not UTF-8 would
// not survive the trip through a QString. Anything else is refused before it is read: a
// FIFO would stall the game until someone writes to it, and a device may never end.
int openRegularFile(const std::string& localPath)
{
    const int fd = ::open(localPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return -1;
    }
    struct stat st
    { };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::unique_ptr<QtBitmap> QtBitmap::load(const std::string& localPath)
{
    const int fd = openRegularFile(localPath);
    if (fd < 0) {
        return nullptr;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    QImageReader reader(&file);
    reader.setAutoTransform(false);
    // A header may claim any size; refuse what no picture button could show rather than
    // allocating it. 8000 × 8000 is far beyond any screen.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > 8000 || size.height() > 8000)) {
        return nullptr;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        return nullptr;
    }
    return std::make_unique<QtBitmap>(QPixmap::fromImage(std::move(image)));
}

} // namespace pikora
