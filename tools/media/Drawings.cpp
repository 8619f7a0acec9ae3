// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Drawings.h"

#include <cmath>
#include <numbers>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace pikora::media {

namespace {

QPainterPath star(QPointF centre, double outer)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.45;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

void drawStar(QPainter& painter, QPointF centre, double outer)
{
    painter.setPen(QPen(QColor(0xf9a825), outer / 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xffd54f));
    painter.drawPath(star(centre, outer));
}

// The picture card with a speech bubble, drawn in a 256 × 256 square.
void drawCardMotif(QPainter& painter)
{
    // The card: a white card with a blue edge holding a small landscape and a word line.
    painter.setPen(QPen(QColor(0x1565c0), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(14, 58, 176, 186), 24, 24);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x81d4fa));
    painter.drawRoundedRect(QRectF(34, 78, 136, 104), 10, 10);
    painter.setBrush(QColor(0xffca28));
    painter.drawEllipse(QPointF(136, 108), 17, 17);
    QPainterPath hill(QPointF(34, 182));
    hill.cubicTo(QPointF(60, 122), QPointF(110, 128), QPointF(170, 160));
    hill.lineTo(170, 182);
    hill.closeSubpath();
    painter.setBrush(QColor(0x43a047));
    painter.drawPath(hill);
    painter.setBrush(QColor(0x1565c0));
    painter.drawRoundedRect(QRectF(52, 200, 100, 18), 9, 9);

    // The speech bubble: the card's word being said.
    QPainterPath bubble;
    bubble.addEllipse(QRectF(136, 8, 112, 86));
    QPainterPath tail(QPointF(160, 78));
    tail.lineTo(140, 118);
    tail.lineTo(190, 88);
    tail.closeSubpath();
    painter.setPen(QPen(QColor(0xd84315), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xff7043));
    painter.drawPath(bubble.united(tail));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (int dot = 0; dot < 3; ++dot) {
        painter.drawEllipse(QPointF(166 + 26 * dot, 51), 9, 9);
    }
}

} // namespace

QImage correctSign()
{
    QImage image(420, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(210, 125);
    painter.setPen(QPen(QColor(0x2e7d32), 8));
    painter.setBrush(QColor(0x43a047));
    painter.drawEllipse(centre, 96, 96);
    QPainterPath tick(centre + QPointF(-50, 4));
    tick.lineTo(centre + QPointF(-14, 40));
    tick.lineTo(centre + QPointF(52, -38));
    painter.setPen(QPen(Qt::white, 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    drawStar(painter, QPointF(78, 66), 34);
    drawStar(painter, QPointF(350, 78), 26);
    drawStar(painter, QPointF(340, 194), 20);
    drawStar(painter, QPointF(88, 192), 17);
    return image;
}

QImage programIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    drawCardMotif(painter);
    return image;
}

QImage aboutBanner()
{
    QImage image(380, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.translate(14, 6);
    painter.scale(68 / 256.0, 68 / 256.0);
    drawCardMotif(painter);
    painter.restore();

    // One cheerful colour a letter.
    const QColor colours[] = { QColor(0x1565c0), QColor(0xc62828), QColor(0x2e7d32),
        QColor(0xef6c00), QColor(0x6a1b9a), QColor(0x00838f) };
    QFont font(QStringLiteral("DejaVu Sans"), 10, QFont::Bold);
    font.setPixelSize(54);
    const QFontMetricsF metrics(font);
    const QString name = QStringLiteral("Pikora");
    const double baseline = 40 + (metrics.ascent() - metrics.descent()) / 2;
    double x = 100;
    for (int i = 0; i < name.size(); ++i) {
        QPainterPath letter;
        letter.addText(QPointF(x, baseline), font, name.mid(i, 1));
        painter.fillPath(letter, colours[i]);
        x += metrics.horizontalAdvance(name.mid(i, 1)) + 2;
    }
    return image;
}

} // namespace pikora::media
