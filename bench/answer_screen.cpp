// Per-answer latency as a person sees it: answers are typed into the running program through the
// X server (XTEST), and each is timed from the moment the Enter key's release reaches the server
// to the moment the next question's pixels are on the screen (the last damage of the repaint
// that follows). The toolkit floor, a bare label and line edit in a window of its own, runs at
// the same time and is typed into the same way; the two take turns in blocks of answers.
//
// Usage: answer_screen <answers> <label> <program> <floor>
//        (ANSWER_FLOOR_PLAIN=1 in the environment: the floor without its group box)

#include "ScreenWatch.h"
#include "Stats.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

using namespace screenwatch;
using namespace std::chrono_literals;

namespace {

using namespace sumwright::bench;

// The program's layout, in twips as its windows are built from them.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}
constexpr int MainClientHeight = px(5265);
struct Spot
{
    int x, y;
};
constexpr Spot CountBox {px(6480 + 1695 / 2), px(960 + 480 / 2)};        // cbCountQ
constexpr Spot AdditionButton {px(240 + 3015 / 2), px(1680 + 1095 / 2)}; // cmdMath(0)
// cmdStart, inside the frame Frame2.
constexpr Spot StartButton {px(1680 + 1440 + 2895 / 2), px(1560 + 1440 + 495 / 2)};
// txtAnswer, inside the frame Frame1; the floor has its line edit at the same place.
constexpr Spot AnswerBox {px(120 + 1560 + 1695 / 2), px(840 + 2880 + 450 / 2)};

// Answers per program process: the longest test has 200 questions, the last of which ends it.
constexpr int AnswersPerTest = 190;
constexpr int Blocks = 5;

class Input
{
public:
    explicit Input(Display *display)
        : m_display(display)
    {
    }
    void click(int x, int y) const
    {
        XTestFakeMotionEvent(m_display, DefaultScreen(m_display), x, y, CurrentTime);
        XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
        XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
        XFlush(m_display);
    }
    void key(KeySym symbol, bool press) const
    {
        XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, symbol), press ? True : False,
                          CurrentTime);
        XFlush(m_display);
    }
    void tap(KeySym symbol) const
    {
        key(symbol, true);
        key(symbol, false);
    }

private:
    Display *m_display;
};

// Runs until the watched rectangle has had no damage for the given time (or never had any
// within it); gives up after a second and a half.
void waitQuiet(ScreenWatch &watch, std::chrono::milliseconds silence)
{
    const auto start = Clock::now();
    while (Clock::now() - start < 1500ms) {
        watch.pump(1ms);
        if (Clock::now() - std::max(start, watch.lastDamageAt()) > silence)
            return;
    }
}

// Waits for a new window of the program to be viewable and drawn; returns its client area.
std::optional<XRectangle> waitForWindow(ScreenWatch &watch)
{
    const auto start = Clock::now();
    while (Clock::now() - start < 15s) {
        watch.pump(5ms);
        if (watch.mainWindow() && Clock::now() - watch.lastDamageAt() > 300ms)
            return watch.clientRect();
    }
    return std::nullopt;
}

pid_t spawn(const std::vector<std::string> &arguments)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char *> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

