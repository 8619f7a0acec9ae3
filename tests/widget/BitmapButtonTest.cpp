// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BitmapButton.h"

#include <ostream>

#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace pikora::ui {
namespace {

const QColor green(0, 200, 0);
const QColor red(220, 0, 0);
const QColor blue(0, 0, 230);

// Green with a 10 × 10 red square in the middle: where the square lands shows both the
// position and the scale of the picture.
QPixmap markedPicture(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(green);
    QPainter painter(&picture);
    painter.fillRect(width / 2 - 5, height / 2 - 5, 10, 10, red);
    return picture;
}

QPixmap plainPicture(int width, int height, const QColor& colour)
{
    QPixmap picture(width, height);
    picture.fill(colour);
    return picture;
}

QImage paintedButton(BitmapButton& button)
{
    return button.grab().toImage();
}

// The bounding box of the pixels of one colour.
QRect areaOf(const QImage& image, const QColor& colour)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour.rgb()) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

struct FaceCase
{
    BitmapButton::Face face;
    int edge; // pixels of frame the picture never covers
};

const char* nameOf(BitmapButton::Face face)
{
    return face == BitmapButton::Face::Raised ? "Raised" : "FlatStaticEdge";
}

void PrintTo(const FaceCase& faceCase, std::ostream* out)
{
    *out << nameOf(faceCase.face);
}

class BitmapButtonFaces : public testing::TestWithParam<FaceCase>
{
protected:
    void SetUp() override
    {
        button.setFace(GetParam().face);
        button.resize(100, 60);
    }
    BitmapButton button;
};

TEST_P(BitmapButtonFaces, LargerPictureIsCentredUnscaledAndCutAtTheEdges)
{
    button.setImage(markedPicture(200, 100));
    const QImage image = paintedButton(button);
    const int edge = GetParam().edge;

    EXPECT_EQ(areaOf(image, red), QRect(45, 25, 10, 10));
    EXPECT_EQ(areaOf(image, green), QRect(edge, edge, 100 - 2 * edge, 60 - 2 * edge));
}

TEST_P(BitmapButtonFaces, SmallerPictureIsCentredAtItsOwnSize)
{
    button.setImage(plainPicture(20, 10, blue));
    EXPECT_EQ(areaOf(paintedButton(button), blue), QRect(40, 25, 20, 10));
}

TEST_P(BitmapButtonFaces, WithoutPictureTheFaceIsBlank)
{
    const QImage blank = paintedButton(button);
    button.setImage(plainPicture(20, 10, blue));
    ASSERT_NE(paintedButton(button), blank);
    button.clearImage();
    EXPECT_EQ(paintedButton(button), blank);
    EXPECT_TRUE(areaOf(blank, blue).isNull());
}

INSTANTIATE_TEST_SUITE_P(Faces, BitmapButtonFaces,
    testing::Values(FaceCase { BitmapButton::Face::Raised, 2 },
        FaceCase { BitmapButton::Face::FlatStaticEdge, 2 }),
    [](const testing::TestParamInfo<FaceCase>& info) { return nameOf(info.param.face); });

TEST(BitmapButtonFace, FlatFaceHasASunkenEdge)
{
    BitmapButton button;
    button.setFace(BitmapButton::Face::FlatStaticEdge);
    button.resize(100, 60);
    const QImage image = paintedButton(button);
    const QPalette& colours = button.palette();
    const QRgb shadow = colours.color(QPalette::Dark).rgb();
    const QRgb highlight = colours.color(QPalette::Light).rgb();
    ASSERT_NE(shadow, highlight);
    EXPECT_EQ(image.pixel(0, 0), shadow);
    EXPECT_EQ(image.pixel(50, 0), shadow);
    EXPECT_EQ(image.pixel(0, 30), shadow);
    EXPECT_EQ(image.pixel(50, 59), highlight);
    EXPECT_EQ(image.pixel(99, 30), highlight);
}

class BitmapButtonInput : public testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        other = new QLineEdit(&window);
        other->setGeometry(0, 70, 100, 20);
        button = new BitmapButton(&window);
        button->setGeometry(0, 0, 100, 60);
        button->setImage(plainPicture(20, 10, blue));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
    }
    QWidget window;
    QLineEdit* other = nullptr;
    BitmapButton* button = nullptr;
};

TEST_F(BitmapButtonInput, ClickTakesTheFocusAndReportsOnce)
{
    QSignalSpy clicked(button, &BitmapButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(50, 30));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(button->hasFocus());
}

TEST_F(BitmapButtonInput, EnterAndSpaceClickTheFocusedButton)
{
    QSignalSpy clicked(button, &BitmapButton::clicked);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 1);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicked.count(), 2);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 3);
}

} // namespace
} // namespace pikora::ui
