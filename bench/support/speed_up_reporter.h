// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace km::bench {

// How much faster one benchmark must be than its baseline, both named by their functions.
struct SpeedUpTarget {
    const char* name;
    const char* baselineName;
    // What the line says: "<label> faster than <baselineLabel>".
    const char* label;
    const char* baselineLabel;
    double target;
};

// Keeps each benchmark's times per iteration and, at the end, prints each target's speed-up in
// wall clock and processor time: on a shared machine the processor time is steadier, so both are
// shown, and the target is met only when both reach it.
class SpeedUpReporter : public benchmark::ConsoleReporter {
public:
    explicit SpeedUpReporter(std::vector<SpeedUpTarget> targets) : m_targets(std::move(targets)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                const double iterations = static_cast<double>(run.iterations);
                m_seconds[run.run_name.function_name] = {run.real_accumulated_time / iterations,
                                                         run.cpu_accumulated_time / iterations};
            }
        ConsoleReporter::ReportRuns(runs);
    }

    void printSpeedUps() const {
        for (const SpeedUpTarget& target : m_targets) {
            const auto baseline = m_seconds.find(target.baselineName);
            const auto found = m_seconds.find(target.name);
            if (baseline == m_seconds.end() || found == m_seconds.end() ||
                found->second.wall <= 0 || found->second.cpu <= 0)
                continue;
            const double wall = baseline->second.wall / found->second.wall;
            const double cpu = baseline->second.cpu / found->second.cpu;
            std::printf("%-30s faster than %s: %7.1fx wall clock, %7.1fx processor time "
                        "(target %.0fx): %s\n",
                        target.label, target.baselineLabel, wall, cpu, target.target,
                        std::min(wall, cpu) >= target.target ? "met" : "MISSED");
        }
    }

private:
    struct Seconds {
        double wall = 0;
        double cpu = 0;
    };

    std::vector<SpeedUpTarget> m_targets;
    std::map<std::string, Seconds> m_seconds;
};

} // namespace km::bench
