#pragma once

#include "Model.h"
#include "support/ProgramFixture.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>
#include <random>
#include <vector>

class QWidget;

namespace sumwright::testing {

// One user action, written so that it can be replayed on a fresh program: targets are named,
// and a right answer is read from the program when it is typed, not when it was first drawn.
struct UserEvent
{
    enum class Kind {
        Click,       // control `target` of window `window` (empty target: the point `at`)
        Menu,        // action `target` of the main window
        CloseBox,    // of window `window`
        Type,        // `text` into the focused control
        RightAnswer, // select all, type the expected answer (lower case when `lower`), Enter
        WrongAnswer, // select all, type a wrong answer (variant `key`, else `text`), Enter
        Enter,       // `key` (Return or keypad Enter) pressed and released
        HoldEnter,   // Return held down: `repeats` auto-repeated releases and presses
        Key,         // `key` (Escape, Tab, Backtab, Space) to the focused control
        Alt,         // Alt + `text`
        CountKey,    // Tab to cbCountQ, then `key`
        Activate,    // window `window` is brought to the front
    };
    Kind kind = Kind::Click;
    QString window;
    QString target;
    QPoint at;
    QString text;
    int key = 0;
    int repeats = 0;
    bool lower = false;
    int advance = 0; // seconds the clock moves before the event

    [[nodiscard]] QString describe() const;
};

// Sends events to the real windows from a chain of queued calls, so that each event is
// delivered and checked while a modal window's own event loop runs, exactly as a user's would.
class ModelRun : public QObject
{
    Q_OBJECT
public:
    // Generates `events` events from `seed`.
    ModelRun(std::uint64_t seed, long long events);
    // Replays a recorded sequence; an event whose target is not there does nothing.
    explicit ModelRun(std::vector<UserEvent> script);
    ~ModelRun() override;

    struct Outcome
    {
        bool diverged = false;
        long long at = -1; // index of the event after which program and model disagreed
        QString difference;
        std::vector<UserEvent> events; // every event delivered
        long long restarts = 0;
        ModelStats stats;
    };
    Outcome run();

    // What one kind of event needs: how it reads in a report, what the program will receive
    // (empty: it reaches nothing and is skipped), and how it is sent.
    struct Action
    {
        QString (*describe)(const UserEvent &event);
        std::vector<Delivery> (ModelRun::*resolve)(const UserEvent &event);
        void (ModelRun::*perform)(const UserEvent &event);
    };
    [[nodiscard]] static const Action &actionFor(UserEvent::Kind kind);

private:
    void tick();
    void next();
    void restart();
    void finish();
    void deliver(const UserEvent &event);
    [[nodiscard]] UserEvent generate();
    [[nodiscard]] QString compare();

    std::vector<Delivery> resolveClick(const UserEvent &event);
    std::vector<Delivery> resolveMenu(const UserEvent &event);
    std::vector<Delivery> resolveCloseBox(const UserEvent &event);
    std::vector<Delivery> resolveType(const UserEvent &event);
    std::vector<Delivery> resolveAnswer(const UserEvent &event);
    std::vector<Delivery> resolveEnter(const UserEvent &event);
    std::vector<Delivery> resolveKey(const UserEvent &event);
    std::vector<Delivery> resolveAlt(const UserEvent &event);
    std::vector<Delivery> resolveCountKey(const UserEvent &event);
    std::vector<Delivery> resolveActivate(const UserEvent &event);
    void performClick(const UserEvent &event);
    void performMenu(const UserEvent &event);
    void performCloseBox(const UserEvent &event);
    void performType(const UserEvent &event);
    void performAnswer(const UserEvent &event);
    void performEnter(const UserEvent &event);
    void performHoldEnter(const UserEvent &event);
    void performKey(const UserEvent &event);
    void performAlt(const UserEvent &event);
    void performCountKey(const UserEvent &event);
    void performActivate(const UserEvent &event);

    // The window that has the keyboard, if it is one of ours, and its focused control.
    bool takeKeyboard();
    [[nodiscard]] Answer expectedAnswer();
    [[nodiscard]] QString answerBoxText();

    std::optional<std::mt19937_64> m_rng;
    long long m_budget = 0;
    std::vector<UserEvent> m_script;
    std::size_t m_next = 0;

    ProgramFixture m_fixture;
    Model m_model;

    Outcome m_outcome;
    bool m_checkPending = false;
    bool m_finishing = false;
    int m_depth = 0;
    int m_idleTicks = 0;
    bool m_done = false;
    // Where resolve found the event's receiver, for perform.
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
    QPoint m_point;
    QString m_text;
};

// Cuts a diverging sequence down to the shortest one found within the time budget that still
// diverges on a fresh program.
[[nodiscard]] std::vector<UserEvent> shrink(std::vector<UserEvent> events, int timeBudgetSeconds);

} // namespace sumwright::testing
