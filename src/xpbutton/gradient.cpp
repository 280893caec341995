// SPDX-License-Identifier: MIT
#include "xpbutton/gradient.h"

#include <cmath>

namespace km {

namespace {

int component(int base, int index, double step) {
    return base - static_cast<int>(std::floor(static_cast<double>(index) * step));
}

} // namespace

Gradient::Gradient(int steps, Rgb base, Rgb spread)
    : m_steps(steps), m_base(base),
      m_stepRed(static_cast<double>(spread.red) / static_cast<double>(steps)),
      m_stepGreen(static_cast<double>(spread.green) / static_cast<double>(steps)),
      m_stepBlue(static_cast<double>(spread.blue) / static_cast<double>(steps)) {}

QColor Gradient::colour(int index) const {
    return QColor(component(m_base.red, index, m_stepRed),
                  component(m_base.green, index, m_stepGreen),
                  component(m_base.blue, index, m_stepBlue));
}

} // namespace km
