// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

namespace km::bench {

// The application object of a benchmark program, on Qt's offscreen platform unless another one is
// chosen, with the benchmark library initialised from what Qt leaves of the arguments.
class BenchmarkApplication {
public:
    BenchmarkApplication(int& argc, char** argv) : m_application(offscreenByDefault(argc), argv) {
        benchmark::Initialize(&argc, argv);
    }

private:
    static int& offscreenByDefault(int& argc) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    QApplication m_application;
};

// The whole main() of a benchmark program that needs nothing but its benchmarks.
inline int runBenchmarks(int argc, char** argv) {
    const BenchmarkApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace km::bench
