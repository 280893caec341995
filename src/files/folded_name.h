// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

namespace km {

// The name under Qt's case folding, written into scratch. Plain ASCII names, the usual case, are
// folded here without allocating; Qt folds ASCII the same way (A to Z, nothing else). Inline: the
// collision check folds every name of the list.
inline QStringView foldInto(QString& scratch, QStringView name) {
    scratch.resize(name.size());
    QChar* out = scratch.data();
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (unit >= 0x80) {
            scratch = name.toString().toCaseFolded();
            return scratch;
        }
        out[i] = QChar(unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit);
    }
    return scratch;
}

} // namespace km
