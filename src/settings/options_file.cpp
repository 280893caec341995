// SPDX-License-Identifier: MIT
#include "settings/options_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace km {

namespace {

// More than any options file holds; a larger file is read only this far.
constexpr qint64 kMaxBytes = 64 * 1024;

void applyLine(const QByteArray& line, Options& options) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return;
    const QByteArray key = line.left(equals).trimmed().toLower();
    const QByteArray value = line.mid(equals + 1).trimmed().toLower();
    if (key == "order" && (value == "name" || value == "taken"))
        options.order = value == "taken" ? PhotoOrder::Taken : PhotoOrder::Name;
    else if (key == "companions" && (value == "true" || value == "false"))
        options.companions = value == "true";
    else if (key == "moretypes" && (value == "true" || value == "false"))
        options.moreTypes = value == "true";
}

} // namespace

Options readOptionsFile(const QString& path) {
    Options options;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return options;
    for (const QByteArray& line : file.read(kMaxBytes).split('\n'))
        applyLine(line, options);
    return options;
}

bool writeOptionsFile(const QString& path, const Options& options) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[General]\n");
    file.write(options.order == PhotoOrder::Taken ? "order=taken\n" : "order=name\n");
    file.write(options.companions ? "companions=true\n" : "companions=false\n");
    file.write(options.moreTypes ? "moretypes=true\n" : "moretypes=false\n");
    return file.commit();
}

} // namespace km
