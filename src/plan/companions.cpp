// SPDX-License-Identifier: MIT
#include "plan/companions.h"

#include "file_types/file_types.h"
#include "files/file_names.h"
#include "files/folded_name.h"
#include "files/name_slots.h"

#include <QHashFunctions>
#include <algorithm>
#include <array>
#include <bit>

namespace km {

namespace {

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

// Names (views into lists that outlive the index) mapped to their claimants, looked up under case
// folding. Folding goes through scratch buffers, so a lookup of an ASCII name allocates nothing.
class ClaimIndex {
    // Defined ahead of its callers, which need its type.
    // Whether the entry's name is, folded, the same as name.
    auto entryIs(QStringView name) {
        return [this, name](qint32 entry) {
            return foldInto(m_scratch, m_entries[static_cast<std::size_t>(entry)].name) ==
                   foldInto(m_otherScratch, name);
        };
    }

public:
    // At most half full, which keeps probe runs short.
    explicit ClaimIndex(qsizetype expected)
        : m_slots(static_cast<std::size_t>(expected), static_cast<std::size_t>(expected)) {
        m_entries.reserve(static_cast<std::size_t>(expected));
    }

    // The claimants of name, added when the name is new.
    Claimants& operator[](QStringView name) {
        const auto [entry, added] =
            m_slots.findOrAdd(m_slots.hashOf(foldInto(m_scratch, name)),
                              static_cast<qint32>(m_entries.size()), entryIs(name));
        if (added)
            m_entries.push_back({name, {}});
        return m_entries[static_cast<std::size_t>(entry)].claimants;
    }

    const Claimants* find(QStringView name) {
        const qint32 entry = m_slots.find(m_slots.hashOf(foldInto(m_scratch, name)), entryIs(name));
        return entry < 0 ? nullptr : &m_entries[static_cast<std::size_t>(entry)].claimants;
    }

private:
    struct Entry {
        QStringView name;
        Claimants claimants;
    };

    NameSlots m_slots;
    std::vector<Entry> m_entries;
    QString m_scratch;
    QString m_otherScratch;
};

// One candidate's claim: who claims it and where its ending (kept as it is) begins.
struct Claim {
    Claimants claimants;
    qsizetype endingAt = 0;
};

class Planner {
public:
    Planner(const QStringList& photoNames, const QStringList& newNames,
            fs::ExtensionCase extensionCase)
        : m_photoNames(photoNames), m_newNames(newNames), m_extensionCase(extensionCase),
          m_byStem(photoNames.size()) {
        for (int row = 0; row < photoNames.size(); ++row)
            m_byStem[fs::stemOf(photoNames[row])].add(row, renamed(row));
    }

    CompanionPlan plan(const QStringList& candidates) {
        std::vector<Claim> claims(static_cast<std::size_t>(candidates.size()));
        // First the claims through the photo's base name. An ".xmp" whose stem holds a dot may
        // also be a photo's or a RAW companion's whole name plus ".xmp"; those few are looked up
        // afterwards, in indexes built only when such a name exists.
        std::vector<qsizetype> rawFound;
        std::vector<qsizetype> wholeNameXmps;
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            const QString& name = candidates[i];
            const CompanionKind kind = companionKindOf(name);
            if (kind == CompanionKind::None)
                continue;
            Claim& claim = claims[static_cast<std::size_t>(i)];
            const QStringView stem = fs::stemOf(name);
            if (const Claimants* found = m_byStem.find(stem)) {
                claim.claimants.add(*found);
                claim.endingAt = name.size() - kCompanionExtensionLength;
                if (kind == CompanionKind::Raw)
                    rawFound.push_back(i);
            }
            if (kind == CompanionKind::Xmp && stem.contains(QLatin1Char('.')))
                wholeNameXmps.push_back(i);
        }
        if (!wholeNameXmps.empty()) {
            ClaimIndex byName(m_photoNames.size());
            for (int row = 0; row < m_photoNames.size(); ++row)
                byName[m_photoNames[row]].add(row, renamed(row));
            ClaimIndex rawCompanions(static_cast<qsizetype>(rawFound.size()));
            for (const qsizetype i : rawFound)
                rawCompanions[candidates[i]].add(claims[static_cast<std::size_t>(i)].claimants);
            for (const qsizetype i : wholeNameXmps) {
                Claim& claim = claims[static_cast<std::size_t>(i)];
                addThroughWholeName(claim, candidates[i], byName);
                addThroughWholeName(claim, candidates[i], rawCompanions);
            }
        }
        return collect(candidates, claims);
    }

private:
    bool renamed(int row) const { return row < m_newNames.size() && !m_newNames[row].isEmpty(); }

    // "<whole name>.xmp": the ending starts at the last dot of the whole name.
    static void addThroughWholeName(Claim& claim, const QString& name, ClaimIndex& index) {
        const QStringView whole = QStringView(name).first(name.size() - kCompanionExtensionLength);
        const Claimants* found = index.find(whole);
        if (!found)
            return;
        claim.claimants.add(*found);
        claim.endingAt = fs::stemOf(whole).size();
    }

    // The photo's new name without the extension it kept from the photo; without the last
    // extension when the new name does not end with the photo's own (or has it in another case).
    QStringView newStemOf(int row) const {
        const QString& photo = m_photoNames[row];
        const QString& newName = m_newNames[row];
        const QStringView extension = fs::extensionOf(photo);
        if (newName.endsWith(extension))
            return QStringView(newName).chopped(extension.size());
        return fs::stemOf(newName);
    }

