// SPDX-License-Identifier: MIT
#include "plan/clash_reason.h"

#include "files/file_names.h"
#include "files/folded_name.h"

#include <QCoreApplication>
#include <vector>

namespace km {

namespace {

// The names a row gives: its photo's and its companions'.
QStringList namesGivenBy(int row, const QStringList& newNames, const CompanionPlan& plan) {
    QStringList given;
    if (row < newNames.size() && !newNames[row].isEmpty())
        given << newNames[row];
    for (const RenamePair& pair : plan.pairsOf(row))
        given << pair.to;
    return given;
}

// The files that keep their names: the photos without a new name and the companions that stay.
QStringList namesKept(const QStringList& names, const QStringList& newNames,
                      const CompanionPlan& plan) {
    QStringList kept;
    for (qsizetype row = 0; row < names.size(); ++row)
        if (row >= newNames.size() || newNames[row].isEmpty())
            kept << names[row];
    return kept + plan.kept + plan.unowned;
}

class FoldedComparison {
public:
    bool same(const QString& a, const QString& b) {
        return foldInto(m_first, a) == foldInto(m_second, b);
    }

private:
    QString m_first;
    QString m_second;
};

// The sentences were first a row tooltip's: they keep that translation context.
class ClashWords {
    Q_DECLARE_TR_FUNCTIONS(RowTipWords)
};

} // namespace

ClashReason clashReasonOf(int row, const QStringList& names, const QStringList& newNames,
                          const CompanionPlan& plan) {
    const QStringList given = namesGivenBy(row, newNames, plan);
    if (given.isEmpty())
        return {};
    FoldedComparison folded;
    for (const QString& keptName : namesKept(names, newNames, plan))
        for (const QString& name : given)
            if (folded.same(name, keptName))
                return {ClashReason::Kind::KeptFile, name, keptName, name != keptName};
    for (int other = 0; other < static_cast<int>(names.size()); ++other) {
        if (other == row)
            continue;
        for (const QString& otherName : namesGivenBy(other, newNames, plan))
            for (const QString& name : given)
                if (folded.same(name, otherName))
                    return {ClashReason::Kind::SameNewName, name, names[other], name != otherName};
    }
    return {};
}

QString clashText(const ClashReason& clash) {
    const QString name = fs::readableName(clash.newName);
    const QString other = fs::readableName(clash.other);
    switch (clash.kind) {
    case ClashReason::Kind::None:
        return {};
    case ClashReason::Kind::KeptFile:
        return clash.caseOnly
                   ? ClashWords::tr("%1 differs only in letter case from %2, a file that keeps "
                                    "its name; a memory card or a Windows share holds the two as "
                                    "one name")
                         .arg(name, other)
                   : ClashWords::tr("%1 is the name of a file that keeps it").arg(name);
    case ClashReason::Kind::SameNewName:
        return clash.caseOnly
                   ? ClashWords::tr("%1 differs only in letter case from the new name of %2; a "
                                    "memory card or a Windows share holds the two as one name")
                         .arg(name, other)
                   : ClashWords::tr("%1 is the new name of %2 too").arg(name, other);
    }
    return {};
}

} // namespace km
