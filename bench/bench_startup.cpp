// The start-up benchmark: the game against a bare Qt main window, started in turn, several times
// each. For each start, the time from spawning the process to its window's first paint, the
// CPU time it used until then, and its peak resident memory; then the medians and the game's
// ratios to the bare window. The bare window showing one word is measured too, as the share of
// the cost that any text brings. Run it on a display (scripts/bench starts one).
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double ms = 0;
    double cpuMs = 0;
    long kb = 0;
};

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Starts the program with the probe asking it to quit after its first paint, and reads what
// the probe reports. False when it reports nothing within half a minute.
bool Run(const char* program, const char* argument, Sample* pSample) {
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    char* argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
    const long long start = MonotonicNs();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed != 0) {
        close(out[0]);
        return false;
    }

    std::string text;
    pollfd pfd{out[0], POLLIN, 0};
    char buffer[512];
    while (poll(&pfd, 1, 30000) > 0) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, static_cast<size_t>(n));
    }
    close(out[0]);
    kill(pid, SIGKILL); // no-op when it has quit, as it should have
    int status = 0;
    waitpid(pid, &status, 0);

    long long paintNs = 0;
    long long cpuNs = 0;
    long kb = 0;
    const size_t at = text.find("first-paint-ns");
    if (at == std::string::npos ||
        std::sscanf(text.c_str() + at, "first-paint-ns %lld cpu-ns %lld peak-rss-kb %ld", &paintNs,
                    &cpuNs, &kb) != 3)
        return false;
    pSample->ms = static_cast<double>(paintNs - start) / 1e6;
    pSample->cpuMs = static_cast<double>(cpuNs) / 1e6;
    pSample->kb = kb;
    return true;
}

template <typename T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup BARE_WINDOW GAME [RUNS [OTHER_GAME]]\n");
        return 2;
    }
    struct Program {
        const char* name;
        const char* path;
        const char* argument;
    };
    // Another build of the game, such as an earlier one, started in the same turns.
    const Program programs[] = {{"bare window", argv[1], nullptr},
                                {"bare + text", argv[1], "--text"},
                                {"zeltaro", argv[2], nullptr},
                                {"other zeltaro", argc > 4 ? argv[4] : nullptr, nullptr}};
    const int count = argc > 4 ? 4 : 3;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 31;
    setenv("ZELTARO_BENCH_FIRST_PAINT", "1", 1);

    std::vector<double> ms[4];
    std::vector<double> cpuMs[4];
    std::vector<long> kb[4];
    // One round first, not counted: it brings the libraries into the page cache. Each round
    // starts with the next program, so that none always follows the same one, and each start
    // waits a moment for the process before it to have gone.
    for (int i = -1; i < runs; ++i) {
        for (int step = 0; step < count; ++step) {
            const int p = (i + count + step) % count;
            usleep(100000);
            Sample sample;
            if (!Run(programs[p].path, programs[p].argument, &sample)) {
                std::fprintf(stderr, "bench_startup: %s reported no first paint\n",
                             programs[p].name);
                return 1;
            }
            if (i >= 0) {
                ms[p].push_back(sample.ms);
                cpuMs[p].push_back(sample.cpuMs);
                kb[p].push_back(sample.kb);
            }
        }
    }

    double wall[4];
    double cpu[4];
    double peak[4];
    std::printf("%d runs each, in turn; medians\n", runs);
    std::printf("%-22s %14s %14s %12s\n", "", "first paint ms", "CPU to it ms", "peak RSS kB");
    for (int p = 0; p < count; ++p) {
        wall[p] = Median(ms[p]);
        cpu[p] = Median(cpuMs[p]);
        peak[p] = static_cast<double>(Median(kb[p]));
        std::printf("%-22s %14.1f %14.1f %12.0f\n", programs[p].name, wall[p], cpu[p], peak[p]);
    }
    std::printf("%-22s %14.3f %14.3f %12.3f\n", "zeltaro / bare window", wall[2] / wall[0],
                cpu[2] / cpu[0], peak[2] / peak[0]);
    std::printf("%-22s %14.3f %14.3f %12.3f\n", "zeltaro / bare + text", wall[2] / wall[1],
                cpu[2] / cpu[1], peak[2] / peak[1]);
    if (count == 4)
        std::printf("%-22s %14.3f %14.3f %12.3f\n", "other / bare window", wall[3] / wall[0],
                    cpu[3] / cpu[0], peak[3] / peak[0]);
    return 0;
}
