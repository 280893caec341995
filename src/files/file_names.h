// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace km::fs {

// Linux file names are bytes; most are UTF-8, but cards of older cameras and archives made on
// Windows carry names in Latin-1 and other codes. The program keeps every name as a QString that
// gives back its very bytes: the valid UTF-8 sequences as their characters, and each other byte
// 0xHH as the lone low surrogate U+DCHH, which no valid UTF-8 decodes to. Equal names are equal
// bytes, so lookups, collision checks and companions need nothing special.

// The name the file system's bytes stand for, byte-exact in both directions with nativeName.
QString nameFromBytes(QByteArrayView bytes);

// The bytes of a name made by nameFromBytes, or UTF-8 for any other text.
QByteArray nativeName(QStringView name);

// nativeName written into bytes, NUL-terminated, reusing what bytes holds: a batch converts
// every name it moves, and plain ASCII names, the usual kind, then cost no allocation.
void nativeNameInto(QStringView name, QByteArray& bytes);

// The number of bytes nativeName gives, counted without making them.
qsizetype nativeNameSize(QStringView name);

// True when the name holds bytes that are not UTF-8.
bool hasRawBytes(QStringView name);

// The name for people to read: each byte that is not UTF-8 written as \xHH.
QString readableName(const QString& name);

// The name from its last dot to the end, dot and letter case kept; empty when there is no dot.
inline QStringView extensionOf(QStringView name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QStringView() : name.sliced(dot);
}

// The name without its last extension; the whole name when it has no dot.
inline QStringView stemOf(QStringView name) {
    return name.chopped(extensionOf(name).size());
}

// The letter case new names give the extensions: as the files have them, or all lower or upper.
enum class ExtensionCase { Keep, Lower, Upper };

// Puts the text from its first character on (an extension with its dot, or a companion's ending
// such as ".JPG.xmp") in the case chosen, in place. Bytes that are not UTF-8 stay as they are.
void setExtensionCase(QString& name, qsizetype from, ExtensionCase extensionCase);

} // namespace km::fs
