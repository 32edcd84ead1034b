#pragma once

// What every window test needs: a program of its own (fresh Forms, settable clock, recorded
// browser requests, a watched program end) and ways to reach the controls as a user would.

#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/Forms.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
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
        if (w->parentWidget() == window && w->objectName() == QLatin1String("page") && w->isHidden())
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
    clickAt(target->window(), target->mapTo(target->window(), at.value_or(target->rect().center())));
}

inline void click(const QWidget *window, const QString &name)
{
    click(control(window, name));
}

// An option button reacts on its mark and caption, not on the empty rest of its box.
inline void clickOption(const QWidget *window, const QString &name)
{
    QWidget *option = control(window, name);
    if (option)
        click(option, QPoint(8, option->height() / 2));
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
inline void whileModal(const std::function<void()> &open, const std::function<void(QWidget *)> &body)
{
    bool ran = false;
    QObject scope; // cancels the timer if `open` shows nothing modal
    QTimer::singleShot(0, &scope, [&] {
        ran = true;
        QWidget *modal = QApplication::activeModalWidget();
        if (modal)
            body(modal);
        else
            QTest::qFail("no modal window on screen", __FILE__, __LINE__);
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

    std::unique_ptr<sumwright::ProcessRandom> random;
    std::unique_ptr<SettableClock> clock;
    std::unique_ptr<UrlRecorder> urls;
    std::unique_ptr<Forms> forms;
    int programEnds = 0;
};
