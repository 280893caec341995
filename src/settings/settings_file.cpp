// SPDX-License-Identifier: MIT
#include "settings/settings_file.h"

#include "files/plain_file.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace km {

namespace {

constexpr qint64 kMaximumBytes = 64 * 1024;
constexpr int kLineCount = 9;

// A value holding CR or LF would split into lines and shift every line after it, so it is not
// stored at all: the line stays empty, as a line that was never written reads.
QString storableLine(const QString& line) {
    return line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')) ? QString() : line;
}

// The first `count` lines of the file, fewer when the reading stops early.
QStringList readLines(const QString& path, int count) {
    QStringList lines;
    // A pipe or a device under the name reads as no file: it would block or never end.
    fs::OpenedPlainFile opened = fs::openPlainFile(path);
    QFile file;
    if (!opened.ok() ||
        !file.open(opened.fd.release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return lines;
    const QByteArray content = file.read(kMaximumBytes);
    const bool wholeFile = file.atEnd();
    qsizetype position = 0;
    while (lines.size() < count && position < content.size()) {
        qsizetype end = position;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n')
            ++end;
        // A line cut off by the size limit was not read whole, so it is not read at all.
        if (end == content.size() && !wholeFile)
            break;
        lines.append(QString::fromUtf8(content.mid(position, end - position)));
        if (end < content.size() && content[end] == '\r' && end + 1 < content.size() &&
            content[end + 1] == '\n')
            ++end;
        position = end + 1;
    }
    return lines;
}

} // namespace

Settings readSettingsFile(const QString& path) {
    const QStringList lines = readLines(path, kLineCount);
    Settings settings;
    QString* const texts[] = {&settings.folder, &settings.prefix, &settings.startNumber,
                              &settings.digits};
    int* const states[] = {&settings.jpegState, &settings.bitmapState, &settings.gifState,
                           &settings.previewState};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i < 4)
            *texts[i] = lines[i];
        else if (i < 8)
            *states[i - 4] = checkBoxState(lines[i]);
        else
            settings.renameAll = lines[i] == QLatin1String("Y");
    }
    return settings;
}

bool writeSettingsFile(const QString& path, const Settings& settings) {
    const QString lines[kLineCount] = {settings.folder,
                                       settings.prefix,
                                       settings.startNumber,
                                       settings.digits,
                                       QString::number(settings.jpegState),
                                       QString::number(settings.bitmapState),
                                       QString::number(settings.gifState),
                                       QString::number(settings.previewState),
                                       settings.renameAll ? QStringLiteral("Y")
                                                          : QStringLiteral("N")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray content;
    for (const QString& line : lines)
        content += storableLine(line).toUtf8() + "\r\n";
    if (file.write(content) != content.size())
        return false;
    return file.commit();
}

int checkBoxState(const QString& line) {
    const std::optional<qint16> value = roundToInt<qint16>(readNumber(line));
    if (!value || *value < 0 || *value > 2)
        return 0;
    return *value;
}

} // namespace km