void end(pid_t pid)
{
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

bool overlap(const XRectangle &a, const XRectangle &b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height
            && b.y < a.y + a.height;
}

// Types answers into the answer box at the spot and times each Enter release to the repaint.
void measureBlock(ScreenWatch &watch, const Input &input, const XRectangle &window, Spot box,
                  int answers, std::vector<double> &samples, int &missed)
{
    watch.watchRect(window);
    watch.ignoreNarrowerThan(16);
    input.click(window.x + box.x, window.y + box.y);
    waitQuiet(watch, 60ms);
    for (int i = 0; i < answers; ++i) {
        input.tap(XK_1 + i % 9);
        waitQuiet(watch, 8ms);
        input.key(XK_Return, true);
        waitQuiet(watch, 4ms);

        const auto start = Clock::now();
        input.key(XK_Return, false);
        bool seen = false;
        // The repaint may reach the server as a few requests; the answer is on the screen when
        // the last of them is.
        while (Clock::now() - start < 1s) {
            watch.pump(1ms);
            seen = watch.lastDamageAt() > start;
            if (seen && Clock::now() - watch.lastDamageAt() > 4ms)
                break;
        }
        if (seen)
            samples.push_back(
                    std::chrono::duration<double, std::micro>(watch.lastDamageAt() - start)
                            .count());
        else
            ++missed;
    }
}

// Starts the program and brings it to a running 200-question addition test; returns the
// question window's client area.
std::optional<XRectangle> startTest(ScreenWatch &watch, const Input &input, pid_t &pid,
                                    const std::string &program, XRectangle &mainRect)
{
    watch.reset();
    pid = spawn({program});
    const auto main = waitForWindow(watch);
    if (!main)
        return std::nullopt;
    mainRect = *main;
    const int menuBar = main->height - MainClientHeight;
    // The longest test, chosen from the count list as a user would: open it, last item, Enter.
    input.click(main->x + CountBox.x, main->y + menuBar + CountBox.y);
    std::this_thread::sleep_for(400ms);
    input.tap(XK_End);
    input.tap(XK_Return);
    std::this_thread::sleep_for(300ms);

    watch.reset();
    input.click(main->x + AdditionButton.x, main->y + menuBar + AdditionButton.y);
    const auto question = waitForWindow(watch);
    if (!question)
        return std::nullopt;
    input.click(question->x + StartButton.x, question->y + StartButton.y);
    watch.watchRect(*question);
    waitQuiet(watch, 300ms);
    return question;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <answers> <label> <program> <floor>\n", argv[0]);
        return 2;
    }
    const int wanted = std::atoi(argv[1]);
    const std::string label = argv[2];
    const std::string program = argv[3];
    const std::string floorPath = argv[4];

    ScreenWatch watch;
    if (!watch.ok())
        return 1;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(watch.display(), &event, &error, &major, &minor)) {
        std::fprintf(stderr, "answer_screen: the X server has no XTEST extension\n");
        return 1;
    }
    const Input input(watch.display());
    const int screenWidth = DisplayWidth(watch.display(), DefaultScreen(watch.display()));
    const int screenHeight = DisplayHeight(watch.display(), DefaultScreen(watch.display()));

    std::vector<double> programSamples, floorSamples;
    int programMissed = 0, floorMissed = 0;
    while (static_cast<int>(programSamples.size()) < wanted) {
        pid_t programPid = -1;
        XRectangle mainRect {};
        const auto question = startTest(watch, input, programPid, program, mainRect);
        if (!question) {
            std::fprintf(stderr, "answer_screen: the program's question window did not appear\n");
            end(programPid);
            return 1;
        }
        // The floor goes into a corner clear of both of the program's windows.
        pid_t floorPid = -1;
        std::optional<XRectangle> floorRect;
        for (const Spot corner : {Spot {screenWidth - 520, 0}, Spot {0, screenHeight - 400},
                                  Spot {screenWidth - 520, screenHeight - 400}}) {
            const XRectangle spot {static_cast<short>(corner.x), static_cast<short>(corner.y), 520,
                                   400};
            if (overlap(spot, *question) || overlap(spot, mainRect))
                continue;
            watch.reset();
            std::vector<std::string> arguments {floorPath, std::to_string(corner.x),
                                                std::to_string(corner.y)};
            if (std::getenv("ANSWER_FLOOR_PLAIN"))
                arguments.emplace_back("plain");
            floorPid = spawn(arguments);
            floorRect = waitForWindow(watch);
            break;
        }
        if (!floorRect || overlap(*floorRect, *question)) {
            std::fprintf(stderr,
                         "answer_screen: no room for the floor beside the program; "
                         "a larger screen is needed\n");
            end(programPid);
            end(floorPid);
            return 1;
        }
        const int perBlock = AnswersPerTest / Blocks;
        for (int block = 0; block < Blocks; ++block) {
            measureBlock(watch, input, *question, AnswerBox, perBlock, programSamples,
                         programMissed);
            measureBlock(watch, input, *floorRect, AnswerBox, perBlock, floorSamples, floorMissed);
        }
        end(programPid);
        end(floorPid);
    }
    if (programSamples.empty() || floorSamples.empty()) {
        std::fprintf(stderr, "answer_screen: no answer was seen on the screen\n");
        return 1;
    }

    const Percentiles f = percentiles(floorSamples);
    const Percentiles p = percentiles(programSamples);
    const double ratio = p.p50 / f.p50;
    std::printf("per answer on the screen, %s, %zu answers each, microseconds from the Enter "
                "release at the X server to the next question's pixels\n",
                label.c_str(), programSamples.size());
    std::printf("  %-10s %8s %8s %8s %8s\n", "", "p50", "p99", "max", "unseen");
    std::printf("  %-10s %8.0f %8.0f %8.0f %8d\n", "floor", f.p50, f.p99, f.max, floorMissed);
    std::printf("  %-10s %8.0f %8.0f %8.0f %8d\n", "program", p.p50, p.p99, p.max, programMissed);
    std::printf("  p50  %.3f x floor (target <= 1.2): %s\n", ratio, verdict(ratio <= 1.2));
    std::printf("  p99  %.0f us (target < 1000): %s\n", p.p99, verdict(p.p99 < 1000));
    // An answer whose repaint never showed within a second means the harness lost its way
    // (a window covered, a key gone elsewhere); a few in a thousand would be the machine.
    const auto lost = [](int missed, std::size_t seen) {
        return static_cast<std::size_t>(missed) * 100 > seen;
    };
    return lost(programMissed, programSamples.size()) || lost(floorMissed, floorSamples.size()) ? 1
                                                                                                : 0;
}
