// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformServices.h"

#include <memory>
#include <string>

#include <QImage>
#include <QPixmap>

namespace pikora {

// A header may claim any size: the game refuses a picture wider or taller than this rather
// than allocate it. No picture button comes near it.
inline constexpr int maxPictureSide = 8000;

// A picture file as the game draws it.
struct DecodedPicture
{
    QImage image; // null when the game leaves the button blank
    std::string problem; // why it does, when it does
    // The file ends before its pixels do: the game draws the missing part in one plain colour
    // (white, or the first colour of a palette).
    bool truncated = false;
};

// Reads a picture with the game's own limits. The bitmap loader and pikora-pack's check
// both call it.
DecodedPicture decodePicture(const std::string& localPath);

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

    // nullptr when the file is missing or not a picture decodePicture can read.
    static std::unique_ptr<QtBitmap> load(const std::string& localPath);

private:
    QPixmap m_pixmap;
};

} // namespace pikora
