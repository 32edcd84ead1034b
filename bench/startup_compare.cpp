// Runs a program and its floor alternately, each in a fresh process, and compares the medians of
// their wall time, CPU time (user + system) and peak resident memory. Alternating in one run
// keeps the ratio meaningful on a machine whose speed drifts.
//
// Usage: startup_compare <rounds> <label> <program> <floor>

#include "Stats.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using namespace sumwright::bench;

struct Run
{
    double wallMs = 0;
    double cpuMs = 0;
    double peakMiB = 0;
};

double milliseconds(const timeval &t)
{
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// One start of the program, its output discarded; nullopt-like failure ends the comparison.
bool runOnce(const char *path, Run &run)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *const argv[] = {const_cast<char *>(path), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int error = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "startup_compare: cannot start %s\n", path);
        return false;
    }
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("startup_compare: wait4");
        return false;
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup_compare: %s failed (status %d)\n", path, status);
        return false;
    }
    run.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
    run.cpuMs = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return true;
}

struct Medians
{
    double wallMs, cpuMs, peakMiB;
};

Medians medians(const std::vector<Run> &runs)
{
    std::vector<double> wall, cpu, peak;
    for (const Run &r : runs) {
        wall.push_back(r.wallMs);
        cpu.push_back(r.cpuMs);
        peak.push_back(r.peakMiB);
    }
    return {median(wall), median(cpu), median(peak)};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <rounds> <label> <program> <floor>\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const std::string label = argv[2];
    const char *program = argv[3];
    const char *floor = argv[4];

    // One unmeasured start of each, so both find the libraries and fonts in the page cache.
    Run warm;
    if (!runOnce(program, warm) || !runOnce(floor, warm))
        return 1;

    std::vector<Run> programRuns, floorRuns;
    for (int i = 0; i < rounds; ++i) {
        // The order flips every round, so neither always runs right after the other.
        const bool programFirst = i % 2 == 0;
        Run a, b;
        if (!runOnce(programFirst ? program : floor, a)
            || !runOnce(programFirst ? floor : program, b))
            return 1;
        programRuns.push_back(programFirst ? a : b);
        floorRuns.push_back(programFirst ? b : a);
    }

    const Medians p = medians(programRuns);
    const Medians f = medians(floorRuns);
    const double wallRatio = p.wallMs / f.wallMs;
    const double cpuRatio = p.cpuMs / f.cpuMs;
    const double peakDiff = p.peakMiB - f.peakMiB;
    std::printf("start-up, %s, medians of %d alternating rounds\n", label.c_str(), rounds);
    std::printf("  %-10s %10s %10s %12s\n", "", "wall ms", "CPU ms", "peak MiB");
    std::printf("  %-10s %10.1f %10.1f %12.1f\n", "floor", f.wallMs, f.cpuMs, f.peakMiB);
    std::printf("  %-10s %10.1f %10.1f %12.1f\n", "program", p.wallMs, p.cpuMs, p.peakMiB);
    std::printf("  wall  %.3f x floor (target <= 1.10): %s\n", wallRatio,
                verdict(wallRatio <= 1.10));
    std::printf("  CPU   %.3f x floor (target <= 1.10): %s\n", cpuRatio, verdict(cpuRatio <= 1.10));
    std::printf("  peak  %+.2f MiB over floor (target <= +4): %s\n", peakDiff,
                verdict(peakDiff <= 4.0));
    return 0;
}
