// SPDX-License-Identifier: MIT
#pragma once

#include "plan/companions.h"

#include <QString>
#include <QStringList>

namespace km {

// Why a row is red: the name it or one of its companions would take, and the file that keeps
// that name or the other row that takes it too. `caseOnly` when the two differ in letter case
// alone, which a memory card or a Windows share holds as one name.
struct ClashReason {
    enum class Kind { None, KeptFile, SameNewName };
    Kind kind = Kind::None;
    QString newName;
    QString other;
    bool caseOnly = false;
};

// Looks the row's names up among every file of the list and its companions, names compared
// under case folding as the collision check compares them. Asked for one row at a time (a
// tooltip), it goes through the whole list.
ClashReason clashReasonOf(int row, const QStringList& names, const QStringList& newNames,
                          const CompanionPlan& plan);

// Why a row clashes: "foto_001.jpg is the name of a file that keeps it".
QString clashText(const ClashReason& clash);

} // namespace km
