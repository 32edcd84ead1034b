#pragma once

#include "Model.h"
#include "core/DateTime.h"
#include "core/Random.h"

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <optional>
#include <random>
#include <vector>

using namespace sumwright;

namespace sumwright {
class Program;
}

// A key as the window system delivers it to `window`: one blocked by a modal window never
// sees it, and the focused control gets it. The release is skipped if the press closed it.
void userKey(QWidget *window, QEvent::Type type, int code, Qt::KeyboardModifiers modifiers,
             const QString &text = {}, bool autoRepeat = false);
void userKeyClick(QWidget *window, int code, Qt::KeyboardModifiers modifiers,
                  const QString &text = {});

// The shown control of that name: a window may hold hidden ones of the same name.
template<typename T = QWidget>
T *shownChild(const QWidget *window, const QString &name)
{
    for (T *child : window->findChildren<T *>(name)) {
        if (child->isVisible())
            return child;
    }
    return nullptr;
}

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
        WrongAnswer, // select all, type `text` (when it is not the answer), Enter
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

// The clock moves only when the driver says so, whole seconds at a time; it may go back.
class DriverClock final : public sumwright::Clock
{
public:
    [[nodiscard]] sumwright::DateTime now() const override
    {
        return Origin + static_cast<double>(seconds) / sumwright::SecondsPerDay;
    }
    long long seconds = 0;
    static constexpr sumwright::DateTime Origin = 45365.375; // 2024-03-14 09:00
};

// The program's generator, re-seeded from a counter instead of the wall clock, so that a run
// replays the same arithmetic questions.
class DriverRandom final : public sumwright::RandomSource
{
public:
    [[nodiscard]] float NextRandom() override { return m_random.NextRandom(); }
    void ReseedRandom() override { m_random.reseedWith(++m_reseeds * 1'000'003LL); }

private:
    sumwright::ProcessRandom m_random;
    std::int64_t m_reseeds = 0;
};

class AddressLog : public QObject
{
    Q_OBJECT
public:
    AddressLog();
    ~AddressLog() override;
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toString(); }
};

// Sends events to the real windows from a timer chain, so that each event is delivered and
// checked while a modal window's own event loop runs, exactly as a user's would be.
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

private:
    void tick();
    void restart();
    void finish();
    void deliver(const UserEvent &event);
    [[nodiscard]] UserEvent generate();
    [[nodiscard]] QString compare() const;
    [[nodiscard]] std::vector<Delivery> resolve(const UserEvent &event);
    void perform(const UserEvent &event, const std::vector<Delivery> &deliveries);

    std::optional<std::mt19937_64> m_rng;
    long long m_budget = 0;
    std::vector<UserEvent> m_script;
    std::size_t m_next = 0;

    DriverClock m_clock;
    std::unique_ptr<DriverRandom> m_random;
    std::unique_ptr<sumwright::Program> m_forms;
    AddressLog m_addresses;
    bool m_programEnded = false;
    Model m_model;

    Outcome m_outcome;
    bool m_checkPending = false;
    bool m_finishing = false;
    int m_depth = 0;
    int m_idleTicks = 0;
    bool m_done = false;
    int m_mouseTime = 0;
    // Where resolve() found the event's receiver, for perform().
    QPointer<QWidget> m_target;
    QPoint m_point;
    QString m_text;
};

// The shortest sequence found that still makes program and model disagree.
[[nodiscard]] std::vector<UserEvent> shrink(std::vector<UserEvent> events, int timeBudgetSeconds);
