// Start-up as a person sees it: spawns a program and watches the X server until its main window
// is mapped (viewable on the screen) and until it is drawn (its client area on the screen shows
// the finished picture, the one still there once the program has gone quiet), then kills it;
// tearing down is not counted. The program and its floor alternate, each in a fresh process.
//
// Usage: startup_screen <rounds> <label> <program> <floor>
//        (the floor is started with --stay, so it waits to be killed like the program does)

#include "ScreenWatch.h"
#include "Stats.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

using namespace screenwatch;
using namespace std::chrono_literals;

namespace {

using namespace sumwright::bench;

// How long the window must stay unchanged before its picture counts as finished.
constexpr auto Quiet = 400ms;
constexpr auto GiveUp = 15s;

struct Run
{
    double mappedMs = 0;
    double firstPixelsMs = 0; // first picture that is not one flat colour
    double drawnMs = 0;       // first picture equal to the finished one
    double peakMiB = 0;
};

pid_t spawn(const char *path, bool stay)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char stayArg[] = "--stay";
    char *const argv[] = {const_cast<char *>(path), stay ? stayArg : nullptr, nullptr};
    pid_t pid = 0;
    const int error = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

double peakOf(pid_t pid)
{
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
}

bool runOnce(ScreenWatch &watch, const char *path, bool stay, Run &run)
{
    watch.reset();
    struct Seen
    {
        Clock::time_point at;
        Frame frame;
    };
    std::vector<Seen> seen;

    const auto start = Clock::now();
    const pid_t pid = spawn(path, stay);
    if (pid < 0) {
        std::fprintf(stderr, "startup_screen: cannot start %s\n", path);
        return false;
    }
    Frame finished;
    while (true) {
        const auto now = Clock::now();
        if (now - start > GiveUp) {
            std::fprintf(stderr, "startup_screen: %s showed no finished window\n", path);
            kill(pid, SIGKILL);
            peakOf(pid);
            return false;
        }
        if (watch.pump(20ms)) {
            const XRectangle rect = watch.clientRect();
            seen.push_back({watch.lastDamageAt(), watch.grab(rect)});
        }
        if (watch.mainWindow() && !seen.empty() && Clock::now() - watch.lastDamageAt() > Quiet) {
            finished = watch.grab(watch.clientRect());
            break;
        }
    }
    kill(pid, SIGKILL);
    run.peakMiB = peakOf(pid);

    if (!finished.valid || finished.flat) {
        std::fprintf(stderr, "startup_screen: %s left its window blank\n", path);
        return false;
    }
    run.mappedMs = millisecondsBetween(start, watch.mappedAt());
    const auto firstPixels = std::find_if(
            seen.begin(), seen.end(), [](const Seen &s) { return s.frame.valid && !s.frame.flat; });
    const auto drawn = std::find_if(seen.begin(), seen.end(),
                                    [&](const Seen &s) { return s.frame == finished; });
    if (drawn == seen.end()) {
        std::fprintf(stderr, "startup_screen: %s changed its picture without a damage event\n",
                     path);
        return false;
    }
    run.firstPixelsMs = millisecondsBetween(start, firstPixels->at);
    run.drawnMs = millisecondsBetween(start, drawn->at);
    if (std::getenv("STARTUP_SCREEN_VERBOSE"))
        std::fprintf(stderr, "%s: mapped %.1f first %.1f drawn %.1f ms, %zu pictures, %.1f MiB\n",
                     path, run.mappedMs, run.firstPixelsMs, run.drawnMs, seen.size(), run.peakMiB);
    // Let the server take the window down before the next program starts.
    std::this_thread::sleep_for(50ms);
    return true;
}

template<typename Field>
double medianOf(const std::vector<Run> &runs, Field field)
{
    std::vector<double> values;
    values.reserve(runs.size());
    for (const Run &run : runs)
        values.push_back(run.*field);
    return median(values);
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

    ScreenWatch watch;
    if (!watch.ok())
        return 1;

    // One unmeasured start of each, so both find the libraries and fonts in the page cache.
    Run warm;
    if (!runOnce(watch, program, false, warm) || !runOnce(watch, floor, true, warm))
        return 1;

    std::vector<Run> programRuns, floorRuns;
    for (int i = 0; i < rounds; ++i) {
        // The order flips every round, so neither always runs right after the other.
        const bool programFirst = i % 2 == 0;
        Run p, f;
        if (programFirst ? !runOnce(watch, program, false, p) || !runOnce(watch, floor, true, f)
                         : !runOnce(watch, floor, true, f) || !runOnce(watch, program, false, p))
            return 1;
        programRuns.push_back(p);
        floorRuns.push_back(f);
    }

    const double fMapped = medianOf(floorRuns, &Run::mappedMs);
    const double pMapped = medianOf(programRuns, &Run::mappedMs);
    const double fFirst = medianOf(floorRuns, &Run::firstPixelsMs);
    const double pFirst = medianOf(programRuns, &Run::firstPixelsMs);
    const double fDrawn = medianOf(floorRuns, &Run::drawnMs);
    const double pDrawn = medianOf(programRuns, &Run::drawnMs);
    const double fPeak = medianOf(floorRuns, &Run::peakMiB);
    const double pPeak = medianOf(programRuns, &Run::peakMiB);

    std::printf("start-up on the screen, %s, medians of %d alternating rounds, ms from spawn\n",
                label.c_str(), rounds);
    std::printf("  %-10s %10s %14s %10s %12s\n", "", "mapped", "first pixels", "drawn", "peak MiB");
    std::printf("  %-10s %10.1f %14.1f %10.1f %12.1f\n", "floor", fMapped, fFirst, fDrawn, fPeak);
    std::printf("  %-10s %10.1f %14.1f %10.1f %12.1f\n", "program", pMapped, pFirst, pDrawn, pPeak);
    // Each round's program and floor ran seconds apart; the ratio within a round is untouched
    // by load that comes and goes between rounds.
    std::vector<double> mappedRatios, drawnRatios;
    for (std::size_t i = 0; i < programRuns.size(); ++i) {
        mappedRatios.push_back(programRuns[i].mappedMs / floorRuns[i].mappedMs);
        drawnRatios.push_back(programRuns[i].drawnMs / floorRuns[i].drawnMs);
    }
    std::printf("  median of the rounds' own ratios: mapped %.3f x, drawn %.3f x\n",
                median(mappedRatios), median(drawnRatios));
    std::printf("  mapped  %.3f x floor (target <= 1.05): %s\n", pMapped / fMapped,
                verdict(pMapped / fMapped <= 1.05));
    std::printf("  drawn   %.3f x floor (target <= 1.10): %s\n", pDrawn / fDrawn,
                verdict(pDrawn / fDrawn <= 1.10));
    std::printf("  peak    %+.2f MiB over floor (target <= +4): %s\n", pPeak - fPeak,
                verdict(pPeak - fPeak <= 4.0));
    return 0;
}
