// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QSize>

namespace km {

class FaceCanvas;

// The faces of the push button, drawn with one-pixel lines inside a W x H pixel frame. Each
// routine draws over whatever is already there; the corner pixels outside the outline are
// never touched, so the background shows through them.

void drawNormalFace(FaceCanvas& canvas, QSize size, const QColor& lineColour);
void drawPressedFace(FaceCanvas& canvas, QSize size, const QColor& lineColour);
void drawDisabledFace(FaceCanvas& canvas, QSize size);
// The orange frame of two-pixel bands shown while the pointer is over the button.
void drawHoverBands(FaceCanvas& canvas, QSize size);
// The blue frame over the same pixels shown while the button has the focus.
void drawFocusBands(FaceCanvas& canvas, QSize size);

} // namespace km
