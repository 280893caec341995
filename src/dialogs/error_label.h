// SPDX-License-Identifier: MIT
#pragma once

class QLabel;
class QWidget;

namespace km {

// The line of a dialog that says what is wrong with what was typed ("lblError"): wrapped, in a
// red that reads on light and dark backgrounds alike, empty while all is well.
QLabel* createErrorLabel(QWidget* parent);

} // namespace km
