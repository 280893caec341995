// SPDX-License-Identifier: MIT
#include "rename/companions.h"

#include "rename/message_text.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace km {

namespace {

enum class CompanionKind { None, Raw, Sidecar };

// Every RAW and sidecar extension has three characters; each is held as its three lower-case
// ASCII letters packed into one number.
constexpr quint32 packed(const char (&ext)[4]) {
    return quint32(quint8(ext[0])) << 16 | quint32(quint8(ext[1])) << 8 | quint8(ext[2]);
}

constexpr std::array kRawExtensions{
    packed("cr2"), packed("cr3"), packed("crw"), packed("nef"), packed("nrw"), packed("arw"),
    packed("srf"), packed("sr2"), packed("raf"), packed("orf"), packed("rw2"), packed("pef"),
    packed("dng"), packed("srw"), packed("x3f"), packed("3fr"), packed("iiq"), packed("rwl"),
    packed("erf"), packed("kdc"), packed("mrw"), packed("mos")};

constexpr quint32 kXmp = packed("xmp");
constexpr std::array kSidecarExtensions{kXmp, packed("pp3"), packed("dop"), packed("thm"),
                                        packed("aae")};

constexpr qsizetype kExtensionLength = 4; // the dot and three characters

// The last three characters in lower case, packed; 0 when one of them is not ASCII.
quint32 packedTail(const QString& name) {
    quint32 result = 0;
    for (qsizetype i = name.size() - 3; i < name.size(); ++i) {
        char16_t unit = name[i].unicode();
        if (unit >= 0x80)
            return 0;
        if (unit >= u'A' && unit <= u'Z')
            unit += u'a' - u'A';
        result = result << 8 | unit;
    }
    return result;
}

CompanionKind kindOf(const QString& name) {
    if (name.size() <= kExtensionLength || name.startsWith(QLatin1Char('.')) ||
        name[name.size() - kExtensionLength] != QLatin1Char('.'))
        return CompanionKind::None;
    const quint32 tail = packedTail(name);
    if (std::find(kSidecarExtensions.begin(), kSidecarExtensions.end(), tail) !=
        kSidecarExtensions.end())
        return CompanionKind::Sidecar;
    if (std::find(kRawExtensions.begin(), kRawExtensions.end(), tail) != kRawExtensions.end())
        return CompanionKind::Raw;
    return CompanionKind::None;
}

// The name without its last extension; the whole name when it has no dot.
QStringView stemOf(QStringView name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.first(dot);
}

QString folded(QStringView name) {
    return name.toString().toCaseFolded();
}

// The photos that claim one name. Two are enough to tell one owner from several and to name them
// in a refusal; whether any claimant is being renamed decides between refusing and leaving the
// file alone.
struct Claimants {
    int first = -1;
    int second = -1;
    bool anyRenamed = false;

    int count() const { return (first >= 0) + (second >= 0); }

    void add(int row, bool renamed) {
        anyRenamed = anyRenamed || renamed;
        if (row < 0 || row == first || row == second)
            return;
        if (first < 0)
            first = row;
        else if (second < 0)
            second = row;
    }
    void add(const Claimants& other) {
        add(other.first, other.anyRenamed);
        add(other.second, other.anyRenamed);
    }
};

using ClaimIndex = QHash<QString, Claimants>;

// One candidate's claim: who claims it and where its ending (kept as it is) begins.
struct Claim {
    Claimants claimants;
    qsizetype endingAt = 0;
};

class Planner {
public:
    Planner(const QStringList& photoNames, const QStringList& newNames)
        : m_photoNames(photoNames), m_newNames(newNames) {
        m_byStem.reserve(photoNames.size());
        m_byName.reserve(photoNames.size());
        for (int row = 0; row < photoNames.size(); ++row) {
            const QString& name = photoNames[row];
            m_byStem[folded(stemOf(name))].add(row, renamed(row));
            m_byName[name.toCaseFolded()].add(row, renamed(row));
        }
    }

    CompanionPlan plan(const QStringList& candidates) {
        std::vector<Claim> claims(static_cast<std::size_t>(candidates.size()));
        // First the claims through the photo's base name or whole name; a RAW companion found
        // there may in turn carry an ".xmp" of its own, looked up once all RAW files are known.
        ClaimIndex rawCompanions;
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            const QString& name = candidates[i];
            const CompanionKind kind = kindOf(name);
            if (kind == CompanionKind::None)
                continue;
            Claim& claim = claims[static_cast<std::size_t>(i)];
            const QString stem = folded(stemOf(name));
            if (const auto found = m_byStem.constFind(stem); found != m_byStem.cend()) {
                claim.claimants.add(*found);
                claim.endingAt = name.size() - kExtensionLength;
                if (kind == CompanionKind::Raw)
                    rawCompanions.insert(name.toCaseFolded(), *found);
            }
            if (packedTail(name) == kXmp)
                addThroughWholeName(claim, name, stem, m_byName);
        }
        if (!rawCompanions.isEmpty()) {
            for (qsizetype i = 0; i < candidates.size(); ++i) {
                const QString& name = candidates[i];
                if (kindOf(name) == CompanionKind::Sidecar && packedTail(name) == kXmp)
                    addThroughWholeName(claims[static_cast<std::size_t>(i)], name,
                                        folded(stemOf(name)), rawCompanions);
            }
        }
        return collect(candidates, claims);
    }

private:
    bool renamed(int row) const { return row < m_newNames.size() && !m_newNames[row].isEmpty(); }

