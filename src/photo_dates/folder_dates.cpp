// SPDX-License-Identifier: MIT
#include "photo_dates/folder_dates.h"

#include "file_types/file_types.h"
#include "files/file_system.h"
#include "files/plain_file.h"
#include "photo_dates/exif_date.h"
#include "photo_dates/video_zones.h"

#include <QFile>
#include <QHash>
#include <QPromise>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace km {
namespace {

// A regular file of the folder as just stated.
struct StatedFile {
    FileVersion version;
    // Its changes are notified in this folder: it is no link, and has no other name elsewhere.
    bool watchable = false;
};

// Nothing when the file cannot be stated or is no regular file; a link counts as what it points
// to.
std::optional<StatedFile> stateFile(int folderFd, const QString& name) {
    const QByteArray native = fs::nativePath(name);
    const std::optional<fs::RegularFile> file =
        native.isEmpty() ? std::nullopt : fs::regularFileAt(folderFd, native.constData());
    if (!file)
        return std::nullopt;
    const struct stat& info = file->info;
    const FileVersion version{info.st_size,
                              qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                              info.st_ino};
    return StatedFile{version, !file->viaLink && info.st_nlink == 1};
}

// Only a plain file is read, in case the file was replaced by a pipe since it was stated.
PhotoFacts readFileFacts(int folderFd, const QString& name, FactsWanted wanted) {
    fs::OpenedPlainFile opened = fs::openPlainFile(folderFd, fs::nativePath(name).constData());
    if (!opened.ok())
        return {};
    // The file closes the descriptor when it goes, even when it could not be opened.
    QFile file;
    if (!file.open(opened.fd.release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {};
    return readPhotoFacts(file, wanted);
}

// The cameras read, each kept once: a folder's thousands of photos come from a few cameras, so
// the cache holds a few copies of their tags rather than one per photo.
class SharedCameras {
public:
    void share(std::shared_ptr<const CameraTags>& camera) {
        if (!camera)
            return;
        const QString key = camera->key();
        const auto known = m_cameras.constFind(key);
        if (known != m_cameras.cend())
            camera = *known;
        else
            m_cameras.insert(key, camera);
    }

private:
    QHash<QString, std::shared_ptr<const CameraTags>> m_cameras;
};

// A file to read: its place in the names and the version stated before reading.
struct Job {
    int index;
    StatedFile file;
};

// Reads the jobs' files into facts on worker threads while polling on this one; false when poll
// cancelled. finished marks the jobs whose date was read.
bool readOnThreads(int folderFd, const QStringList& names, const std::vector<Job>& jobs,
                   FactsWanted wanted, std::vector<PhotoFacts>& facts, std::vector<char>& finished,
                   const DateReadingPoll& poll, std::chrono::milliseconds pollInterval) {
    const int total = static_cast<int>(jobs.size());
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable allDone;
    auto work = [&] {
        while (!stop.load(std::memory_order_relaxed)) {
            const int job = next.fetch_add(1);
            if (job >= total)
                return;
            const Job& file = jobs[static_cast<size_t>(job)];
            facts[static_cast<size_t>(file.index)] =
                readFileFacts(folderFd, names[file.index], wanted);
            finished[static_cast<size_t>(job)] = 1;
            if (done.fetch_add(1) + 1 == total) {
                const std::lock_guard lock(mutex);
                allDone.notify_one();
            }
        }
    };
    bool cancelled = false;
    {
        const int threadCount = std::min(total, std::max(2, QThread::idealThreadCount()));
        std::vector<std::jthread> workers;
        workers.reserve(static_cast<size_t>(threadCount));
        for (int i = 0; i < threadCount; ++i)
            workers.emplace_back(work);
        std::unique_lock lock(mutex);
        while (!allDone.wait_for(lock, pollInterval, [&] { return done.load() == total; })) {
            lock.unlock();
            cancelled = poll && !poll(done.load(), total);
            lock.lock();
            if (cancelled) {
                stop = true;
                break;
            }
        }
    } // the workers are joined here
    return !cancelled;
}

} // namespace

std::optional<std::vector<PhotoFacts>>
readFolderFacts(const QString& folder, const QStringList& names, DateTakenCache& cache,
                const DateReadingPoll& poll, std::chrono::milliseconds pollInterval,
                FactsWanted wanted) {
    std::vector<PhotoFacts> facts(static_cast<size_t>(names.size()));
    const fs::FileDescriptor handle = fs::openFolder(folder);
    if (handle.get() < 0)
        return facts;
    FolderDates& held = cache.folder(folder, handle.get());
    std::vector<Job> jobs;
    qsizetype known = 0;
    // Videos recorded at a UTC time are placed in a zone once every fact is known.
    bool videos = false;
    for (int i = 0; i < names.size(); ++i) {
        if (!mayHoldDateTaken(names[i]))
            continue;
        if (const auto* stored = held.findUnchanged(names[i], wanted)) {
            facts[static_cast<size_t>(i)] = *stored;
            videos |= stored->recorded != nullptr;
            ++known;
            continue;
        }
        const auto file = stateFile(handle.get(), names[i]);
        if (!file)
            continue;
        if (const auto* stored = held.find(names[i], file->version, file->watchable, wanted)) {
            facts[static_cast<size_t>(i)] = *stored;
            videos |= stored->recorded != nullptr;
            ++known;
        } else {
            jobs.push_back({i, *file});
        }
    }
    if (!jobs.empty()) {
        std::vector<char> finished(jobs.size());
        const bool complete =
            readOnThreads(handle.get(), names, jobs, wanted, facts, finished, poll, pollInterval);
        SharedCameras shared;
        for (size_t job = 0; job < jobs.size(); ++job) {
            if (!finished[job])
                continue;
            const int index = jobs[job].index;
            shared.share(facts[static_cast<size_t>(index)].camera);
            videos |= facts[static_cast<size_t>(index)].recorded != nullptr;
            held.store(names[index], jobs[job].file.version, jobs[job].file.watchable,
                       facts[static_cast<size_t>(index)], wanted);
            ++known;
        }
        if (!complete)
            return std::nullopt;
    }
    // Every file held that is still there was found above; anything more has gone.
    if (held.count() > known)
        held.keepOnly(names);
    if (videos)
        placeVideoTimes(facts);
    return facts;
}

std::vector<PhotoFacts> readFewPhotoFacts(const QString& folder, const QStringList& names) {
    std::vector<PhotoFacts> facts(static_cast<size_t>(names.size()));
    const fs::FileDescriptor handle = fs::openFolder(folder);
    if (handle.get() < 0)
        return facts;
    for (int i = 0; i < names.size(); ++i)
        if (mayHoldDateTaken(names[i]))
            facts[static_cast<size_t>(i)] =
                readFileFacts(handle.get(), names[i], FactsWanted::DatesAndCameras);
    placeVideoTimes(facts);
    return facts;
}

QFuture<std::vector<PhotoFacts>> readFolderFactsInBackground(const QString& folder,
                                                             const QStringList& names,
                                                             DateTakenCache& cache,
                                                             FactsWanted wanted) {
    using Dates = std::vector<PhotoFacts>;
    return QtConcurrent::run([folder, names, &cache, wanted](QPromise<Dates>& promise) {
        const auto facts = readFolderFacts(
            folder, names, cache,
            [&promise](int done, int total) {
                promise.setProgressRange(0, total);
                promise.setProgressValue(done);
                return !promise.isCanceled();
            },
            std::chrono::milliseconds(50), wanted);
        if (facts)
            promise.addResult(*facts);
    });
}

} // namespace km
