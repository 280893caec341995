// SPDX-License-Identifier: MIT
#pragma once

#include "xpbutton/colour.h"

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QPalette;

namespace km {

// The button's caption: a label without a window of its own, drawn by the button over its face
// with a transparent background. An "&" is not shown; it underlines the character after it.
class CaptionLabel {
public:
    CaptionLabel();

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    // The caption as it reads on the face: each "&" dropped, "&&" kept as one "&".
    QString shownText() const;

    Colour colour() const { return m_colour; }
    void setColour(Colour colour) { m_colour = colour; }

    const QFont& font() const { return m_font; }

    QRect geometry() const { return m_geometry; }
    void setGeometry(const QRect& geometry) { m_geometry = geometry; }
    void moveLeft(int left) { m_geometry.moveLeft(left); }
    void moveTop(int top) { m_geometry.moveTop(top); }
    void setHeight(int height) { m_geometry.setHeight(height); }

    // Takes the size of the caption's text, as the label's auto-size does.
    void fitToText();

    // Draws the text at the top of the box, centred across it and clipped to it.
    void paint(QPainter& painter, const QPalette& palette) const;

private:
    QString m_caption;
    Colour m_colour;
    QFont m_font;
    QRect m_geometry;
};

} // namespace km