    // "<whole name>.xmp": the ending starts at the last dot of the whole name.
    static void addThroughWholeName(Claim& claim, const QString& name, const QString& foldedStem,
                                    const ClaimIndex& index) {
        const auto found = index.constFind(foldedStem);
        if (found == index.cend())
            return;
        claim.claimants.add(*found);
        const qsizetype dot =
            QStringView(name).first(name.size() - kExtensionLength).lastIndexOf(QLatin1Char('.'));
        claim.endingAt = dot < 0 ? name.size() - kExtensionLength : dot;
    }

    // The photo's new name without the extension it kept from the photo; without the last
    // extension when the new name does not end with the photo's own.
    QString newStemOf(int row) const {
        const QString& photo = m_photoNames[row];
        const QString& newName = m_newNames[row];
        const qsizetype dot = photo.lastIndexOf(QLatin1Char('.'));
        const QStringView extension = dot < 0 ? QStringView() : QStringView(photo).sliced(dot);
        if (newName.endsWith(extension))
            return newName.chopped(extension.size());
        return stemOf(newName).toString();
    }

    CompanionPlan collect(const QStringList& candidates, const std::vector<Claim>& claims) const {
        CompanionPlan result;
        result.ofRow.resize(static_cast<std::size_t>(m_photoNames.size()));
        // Companions grouped by row first, so the pairs come in row order.
        std::vector<std::vector<qsizetype>> followers(result.ofRow.size());
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            const Claimants& claimants = claims[static_cast<std::size_t>(i)].claimants;
            if (claimants.count() == 1 && renamed(claimants.first)) {
                followers[static_cast<std::size_t>(claimants.first)].push_back(i);
            } else if (claimants.count() == 1) {
                result.kept.append(candidates[i]);
                result.keptRow.push_back(claimants.first);
            } else {
                result.unowned.append(candidates[i]);
                if (claimants.count() > 1 && claimants.anyRenamed)
                    result.claimedTwice.push_back({candidates[i],
                                                   {std::min(claimants.first, claimants.second),
                                                    std::max(claimants.first, claimants.second)}});
            }
        }
        for (std::size_t row = 0; row < followers.size(); ++row) {
            if (followers[row].empty())
                continue;
            const QString newStem = newStemOf(static_cast<int>(row));
            for (const qsizetype i : followers[row]) {
                result.ofRow[row].push_back(result.pairs.size());
                const QString& name = candidates[i];
                QString newName = newStem;
                newName.append(
                    QStringView(name).sliced(claims[static_cast<std::size_t>(i)].endingAt));
                result.pairs.push_back({name, std::move(newName)});
            }
        }
        return result;
    }

    const QStringList& m_photoNames;
    const QStringList& m_newNames;
    ClaimIndex m_byStem;
    ClaimIndex m_byName;
};

} // namespace

bool isCompanionCandidate(const QString& name) {
    return kindOf(name) != CompanionKind::None;
}

CompanionPlan planCompanions(const QStringList& photoNames, const QStringList& newNames,
                             const QStringList& candidateNames) {
    return Planner(photoNames, newNames).plan(candidateNames);
}

QString companionRefusal(const CompanionPlan& plan, const QStringList& photoNames) {
    if (plan.claimedTwice.empty())
        return {};
    const SharedCompanion& shared = plan.claimedTwice.front();
    QStringList claimants;
    for (const int row : shared.rows) {
        if (row >= 0 && row < photoNames.size())
            claimants.append(quoted(photoNames[row]));
    }
    return joinLines(
        {QStringLiteral("Can't rename %1 with its photo:").arg(quoted(shared.name)),
         QStringLiteral("it belongs to %1.").arg(claimants.join(QStringLiteral(" and to "))),
         QStringLiteral("Nothing was renamed.")});
}

Conflicts findConflictsWithCompanions(const QStringList& photoNames, const QStringList& newNames,
                                      const CompanionPlan& plan) {
    const qsizetype rows = photoNames.size();
    QStringList originals = photoNames;
    QStringList targets = newNames.mid(0, rows);
    const qsizetype extra =
        static_cast<qsizetype>(plan.pairs.size()) + plan.kept.size() + plan.unowned.size();
    originals.reserve(rows + extra);
    targets.reserve(rows + extra);
    while (targets.size() < rows)
        targets.append(QString());

    // Entry rows + k is companion pair k, whose collision belongs to its photo's row.
    std::vector<int> rowOfPair(plan.pairs.size(), -1);
    for (std::size_t row = 0; row < plan.ofRow.size(); ++row) {
        for (const std::size_t pair : plan.ofRow[row])
            rowOfPair[pair] = static_cast<int>(row);
    }
    for (const RenamePair& pair : plan.pairs) {
        originals.append(pair.from);
        targets.append(pair.to);
    }
    for (const QStringList* staying : {&plan.kept, &plan.unowned}) {
        originals.append(*staying);
        targets.resize(originals.size());
    }

    Conflicts entries = findConflicts(originals, targets);
    Conflicts result;
    result.found = entries.found;
    std::vector<bool> red(static_cast<std::size_t>(rows), false);
    for (const int entry : entries.redRows) {
        const int row = entry < rows ? entry : rowOfPair[static_cast<std::size_t>(entry - rows)];
        if (row >= 0)
            red[static_cast<std::size_t>(row)] = true;
    }
    for (int row = 0; row < rows; ++row) {
        if (red[static_cast<std::size_t>(row)])
            result.redRows.push_back(row);
    }
    return result;
}

} // namespace km
