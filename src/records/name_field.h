// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace km {

// A folder or file name as one field of the program's record files (journals, history): the
// file system's bytes (fs::nativeName, so that names that are not UTF-8 come back byte for byte),
// with "%" and every byte below 0x20 or equal to 0x7F written as "%" and two upper-case hex digits,
// so that TAB, CR and LF never appear inside a field and every name comes back exactly.
QByteArray nameField(const QString& name);
// The same, appended to `out`; a name of ASCII characters alone is written without allocating.
void appendNameField(QByteArray& out, const QString& name);

// The name a field holds; nothing when an escape is cut short or not hex.
std::optional<QString> nameFromField(QByteArrayView field);

// A whole number written as a field, appended to `out` without allocating.
void appendNumberField(QByteArray& out, qint64 number);
void appendNumberField(QByteArray& out, quint64 number);

// A whole number field; nothing unless it is decimal digits alone.
std::optional<quint64> numberFromField(QByteArrayView field);
// The same with an optional "-" in front, within 2^62 either way.
std::optional<qint64> signedFromField(QByteArrayView field);

} // namespace km
