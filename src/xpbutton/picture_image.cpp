// SPDX-License-Identifier: MIT
#include "xpbutton/picture_image.h"

#include "widgets/twips.h"

#include <QPainter>

namespace km {

PictureImage::PictureImage() : m_geometry(twipsToPixels(TwipRect{120, 120, 135, 135})) {}

void PictureImage::setPicture(const QPixmap& picture) {
    m_picture = picture;
    if (!picture.isNull())
        m_geometry.setSize(picture.deviceIndependentSize().toSize());
}

void PictureImage::paint(QPainter& painter) const {
    if (m_visible && !m_picture.isNull())
        painter.drawPixmap(m_geometry.topLeft(), m_picture);
}

} // namespace km
