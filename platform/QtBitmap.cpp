// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "QtBitmap.h"

#include "FileUpdate.h"

#include <unistd.h>

#include <QFile>
#include <QImageReader>

namespace pikora {

namespace {

// What the header of a BMP file says of its pixel data.
struct BmpLayout
{
    bool runLength = false; // RLE4 or RLE8: pixels the codes skip are never written
    qint64 bytesNeeded = 0; // the file size its pixels need; 0 when unknown
};

BmpLayout bmpLayout(const QByteArray& head)
{
    BmpLayout layout;
    const auto le = [&](int at, int size) {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = (value << 8) | static_cast<quint8>(head[at + i]);
        }
        return value;
    };
    if (head.size() < 26 || !head.startsWith("BM")) {
        return layout;
    }
    const qint64 offset = le(10, 4);
    const bool core = le(14, 4) == 12; // the oldest header, with 16-bit sizes
    if (!core && head.size() < 38) {
        return layout;
    }
    const qint64 width = core ? le(18, 2) : std::abs(qint64(qint32(le(18, 4))));
    const qint64 height = core ? le(20, 2) : std::abs(qint64(qint32(le(22, 4))));
    const qint64 bits = core ? le(24, 2) : le(28, 2);
    const quint32 compression = core ? 0 : le(30, 4);
    layout.runLength = compression == 1 || compression == 2;
    if (layout.runLength) {
        const qint64 coded = le(34, 4); // the size of the codes
        layout.bytesNeeded = coded > 0 ? offset + coded : 0;
    } else if (width <= maxPictureSide && height <= maxPictureSide) {
        layout.bytesNeeded = offset + (width * bits + 31) / 32 * 4 * height;
    }
    return layout;
}

// An image of the size and format the reader will make, filled with one plain colour. Qt's
// readers decode into a given image of the right size and format, and Qt's BMP reader leaves
// the pixels a short file does not reach as it finds them. Null when the reader cannot say,
// or when Qt's own allocation limit would refuse the picture anyway.
QImage plainCanvas(QImageReader& reader, const QSize& size)
{
    const QImage::Format format = reader.imageFormat();
    if (!size.isValid() || size.isEmpty() || format == QImage::Format_Invalid) {
        return {};
    }
    const qint64 bytes
        = qint64(size.width()) * size.height() * QImage::toPixelFormat(format).bitsPerPixel() / 8;
    const int limitMb = QImageReader::allocationLimit();
    if (limitMb > 0 && bytes > qint64(limitMb) * 1024 * 1024) {
        return {};
    }
    QImage canvas(size, format);
    if (format == QImage::Format_Indexed8 || format == QImage::Format_Mono
        || format == QImage::Format_MonoLSB) {
        canvas.fill(0u);
    } else {
        canvas.fill(Qt::white);
    }
    return canvas;
}

} // namespace

DecodedPicture decodePicture(const std::string& localPath)
{
    DecodedPicture result;
    const int fd = openRegularFile(localPath, "a picture", result.problem);
    if (fd < 0) {
        return result;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        result.problem = "it cannot be read";
        return result;
    }
    const BmpLayout layout = bmpLayout(file.peek(64));
    // A picture is a BMP file: the reader is told so and does not probe the file against every
    // image plugin installed, which would load them all (and their libraries) into the game.
    QImageReader reader(&file, QByteArrayLiteral("bmp"));
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    // Qt gives a top-down BMP's height as its header does, below zero.
    const QSize size(reader.size().width(), std::abs(reader.size().height()));
    if (size.isValid() && (size.width() > maxPictureSide || size.height() > maxPictureSide)) {
        result.problem = std::to_string(size.width()) + " × " + std::to_string(size.height())
            + " pixels; the game shows at most " + std::to_string(maxPictureSide) + " each way";
        return result;
    }
    // Only a short file or run-length codes leave pixels unwritten; other files are read
    // into an image the reader makes.
    const bool truncated = layout.bytesNeeded > 0 && file.size() < layout.bytesNeeded;
    const bool gaps = truncated || layout.runLength;
    QImage image = gaps ? plainCanvas(reader, size) : QImage();
    const qint64 canvas = image.cacheKey() >> 32; // which image, whatever was drawn on it
    if (!reader.read(&image) || image.isNull()) {
        result.problem = "not a picture the game can read: " + reader.errorString().toStdString();
        return result;
    }
    result.truncated = truncated;
    if (gaps && (image.cacheKey() >> 32) != canvas) {
        // The reader made an image of its own: what the file does not cover is garbage.
        result.problem = "the file ends before its pixels do";
        return result;
    }
    result.image = std::move(image);
    return result;
}

std::unique_ptr<QtBitmap> QtBitmap::load(const std::string& localPath)
{
    DecodedPicture picture = decodePicture(localPath);
    if (picture.image.isNull()) {
        return nullptr;
    }
    return std::make_unique<QtBitmap>(QPixmap::fromImage(std::move(picture.image)));
}

} // namespace pikora
