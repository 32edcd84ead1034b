#pragma once

// What every window test needs: a program of its own (fresh Forms, settable clock, recorded
// browser requests, a watched program end) and ways to reach the controls as a user would.

#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/Forms.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

// The test moves the time on by hand.
class SettableClock final : public sumwright::Clock
{
public:
    [[nodiscard]] sumwright::DateTime Now() const override { return m_now; }
    void advance(int seconds) { m_now += seconds / sumwright::SecondsPerDay; }

private:
    sumwright::DateTime m_now = sumwright::ToDateTime(2024, 3, 14, 9, 30, 0);
};

// Takes the place of the desktop's browser for http and https while it lives.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    UrlRecorder()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~UrlRecorder() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

namespace uitest {

// A close box leaves the old controls hidden until their deferred deletion; only the live
// page counts.
inline bool onLivePage(const QWidget *window, const QWidget *child)
{
    for (const QWidget *w = child; w && w != window; w = w->parentWidget()) {
        if (w->parentWidget() == window && w->objectName() == QLatin1String("page")
            && w->isHidden())
            return false;
    }
    return true;
}

template<typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    for (T *child : window->findChildren<T *>(name)) {
        if (onLivePage(window, child))
            return child;
    }
    QTest::qFail(qPrintable(QStringLiteral("no control %1 in %2").arg(name, window->objectName())),
                 __FILE__, __LINE__);
    return nullptr;
}

inline QString text(const QWidget *window, const QString &name)
{
    const QWidget *w = control(window, name);
    return w ? w->property("text").toString() : QString();
}

inline bool shown(const QWidget *window, const QString &name)
{
    const QWidget *w = control(window, name);
    return w && w->isVisible();
}

// A real click lands on whatever lies on top at that point, so hit-test like the window system.
inline void clickAt(QWidget *window, QPoint at)
{
    QWidget *hit = window->childAt(at);
    if (!hit)
        hit = window;
    QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(window, at));
}

// At the given point of the control, by default its centre.
inline void click(QWidget *target, std::optional<QPoint> at = std::nullopt)
{
    if (!target)
        return;
    clickAt(target->window(),
            target->mapTo(target->window(), at.value_or(target->rect().center())));
}

inline void click(const QWidget *window, const QString &name)
{
    click(control(window, name));
}

// Clicks an option button on its mark, the one part of its box no sibling ever covers.
inline void clickOption(const QWidget *window, const QString &name)
{
    QWidget *option = control(window, name);
    if (option)
        click(option, QPoint(8, option->height() / 2));
}

// Alt+letter on the focused control. The access key presses its button at once and clicks it
// a moment later, as the platform animates it; returns the name of the button it pressed, or
// an empty name, once that click has run.
inline QString pressAccessKey(const QWidget *window, char letter)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus) {
        QTest::qFail("nothing has the keyboard focus", __FILE__, __LINE__);
        return {};
    }
    QTest::keyClick(focus, letter, Qt::AltModifier);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isDown()) {
            const QString name = button->objectName();
            const QPointer<QAbstractButton> pressed = button;
            if (!QTest::qWaitFor([&] { return !pressed || !pressed->isDown(); }))
                QTest::qFail("the pressed button was never let go", __FILE__, __LINE__);
            return name;
        }
    }
    return {};
}

inline void trigger(const QWidget *window, const QString &name)
{
    if (auto *action = window->findChild<QAction *>(name))
        action->trigger();
    else
        QTest::qFail(qPrintable(QStringLiteral("no menu item %1").arg(name)), __FILE__, __LINE__);
}

// Runs `body` once the modal window that `open` shows is on screen. Whatever the body leaves
// open is hidden afterwards, so a failed check cannot leave exec() waiting for ever.
inline void whileModal(const std::function<void()> &open,
                       const std::function<void(QWidget *)> &body)
{
    bool ran = false;
    QObject scope; // cancels the timer if `open` shows nothing modal
    QTimer::singleShot(0, &scope, [&] {
        ran = true;
        QWidget *modal = QApplication::activeModalWidget();
        // The user types into it only once the window system has made it the active window.
        if (!modal)
            QTest::qFail("no modal window on screen", __FILE__, __LINE__);
        else if (!QTest::qWaitForWindowActive(modal))
            QTest::qFail("the modal window did not become active", __FILE__, __LINE__);
        else
            body(modal);
        if (modal && modal->isVisible())
            modal->hide();
    });
    open();
    if (!ran)
        QTest::qFail("the modal window did not open", __FILE__, __LINE__);
}

inline QStringList visibleTopLevels()
{
    QStringList names;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    return names;
}

} // namespace uitest

// A fresh program per test function: its own windows, clock, random sequence and browser.
class FormsFixture
{
public:
    void setUp()
    {
        // The test process must outlive the windows it closes.
        QApplication::setQuitOnLastWindowClosed(false);
        random = std::make_unique<sumwright::ProcessRandom>();
        clock = std::make_unique<SettableClock>();
        urls = std::make_unique<UrlRecorder>();
        programEnds = 0;
        forms = std::make_unique<Forms>(*random, *clock);
        forms->setProgramEnder([this] { ++programEnds; });
        MainWindow &main = forms->frmMain();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
    }

    // Every window a test opened must be closed by the test itself; the main window is the
    // fixture's.
    void tearDown()
    {
        if (forms)
            forms->frmMain().hide();
        const QStringList leaked = uitest::visibleTopLevels();
        forms.reset();
        urls.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(leaked.isEmpty(), qPrintable(QStringLiteral("left open: ") + leaked.join(u',')));
    }

    MainWindow &main() { return forms->frmMain(); }

    // A desktop hands the focus back to the main window when a modal window goes; the
    // offscreen platform leaves no window active.
    void reactivateMain()
    {
        main().activateWindow();
        if (!QTest::qWaitForWindowActive(&main()))
            QTest::qFail("the main window did not become active again", __FILE__, __LINE__);
    }

    // A short arithmetic test from the main window: `answers` empty (so wrong) answers, the
    // clock moved on by `seconds`, then End Test. The result window is left as the test left it.
    void takeTest(int answers, int seconds)
    {
        uitest::whileModal([&] { uitest::click(&main(), QStringLiteral("cmdMath(0)")); },
                           [&](QWidget *) {
                               QuestionWindow &input = forms->frmInput();
                               uitest::click(&input, QStringLiteral("cmdStart"));
                               for (int n = 0; n < answers; ++n)
                                   QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                               clock->advance(seconds);
                               uitest::click(&input, QStringLiteral("cmdEndTest"));
                           });
    }

    std::unique_ptr<sumwright::ProcessRandom> random;
    std::unique_ptr<SettableClock> clock;
    std::unique_ptr<UrlRecorder> urls;
    std::unique_ptr<Forms> forms;
    int programEnds = 0;
};
