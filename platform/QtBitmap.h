// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformServices.h"

#include <memory>
#include <string>

#include <QPixmap>

namespace pikora {

// A bitmap loaded by Qt, shown at its own pixel size.
class QtBitmap : public Bitmap
{
public:
    explicit QtBitmap(QPixmap pixmap)
        : m_pixmap(std::move(pixmap))
    { }
    int width() const override { return m_pixmap.width(); }
    int height() const override { return m_pixmap.height(); }
    const QPixmap& pixmap() const { return m_pixmap; }

    // nullptr when the file is missing or not a readable image.
    static std::unique_ptr<QtBitmap> load(const std::string& localPath);

private:
    QPixmap m_pixmap;
};

} // namespace pikora
