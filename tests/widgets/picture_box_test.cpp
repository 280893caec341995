// SPDX-License-Identifier: MIT
#include "widgets/picture_box.h"
#include "widgets/twips.h"

#include <QWidget>
#include <gtest/gtest.h>

using km::PictureBox;

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 160, 0);

// A shown box whose inner area is 167 x 127 pixels inside its one-pixel border.
struct ShownBox {
    QWidget window;
    PictureBox* box = new PictureBox(&window);

    ShownBox() {
        window.resize(400, 300);
        box->setGeometry(10, 10, 169, 129);
        window.show();
    }
};

QImage filled(QColor colour, QSize size = {2, 2}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Pixels of a rectangle that differ from a colour.
int pixelsOtherThan(const QImage& image, const QRect& area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) != colour;
    return count;
}

TEST(PictureBox, MeasuresItsInnerAreaAndStartsWithAnEightPointTwoFiveFont) {
    ShownBox shown;
    EXPECT_DOUBLE_EQ(shown.box->scaleWidth(), 167 * km::twipsPerPixel());
    EXPECT_DOUBLE_EQ(shown.box->scaleHeight(), 127 * km::twipsPerPixel());
    EXPECT_EQ(shown.box->surface().size(), QSize(167, 127));

    EXPECT_DOUBLE_EQ(shown.box->font().pointSizeF(), 8.25);
    shown.box->setFontName("Tahoma");
    shown.box->setFontBold(true);
    EXPECT_EQ(shown.box->font().family(), "Tahoma");
    EXPECT_TRUE(shown.box->font().bold());
    EXPECT_DOUBLE_EQ(shown.box->font().pointSizeF(), 8.25);
}

TEST(PictureBox, KeepsItsDrawingWhenHiddenAndShownAgain) {
    ShownBox shown;
    shown.box->setBackgroundColor(green);
    shown.box->clear();
    shown.box->drawPicture(filled(red), {150, 75, 300, 150});
    shown.window.hide();
    shown.window.show();

    const QImage grabbed = shown.box->grab().toImage();
    EXPECT_EQ(grabbed.pixelColor(0, 0), shown.box->borderColor());
    EXPECT_EQ(grabbed.pixelColor(1, 1), green);
    EXPECT_EQ(grabbed.pixelColor(1 + 10, 1 + 5), red);
    EXPECT_EQ(grabbed.pixelColor(1 + 29, 1 + 14), red);
    EXPECT_EQ(grabbed.pixelColor(1 + 30, 1 + 14), green);
    EXPECT_EQ(grabbed.pixelColor(1 + 29, 1 + 15), green);
}

TEST(PictureBox, DrawsPicturesScaledIntoTheirRectangleOnly) {
    ShownBox shown;
    shown.box->setBackgroundColor(green);
    shown.box->clear();
    shown.box->drawPicture(filled(red, {7, 3}), {15 * 10, 15 * 5, 15 * 20, 15 * 10});
    const QImage surface = shown.box->surface();
    EXPECT_EQ(pixelsOtherThan(surface, QRect(10, 5, 20, 10), red), 0);
    EXPECT_EQ(pixelsOtherThan(surface, surface.rect(), green), 20 * 10);

    shown.box->drawPicture(QImage(), {0, 0, 300, 300});
    shown.box->drawPicture(filled(red), {600, 600, 0, 300});
    EXPECT_EQ(shown.box->surface(), surface);

    shown.box->clear();
    EXPECT_EQ(pixelsOtherThan(shown.box->surface(), surface.rect(), green), 0);
}

TEST(PictureBox, PrintsTextFromItsTopLeftCornerWithoutFillingTheBackground) {
    ShownBox shown;
    shown.box->clear();
    shown.box->drawPicture(filled(green), {0, 0, 167 * 15.0, 127 * 15.0});
    shown.box->printText("Wg IMG_0001.JPG", 60, 15, QColor(255, 255, 255));
    const QImage surface = shown.box->surface();

    const int touched = pixelsOtherThan(surface, surface.rect(), green);
    EXPECT_GT(touched, 20);
    const int left = qRound(60 / km::twipsPerPixel());
    const int top = qRound(15 / km::twipsPerPixel());
    EXPECT_EQ(touched, pixelsOtherThan(surface, surface.rect().adjusted(left, top, 0, 0), green));
    // The letters stay within one line of the box's font.
    EXPECT_EQ(pixelsOtherThan(surface, QRect(0, 30, 167, 97), green), 0);
    EXPECT_EQ(pixelsOtherThan(surface, surface.rect(), shown.box->backgroundColor()),
              surface.width() * surface.height());
}

TEST(PictureBox, KeepsItsDrawingWhenResized) {
    ShownBox shown;
    shown.box->setBackgroundColor(green);
    shown.box->clear();
    shown.box->drawPicture(filled(red), {0, 0, 150, 150});
    shown.box->resize(250, 200);
    const QImage surface = shown.box->surface();
    EXPECT_EQ(surface.size(), QSize(248, 198));
    EXPECT_EQ(pixelsOtherThan(surface, QRect(0, 0, 10, 10), red), 0);
    EXPECT_EQ(pixelsOtherThan(surface, surface.rect(), green), 100);

    PictureBox neverShown;
    neverShown.resize(50, 40);
    neverShown.drawPicture(filled(red), {0, 0, 15 * 48, 15 * 38});
    EXPECT_EQ(neverShown.surface().size(), QSize(48, 38));
}

TEST(PictureBox, CopiesTheLookOfAnotherBoxButNotItsDrawing) {
    ShownBox shown;
    PictureBox& original = *shown.box;
    original.setBackgroundColor(green);
    original.setBorderColor(red);
    original.setFontName("Tahoma");
    original.setFontBold(true);
    original.clear();
    original.drawPicture(filled(red), {0, 0, 300, 300});

    PictureBox* copy = original.createCopy();
    EXPECT_EQ(copy->parentWidget(), &shown.window);
    EXPECT_EQ(copy->geometry(), original.geometry());
    EXPECT_FALSE(copy->isVisible());
    EXPECT_EQ(copy->backgroundColor(), green);
    EXPECT_EQ(copy->borderColor(), red);
    EXPECT_EQ(copy->font(), original.font());

    copy->move(10, 150);
    copy->show();
    copy->clear();
    EXPECT_EQ(pixelsOtherThan(copy->surface(), copy->surface().rect(), green), 0);

    PictureBox plain;
    plain.copyAppearanceFrom(original);
    EXPECT_EQ(plain.backgroundColor(), green);
    EXPECT_TRUE(plain.font().bold());
}

} // namespace
