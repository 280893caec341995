// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

namespace km {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// A vertical colour run of steps + 1 colours from base down by spread. Colour i is
// base - floor(i * (spread / steps)) in each component: the quotient is taken first, in double
// precision, so the last colour may stop one short of the full spread.
class Gradient {
public:
    // steps must be at least 1.
    Gradient(int steps, Rgb base, Rgb spread);

    int steps() const { return m_steps; }
    QColor colour(int index) const;

private:
    int m_steps;
    Rgb m_base;
    double m_stepRed;
    double m_stepGreen;
    double m_stepBlue;
};

} // namespace km
