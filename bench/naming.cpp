// SPDX-License-Identifier: MIT
// New names and the collision check on large folders, against a bare loop that only builds the
// same names in the same run; the counter "ratio" is engine time / bare loop time. The names with
// the date taken are measured against the same photos named without it.
#include "naming/naming.h"

#include "naming/dated_names.h"
#include "naming/pattern_names.h"
#include "plan/conflicts.h"
#include "support/thread_time.h"

#include <QStringList>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

using km::bench::threadSeconds;

const km::NamingFields kFields{QStringLiteral("IMG_"), QStringLiteral("1"), QStringLiteral("6")};

// Names such as IMG_000007.JPG, so renamed rows take the names of kept ones.
QStringList folder(int rows) {
    QStringList names;
    names.reserve(rows);
    for (int i = 0; i < rows; ++i)
        names.append(QStringLiteral("IMG_%1.JPG").arg(rows - i, 6, 10, QLatin1Char('0')));
    return names;
}

// Every row in "all" mode, every other row otherwise, so half of the files keep their names.
bool isNumbered(bool renameAll, int row0) {
    return renameAll || row0 % 2 == 0;
}

// The plain way to build prefix + padded number + extension, with nothing else around it.
QStringList bareLoop(const QStringList& originals, bool renameAll) {
    QStringList names;
    names.reserve(originals.size());
    int number = 1;
    for (int row0 = 0; row0 < originals.size(); ++row0) {
        if (!isNumbered(renameAll, row0)) {
            names.append(QString());
            continue;
        }
        const QString& original = originals[row0];
        names.append(kFields.prefix +
                     QString::number(number++).rightJustified(6, QLatin1Char('0')) +
                     original.mid(original.lastIndexOf(QLatin1Char('.'))));
    }
    return names;
}

