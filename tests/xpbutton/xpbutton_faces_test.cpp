// SPDX-License-Identifier: MIT
#include "button_fixture.h"
#include "xpbutton/gradient.h"

#include <QPixmap>
#include <cmath>
#include <vector>

namespace {

const std::string kViolet = colourName(128, 128, 255);
const std::string kLine = colourName(0, 60, 116);

// Pixels (from, y) to (to, y) of one colour.
struct Span {
    int y;
    int from;
    int to;
    std::string colour;
};

void expectSpans(const QImage& image, const std::vector<Span>& spans) {
    for (const Span& span : spans)
        for (int x = span.from; x <= span.to; ++x)
            EXPECT_EQ(colourAt(image, x, span.y), span.colour) << "at " << x << "," << span.y;
}

// The outline and the twelve corner pixels outside it, on a 57 x 21 face.
void expectOutlineAndCorners(const QImage& image, const std::string& line) {
    expectSpans(image, {{0, 2, 54, line}, {20, 2, 54, line}});
    for (int y = 2; y <= 18; ++y)
        expectSpans(image, {{y, 0, 0, line}, {y, 56, 56, line}});
    expectSpans(image, {{1, 1, 1, line}, {1, 55, 55, line}, {19, 1, 1, line}, {19, 55, 55, line}});
    expectSpans(image, {{0, 0, 1, kViolet},
                        {0, 55, 56, kViolet},
                        {1, 0, 0, kViolet},
                        {1, 56, 56, kViolet},
                        {20, 0, 1, kViolet},
                        {20, 55, 56, kViolet},
                        {19, 0, 0, kViolet},
                        {19, 56, 56, kViolet}});
}

// Two rows at the top, two at the bottom and two columns on each side; the normal face shows
// through in between.
std::vector<Span> bands(const std::string& row1, const std::string& row2, const std::string& row18,
                        const std::string& row19, const std::string& side3,
                        const std::string& side17) {
    return {{1, 2, 54, row1},
            {2, 1, 55, row2},
            {18, 1, 55, row18},
            {19, 2, 54, row19},
            {3, 1, 2, side3},
            {3, 54, 55, side3},
            {17, 1, 2, side17},
            {17, 54, 55, side17},
            {4, 3, 53, colourName(250, 250, 249)},
            {17, 3, 53, colourName(236, 235, 230)}};
}

QPixmap solidPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::red);
    return picture;
}

} // namespace

using ButtonFaces = ButtonFixture;

TEST_F(ButtonFaces, NormalFace) {
    const QImage image = face();
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
    expectOutlineAndCorners(image, kLine);
    expectSpans(image, {{1, 2, 54, colourName(255, 255, 255)},
                        {2, 1, 55, colourName(254, 254, 254)},
                        {3, 1, 55, colourName(253, 253, 252)},
                        {4, 1, 55, colourName(250, 250, 249)},
                        {16, 1, 55, colourName(240, 240, 234)},
                        {17, 1, 55, colourName(236, 235, 230)},
                        {18, 1, 55, colourName(226, 223, 214)},
                        {19, 2, 54, colourName(214, 208, 197)}});
}

TEST_F(ButtonFaces, PressedFaceRunsItsGradientUpwards) {
    press();
    const QImage image = face();
    expectOutlineAndCorners(image, kLine);
    expectSpans(image, {{1, 2, 54, colourName(209, 204, 193)},
                        {2, 1, 55, colourName(220, 216, 207)},
                        {3, 1, 55, colourName(226, 226, 218)},
                        {17, 1, 55, colourName(229, 228, 221)},
                        {18, 1, 55, colourName(234, 233, 227)},
                        {19, 2, 54, colourName(242, 241, 238)}});
}

TEST_F(ButtonFaces, HoverHighlightAndFocusRing) {
    moveInside();
    QImage image = face();
    expectOutlineAndCorners(image, kLine);
    expectSpans(image, bands(colourName(255, 240, 207), colourName(253, 216, 137),
                             colourName(248, 179, 48), colourName(229, 151, 0),
                             colourName(252, 210, 121), colourName(248, 181, 53)));
    pointOutside();
    ASSERT_TRUE(waitForRest());
    focus(true);
    image = face();
    expectOutlineAndCorners(image, kLine);
    expectSpans(image, bands(colourName(206, 231, 255), colourName(188, 212, 246),
                             colourName(137, 173, 228), colourName(105, 130, 238),
                             colourName(186, 211, 245), colourName(137, 173, 228)));
}

