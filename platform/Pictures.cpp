// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "PackNames.h"

#include <array>

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QTextBoundaryFinder>
#include <QTextLayout>

namespace pikora::pictureset {

namespace {

constexpr char kEmojiFamily[] = "Noto Color Emoji";
// The font's bitmaps are drawn for this size; others are scaled from it.
constexpr int kEmojiPixelSize = 109;

// Areas of the picture that each kind of content fills.
const QRectF kEmojiBox(10, 12, 400, 226);
const QRectF kTextBox(12, 25, 396, 200);
const QRectF kLetterBox(20, 12, 380, 226);
const QRectF kSwatch(40, 30, 340, 190);

QList<QGlyphRun> shape(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

QString codePoints(const QString& text)
{
    QStringList points;
    for (const char32_t c : text.toUcs4()) {
        points << QStringLiteral("U+%1").arg(quint32(c), 4, 16, QChar(u'0')).toUpper();
    }
    return points.join(u' ');
}

// The smallest rectangle holding every pixel that is not (nearly) transparent.
QRect opaqueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

QColor letterColour(const QString& word)
{
    static const std::array<QColor, 7> palette { QColor(0x1565c0), QColor(0xc62828),
        QColor(0x2e7d32), QColor(0x6a1b9a), QColor(0xef6c00), QColor(0x00838f), QColor(0xad1457) };
    std::size_t sum = 0;
    for (const QChar c : word) {
        sum += c.unicode();
    }
    return palette[sum % palette.size()];
}

bool isSvg(const QString& path)
{
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
        || path.endsWith(QStringLiteral(".svgz"), Qt::CaseInsensitive)) {
        return true;
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(1024).contains("<svg");
}

QImage drawSvg(const QString& path, QString& problem)
{
    QSvgRenderer renderer(path);
    const QSizeF size = renderer.viewBoxF().size();
    if (!renderer.isValid() || size.isEmpty()) {
        problem = QStringLiteral("the SVG image %1 cannot be read").arg(path);
        return {};
    }
    QImage canvas = blankPicture();
    QPainter painter(&canvas);
    renderer.render(&painter, fitInside(size, canvas.rect()));
    return canvas;
}

// Why an image file cannot be read, with the likely remedy.
QString unreadable(const QString& path, const QImageReader& reader)
{
    if (reader.error() == QImageReader::UnsupportedFormatError) {
        return QStringLiteral("the image %1 is in a format Qt cannot read here (WebP and TIFF "
                              "need the Debian package qt6-image-formats-plugins; PNG, JPEG, "
                              "SVG and BMP always work)")
            .arg(path);
    }
    return QStringLiteral("the image %1 cannot be read: %2").arg(path, reader.errorString());
}

// Qt's allocation limit while it lives. The limit is the whole process's, and the game's
// own (which the check keeps) is lower.
class AllocationLimit
{
public:
    explicit AllocationLimit(int megabytes)
        : m_previous(QImageReader::allocationLimit())
    {
        QImageReader::setAllocationLimit(megabytes);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(m_previous); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    int m_previous;
};

QImage drawRaster(const QString& path, QString& problem)
{
    // Formats read whole before scaling (PNG, WebP, TIFF) need 4 bytes a pixel: 192 MB for
    // a 48-megapixel photo.
    const AllocationLimit limit(1024);
    QImageReader reader(path);
    reader.setAutoTransform(true); // photos carry their orientation
    // A large photo is read at the size it is drawn where the format allows (JPEG): the
    // picture needs no more than its button's pixels.
    const QSize size = reader.size();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSizeF box
        = turned ? QSizeF(kPictureHeight, kPictureWidth) : QSizeF(kPictureWidth, kPictureHeight);
    if (size.width() > box.width() || size.height() > box.height()) {
        const QSizeF fitted = fitInside(size, QRectF(QPointF(), box)).size();
        reader.setScaledSize(
            QSize(std::max(1, qRound(fitted.width())), std::max(1, qRound(fitted.height()))));
    }
    QImage art = reader.read();
    if (art.isNull()) {
        problem = unreadable(path, reader);
        return {};
    }
    // A photo's values mean colours of its own profile (Display P3 from a phone, Adobe RGB
    // from a camera), and the game shows a bitmap's values as sRGB: copied as they are, its
    // red comes out dull.
    if (art.colorSpace().isValid() && art.colorSpace() != QColorSpace::SRgb) {
        art.convertToColorSpace(QColorSpace::SRgb);
    }
    QImage canvas = blankPicture();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(fitInside(art.size(), canvas.rect()).toRect(), art);
    return canvas;
}

QImage drawSwatch(const QColor& colour)
{
    QImage canvas = blankPicture();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    // The border keeps a white or pale swatch visible on the white picture.
    painter.setPen(QPen(colour.darker(140), 4));
    painter.setBrush(colour);
    painter.drawRoundedRect(kSwatch, 28, 28);
    return canvas;
}

} // namespace

EmojiPainter::EmojiPainter()
    : m_font(QString::fromLatin1(kEmojiFamily))
{
    m_font.setPixelSize(kEmojiPixelSize);
    // Without merging, a sequence is shaped by the emoji font alone: a joined sequence
    // becomes its one picture, and a missing one shows as missing instead of a stand-in.
    m_font.setStyleStrategy(QFont::NoFontMerging);
    if (QFontInfo(m_font).family() != QLatin1String(kEmojiFamily)) {
        m_fontProblem = QStringLiteral("the font %1 is not installed (Debian package "
                                       "fonts-noto-color-emoji)")
                            .arg(QLatin1String(kEmojiFamily));
    }
}

QString EmojiPainter::problem(const QString& emoji) const
{
    if (!m_fontProblem.isEmpty()) {
        return m_fontProblem;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, emoji);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        const QString cluster = emoji.mid(start, end - start);
        start = end;
        qsizetype glyphs = 0;
        bool missing = false;
        for (const QGlyphRun& run : shape(cluster, m_font)) {
            glyphs += run.glyphIndexes().size();
            missing = missing || run.glyphIndexes().contains(0);
        }
        if (missing || glyphs != 1) {
            return QStringLiteral("unknown emoji '%1' (%2): the emoji font has no picture for it")
                .arg(cluster, codePoints(cluster));
        }
    }
    if (render(emoji).isNull()) {
        return QStringLiteral("the emoji '%1' (%2) draws nothing").arg(emoji, codePoints(emoji));
    }
    return {};
}

QImage EmojiPainter::render(const QString& emoji) const
{
    const QFontMetricsF metrics(m_font);
    const qreal margin = kEmojiPixelSize;
    const QSizeF size(metrics.horizontalAdvance(emoji) + 2 * margin, metrics.height() + margin);
    QImage image(size.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(m_font);
    painter.drawText(QPointF(margin, margin / 2 + metrics.ascent()), emoji);
    painter.end();
    const QRect bounds = opaqueBounds(image);
    return bounds.isEmpty() ? QImage() : image.copy(bounds);
}

QImage EmojiPainter::picture(const QString& emoji, QString& problem) const
{
    problem = this->problem(emoji);
    if (!problem.isEmpty()) {
        return {};
    }
    const QImage art = render(emoji);
    QImage canvas = blankPicture();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(fitInside(art.size(), kEmojiBox), art);
    return canvas;
}

QImage pictureOfImage(const QString& path, QString& problem)
{
    return isSvg(path) ? drawSvg(path, problem) : drawRaster(path, problem);
}

QImage pictureOfText(const QString& text, bool letter, QString& problem)
{
    QImage canvas = blankPicture();
    if (!drawFittedText(canvas, text, letter ? kLetterBox : kTextBox,
            letter ? kLetterBox.height() : 140, letter ? letterColour(text) : QColor(0x1a237e),
            problem)) {
        return {};
    }
    return canvas;
}

QImage pictureOfColour(const QColor& colour)
{
    return drawSwatch(colour);
}

QImage blankPicture()
{
    QImage canvas(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

QRectF fitInside(const QSizeF& art, const QRectF& box)
{
    const qreal scale = std::min(box.width() / art.width(), box.height() / art.height());
    QRectF fitted(QPointF(), art * scale);
    fitted.moveCenter(box.center());
    return fitted;
}

bool drawFittedText(QImage& canvas, const QString& text, const QRectF& box, qreal maxHeight,
    const QColor& colour, QString& problem)
{
    QFont font(QStringLiteral("DejaVu Sans"), 100, QFont::Bold);
    for (const QGlyphRun& run : shape(text, font)) {
        if (run.glyphIndexes().contains(0)) {
            problem = QStringLiteral("no font on this machine can draw '%1' (%2)")
                          .arg(text, codePoints(text));
            return false;
        }
    }
    QPainterPath path;
    path.addText(QPointF(), font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) {
        problem = QStringLiteral("'%1' draws nothing").arg(text);
        return false;
    }
    const QSizeF limit(box.width(), std::min(box.height(), maxHeight));
    const QRectF target = fitInside(bounds.size(), QRectF(QPointF(), limit));
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(target.width() / bounds.width(), target.height() / bounds.height());
    transform.translate(-bounds.center().x(), -bounds.center().y());
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(transform.map(path), colour);
    return true;
}

QByteArray encodeBmp24(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes RGB888 images as 24 bits a pixel, the depth the game's buttons expect.
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

} // namespace pikora::pictureset