void newNamesAndConflicts(benchmark::State& state, bool renameAll) {
    const QStringList originals = folder(static_cast<int>(state.range(0)));
    const auto selected = [renameAll](int row0) {
        return isNumbered(renameAll, row0);
    };
    double bareSeconds = 0;
    double engineSeconds = 0;
    for (auto _ : state) {
        const double bareStart = threadSeconds();
        benchmark::DoNotOptimize(bareLoop(originals, renameAll));
        bareSeconds += threadSeconds() - bareStart;

        const double engineStart = threadSeconds();
        const km::NewNames result = km::computeNewNames(kFields, renameAll, originals, selected);
        benchmark::DoNotOptimize(km::findConflicts(originals, result.names));
        const double seconds = threadSeconds() - engineStart;
        engineSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["bare_ms"] = 1000 * bareSeconds / static_cast<double>(state.iterations());
    state.counters["ratio"] = engineSeconds / bareSeconds;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RenameAll(benchmark::State& state) {
    newNamesAndConflicts(state, true);
}

void BM_RenameEveryOtherRow(benchmark::State& state) {
    newNamesAndConflicts(state, false);
}

// The collision check alone; items_per_second staying level from 10,000 to 100,000 rows shows
// linear growth.
void BM_FindConflicts(benchmark::State& state) {
    const QStringList originals = folder(static_cast<int>(state.range(0)));
    const km::NewNames proposal =
        km::computeNewNames(kFields, false, originals, [](int row0) { return row0 % 2 == 0; });
    for (auto _ : state)
        benchmark::DoNotOptimize(km::findConflicts(originals, proposal.names));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// When each photo was taken, as the date cache holds it: bursts of three in one second, a few
// hundred photos a day.
km::RowTimes timesOf(int rows) {
    km::RowTimes times;
    times.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        const int second = i / 3;
        times.push_back(km::CalendarTime{2024, 1 + second / 10000 % 12, 1 + second / 400 % 25,
                                         8 + second / 3600 % 12, second / 60 % 60, second % 60});
    }
    return times;
}

// The new names of dated photos (date and time, numbered as range(1) says: 0 in one run, 1 again
// for each date text, 2 only where photos share one) against the same photos named without a
// date; "ratio" is dated time / undated time, both with every row renamed.
void BM_DatedNames(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const QStringList originals = folder(rows);
    const km::RowTimes times = timesOf(rows);
    const km::DatedNaming naming{km::DatePattern(km::DateInNames::DateTime),
                                 static_cast<km::DateNumbering>(state.range(1))};
    double undatedSeconds = 0;
    double datedSeconds = 0;
    km::NewNames shownUndated;
    km::NewNames shownDated;
    // Freed memory stays with the process. Otherwise whichever side runs second pays the kernel
    // for fresh pages the first just returned, and the ratio says only which one ran first.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    for (auto _ : state) {
        // As in the photo list, each proposal is kept until the next one of its kind replaces it.
        const double undatedStart = threadSeconds();
        km::NewNames undated = km::computeNewNames(kFields, true, originals, {});
        undatedSeconds += threadSeconds() - undatedStart;
        const double datedStart = threadSeconds();
        km::NewNames dated = km::computeDatedNames(kFields, true, originals, {}, naming, times);
        const double seconds = threadSeconds() - datedStart;
        shownUndated = std::move(undated);
        shownDated = std::move(dated);
        datedSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["undated_ms"] = 1000 * undatedSeconds / static_cast<double>(state.iterations());
    state.counters["ratio"] = datedSeconds / undatedSeconds;
    state.SetItemsProcessed(state.iterations() * rows);
}

// The camera each photo was taken with: two bodies, one of them with a lens name to make safe.
km::RowCameras camerasOf(int rows) {
    const km::CameraTags canon{QStringLiteral("Canon"),
                               QStringLiteral("Canon EOS R5"),
                               QStringLiteral("RF24-105mm F4 L IS USM"),
                               {}};
    const km::CameraTags nikon{QStringLiteral("NIKON CORPORATION"),
                               QStringLiteral("NIKON Z 6_2"),
                               QStringLiteral("NIKKOR Z 24-70mm f/4 S"),
                               {}};
    km::RowCameras cameras;
    cameras.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i)
        cameras.push_back(i / 50 % 2 == 0 ? canon : nikon);
    return cameras;
}

// The names of a pattern with the date, the camera and the original number (the metadata as the
// cache holds it) against the designed names of the same photos; "ratio" is pattern time /
// designed time, both with every row renamed.
void BM_PatternNames(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const QStringList originals = folder(rows);
    const km::RowTimes times = timesOf(rows);
    const km::RowCameras cameras = camerasOf(rows);
    const km::PatternNaming naming{
        *km::NamePattern::read(u"{date}_{camera}_{original}_{number}").pattern,
        km::DateNumbering::Run, QStringLiteral("Trip"), km::fs::ExtensionCase::Keep};
    double designedSeconds = 0;
    double patternSeconds = 0;
    km::NewNames shownDesigned;
    km::PatternNames shownPattern;
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    for (auto _ : state) {
        const double designedStart = threadSeconds();
        km::NewNames designed = km::computeNewNames(kFields, true, originals, {});
        designedSeconds += threadSeconds() - designedStart;
        const double patternStart = threadSeconds();
        km::PatternNames named =
            km::computePatternNames(kFields, true, originals, {}, naming, {times, cameras});
        const double seconds = threadSeconds() - patternStart;
        shownDesigned = std::move(designed);
        shownPattern = std::move(named);
        patternSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["designed_ms"] =
        1000 * designedSeconds / static_cast<double>(state.iterations());
    state.counters["ratio"] = patternSeconds / designedSeconds;
    state.SetItemsProcessed(state.iterations() * rows);
}

BENCHMARK(BM_RenameAll)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameEveryOtherRow)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindConflicts)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
// Last: it leaves the memory allocator tuned for itself.
BENCHMARK(BM_DatedNames)
    ->ArgsProduct({{100000}, {0, 1, 2}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PatternNames)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
