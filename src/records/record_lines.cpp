// SPDX-License-Identifier: MIT
#include "records/record_lines.h"

#include "records/name_field.h"

#include <QCoreApplication>

namespace km {

namespace {

constexpr char kNoBirth[] = "-";

class RecordWords {
    Q_DECLARE_TR_FUNCTIONS(RecordWords)

public:
    static QString notThisVersion(RecordLines::Kind kind) {
        return kind == RecordLines::Kind::Journal ? tr("not a journal of this version")
                                                  : tr("not a record of this version");
    }
    static QString endsEarly(RecordLines::Kind kind) {
        return kind == RecordLines::Kind::Journal ? tr("the journal ends early")
                                                  : tr("the record ends early");
    }
};

} // namespace

RecordLines::RecordLines(const QByteArray& text, Kind kind)
    : m_lines(text.split('\n')), m_kind(kind) {}

bool RecordLines::fail(const QString& what) {
    m_error = RecordWords::tr("line %1: %2").arg(m_next).arg(what);
    return false;
}

bool RecordLines::readHeader(const QByteArray& header) {
    m_next = 1;
    return m_lines.value(0) == header || fail(RecordWords::notThisVersion(m_kind));
}

std::optional<int> RecordLines::readHeader(const QByteArray& name, int lowest, int highest) {
    m_next = 1;
    const QByteArray first = m_lines.value(0);
    for (int version = lowest; version <= highest; ++version) {
        if (first == name + '\t' + QByteArray::number(version))
            return version;
    }
    fail(RecordWords::notThisVersion(m_kind));
    return std::nullopt;
}

bool RecordLines::nextIs(const QByteArray& tag) const {
    if (m_next >= m_lines.size() - 1)
        return false;
    const QByteArray& line = m_lines[m_next];
    return line.startsWith(tag) && (line.size() == tag.size() || line[tag.size()] == '\t');
}

std::optional<QList<QByteArray>> RecordLines::fields(const QByteArray& tag, qsizetype least,
                                                     qsizetype most) {
    if (m_next >= m_lines.size() - 1) {
        fail(RecordWords::endsEarly(m_kind));
        return std::nullopt;
    }
    QList<QByteArray> parts = m_lines[m_next++].split('\t');
    if (parts.size() < least || parts.size() > most || parts[0] != tag) {
        fail(RecordWords::tr("\"%1\" expected").arg(QString::fromLatin1(tag)));
        return std::nullopt;
    }
    return parts;
}

std::optional<QString> RecordLines::folder(const QByteArray& tag) {
    const auto parts = fields(tag, 2);
    if (!parts)
        return std::nullopt;
    std::optional<QString> folder = nameFromField(parts->at(1));
    if (!folder || !folder->startsWith(QLatin1Char('/')) || !folder->endsWith(QLatin1Char('/'))) {
        fail(RecordWords::tr("not a folder"));
        return std::nullopt;
    }
    return folder;
}

std::optional<LastingIdentity> RecordLines::identity(const QByteArray& tag) {
    const auto parts = fields(tag, 2, 4);
    if (!parts)
        return std::nullopt;
    LastingIdentity shared;
    if (parts->size() == 2 && parts->at(1) == "size") {
        shared.basis = LastingIdentity::Basis::SizeAndTime;
        return shared;
    }
    const std::optional<quint64> device =
        parts->size() == 4 ? numberFromField(parts->at(2)) : std::nullopt;
    if (parts->at(1) != "inode" || !device) {
        fail(RecordWords::tr("not a way of knowing files again"));
        return std::nullopt;
    }
    shared.device = *device;
    if (parts->at(3) != kNoBirth) {
        shared.born = signedFromField(parts->at(3));
        if (!shared.born) {
            fail(RecordWords::tr("not a time"));
            return std::nullopt;
        }
    }
    return shared;
}

bool RecordLines::readEnd() {
    if (!fields("end", 1))
        return false;
    if (m_next != m_lines.size() - 1 || !m_lines.last().isEmpty())
        return fail(RecordWords::tr("text after the end"));
    return true;
}

QByteArray identityLine(const QByteArray& tag, const LastingIdentity& shared) {
    if (shared.basis == LastingIdentity::Basis::SizeAndTime)
        return tag + "\tsize\n";
    const QByteArray born = shared.born ? QByteArray::number(*shared.born) : QByteArray(kNoBirth);
    return tag + "\tinode\t" + QByteArray::number(shared.device) + '\t' + born + '\n';
}

} // namespace km
