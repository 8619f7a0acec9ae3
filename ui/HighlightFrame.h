// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

namespace pikora::ui {

// The scan highlight: a thick frame around a choice control, drawn outside it so that it
// covers no part of the picture or word, in two colours so that it stands out on any
// picture and on the window's background. It lies over its siblings without moving them
// and lets every click through.
class HighlightFrame : public QWidget
{
    Q_OBJECT
public:
    static constexpr int outerWidth = 5; // dark band, outermost
    static constexpr int innerWidth = 5; // light band, next to the control
    static constexpr int thickness = outerWidth + innerWidth;
    static const QColor outerColour;
    static const QColor innerColour;

    explicit HighlightFrame(QWidget* parent);

    // Frames `target` (a child of the same parent); nullptr hides the frame.
    void frame(QWidget* target);
    QWidget* target() const { return m_target; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_target = nullptr;
};

} // namespace pikora::ui
