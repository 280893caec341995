// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QRect>

class QPainter;

namespace km {

// The button's picture: an image without a window of its own, drawn by the button over its
// face at the picture's own size.
class PictureImage {
public:
    PictureImage();

    const QPixmap& picture() const { return m_picture; }
    // Takes the size of the picture given; without a picture the size stays.
    void setPicture(const QPixmap& picture);

    QRect geometry() const { return m_geometry; }
    void moveLeft(int left) { m_geometry.moveLeft(left); }
    void moveTop(int top) { m_geometry.moveTop(top); }

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    void paint(QPainter& painter) const;

private:
    QPixmap m_picture;
    QRect m_geometry;
    bool m_visible = true;
};

} // namespace km
