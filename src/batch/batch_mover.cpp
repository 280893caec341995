// SPDX-License-Identifier: MIT
#include "batch/batch_mover.h"

#include "batch/name_rules.h"

#include <map>

namespace km {

QString nameAt(const QString& from, const QString& to, MoveName place) {
    switch (place) {
    case MoveName::From:
        return from;
    case MoveName::Temporary:
        return temporaryName(to);
    case MoveName::To:
        break;
    }
    return to;
}

BatchMover::BatchMover(const QString& folder, const std::vector<RenamePair>& moves, FileOps& ops)
    : m_folder(folder), m_moves(moves), m_ops(ops), m_places(moves.size(), MoveName::From) {}

bool BatchMover::run() {
    m_renamer = m_ops.renamerIn(m_folder);
    if (pass(0) && pass(1))
        return true;
    rollBack();
    return false;
}

bool BatchMover::pass(std::size_t number) {
    const auto [origin, target] = kPasses[number];
    for (std::size_t& i = m_movedIn[number]; i < m_moves.size(); ++i) {
        const fs::FileError error = move(i, origin, target);
        if (!error.ok()) {
            m_failure = {i, origin, target, error};
            return false;
        }
    }
    return true;
}

fs::FileError BatchMover::move(std::size_t index, MoveName origin, MoveName target) {
    fs::FileError error = m_renamer->renameNoReplace(placeName(index, origin, m_originName),
                                                     placeName(index, target, m_targetName));
    if (error.ok())
        m_places[index] = target;
    return error;
}

// The moves made are taken back in the reverse order: the second pass's, then the first's, each
// from its last file to its first. A file whose later step could not be undone stays where it
// is: its earlier steps are skipped.
void BatchMover::rollBack() {
    std::map<std::size_t, fs::FileError> errors;
    for (std::size_t number = kPasses.size(); number-- > 0;) {
        const auto [origin, target] = kPasses[number];
        for (std::size_t i = m_movedIn[number]; i-- > 0;) {
            if (m_places[i] != target)
                continue;
            const fs::FileError error = move(i, target, origin);
            if (!error.ok())
                errors[i] = error;
        }
    }
    for (const auto& [index, error] : errors)
        m_stranded.push_back({index, m_places[index], error});
}

// The temporary name is made in scratch, whose room is kept from one move to the next.
QStringView BatchMover::placeName(std::size_t index, MoveName place, QString& scratch) const {
    const RenamePair& move = m_moves[index];
    switch (place) {
    case MoveName::From:
        return move.from;
    case MoveName::Temporary:
        scratch.resize(0);
        scratch.append(kTemporaryMarker);
        scratch.append(move.to);
        return scratch;
    case MoveName::To:
        break;
    }
    return move.to;
}

} // namespace km
