#pragma once

#include "support/ReplayRandom.h"
#include "support/SettableClock.h"
#include "support/UrlRecorder.h"
#include "ui/Program.h"

#include <memory>

namespace sumwright {
class MainWindow;
class QuestionWindow;
class ResultWindow;
} // namespace sumwright

namespace sumwright::testing {

// A fresh program for every test function: its own windows, clock, random sequence and browser,
// and a program end that is counted instead of ending the test.
class ProgramFixture
{
public:
    // Makes the program and shows its main window, active.
    void setUp();
    // Every window a test opened must be closed by the test itself; the main window is the
    // fixture's. Fails the test for any left open.
    void tearDown();
    // Ends the program without looking; the model test restarts it often.
    void discard();

    [[nodiscard]] Program &program() { return *m_program; }
    [[nodiscard]] MainWindow &main();
    [[nodiscard]] QuestionWindow &input();
    [[nodiscard]] ResultWindow &result();

    // A desktop hands the focus back to the main window when a modal window goes; the
    // offscreen platform leaves no window active.
    void reactivateMain();

    // A short arithmetic test from the main window: `answers` empty (so wrong) answers, the
    // clock moved on by `seconds`, then End Test. The result window is left as the test left it.
    void takeTest(int answers, int seconds);

    SettableClock clock;
    std::unique_ptr<UrlRecorder> urls;
    int programEnds = 0;

private:
    std::unique_ptr<ReplayRandom> m_random;
    std::unique_ptr<Program> m_program;
};

} // namespace sumwright::testing
