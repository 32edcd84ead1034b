#pragma once

#include "core/DateTime.h"
#include "core/QuestionSelection.h"
#include "core/Random.h"

#include <QObject>
#include <functional>
#include <memory>

class QString;

namespace sumwright {

class AboutProductWindow;
class AboutProgrammerWindow;
class MainWindow;
class QuestionWindow;
class ResultWindow;

// The program: owns the five windows, creates each the first time it is asked for, keeps it for
// its own life, and wires their signals. It holds the selection that the main window's controls
// keep in step and the question window reads. A test makes its own program, with its own clock
// and random source, so every test starts from a fresh program.
class Program : public QObject
{
    Q_OBJECT
public:
    Program(RandomSource &random, const Clock &clock);
    ~Program() override;
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    [[nodiscard]] MainWindow &frmMain();
    [[nodiscard]] QuestionWindow &frmInput();
    [[nodiscard]] ResultWindow &frmResult();
    [[nodiscard]] AboutProductWindow &frmAboutProduct();
    [[nodiscard]] AboutProgrammerWindow &frmAboutProgrammer();

    // Whether a window has been created yet; nothing creates it as a side effect.
    [[nodiscard]] bool hasResult() const { return m_result != nullptr; }
    [[nodiscard]] bool hasInput() const { return m_input != nullptr; }

    [[nodiscard]] const QuestionSelection &selection() const { return m_selection; }

    // The program's name, version and desktop entry for the desktop, an application that ends
    // only through the program's exit paths, never because some window closed last, and held
    // keys that the window system reports as one press. Called once, right after the
    // QApplication is made.
    static void setUpApplication();
    // The start-up window, shown and given the keyboard even where no window manager hands it
    // over.
    void showMainWindow();
    // Hands an address to the desktop's browser and returns at once; the outcome is not
    // examined, so a machine without a browser simply shows nothing.
    static void openAddress(const QString &address);
    // Ends the program at once: leaves the event loop without any window's close handling.
    void endProgram() const;
    // Tests watch the program end instead of ending their own process.
    void setProgramEnder(std::function<void()> ender) { m_ender = std::move(ender); }

private:
    void chooseKind(std::int16_t qType, std::int16_t qIndex);

    RandomSource &m_random;
    const Clock &m_clock;
    QuestionSelection m_selection;
    std::function<void()> m_ender;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<QuestionWindow> m_input;
    std::unique_ptr<ResultWindow> m_result;
    std::unique_ptr<AboutProductWindow> m_aboutProduct;
    std::unique_ptr<AboutProgrammerWindow> m_aboutProgrammer;
};

} // namespace sumwright