    CompanionPlan collect(const QStringList& candidates, const std::vector<Claim>& claims) const {
        CompanionPlan result;
        const std::size_t rows = static_cast<std::size_t>(m_photoNames.size());
        // The followers of each row, counted first and then placed, so the pairs come in row
        // order and candidate order within a row.
        std::vector<std::size_t>& firstPair = result.firstPair;
        firstPair.assign(rows + 1, 0);
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            const Claimants& claimants = claims[static_cast<std::size_t>(i)].claimants;
            if (claimants.count() == 1 && renamed(claimants.first)) {
                ++firstPair[static_cast<std::size_t>(claimants.first) + 1];
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
        for (std::size_t row = 0; row < rows; ++row)
            firstPair[row + 1] += firstPair[row];
        std::vector<qsizetype> followers(firstPair[rows]);
        std::vector<std::size_t> next(firstPair.begin(), firstPair.end() - 1);
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            const Claimants& claimants = claims[static_cast<std::size_t>(i)].claimants;
            if (claimants.count() == 1 && renamed(claimants.first))
                followers[next[static_cast<std::size_t>(claimants.first)]++] = i;
        }

        result.pairs.reserve(followers.size());
        for (std::size_t row = 0; row < rows; ++row) {
            if (firstPair[row] == firstPair[row + 1])
                continue;
            const QStringView newStem = newStemOf(static_cast<int>(row));
            for (std::size_t k = firstPair[row]; k < firstPair[row + 1]; ++k) {
                const QString& name = candidates[followers[k]];
                const QStringView ending = QStringView(name).sliced(
                    claims[static_cast<std::size_t>(followers[k])].endingAt);
                QString newName;
                newName.reserve(newStem.size() + ending.size());
                newName.append(newStem).append(ending);
                if (m_extensionCase != fs::ExtensionCase::Keep)
                    fs::setExtensionCase(newName, newStem.size(), m_extensionCase);
                result.pairs.push_back({name, std::move(newName)});
            }
        }
        return result;
    }

    const QStringList& m_photoNames;
    const QStringList& m_newNames;
    const fs::ExtensionCase m_extensionCase;
    ClaimIndex m_byStem;
};

} // namespace

std::span<const RenamePair> CompanionPlan::pairsOf(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) + 1 >= firstPair.size())
        return {};
    return std::span(pairs).subspan(firstPair[static_cast<std::size_t>(row)],
                                    firstPair[static_cast<std::size_t>(row) + 1] -
                                        firstPair[static_cast<std::size_t>(row)]);
}

int CompanionPlan::rowOf(std::size_t pair) const {
    // The last row starting at or before the pair; rows without companions start where the next
    // one does, so the upper bound skips them.
    const auto after = std::upper_bound(firstPair.begin(), firstPair.end(), pair);
    return static_cast<int>(after - firstPair.begin()) - 1;
}

CompanionPlan planCompanions(const QStringList& photoNames, const QStringList& newNames,
                             const QStringList& candidateNames, fs::ExtensionCase extensionCase) {
    // Without candidates (companions off, or none in the folder) no photo has any.
    if (candidateNames.isEmpty())
        return {};
    return Planner(photoNames, newNames, extensionCase).plan(candidateNames);
}

BatchRefusal companionRefusal(const CompanionPlan& plan, const QStringList& photoNames) {
    BatchRefusal refusal;
    if (plan.claimedTwice.empty())
        return refusal;
    const SharedCompanion& shared = plan.claimedTwice.front();
    refusal.kind = BatchRefusal::Kind::CompanionShared;
    refusal.name = shared.name;
    for (const int row : shared.rows) {
        if (row >= 0 && row < photoNames.size())
            refusal.claimants.append(photoNames[row]);
    }
    return refusal;
}

Conflicts findConflictsWithCompanions(const QStringList& photoNames, const QStringList& newNames,
                                      const CompanionPlan& plan) {
    if (plan.pairs.empty() && plan.kept.isEmpty() && plan.unowned.isEmpty())
        return findConflicts(photoNames, newNames);
    const qsizetype rows = photoNames.size();
    // With every file renamed nothing can collide, and the lists are not worth building.
    bool photoKept = false;
    for (qsizetype row = 0; row < rows && !photoKept; ++row)
        photoKept = row >= newNames.size() || newNames[row].isEmpty();
    if (!photoKept && plan.kept.isEmpty() && plan.unowned.isEmpty())
        return {};
    QStringList originals = photoNames;
    QStringList targets = newNames.mid(0, rows);
    const qsizetype extra =
        static_cast<qsizetype>(plan.pairs.size()) + plan.kept.size() + plan.unowned.size();
    originals.reserve(rows + extra);
    targets.reserve(rows + extra);
    while (targets.size() < rows)
        targets.append(QString());

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
    for (const int entry : entries.conflictingRows) {
        const int row = entry < rows ? entry : plan.rowOf(static_cast<std::size_t>(entry - rows));
        if (row >= 0 && row < rows)
            red[static_cast<std::size_t>(row)] = true;
    }
    for (int row = 0; row < rows; ++row) {
        if (red[static_cast<std::size_t>(row)])
            result.conflictingRows.push_back(row);
    }
    return result;
}

} // namespace km
