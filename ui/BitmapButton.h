// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace pikora::ui {

// A push button that shows a picture: centred, at the picture's own pixel size, never
// scaled; a picture larger than the button is cut off inside the button's edges. Without a
// picture the button shows a blank face. Clicking takes the focus; Enter or space while it
// has the focus clicks it.
class BitmapButton : public QAbstractButton
{
    Q_OBJECT
public:
    enum class Face
    {
        Raised, // an ordinary push button
        FlatStaticEdge, // a flat face inside a thin sunken edge
    };

    explicit BitmapButton(QWidget* parent = nullptr);

    void setImage(const QPixmap& image);
    void clearImage();
    const QPixmap& image() const { return m_image; }

    void setFace(Face face);
    Face face() const { return m_face; }

    // The part of the button that the picture may cover, inside the face's edges.
    QRect imageArea() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintRaisedFace(QPainter& painter);
    void paintFlatFace(QPainter& painter);

    QPixmap m_image;
    Face m_face = Face::Raised;
};

} // namespace pikora::ui
