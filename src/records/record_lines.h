// SPDX-License-Identifier: MIT
#pragma once

#include "files/lasting_identity.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace km {

// The largest journal or history file the program writes or reads: a batch of a million files
// with long names, with room to spare. A larger one cannot be a record of ours.
constexpr qint64 kMaxRecordFileBytes = qint64(1) << 30;

// The lines of one of the program's record files (journals, history), read in turn: a header
// line, lines of TAB-separated fields each starting with its tag, and a last "end" line. Each
// step returns false (or nothing) on a fault and keeps its description, "line N: what".
class RecordLines {
public:
    // Which kind of file it is, as the messages name it.
    enum class Kind { Journal, History };
    RecordLines(const QByteArray& text, Kind kind);

    // The first line must be the header of this version.
    bool readHeader(const QByteArray& header);
    // The first line must be `name`, a TAB and a version from lowest to highest; that version.
    std::optional<int> readHeader(const QByteArray& name, int lowest, int highest);
    // True when the next line starts with the field `tag`.
    bool nextIs(const QByteArray& tag) const;
    // The next line's fields, which must start with `tag` and number from least to most.
    std::optional<QList<QByteArray>> fields(const QByteArray& tag, qsizetype least, qsizetype most);
    std::optional<QList<QByteArray>> fields(const QByteArray& tag, qsizetype size) {
        return fields(tag, size, size);
    }
    // A "tag" line holding an absolute folder with its trailing "/".
    std::optional<QString> folder(const QByteArray& tag);
    // A "tag" line saying how files are known again (identityLine).
    std::optional<LastingIdentity> identity(const QByteArray& tag);
    // The "end" line, with nothing after it.
    bool readEnd();

    // Sets the fault at the line read last; returns false.
    bool fail(const QString& what);
    const QString& error() const { return m_error; }
    qsizetype lineCount() const { return m_lines.size(); }

private:
    QList<QByteArray> m_lines;
    Kind m_kind;
    qsizetype m_next = 0;
    QString m_error;
};

// The line "tag<TAB>inode<TAB>device<TAB>born" (born "-" when unknown) or "tag<TAB>size": how
// the files of a record are known again.
QByteArray identityLine(const QByteArray& tag, const LastingIdentity& shared);

} // namespace km
