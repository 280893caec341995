#include "button_fixture.h"
#include "controls/xpbutton/gradient.h"

#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace {

const std::string kViolet = colourName(128, 128, 255);
const std::string kLine = colourName(0, 60, 116);

void expectRow(const QImage& image, int y, int fromX, int toX, const std::string& colour) {
    for (int x = fromX; x <= toX; ++x)
        EXPECT_EQ(colourAt(image, x, y), colour) << "at " << x << "," << y;
}

void expectCornersShowBackground(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    const QPoint corners[] = {{0, 0},     {1, 0},         {0, 1},         {w - 1, 0},
                              {w - 2, 0}, {w - 1, 1},     {0, h - 1},     {1, h - 1},
                              {0, h - 2}, {w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}};
    for (const QPoint& corner : corners)
        EXPECT_EQ(colourAt(image, corner.x(), corner.y()), kViolet)
            << "corner " << corner.x() << "," << corner.y();
}

void expectOutline(const QImage& image, const std::string& colour) {
    const int w = image.width();
    const int h = image.height();
    expectRow(image, 0, 2, w - 3, colour);
    expectRow(image, h - 1, 2, w - 3, colour);
    for (int y = 2; y <= h - 3; ++y) {
        EXPECT_EQ(colourAt(image, 0, y), colour) << "left edge at " << y;
        EXPECT_EQ(colourAt(image, w - 1, y), colour) << "right edge at " << y;
    }
    for (const QPoint& step :
         {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2)})
        EXPECT_EQ(colourAt(image, step.x(), step.y()), colour);
}

QPixmap solidPicture(int size, const QColor& colour) {
    QPixmap picture(size, size);
    picture.fill(colour);
    return picture;
}

} // namespace

using ButtonFaces = ButtonFixture;

TEST_F(ButtonFaces, NormalFaceOfTheMainWindowButton) {
    const QImage image = face();
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
    expectOutline(image, kLine);
    expectCornersShowBackground(image);
    expectRow(image, 1, 2, 54, colourName(255, 255, 255));
    expectRow(image, 2, 1, 55, colourName(254, 254, 254));
    expectRow(image, 3, 1, 55, colourName(253, 253, 252));
    expectRow(image, 4, 1, 55, colourName(250, 250, 249));
    expectRow(image, 16, 1, 55, colourName(240, 240, 234));
    expectRow(image, 17, 1, 55, colourName(236, 235, 230));
    expectRow(image, 18, 1, 55, colourName(226, 223, 214));
    expectRow(image, 19, 2, 54, colourName(214, 208, 197));
    // The gradient darkens row by row, never lightens.
    for (int y = 5; y <= 16; ++y)
        EXPECT_LE(image.pixelColor(28, y).blue(), image.pixelColor(28, y - 1).blue());
}

TEST_F(ButtonFaces, GradientQuotientIsTakenBeforeTheProduct) {
    const km::Gradient normal(11, {250, 250, 249}, {10, 10, 15});
    EXPECT_EQ(normal.colour(11).blue(), 235);
    EXPECT_EQ(normal.colour(0), QColor(250, 250, 249));

    button->resize(kWidth, 20);
    EXPECT_EQ(colourAt(face(), 28, 15).substr(5), QColor(0, 0, 235).name().toStdString().substr(5));
}

TEST_F(ButtonFaces, PressedFaceRunsItsGradientUpwards) {
    press();
    const QImage image = face();
    expectOutline(image, kLine);
    expectCornersShowBackground(image);
    expectRow(image, 1, 2, 54, colourName(209, 204, 193));
    expectRow(image, 2, 1, 55, colourName(220, 216, 207));
    expectRow(image, 3, 1, 55, colourName(226, 226, 218));
    expectRow(image, 17, 1, 55, colourName(229, 228, 221));
    expectRow(image, 18, 1, 55, colourName(234, 233, 227));
    expectRow(image, 19, 2, 54, colourName(242, 241, 238));
    release();
}

TEST_F(ButtonFaces, HoverHighlightFramesTheNormalFace) {
    moveInside();
    const QImage image = face();
    expectOutline(image, kLine);
    expectCornersShowBackground(image);
    expectRow(image, 1, 2, 54, colourName(255, 240, 207));
    expectRow(image, 2, 1, 55, colourName(253, 216, 137));
    expectRow(image, 18, 1, 55, colourName(248, 179, 48));
    expectRow(image, 19, 2, 54, colourName(229, 151, 0));
    for (int x : {1, 2, 54, 55}) {
        EXPECT_EQ(colourAt(image, x, 3), colourName(252, 210, 121)) << x;
        EXPECT_EQ(colourAt(image, x, 17), colourName(248, 181, 53)) << x;
    }
    // Between the bands the normal face shows through.
    expectRow(image, 4, 3, 53, colourName(250, 250, 249));
    expectRow(image, 17, 3, 53, colourName(236, 235, 230));
}

