#include "app/settings_file.h"

#include "platform/rounding.h"
#include "rename/number_text.h"

#include <QFile>
#include <QSaveFile>

namespace km {

namespace {

constexpr qint64 kMaximumBytes = 64 * 1024;

// A value holding CR or LF would split into lines and shift every line after it, so it is not
// stored at all: the line stays empty, as a line that was never written reads.
QString storableLine(const QString& line) {
    return line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')) ? QString() : line;
}

} // namespace

SettingsLines readSettingsFile(const QString& path) {
    SettingsLines settings;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return settings;
    const QByteArray content = file.read(kMaximumBytes);
    const bool wholeFile = file.atEnd();
    qsizetype position = 0;
    for (QString& line : settings.lines) {
        if (position >= content.size())
            break;
        qsizetype end = position;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n')
            ++end;
        // A line cut off by the size limit was not read whole, so it is not read at all.
        if (end == content.size() && !wholeFile)
            break;
        line = QString::fromUtf8(content.mid(position, end - position));
        if (end < content.size() && content[end] == '\r' && end + 1 < content.size() &&
            content[end + 1] == '\n')
            ++end;
        position = end + 1;
    }
    return settings;
}

bool writeSettingsFile(const QString& path, const SettingsLines& settings) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray content;
    for (const QString& line : settings.lines)
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
