// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "HighlightFrame.h"

#include <QPainter>
#include <QRegion>

namespace pikora::ui {

const QColor HighlightFrame::outerColour = QColor(0x1a, 0x1a, 0x1a);
const QColor HighlightFrame::innerColour = QColor(0xff, 0xd4, 0x00);

HighlightFrame::HighlightFrame(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void HighlightFrame::frame(QWidget* target)
{
    m_target = target;
    if (target == nullptr) {
        hide();
        return;
    }
    const QRect around = target->geometry().adjusted(-thickness, -thickness, thickness, thickness);
    setGeometry(around);
    // Only the band belongs to the frame: what lies inside stays the control's own.
    const QRect inside = rect().adjusted(thickness, thickness, -thickness, -thickness);
    setMask(QRegion(rect()).subtracted(QRegion(inside)));
    raise();
    show();
    update();
}

void HighlightFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), outerColour);
    painter.fillRect(
        rect().adjusted(outerWidth, outerWidth, -outerWidth, -outerWidth), innerColour);
}

} // namespace pikora::ui