TEST_F(ButtonFaces, FocusRingCoversTheHighlightsPixels) {
    focus(true);
    const QImage image = face();
    expectCornersShowBackground(image);
    expectRow(image, 1, 2, 54, colourName(206, 231, 255));
    expectRow(image, 2, 1, 55, colourName(188, 212, 246));
    expectRow(image, 18, 1, 55, colourName(137, 173, 228));
    expectRow(image, 19, 2, 54, colourName(105, 130, 238));
    for (int x : {1, 2, 54, 55}) {
        EXPECT_EQ(colourAt(image, x, 3), colourName(186, 211, 245)) << x;
        EXPECT_EQ(colourAt(image, x, 17), colourName(137, 173, 228)) << x;
    }
    expectRow(image, 4, 3, 53, colourName(250, 250, 249));
}

TEST_F(ButtonFaces, DisabledFaceIsFlat) {
    button->setEnabled(false);
    const QImage image = face();
    expectOutline(image, colourName(201, 199, 186));
    expectCornersShowBackground(image);
    for (int y = 1; y <= kHeight - 2; ++y)
        expectRow(image, y, y == 1 || y == kHeight - 2 ? 2 : 1,
                  y == 1 || y == kHeight - 2 ? kWidth - 3 : kWidth - 2, colourName(245, 244, 234));
}

TEST_F(ButtonFaces, SmallButtonsDrawNoGradientRows) {
    button->resize(kWidth, 9);
    // Row 4 would be the one gradient row; below 10 pixels it is left to the background.
    const QImage normal = face();
    EXPECT_EQ(colourAt(normal, 28, 3), colourName(253, 253, 252));
    EXPECT_EQ(colourAt(normal, 28, 4), kViolet);
    EXPECT_EQ(colourAt(normal, 28, 5), colourName(236, 235, 230));
    press();
    const QImage pressed = face();
    EXPECT_EQ(colourAt(pressed, 28, 2), colourName(220, 216, 207));
    EXPECT_EQ(colourAt(pressed, 28, 3), kViolet);
    EXPECT_EQ(colourAt(pressed, 28, 6), colourName(234, 233, 227));
    release();
    for (int height : {0, 1, 3, 7, 8}) {
        button->resize(kWidth, height);
        EXPECT_EQ(face().height(), height);
        focus(true);
        EXPECT_EQ(face().height(), height);
        focus(false);
    }
}

TEST_F(ButtonFaces, LineColorShowsOnlyAtTheNextRepaint) {
    (void)face();
    button->setLineColor(km::rgb(255, 0, 0));
    EXPECT_EQ(colourAt(face(), 28, 0), kLine);
    button->setFont(QFont(QStringLiteral("Serif"), 20));
    button->setBackStyle(1);
    button->setBorderStyle(1);
    EXPECT_EQ(colourAt(face(), 28, 0), kLine);
    button->setCaption(QStringLiteral("x"));
    EXPECT_EQ(colourAt(face(), 28, 0), colourName(255, 0, 0));
}

TEST_F(ButtonFaces, CaptionBoxOfStyleZero) {
    button->setCaption(QStringLiteral("&Rename!"));
    EXPECT_EQ(button->Label1().geometry(), QRect(4, 3, 49, 14));
    const QImage image = face();
    // Some caption pixels inside the box, none below it on the gradient's last rows.
    bool inked = false;
    for (int y = 3; y <= 16; ++y)
        for (int x = 4; x <= 52; ++x)
            inked = inked || image.pixelColor(x, y).lightness() < 120;
    EXPECT_TRUE(inked);
    expectRow(image, 17, 1, 55, colourName(236, 235, 230));
}

TEST_F(ButtonFaces, StyleOnePlacesPictureAndCaptionTogether) {
    button->setCaption(QStringLiteral("&Open"));
    button->setPicture(solidPicture(16, Qt::red));
    button->setStyle(1);
    const int captionWidth = button->Label1().geometry().width();
    // The label takes the width of its text; the "&" takes no room.
    EXPECT_EQ(captionWidth, QFontMetrics(button->Label1().font()).size(0, "Open").width());
    const int pictureLeft =
        static_cast<int>(std::floor(kWidth / 2.0 - (captionWidth + 16 + 3) / 2.0));
    EXPECT_EQ(button->Image1().geometry(), QRect(pictureLeft, 2, 16, 16));
    EXPECT_EQ(button->Label1().geometry(), QRect(pictureLeft + 19, 3, captionWidth, 14));
    const QImage image = face();
    EXPECT_EQ(colourAt(image, pictureLeft, 2), colourName(255, 0, 0));
    EXPECT_EQ(colourAt(image, pictureLeft + 15, 17), colourName(255, 0, 0));
    EXPECT_NE(colourAt(image, pictureLeft - 1, 10), colourName(255, 0, 0));
}

TEST_F(ButtonFaces, StyleTwoKeepsThePictureWhereItStood) {
    button->setCaption(QStringLiteral("Go"));
    button->setPicture(solidPicture(16, Qt::red));
    button->setStyle(1);
    const QRect placed = button->Image1().geometry();
    button->setStyle(2);
    EXPECT_TRUE(button->Image1().isVisible());
    EXPECT_EQ(button->Image1().geometry(), placed);
    EXPECT_EQ(button->Label1().geometry(), QRect(4, 3, 49, 14));
    EXPECT_EQ(colourAt(face(), placed.left() + 1, placed.top() + 1), colourName(255, 0, 0));
    button->setStyle(0);
    EXPECT_FALSE(button->Image1().isVisible());
    EXPECT_NE(colourAt(face(), placed.left() + 1, placed.top() + 1), colourName(255, 0, 0));
}
