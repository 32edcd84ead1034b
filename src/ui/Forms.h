#pragma once

#include "core/DateTime.h"
#include "core/Random.h"

#include <functional>
#include <memory>

class AboutProductWindow;
class AboutProgrammerWindow;
class MainWindow;
class QuestionWindow;
class ResultWindow;
class QString;

// Owns the five windows. Each is created the first time it is asked for and then kept for the
// life of the owner; windows reach each other only through it. A test makes its own owner, with
// its own clock and random source, so every test starts from a fresh program.
class Forms
{
public:
    Forms(sumwright::RandomSource &random, const sumwright::Clock &clock);
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    [[nodiscard]] MainWindow &frmMain();
    [[nodiscard]] QuestionWindow &frmInput();
    [[nodiscard]] ResultWindow &frmResult();
    [[nodiscard]] AboutProductWindow &frmAboutProduct();
    [[nodiscard]] AboutProgrammerWindow &frmAboutProgrammer();

    // Whether a window has been created yet; nothing creates it as a side effect.
    [[nodiscard]] bool hasResult() const { return m_result != nullptr; }
    [[nodiscard]] bool hasInput() const { return m_input != nullptr; }

    [[nodiscard]] sumwright::RandomSource &random() const { return m_random; }
    [[nodiscard]] const sumwright::Clock &clock() const { return m_clock; }

    // The program's name, version and desktop entry for the desktop, and an application that
    // ends only through the program's exit paths, never because some window closed last.
    // Called once, right after the QApplication is made.
    static void setUpApplication();
    // Hands an address to the desktop's browser and returns at once; the outcome is not
    // examined, so a machine without a browser simply shows nothing.
    static void openAddress(const QString &address);
    // Ends the program at once: leaves the event loop without any window's close handling.
    void endProgram() const;
    // Tests watch the program end instead of ending their own process.
    void setProgramEnder(std::function<void()> ender) { m_ender = std::move(ender); }

private:
    sumwright::RandomSource &m_random;
    const sumwright::Clock &m_clock;
    std::function<void()> m_ender;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<QuestionWindow> m_input;
    std::unique_ptr<ResultWindow> m_result;
    std::unique_ptr<AboutProductWindow> m_aboutProduct;
    std::unique_ptr<AboutProgrammerWindow> m_aboutProgrammer;
};
