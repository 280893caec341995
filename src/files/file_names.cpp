// SPDX-License-Identifier: MIT
#include "files/file_names.h"

namespace km::fs {

namespace {

constexpr char16_t kRawByteBase = 0xDC00;

bool isRawByteUnit(char16_t unit) {
    return unit >= kRawByteBase + 0x80 && unit <= kRawByteBase + 0xFF;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point of the well-formed UTF-8 sequence at the start of bytes, and its length; length
// 0 when the bytes there are no such sequence (a stray continuation byte, a sequence cut short,
// an overlong form, a surrogate, a value above U+10FFFF).
struct Sequence {
    char32_t codePoint = 0;
    int length = 0;
};

Sequence sequenceAt(const unsigned char* bytes, qsizetype available) {
    const unsigned char lead = bytes[0];
    int length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {};
    }
    if (available < length)
        return {};
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(bytes[i]))
            return {};
        codePoint = (codePoint << 6) | (bytes[i] & 0x3F);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return {};
    return {codePoint, length};
}

} // namespace

QString nameFromBytes(QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    QString name;
    name.reserve(size);
    for (qsizetype i = 0; i < size;) {
        if (data[i] < 0x80) {
            name.append(QChar(data[i++]));
            continue;
        }
        const Sequence sequence = sequenceAt(data + i, size - i);
        if (sequence.length == 0) {
            name.append(QChar(static_cast<char16_t>(kRawByteBase + data[i++])));
            continue;
        }
        if (QChar::requiresSurrogates(sequence.codePoint)) {
            name.append(QChar(QChar::highSurrogate(sequence.codePoint)));
            name.append(QChar(QChar::lowSurrogate(sequence.codePoint)));
        } else {
            name.append(QChar(static_cast<char16_t>(sequence.codePoint)));
        }
        i += sequence.length;
    }
    return name;
}

bool hasRawBytes(QStringView name) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isRawByteUnit(name[i].unicode()) && (i == 0 || !name[i - 1].isHighSurrogate()))
            return true;
    }
    return false;
}

QByteArray nativeName(QStringView name) {
    if (!hasRawBytes(name))
        return name.toUtf8();
    QByteArray bytes;
    bytes.reserve(name.size() * 3);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (!isRawByteUnit(unit) || (i > 0 && name[i - 1].isHighSurrogate()))
            continue;
        bytes.append(name.sliced(runStart, i - runStart).toUtf8());
        bytes.append(static_cast<char>(unit - kRawByteBase));
        runStart = i + 1;
    }
    bytes.append(name.sliced(runStart).toUtf8());
    return bytes;
}

qsizetype nativeNameSize(QStringView name) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar unit = name[i];
        if (unit.unicode() < 0x80) {
            bytes += 1;
        } else if (unit.unicode() < 0x800) {
            bytes += 2;
        } else if (unit.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            bytes += 4;
            ++i;
        } else if (isRawByteUnit(unit.unicode())) {
            bytes += 1;
        } else if (!unit.isSurrogate()) {
            bytes += 3;
        } else {
            // A lone surrogate that no name read from the file system holds: as the codec says.
            return nativeName(name).size();
        }
    }
    return bytes;
}

void nativeNameInto(QStringView name, QByteArray& bytes) {
    bytes.resize(name.size());
    char* out = bytes.data();
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (unit >= 0x80) {
            bytes = nativeName(name);
            return;
        }
        out[i] = static_cast<char>(unit);
    }
}

QString readableName(const QString& name) {
    if (!hasRawBytes(name))
        return name;
    static const char kHex[] = "0123456789ABCDEF";
    QString readable;
    readable.reserve(name.size() + 16);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (isRawByteUnit(unit) && (i == 0 || !name[i - 1].isHighSurrogate())) {
            const unsigned byte = unit - kRawByteBase;
            readable += QStringLiteral("\\x");
            readable += QLatin1Char(kHex[byte >> 4]);
            readable += QLatin1Char(kHex[byte & 0xF]);
        } else {
            readable += name[i];
        }
    }
    return readable;
}

void setExtensionCase(QString& name, qsizetype from, ExtensionCase extensionCase) {
    if (extensionCase == ExtensionCase::Keep || from >= name.size())
        return;
    const bool lower = extensionCase == ExtensionCase::Lower;
    // Only letters change, so the name keeps its length and its other characters.
    for (qsizetype i = from; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isLetter() && !c.isSurrogate())
            name[i] = lower ? c.toLower() : c.toUpper();
    }
}

} // namespace km::fs
