// The folder scan and list fill of the main window on folders of 10,000 and 100,000 photos,
// against a bare listing of the same folder (readdir, the same filter and the same sort) in the
// same run. The counter "ratio" is scan-and-fill time / bare listing time; "bytes_per_row" is
// the heap the photo list's model takes per row.
#include "app/main_window.h"
#include "platform/check_box.h"
#include "platform/file_system.h"
#include "platform/photo_list_model.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <malloc.h>
#include <map>
#include <memory>
#include <strings.h>

namespace {

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A folder of empty camera-named JPEG files, made once per size for the whole run.
const QString& photoFolder(int count) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto& dir = folders[count];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        for (int i = 1; i <= count; ++i) {
            const QByteArray path = QFile::encodeName(dir->filePath(
                QStringLiteral("DSC_%1.%2").arg(i).arg(i % 3 ? QStringLiteral("JPG") : "jpg")));
            if (FILE* file = std::fopen(path.constData(), "w"))
                std::fclose(file);
        }
    }
    static QString path;
    path = dir->path();
    return path;
}

bool endsWithIgnoringCase(const char* name, const char* suffix) {
    const size_t length = std::strlen(name);
    const size_t suffixLength = std::strlen(suffix);
    return length >= suffixLength && strcasecmp(name + length - suffixLength, suffix) == 0;
}

QStringList bareListing(const QString& folder) {
    QStringList names;
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] != '.' && endsWithIgnoringCase(entry->d_name, ".jpg"))
            names.append(QFile::decodeName(entry->d_name));
    }
    closedir(dir);
    km::fs::sortNaturally(names);
    return names;
}

void scanAndFill(benchmark::State& state) {
    const QString& folder = photoFolder(static_cast<int>(state.range(0)));
    QTemporaryDir settings;
    MainWindow window(settings.path(), folder);
    window.cbJPG->setValue(1);
    double bareSeconds = 0;
    double fillSeconds = 0;
    for (auto _ : state) {
        double begin = threadSeconds();
        benchmark::DoNotOptimize(bareListing(folder));
        bareSeconds += threadSeconds() - begin;
        begin = threadSeconds();
        QString current = folder;
        window.FillFileList(current);
        fillSeconds += threadSeconds() - begin;
    }
    state.counters["bare_ms"] = 1000 * bareSeconds / static_cast<double>(state.iterations());
    state.counters["fill_ms"] = 1000 * fillSeconds / static_cast<double>(state.iterations());
    state.counters["ratio"] = fillSeconds / bareSeconds;
}
BENCHMARK(scanAndFill)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(5);

void modelMemory(benchmark::State& state) {
    const QStringList names = bareListing(photoFolder(100'000));
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        {
            km::PhotoListModel model;
            for (const QString& name : names)
                model.append(name);
            for (int row = 0; row < model.count(); ++row)
                model.row(row).subItem =
                    QStringLiteral("foto_%1.jpg").arg(row + 1, 6, 10, QLatin1Char('0'));
            const size_t after = mallinfo2().uordblks;
            state.counters["bytes_per_row"] =
                static_cast<double>(after - before) / static_cast<double>(names.size());
        }
    }
}
BENCHMARK(modelMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
