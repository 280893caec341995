// SPDX-License-Identifier: MIT
#include "widgets/fonts.h"

#include <QFont>
#include <QStringList>

namespace km {

void installFontSubstitutes() {
    // Liberation Sans has the metrics of the narrow sans-serif faces the design was made with.
    const QStringList narrowSans{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                 QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), narrowSans);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), narrowSans);
}

} // namespace km
