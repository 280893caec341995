// SPDX-License-Identifier: MIT
#include "history/rename_history.h"

#include "batch/name_rules.h"
#include "records/name_field.h"
#include "records/record_lines.h"

#include <QCoreApplication>
#include <QList>

namespace km {

namespace {

const QByteArray kHistoryHeader = "KESTRELMARK-HISTORY\t1";

class HistoryWords {
    Q_DECLARE_TR_FUNCTIONS(HistoryWords)
};

// Reads a history text line by line; each step returns false and sets the error on a fault.
class HistoryReader {
public:
    explicit HistoryReader(const QByteArray& text) : m_lines(text, RecordLines::Kind::History) {}

    std::optional<HistoryEntry> read(QString* error) {
        HistoryEntry entry;
        LastingIdentity shared;
        quint64 count = 0;
        const bool ok = m_lines.readHeader(kHistoryHeader) && readWhen(entry) &&
                        readFolder(entry) && readIdentity(shared) && readCount(count) &&
                        readFiles(entry, shared, count) && m_lines.readEnd();
        if (!ok) {
            if (error)
                *error = m_lines.error();
            return std::nullopt;
        }
        return entry;
    }

private:
    bool readWhen(HistoryEntry& entry) {
        const auto parts = m_lines.fields("when", 2, 2);
        if (!parts)
            return false;
        const std::optional<qint64> when = signedFromField(parts->at(1));
        if (!when)
            return m_lines.fail(HistoryWords::tr("not a time"));
        entry.when = *when;
        return true;
    }

    bool readFolder(HistoryEntry& entry) {
        const std::optional<QString> folder = m_lines.folder("folder");
        if (folder)
            entry.folder = *folder;
        return folder.has_value();
    }

    bool readIdentity(LastingIdentity& shared) {
        const std::optional<LastingIdentity> identity = m_lines.identity("identity");
        if (identity)
            shared = *identity;
        return identity.has_value();
    }

    bool readCount(quint64& count) {
        const auto parts = m_lines.fields("count", 2, 2);
        if (!parts)
            return false;
        const std::optional<quint64> value = numberFromField(parts->at(1));
        if (!value || *value > static_cast<quint64>(m_lines.lineCount()))
            return m_lines.fail(HistoryWords::tr("not a count of files"));
        count = *value;
        return true;
    }

    bool readFiles(HistoryEntry& entry, const LastingIdentity& shared, quint64 count) {
        const bool bySize = shared.basis == LastingIdentity::Basis::SizeAndTime;
        const qsizetype size = bySize ? 5 : 4;
        entry.files.reserve(static_cast<std::size_t>(count));
        for (quint64 i = 0; i < count; ++i) {
            const auto parts = m_lines.fields("file", size, size);
            if (!parts)
                return false;
            const std::optional<QString> original = nameFromField(parts->at(1));
            const std::optional<QString> renamed = nameFromField(parts->at(2));
            if (!original || !renamed || nameFault(*original) != NameFault::None ||
                nameFault(*renamed) != NameFault::None)
                return m_lines.fail(HistoryWords::tr("not a valid file name"));
            HistoryFile file{*original, *renamed, shared};
            const std::optional<quint64> first = numberFromField(parts->at(3));
            const std::optional<qint64> modified =
                bySize ? signedFromField(parts->at(4)) : std::optional<qint64>(0);
            if (!first || !modified)
                return m_lines.fail(HistoryWords::tr("not a file's identity"));
            (bySize ? file.identity.size : file.identity.inode) = *first;
            file.identity.modified = *modified;
            entry.files.push_back(std::move(file));
        }
        return true;
    }

    RecordLines m_lines;
};

} // namespace

HistoryWriter::HistoryWriter(qint64 when, const QString& folder, const LastingIdentity& shared,
                             std::size_t files) {
    // About the size of a line per file, so that a large batch is not copied while it grows.
    m_text.reserve(128 + static_cast<qsizetype>(files) * 64);
    m_text += kHistoryHeader + '\n';
    m_text += "when\t" + QByteArray::number(when) + '\n';
    m_text += "folder\t" + nameField(folder) + '\n';
    m_text += identityLine("identity", shared);
    m_text += "count\t" + QByteArray::number(static_cast<qulonglong>(files)) + '\n';
}

void HistoryWriter::add(const QString& original, const QString& renamed,
                        const LastingIdentity& identity) {
    m_text += "file\t";
    appendNameField(m_text, original);
    m_text += '\t';
    appendNameField(m_text, renamed);
    m_text += '\t';
    if (identity.basis == LastingIdentity::Basis::SizeAndTime) {
        appendNumberField(m_text, identity.size);
        m_text += '\t';
        appendNumberField(m_text, identity.modified);
    } else {
        appendNumberField(m_text, identity.inode);
    }
    m_text += '\n';
}

QByteArray HistoryWriter::finish() {
    m_text += "end\n";
    return std::move(m_text);
}

QByteArray encodeHistory(const HistoryEntry& entry) {
    HistoryWriter writer(entry.when, entry.folder,
                         entry.files.empty() ? LastingIdentity() : entry.files[0].identity,
                         entry.files.size());
    for (const HistoryFile& file : entry.files)
        writer.add(file.original, file.renamed, file.identity);
    return writer.finish();
}

std::optional<HistoryEntry> decodeHistory(const QByteArray& text, QString* error) {
    return HistoryReader(text).read(error);
}

} // namespace km
