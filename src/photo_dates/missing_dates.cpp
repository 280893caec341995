// SPDX-License-Identifier: MIT
#include "photo_dates/missing_dates.h"

#include "files/file_names.h"
#include "files/file_system.h"
#include "photo_dates/name_dates.h"

#include <QDateTime>
#include <fcntl.h>
#include <sys/stat.h>

namespace km {
namespace {

// The file's modification time as the computer's clock showed it; nothing where it cannot be
// stated.
std::optional<DateTaken> fileTimeOf(int folderFd, const QString& name) {
    struct stat info {};
    if (folderFd < 0 || ::fstatat(folderFd, fs::nativePath(name).constData(), &info, 0) != 0)
        return std::nullopt;
    const QDateTime local = QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec);
    const std::optional<CalendarTime> time =
        validCalendarTime(local.date().year(), local.date().month(), local.date().day(),
                          local.time().hour(), local.time().minute(), local.time().second());
    if (!time)
        return std::nullopt;
    return DateTaken{*time, {}};
}

} // namespace

std::vector<DateSource> fillMissingDates(const QString& folder, const QStringList& names,
                                         std::vector<PhotoFacts>& facts, MissingDates choice) {
    std::vector<DateSource> sources(facts.size(), DateSource::None);
    fs::FileDescriptor handle;
    for (size_t i = 0; i < facts.size() && i < static_cast<size_t>(names.size()); ++i) {
        PhotoFacts& photo = facts[i];
        if (photo.taken) {
            sources[i] = DateSource::Metadata;
            continue;
        }
        const QString& name = names[static_cast<qsizetype>(i)];
        if (choice.fromNames) {
            photo.taken = dateFromName(name);
            if (photo.taken)
                sources[i] = DateSource::Name;
        }
        if (!photo.taken && choice.fromFileTimes) {
            if (handle.get() < 0)
                handle = fs::openFolder(folder);
            photo.taken = fileTimeOf(handle.get(), name);
            if (photo.taken)
                sources[i] = DateSource::FileTime;
        }
    }
    return sources;
}

} // namespace km
