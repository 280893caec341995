// SPDX-License-Identifier: MIT
#include "rename/rename_history.h"

#include "rename/name_field.h"
#include "rename/name_rules.h"

#include <QList>

namespace km {

namespace {

const QByteArray kHistoryHeader = "KESTRELMARK-HISTORY\t1";
constexpr char kNoBirth[] = "-";

std::optional<qint64> signedFromField(QByteArrayView field) {
    const bool negative = field.startsWith('-');
    const std::optional<quint64> magnitude = numberFromField(negative ? field.sliced(1) : field);
    if (!magnitude || *magnitude > quint64{1} << 62)
        return std::nullopt;
    const auto value = static_cast<qint64>(*magnitude);
    return negative ? -value : value;
}

// Reads a history text line by line; each step returns false and sets the error on a fault.
class HistoryReader {
public:
    explicit HistoryReader(const QByteArray& text) : m_lines(text.split('\n')) {}

    std::optional<HistoryEntry> read(QString* error) {
        HistoryEntry entry;
        LastingIdentity shared;
        quint64 count = 0;
        const bool ok = readHeader() && readWhen(entry) && readFolder(entry) &&
                        readIdentity(shared) && readCount(count) &&
                        readFiles(entry, shared, count) && readEnd();
        if (!ok) {
            if (error)
                *error = m_error;
            return std::nullopt;
        }
        return entry;
    }

private:
    bool fail(const QString& what) {
        m_error = QStringLiteral("line %1: %2").arg(m_next).arg(what);
        return false;
    }

    std::optional<QList<QByteArray>> fields(const QByteArray& tag, qsizetype least,
                                            qsizetype most) {
        if (m_next >= m_lines.size() - 1) {
            fail(QStringLiteral("the record ends early"));
            return std::nullopt;
        }
        QList<QByteArray> parts = m_lines[m_next++].split('\t');
        if (parts.size() < least || parts.size() > most || parts[0] != tag) {
            fail(QStringLiteral("\"%1\" expected").arg(QString::fromLatin1(tag)));
            return std::nullopt;
        }
        return parts;
    }

    bool readHeader() {
        m_next = 1;
        return m_lines.value(0) == kHistoryHeader ||
               fail(QStringLiteral("not a record of this version"));
    }

    bool readWhen(HistoryEntry& entry) {
        const auto parts = fields("when", 2, 2);
        if (!parts)
            return false;
        const std::optional<qint64> when = signedFromField(parts->at(1));
        if (!when)
            return fail(QStringLiteral("not a time"));
        entry.when = *when;
        return true;
    }

    bool readFolder(HistoryEntry& entry) {
        const auto parts = fields("folder", 2, 2);
        if (!parts)
            return false;
        const std::optional<QString> folder = nameFromField(parts->at(1));
        if (!folder || !folder->startsWith(QLatin1Char('/')) || !folder->endsWith(QLatin1Char('/')))
            return fail(QStringLiteral("not a folder"));
        entry.folder = *folder;
        return true;
    }

    bool readIdentity(LastingIdentity& shared) {
        const auto parts = fields("identity", 2, 4);
        if (!parts)
            return false;
        if (parts->size() == 2 && parts->at(1) == "size") {
            shared.basis = LastingIdentity::Basis::SizeAndTime;
            return true;
        }
        const std::optional<quint64> device =
            parts->size() == 4 ? numberFromField(parts->at(2)) : std::nullopt;
        if (parts->at(1) != "inode" || !device)
            return fail(QStringLiteral("not a way of knowing files again"));
        shared.device = *device;
        if (parts->at(3) != kNoBirth) {
            shared.born = signedFromField(parts->at(3));
            if (!shared.born)
                return fail(QStringLiteral("not a time"));
        }
        return true;
    }

    bool readCount(quint64& count) {
        const auto parts = fields("count", 2, 2);
        if (!parts)
            return false;
        const std::optional<quint64> value = numberFromField(parts->at(1));
        if (!value || *value > static_cast<quint64>(m_lines.size()))
            return fail(QStringLiteral("not a count of files"));
        count = *value;
        return true;
    }

    bool readFiles(HistoryEntry& entry, const LastingIdentity& shared, quint64 count) {
        const bool bySize = shared.basis == LastingIdentity::Basis::SizeAndTime;
        const qsizetype size = bySize ? 5 : 4;
        entry.files.reserve(static_cast<std::size_t>(count));
        for (quint64 i = 0; i < count; ++i) {
            const auto parts = fields("file", size, size);
            if (!parts)
                return false;
            const std::optional<QString> original = nameFromField(parts->at(1));
            const std::optional<QString> renamed = nameFromField(parts->at(2));
            if (!original || !renamed || !invalidNameReason(*original).isEmpty() ||
                !invalidNameReason(*renamed).isEmpty())
                return fail(QStringLiteral("not a valid file name"));
            HistoryFile file{*original, *renamed, shared};
            const std::optional<quint64> first = numberFromField(parts->at(3));
            const std::optional<qint64> modified =
                bySize ? signedFromField(parts->at(4)) : std::optional<qint64>(0);
            if (!first || !modified)
                return fail(QStringLiteral("not a file's identity"));
            (bySize ? file.identity.size : file.identity.inode) = *first;
            file.identity.modified = *modified;
            entry.files.push_back(std::move(file));
        }
        return true;
    }

    bool readEnd() {
        if (!fields("end", 1, 1))
            return false;
        if (m_next != m_lines.size() - 1 || !m_lines.last().isEmpty())
            return fail(QStringLiteral("text after the end"));
        return true;
    }

    QList<QByteArray> m_lines;
    qsizetype m_next = 0;
    QString m_error;
};

QByteArray identityLine(const HistoryEntry& entry) {
    const LastingIdentity first = entry.files.empty() ? LastingIdentity() : entry.files[0].identity;
    if (first.basis == LastingIdentity::Basis::SizeAndTime)
        return "identity\tsize\n";
    const QByteArray born = first.born ? QByteArray::number(*first.born) : QByteArray(kNoBirth);
    return "identity\tinode\t" + QByteArray::number(first.device) + '\t' + born + '\n';
}

} // namespace

QByteArray encodeHistory(const HistoryEntry& entry) {
    QByteArray text;
    // About the size of a line per file, so that a large batch is not copied while it grows.
    text.reserve(128 + static_cast<qsizetype>(entry.files.size()) * 64);
    text += kHistoryHeader + '\n';
    text += "when\t" + QByteArray::number(entry.when) + '\n';
    text += "folder\t" + nameField(entry.folder) + '\n';
    text += identityLine(entry);
    text += "count\t" + QByteArray::number(static_cast<qulonglong>(entry.files.size())) + '\n';
    for (const HistoryFile& file : entry.files) {
        text += "file\t";
        appendNameField(text, file.original);
        text += '\t';
        appendNameField(text, file.renamed);
        text += '\t';
        if (file.identity.basis == LastingIdentity::Basis::SizeAndTime) {
            appendNumberField(text, file.identity.size);
            text += '\t';
            appendNumberField(text, file.identity.modified);
        } else {
            appendNumberField(text, file.identity.inode);
        }
        text += '\n';
    }
    text += "end\n";
    return text;
}

std::optional<HistoryEntry> decodeHistory(const QByteArray& text, QString* error) {
    return HistoryReader(text).read(error);
}

} // namespace km
