// SPDX-License-Identifier: MIT
#include "records/name_field.h"

#include "files/file_names.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace km {

namespace {

const char kFieldHexDigits[] = "0123456789ABCDEF";

bool needsEscape(unsigned char byte) {
    return byte == '%' || byte < 0x20 || byte == 0x7F;
}

int hexValue(char c) {
    const char* found = std::strchr(kFieldHexDigits, c);
    return c != '\0' && found ? static_cast<int>(found - kFieldHexDigits) : -1;
}

void appendFieldByte(QByteArray& out, unsigned char byte) {
    if (!needsEscape(byte)) {
        out.append(static_cast<char>(byte));
        return;
    }
    out.append('%');
    out.append(kFieldHexDigits[byte >> 4]);
    out.append(kFieldHexDigits[byte & 0xF]);
}

bool isAsciiWithoutNul(const QString& name) {
    return std::all_of(name.cbegin(), name.cend(),
                       [](QChar c) { return c.unicode() != 0 && c.unicode() < 0x80; });
}

} // namespace

QByteArray nameField(const QString& name) {
    QByteArray out;
    appendNameField(out, name);
    return out;
}

// The file system's bytes of an ASCII name are its characters: journals and history of large
// batches write many names, so these need no conversion and are written straight into `out`'s
// room, at most three bytes for each character.
void appendNameField(QByteArray& out, const QString& name) {
    if (!isAsciiWithoutNul(name)) {
        for (const char c : fs::nativeName(name))
            appendFieldByte(out, static_cast<unsigned char>(c));
        return;
    }
    const qsizetype start = out.size();
    out.resize(start + 3 * name.size());
    char* next = out.data() + start;
    for (const QChar c : name) {
        const auto byte = static_cast<unsigned char>(c.unicode());
        if (needsEscape(byte)) {
            *next++ = '%';
            *next++ = kFieldHexDigits[byte >> 4];
            *next++ = kFieldHexDigits[byte & 0xF];
        } else {
            *next++ = static_cast<char>(byte);
        }
    }
    out.truncate(next - out.constData());
}

void appendNumberField(QByteArray& out, qint64 number) {
    char digits[24];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, end.ptr - digits);
}

void appendNumberField(QByteArray& out, quint64 number) {
    char digits[24];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, end.ptr - digits);
}

std::optional<QString> nameFromField(QByteArrayView field) {
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            bytes.append(field[i]);
            continue;
        }
        const int high = i + 2 < field.size() ? hexValue(field[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(field[i + 2]) : -1;
        if (low < 0)
            return std::nullopt;
        bytes.append(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return fs::nameFromBytes(bytes);
}

std::optional<quint64> numberFromField(QByteArrayView field) {
    if (field.isEmpty() || field.size() > 20)
        return std::nullopt;
    quint64 value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const quint64 digit = static_cast<quint64>(c - '0');
        if (value > (~quint64{0} - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

std::optional<qint64> signedFromField(QByteArrayView field) {
    const bool negative = field.startsWith('-');
    const std::optional<quint64> magnitude = numberFromField(negative ? field.sliced(1) : field);
    if (!magnitude || *magnitude > quint64{1} << 62)
        return std::nullopt;
    const auto value = static_cast<qint64>(*magnitude);
    return negative ? -value : value;
}

} // namespace km