TEST_F(ButtonFaces, DisabledFaceIsFlat) {
    button->setEnabled(false);
    const QImage image = face();
    const std::string flat = colourName(245, 244, 234);
    expectOutlineAndCorners(image, colourName(201, 199, 186));
    expectSpans(image, {{1, 2, 54, flat}, {19, 2, 54, flat}});
    for (int y = 2; y <= 18; ++y)
        expectSpans(image, {{y, 1, 55, flat}});
}

TEST_F(ButtonFaces, GradientQuotientIsTakenBeforeTheProduct) {
    EXPECT_EQ(km::Gradient(11, {250, 250, 249}, {10, 10, 15}).colour(11).blue(), 235);
    button->resize(kWidth, 20);
    EXPECT_EQ(face().pixelColor(28, 15).blue(), 235);
}

TEST_F(ButtonFaces, SmallButtonsDrawNoGradientRows) {
    button->resize(kWidth, 9);
    // Row 4 would be the one gradient row; below 10 pixels it is left to the background.
    expectSpans(face(), {{3, 1, 55, colourName(253, 253, 252)},
                         {4, 1, 55, kViolet},
                         {5, 1, 55, colourName(236, 235, 230)}});
    press();
    expectSpans(face(), {{2, 1, 55, colourName(220, 216, 207)},
                         {3, 1, 55, kViolet},
                         {6, 1, 55, colourName(234, 233, 227)}});
    for (int height : {0, 1, 3, 7, 8}) {
        button->resize(kWidth, height);
        EXPECT_EQ(face().height(), height);
    }
}

TEST_F(ButtonFaces, LineColorShowsOnlyAtTheNextRepaint) {
    (void)face();
    button->setLineColor(km::rgb(255, 0, 0));
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
    bool inked = false;
    for (int y = 3; y <= 16; ++y)
        for (int x = 4; x <= 52; ++x)
            inked = inked || image.pixelColor(x, y).lightness() < 120;
    EXPECT_TRUE(inked);
    expectSpans(image, {{17, 1, 55, colourName(236, 235, 230)}});
}

TEST_F(ButtonFaces, StyleOnePlacesPictureAndCaptionTogether) {
    button->setCaption(QStringLiteral("&Open"));
    button->setPicture(solidPicture(16));
    button->setStyle(1);
    // The label takes the width of its text; the "&" takes no room.
    const int textWidth = QFontMetrics(button->Label1().font()).size(0, "Open").width();
    const int pictureLeft = static_cast<int>(std::floor(kWidth / 2.0 - (textWidth + 19) / 2.0));
    EXPECT_EQ(button->Image1().geometry(), QRect(pictureLeft, 2, 16, 16));
    EXPECT_EQ(button->Label1().geometry(), QRect(pictureLeft + 19, 3, textWidth, 14));
    const QImage image = face();
    EXPECT_EQ(colourAt(image, pictureLeft, 2), colourName(255, 0, 0));
    EXPECT_EQ(colourAt(image, pictureLeft + 15, 17), colourName(255, 0, 0));
    EXPECT_NE(colourAt(image, pictureLeft - 1, 10), colourName(255, 0, 0));
}

TEST_F(ButtonFaces, StyleTwoKeepsThePictureWhereItStood) {
    button->setPicture(solidPicture(16));
    button->setStyle(1);
    const QRect placed = button->Image1().geometry();
    button->setStyle(2);
    EXPECT_EQ(button->Image1().geometry(), placed);
    EXPECT_EQ(button->Label1().geometry(), QRect(4, 3, 49, 14));
    EXPECT_EQ(colourAt(face(), placed.left() + 1, placed.top() + 1), colourName(255, 0, 0));
    button->setStyle(0);
    EXPECT_NE(colourAt(face(), placed.left() + 1, placed.top() + 1), colourName(255, 0, 0));
}
