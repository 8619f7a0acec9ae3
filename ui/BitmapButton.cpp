// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "BitmapButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

namespace pikora::ui {

namespace {
// A raised button's bevel is two pixels wide; a flat one has its one-pixel frame inside
// the one-pixel static edge. The picture never covers either.
constexpr int raisedEdge = 2;
constexpr int flatEdge = 2;
} // namespace

BitmapButton::BitmapButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void BitmapButton::setImage(const QPixmap& image)
{
    m_image = image;
    update();
}

void BitmapButton::clearImage()
{
    m_image = QPixmap();
    update();
}

void BitmapButton::setFace(Face face)
{
    m_face = face;
    update();
}

QRect BitmapButton::imageArea() const
{
    const int edge = m_face == Face::Raised ? raisedEdge : flatEdge;
    return rect().adjusted(edge, edge, -edge, -edge);
}

QSize BitmapButton::sizeHint() const
{
    if (m_image.isNull()) {
        return { 75, 23 };
    }
    const int edge = m_face == Face::Raised ? raisedEdge : flatEdge;
    return m_image.deviceIndependentSize().toSize() + QSize(2 * edge, 2 * edge);
}

void BitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_face == Face::Raised) {
        paintRaisedFace(painter);
    } else {
        paintFlatFace(painter);
    }

    const QRect area = imageArea();
    if (!m_image.isNull()) {
        // Centred at its own size; when pressed the picture moves down and right by one
        // pixel, as a button's label does.
        const QSize size = m_image.deviceIndependentSize().toSize();
        QPoint topLeft(area.x() + (area.width() - size.width()) / 2,
            area.y() + (area.height() - size.height()) / 2);
        if (isDown()) {
            topLeft += QPoint(1, 1);
        }
        painter.save();
        painter.setClipRect(area);
        painter.drawPixmap(topLeft, m_image);
        painter.restore();
    }

    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = area.adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void BitmapButton::paintRaisedFace(QPainter& painter)
{
    QStyleOptionButton option;
    option.initFrom(this);
    option.features = QStyleOptionButton::None;
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
}

void BitmapButton::paintFlatFace(QPainter& painter)
{
    // The static edge: shadow above and left, highlight below and right.
    const QRect outer = rect();
    const QPalette& colours = palette();
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(colours.color(QPalette::Light));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());

    // The flat face: one plain line, filled with the window colour; darker while pressed.
    const QRect face = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(face, isDown() ? colours.button() : colours.base());
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawRect(face.adjusted(0, 0, -1, -1));
}

void BitmapButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace pikora::ui
