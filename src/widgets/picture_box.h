// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/twips.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace km {

// A persistent drawing surface: what is drawn into it stays until it is cleared, also when the
// window is covered and uncovered. Positions and sizes are in twips of the inner drawing area,
// which lies inside a one-pixel border.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Creates a hidden sibling with the same parent, geometry and look, and nothing drawn in it.
    PictureBox* createCopy() const;
    // Takes over the background colour, border colour and font of another box.
    void copyAppearanceFrom(const PictureBox& other);

    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor& colour);
    QColor borderColor() const { return m_border; }
    void setBorderColor(const QColor& colour);

    void setFontName(const QString& family);
    void setFontBold(bool bold);
    void setFontSize(double points);

    // Inner drawing area in twips.
    double scaleWidth() const;
    double scaleHeight() const;

    // Fills the drawing area with the background colour.
    void clear();
    // Draws a picture scaled into a rectangle; nothing happens for a null picture or empty
    // rectangle.
    void drawPicture(const QImage& picture, const km::TwipRect& target);
    // Prints text with its top-left corner at a position, without filling the text's background.
    void printText(const QString& text, double left, double top, const QColor& colour);
    // The width and height the text takes in the box's font, in twips.
    QSizeF textSize(const QString& text) const;

    // What the drawing area currently holds, at the widget's device pixel ratio.
    QImage surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect innerRect() const;
    // Brings the surface to the inner size, keeping what was drawn; false when there is no area.
    bool ensureSurface();

    QImage m_surface;
    QColor m_background;
    QColor m_border;
};

} // namespace km
