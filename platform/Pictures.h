// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

namespace pikora::pictureset {

// Draws full-colour emoji with the Noto Color Emoji font, and tells which ones it lacks.
class EmojiPainter
{
public:
    EmojiPainter();

    // Why no emoji can be drawn at all (the font is missing); empty when they can.
    QString fontProblem() const { return m_fontProblem; }
    // Why `emoji` cannot be drawn: a character or a sequence the font has no picture for.
    QString problem(const QString& emoji) const;
    // The emoji on a transparent image cropped to what it covers; null when nothing shows.
    QImage render(const QString& emoji) const;
    // The picture of `emoji`.
    QImage picture(const QString& emoji, QString& problem) const;

private:
    QFont m_font;
    QString m_fontProblem;
};

// The pictures of the game's buttons, 420 × 250, each made of one kind of source. A null
// image comes with `problem` saying why there is none.
// An image file of any format Qt reads, or SVG, scaled to fit and turned to sRGB.
QImage pictureOfImage(const QString& path, QString& problem);
// A word written large; a single `letter` in a colour of its own.
QImage pictureOfText(const QString& text, bool letter, QString& problem);
QImage pictureOfColour(const QColor& colour);

// A white picture-sized canvas.
QImage blankPicture();
// The largest rectangle of `art`'s proportions inside `box`, centred in it.
QRectF fitInside(const QSizeF& art, const QRectF& box);
// `text` drawn as large as fits in `box` (no taller than `maxHeight`); false with `problem`
// set when no font on the machine has one of its characters.
bool drawFittedText(QImage& canvas, const QString& text, const QRectF& box, qreal maxHeight,
    const QColor& colour, QString& problem);
// The bytes of a 24-bit BMP file of `image`.
QByteArray encodeBmp24(const QImage& image);

} // namespace pikora::pictureset
