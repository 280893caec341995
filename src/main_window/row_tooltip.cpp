// SPDX-License-Identifier: MIT
#include "main_window/row_tooltip.h"

#include "files/file_names.h"
#include "files/file_system.h"

#include <QCoreApplication>
#include <QStringList>

namespace km {

namespace {

class RowTipWords {
    Q_DECLARE_TR_FUNCTIONS(RowTipWords)
};

} // namespace

QString rowToolTip(const RowFacts& row) {
    QStringList lines;
    if (row.undated)
        lines << (row.datesInNames
                      ? RowTipWords::tr("no date taken: the photo keeps its name, as the time "
                                        "of its file may not be when it was taken")
                      : RowTipWords::tr("no date taken"));
    if (!row.leftOutTip.isEmpty())
        lines << row.leftOutTip;
    if (fs::hasRawBytes(row.name))
        lines << RowTipWords::tr(
            "This name is not UTF-8: each byte shown as \\xHH is kept as it is.");
    QStringList companions;
    for (const RenamePair& companion : row.companions)
        companions
            << QStringLiteral("%1 \u2192 %2").arg(fs::readableName(companion.from), companion.to);
    fs::sortNaturally(companions);
    lines += companions;
    return lines.join(QLatin1Char('\n'));
}

} // namespace km
