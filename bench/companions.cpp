// SPDX-License-Identifier: MIT
// What taking RAW and sidecar files along costs the window's scan of a folder of 10,000 photos,
// each with a RAW file and a sidecar: the scan without companions (listing, new names, collision
// check) against the scan with them (the same single read collecting the candidates, new names,
// the companion plan and the collision check over all of them), measured in the same run.
// Counters: without_ms, with_ms, ratio = with / without, and companions_ms, the part of with_ms
// spent planning companions and checking their collisions.
#include "plan/companions.h"

#include "files/file_system.h"
#include "naming/naming.h"
#include "plan/conflicts.h"
#include "support/thread_time.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

using km::bench::threadSeconds;

const km::NamingFields kFields{QStringLiteral("foto_"), QStringLiteral("1"), QStringLiteral("5")};
const QStringList kPatterns{QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")};

// DSC_<n>.JPG with DSC_<n>.NEF and a sidecar, empty files, every third JPEG in lower case. The
// sidecar is DSC_<n>.xmp, or the RAW file's whole name plus ".xmp" (DSC_<n>.NEF.xmp), as some
// editors write it, which takes the planner's second look-up.
class CompanionFolder {
public:
    CompanionFolder(int photos, bool rawNamedSidecars) {
        for (int i = 1; i <= photos; ++i) {
            const QString stem = QStringLiteral("DSC_%1").arg(i);
            touch(stem + (i % 3 ? QStringLiteral(".JPG") : QStringLiteral(".jpg")));
            touch(stem + QStringLiteral(".NEF"));
            touch(stem + (rawNamedSidecars ? QStringLiteral(".NEF.xmp") : QStringLiteral(".xmp")));
        }
    }

    QString path() const { return m_dir.path(); }

private:
    void touch(const QString& name) const {
        if (FILE* file = std::fopen(QFile::encodeName(m_dir.filePath(name)).constData(), "w"))
            std::fclose(file);
    }

    QTemporaryDir m_dir;
};

QStringList photosOf(const km::fs::FolderListing& listing) {
    return listing.matches.at(0) + listing.matches.at(1);
}

km::NewNames allRenamed(const QStringList& photos) {
    return km::computeNewNames(kFields, true, photos, {});
}

void BM_ScanWithCompanions(benchmark::State& state) {
    const CompanionFolder folder(static_cast<int>(state.range(0)), state.range(1) != 0);
    double withoutSeconds = 0;
    double withSeconds = 0;
    double companionSeconds = 0;
    for (auto _ : state) {
        const double withoutStart = threadSeconds();
        {
            const QStringList photos = photosOf(km::fs::listFolder(folder.path(), kPatterns));
            const km::NewNames proposal = allRenamed(photos);
            benchmark::DoNotOptimize(km::findConflicts(photos, proposal.names));
        }
        withoutSeconds += threadSeconds() - withoutStart;

        const double withStart = threadSeconds();
        {
            const km::fs::FolderListing listing =
                km::fs::listFolder(folder.path(), kPatterns, km::isCompanionCandidate);
            const QStringList photos = photosOf(listing);
            const km::NewNames proposal = allRenamed(photos);
            const double planStart = threadSeconds();
            const km::CompanionPlan plan =
                km::planCompanions(photos, proposal.names, listing.filtered);
            benchmark::DoNotOptimize(km::findConflictsWithCompanions(photos, proposal.names, plan));
            companionSeconds += threadSeconds() - planStart;
            if (plan.pairs.size() != 2 * static_cast<std::size_t>(photos.size()))
                state.SkipWithError("not every RAW and sidecar file follows its photo");
        }
        const double seconds = threadSeconds() - withStart;
        withSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["without_ms"] = 1000 * withoutSeconds / iterations;
    state.counters["with_ms"] = 1000 * withSeconds / iterations;
    state.counters["companions_ms"] = 1000 * companionSeconds / iterations;
    state.counters["ratio"] = withSeconds / withoutSeconds;
}

BENCHMARK(BM_ScanWithCompanions)
    ->ArgNames({"photos", "raw_named_xmp"})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
