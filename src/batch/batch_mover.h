// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"

#include <QString>
#include <QStringView>
#include <array>
#include <memory>
#include <vector>

namespace km {

// Where a file of a batch is: under its old name, its temporary name or its new name.
enum class MoveName { From, Temporary, To };

// The name a file of the move from -> to carries at a place.
QString nameAt(const QString& from, const QString& to, MoveName place);

// A rename that failed: which move, between which places, and why.
struct MoveFailure {
    std::size_t index = 0;
    MoveName origin = MoveName::From;
    MoveName target = MoveName::From;
    fs::FileError error;
};

// A file that a roll-back could not move back, where it is now and why.
struct StrandedFile {
    std::size_t index = 0;
    MoveName place = MoveName::From;
    fs::FileError error;
};

// Moves the files of a checked batch in two passes (every source to its temporary name, then
// every temporary name to its final name, both in list order); when a rename fails, the files
// already moved are moved back in reverse order.
class BatchMover {
public:
    BatchMover(const QString& folder, const std::vector<RenamePair>& moves, FileOps& ops);

    // True when every file carries its new name.
    bool run();
    // The rename that stopped the batch (after run() returned false).
    const MoveFailure& failure() const { return m_failure; }
    // The files the roll-back could not put back, in move order.
    const std::vector<StrandedFile>& stranded() const { return m_stranded; }

private:
    // Where each pass takes the files from and to.
    struct PassPlaces {
        MoveName origin;
        MoveName target;
    };
    static constexpr std::array<PassPlaces, 2> kPasses{
        {{MoveName::From, MoveName::Temporary}, {MoveName::Temporary, MoveName::To}}};

    bool pass(std::size_t number);
    fs::FileError move(std::size_t index, MoveName origin, MoveName target);
    void rollBack();
    QStringView placeName(std::size_t index, MoveName place, QString& scratch) const;

    const QString& m_folder;
    const std::vector<RenamePair>& m_moves;
    FileOps& m_ops;
    std::unique_ptr<FolderRenamer> m_renamer;
    QString m_originName;
    QString m_targetName;
    std::vector<MoveName> m_places;
    // How many files each pass has moved, from the first on.
    std::array<std::size_t, 2> m_movedIn{};
    MoveFailure m_failure;
    std::vector<StrandedFile> m_stranded;
};

} // namespace km
