// Times the walk over every game of every setting, the way the engine's exhaustive test plays
// them, once in full and once with positions met before skipped.
#include "support/ExhaustiveWalk.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

struct Totals {
    long long games = 0;
    long long plays = 0;
    int failures = 0;
};

Totals WalkEverySetting(bool memoise) {
    Totals totals;
    ExhaustiveWalk walk(memoise);
    for (int order = 0; order <= 1; ++order) {
        for (int nMaxTake = 2; nMaxTake <= 7; ++nMaxTake) {
            for (int nTotal = 21; nTotal <= 39; nTotal += 2) {
                const WalkResult result = walk.Run(nTotal, nMaxTake, order);
                totals.games += result.games;
                totals.plays += result.plays;
                if (!result.failure.empty()) {
                    ++totals.failures;
                    std::printf("  failed: %s\n", result.failure.c_str());
                }
            }
        }
    }
    return totals;
}

double PerSecond(long long count, double seconds) {
    return seconds > 0 ? static_cast<double>(count) / seconds : 0.0;
}

void Measure(const char* name, bool memoise) {
    const std::clock_t cpuStart = std::clock();
    const auto wallStart = std::chrono::steady_clock::now();
    const Totals totals = WalkEverySetting(memoise);
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::printf("%-10s %10lld games %11lld plays  CPU %7.3f s  wall %7.3f s  %12.0f games/s"
                "  %12.0f plays/s  %d failed\n",
                name, totals.games, totals.plays, cpu, wall, PerSecond(totals.games, cpu),
                PerSecond(totals.plays, cpu), totals.failures);
}

} // namespace

int main() {
    std::printf("Every N (21..39 odd), M (2..7) and move order:\n");
    Measure("full", false);
    Measure("memoised", true);
    return 0;
}
