// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "QtBitmap.h"

#include <QFile>
#include <QImageReader>

namespace pikora {

std::unique_ptr<QtBitmap> QtBitmap::load(const std::string& localPath)
{
    QImageReader reader(QFile::decodeName(QByteArray::fromStdString(localPath)));
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
