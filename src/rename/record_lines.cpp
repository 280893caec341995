// SPDX-License-Identifier: MIT
#include "rename/record_lines.h"

#include "rename/name_field.h"

namespace km {

RecordLines::RecordLines(const QByteArray& text, QString kind)
    : m_lines(text.split('\n')), m_kind(std::move(kind)) {}

bool RecordLines::fail(const QString& what) {
    m_error = QStringLiteral("line %1: %2").arg(m_next).arg(what);
    return false;
}

bool RecordLines::readHeader(const QByteArray& header) {
    m_next = 1;
    return m_lines.value(0) == header ||
           fail(QStringLiteral("not a %1 of this version").arg(m_kind));
}

std::optional<QList<QByteArray>> RecordLines::fields(const QByteArray& tag, qsizetype least,
                                                     qsizetype most) {
    if (m_next >= m_lines.size() - 1) {
        fail(QStringLiteral("the %1 ends early").arg(m_kind));
        return std::nullopt;
    }
    QList<QByteArray> parts = m_lines[m_next++].split('\t');
    if (parts.size() < least || parts.size() > most || parts[0] != tag) {
        fail(QStringLiteral("\"%1\" expected").arg(QString::fromLatin1(tag)));
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
        fail(QStringLiteral("not a folder"));
        return std::nullopt;
    }
    return folder;
}

bool RecordLines::readEnd() {
    if (!fields("end", 1))
        return false;
    if (m_next != m_lines.size() - 1 || !m_lines.last().isEmpty())
        return fail(QStringLiteral("text after the end"));
    return true;
}

} // namespace km
