// SPDX-License-Identifier: MIT
// A row click in the photo list of a 100,000-photo folder, from the click until the window is
// idle again, against the bare computation of the same rows' new names in the same run. The
// counter "ratio" is click time / bare time; "click_ms" should stay under 50.
#include "main_window/main_window.h"
#include "naming/naming.h"
#include "photo_list/list_view.h"
#include "support/benchmark_main.h"
#include "support/photo_folder.h"
#include "support/thread_time.h"

#include <QAbstractEventDispatcher>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using km::ListView;
using km::MainWindow;

namespace {

using km::bench::threadSeconds;

const km::NamingFields kFields{QStringLiteral("foto_"), QStringLiteral("1"), QStringLiteral("6")};

// A program folder whose settings file lists `folder` with JPEG ticked, the preview off and every
// row renamed.
void writeSettings(const QTemporaryDir& program, const QString& folder) {
    QFile settings(program.filePath(QStringLiteral("Kestrelmark.cfg")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write((folder + "\r\nfoto_\r\n1\r\n6\r\n1\r\n0\r\n0\r\n0\r\nY\r\n").toUtf8());
}

// Delivers events until none is waiting.
void runUntilIdle() {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    while (dispatcher->processEvents(QEventLoop::AllEvents)) {
    }
}

// A left click without modifiers in the middle of a row, as the window system delivers it.
void clickRow(ListView& list, int row0) {
    QWidget* viewport = list.viewport();
    const QPointF local = list.visualRect(list.model()->index(row0, 0)).center();
    const QPointF global = viewport->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &release);
}

void rowClick(benchmark::State& state) {
    const km::bench::PhotoFolder photos(static_cast<int>(state.range(0)));
    const QStringList names = km::bench::bareJpegListing(photos.path());
    const QTemporaryDir program;
    writeSettings(program, photos.path());
    MainWindow window(program.path(), photos.path());
    window.load();
    runUntilIdle();
    auto* list = window.findChild<ListView*>(QStringLiteral("lvFiles"));
    double bareSeconds = 0;
    double clickSeconds = 0;
    int row0 = 0;
    for (auto _ : state) {
        double begin = threadSeconds();
        benchmark::DoNotOptimize(km::computeNewNames(kFields, true, names, {}));
        bareSeconds += threadSeconds() - begin;
        row0 = 1 - row0;
        begin = threadSeconds();
        clickRow(*list, row0);
        runUntilIdle();
        clickSeconds += threadSeconds() - begin;
        if (!list->isSelected(row0 + 1)) {
            state.SkipWithError("the click did not select its row");
            break;
        }
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = 1000 * bareSeconds / runs;
    state.counters["click_ms"] = 1000 * clickSeconds / runs;
    state.counters["ratio"] = clickSeconds / bareSeconds;
}
BENCHMARK(rowClick)->Arg(100'000)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return km::bench::runBenchmarks(argc, argv);
}
