#include "ModelDriver.h"

#include "ui/Forms.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

void userKey(QWidget *window, QEvent::Type type, int code, Qt::KeyboardModifiers modifiers,
             const QString &text, bool autoRepeat)
{
    qt_handleKeyEvent(window->windowHandle(), type, code, modifiers, text, autoRepeat);
}

void userKeyClick(QWidget *window, int code, Qt::KeyboardModifiers modifiers, const QString &text)
{
    QPointer<QWidget> guard(window);
    userKey(window, QEvent::KeyPress, code, modifiers, text);
    if (guard)
        userKey(window, QEvent::KeyRelease, code, modifiers, text);
}

namespace {

const char *const WindowNames[]
        = {"frmMain", "frmInput", "frmResult", "frmAboutProduct", "frmAboutProgrammer"};

const char *const MenuActions[] = {"mExit2",
                                   "mEasy",
                                   "mMedium",
                                   "mHard",
                                   "mAddition",
                                   "mSubtraction",
                                   "mMultiplication",
                                   "mDevision",
                                   "mNumberSeries",
                                   "mAlphabetSeries",
                                   "mAlphaNumericSeries",
                                   "mAboutProgrammer",
                                   "mAboutProduct",
                                   "mVisitWebsite",
                                   "mExit"};

// What a user may type: ASCII, right-to-left scripts, combining marks, other alphabets.
const char16_t *const TypedPieces[]
        = {u"0", u"1", u"2",       u"5",      u"9", u"-", u"+", u".",  u" ",
           u"a", u"b", u"z",       u"A",      u"Q", u"Z", u"x", u"ש",  u"ל",
           u"ع", u"١", u"e\u0301", u"\u0308", u"Ж", u"ß", u"ı", u"中", u"\u200f"};

QWidget *topLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

bool shown(const char *name)
{
    const QWidget *window = topLevel(QLatin1String(name));
    return window && window->isVisible();
}

// A close box leaves the old controls behind, hidden, until their deferred deletion: only a
// visible control is the live one.
template<typename T = QWidget>
T *visibleChild(const QWidget *window, const QString &name)
{
    if (!window)
        return nullptr;
    for (T *child : window->findChildren<T *>(name)) {
        if (child->isVisible())
            return child;
    }
    return nullptr;
}

template<typename T>
bool inside(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const T *>(w))
            return true;
    }
    return false;
}

// Every control reacts anywhere in its box; an option button too, not only on its caption.
QRect clickArea(const QWidget *widget)
{
    return widget->rect();
}

QString namedAncestor(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *w = widget; w && w != window; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    }
    return QStringLiteral("page");
}

// The window that has the keyboard, if it is one of ours.
QWidget *keyboardWindow()
{
    const QWindow *focus = QGuiApplication::focusWindow();
    if (!focus)
        return nullptr;
    for (const char *name : WindowNames) {
        QWidget *window = topLevel(QLatin1String(name));
        if (window && window->isVisible() && window->windowHandle() == focus)
            return window;
    }
    return nullptr;
}

bool clickAnimating()
{
    for (const char *name : WindowNames) {
        if (const QWidget *window = topLevel(QLatin1String(name))) {
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                if (button->isDown())
                    return true;
            }
        }
    }
    return false;
}

int keyCode(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == ' ' || u == '-' || u == '+'
        || u == '.')
        return u;
    return Qt::Key_unknown;
}

void typeText(QWidget *window, const QString &text)
{
    QPointer<QWidget> guard(window);
    for (const QChar c : text) {
        if (!guard)
            return;
        userKeyClick(window, keyCode(c), Qt::NoModifier, QString(c));
    }
}

QString asText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
QString asText(int value)
{
    return QString::number(value);
}
QString asText(const QString &value)
{
    QString shownText = value.left(80);
    shownText.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return QLatin1Char('"') + shownText
            + (value.size() > 80 ? QStringLiteral("...\"") : QStringLiteral("\""));
}
QString asText(const QStringList &value)
{
    return QLatin1Char('[') + value.join(QLatin1String(", ")) + QLatin1Char(']');
}

} // namespace

QString UserEvent::describe() const
{
    QString what;
    switch (kind) {
    case Kind::Click:
        what = target.isEmpty()
                ? QStringLiteral("click %1 at (%2,%3)").arg(window).arg(at.x()).arg(at.y())
                : QStringLiteral("click %1/%2").arg(window, target);
        break;
    case Kind::Menu:
        what = QStringLiteral("menu %1").arg(target);
        break;
    case Kind::CloseBox:
        what = QStringLiteral("close box of %1").arg(window);
        break;
    case Kind::Type:
        what = QStringLiteral("type %1").arg(asText(text));
        break;
    case Kind::RightAnswer:
        what = QStringLiteral("type the right answer%1 + Enter")
                       .arg(lower ? QStringLiteral(" in lower case") : QString());
        break;
    case Kind::WrongAnswer:
        what = QStringLiteral("type a wrong answer (variant %1, %2) + Enter")
                       .arg(key)
                       .arg(asText(text));
        break;
    case Kind::Enter:
        what = key == Qt::Key_Enter ? QStringLiteral("keypad Enter") : QStringLiteral("Return");
        break;
    case Kind::HoldEnter:
        what = QStringLiteral("Return held (%1 repeats)").arg(repeats);
        break;
    case Kind::Key:
        what = QStringLiteral("key %1").arg(QKeySequence(key).toString());
        break;
    case Kind::Alt:
        what = QStringLiteral("Alt+%1").arg(text);
        break;
    case Kind::CountKey:
        what = QStringLiteral("cbCountQ key %1").arg(QKeySequence(key).toString());
        break;
    case Kind::Activate:
        what = QStringLiteral("activate %1").arg(window);
        break;
    }
    return advance
            ? QStringLiteral("[clock %1%2 s] %3").arg(advance > 0 ? "+" : "").arg(advance).arg(what)
            : what;
}

AddressLog::AddressLog()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

AddressLog::~AddressLog()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

ModelRun::ModelRun(std::uint64_t seed, long long events)
    : m_rng(std::mt19937_64(seed))
    , m_budget(events)
{
}

ModelRun::ModelRun(std::vector<UserEvent> script)
    : m_script(std::move(script))
{
}

ModelRun::~ModelRun() = default;

ModelRun::Outcome ModelRun::run()
{
    QEventLoop loop;
    connect(this, &QObject::objectNameChanged, &loop, &QEventLoop::quit);
    restart();
    QTimer::singleShot(0, this, &ModelRun::tick);
    loop.exec();
    m_forms.reset();
    m_outcome.stats = m_model.stats();
    return m_outcome;
}

void ModelRun::restart()
{
    m_forms.reset();
    m_random = std::make_unique<DriverRandom>();
    m_forms = std::make_unique<Forms>(*m_random, m_clock);
    m_programEnded = false;
    m_forms->setProgramEnder([this] { m_programEnded = true; });
    m_addresses.opened.clear();
    m_model.reset();
    m_model.setClock(m_clock.seconds);
    MainWindow &main = m_forms->frmMain();
    main.show();
    main.activateWindow();
}

void ModelRun::finish()
{
    m_finishing = true;
}

void ModelRun::tick()
{
    if (m_done)
        return;
    if (m_checkPending && clickAnimating()) {
        // An access key presses its button after a short animation; look only once it has.
        QTimer::singleShot(5, this, &ModelRun::tick);
        return;
    }
    if (m_checkPending) {
        m_checkPending = false;
        const QString difference = compare();
        if (!difference.isEmpty()) {
            m_outcome.diverged = true;
            m_outcome.at = static_cast<long long>(m_outcome.events.size()) - 1;
            m_outcome.difference = difference;
            finish();
        }
    }
    if (m_finishing) {
        if (m_depth == 0) {
            m_done = true;
            setObjectName(QStringLiteral("done")); // leaves run()'s loop
            return;
        }
        // Unwind the modal loops still running before the windows go.
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->hide();
        if (++m_idleTicks > 1000)
            qFatal("a modal window does not let go");
        QTimer::singleShot(0, this, &ModelRun::tick);
        return;
    }
    if (m_model.state().ended) {
        if (m_depth > 0) {
            m_outcome.diverged = true;
            m_outcome.at = static_cast<long long>(m_outcome.events.size()) - 1;
            m_outcome.difference
                    = QStringLiteral("the program ended while a modal window was open");
            finish();
            QTimer::singleShot(0, this, &ModelRun::tick);
            return;
        }
        restart();
        ++m_outcome.restarts;
    }

    std::optional<UserEvent> event;
    if (m_rng) {
        if (m_budget-- > 0)
            event = generate();
    } else if (m_next < m_script.size()) {
        event = m_script[m_next++];
    }
    if (!event) {
        finish();
        QTimer::singleShot(0, this, &ModelRun::tick);
        return;
    }
    deliver(*event);
}

void ModelRun::deliver(const UserEvent &event)
{
    m_clock.seconds += event.advance;
    m_model.setClock(m_clock.seconds);
    const std::vector<Delivery> deliveries = resolve(event);
    for (const Delivery &delivery : deliveries)
        m_model.apply(delivery);
    m_outcome.events.push_back(event);
    m_checkPending = true;
    QTimer::singleShot(0, this, &ModelRun::tick);
    ++m_depth;
    perform(event, deliveries);
    --m_depth;
}

UserEvent ModelRun::generate()
{
    std::mt19937_64 &rng = *m_rng;
    const auto pick = [&rng](std::size_t n) { return static_cast<int>(rng() % n); };

    UserEvent e;
    const int clock = pick(100);
    e.advance = clock < 60 ? pick(3)
            : clock < 92   ? 3 + pick(40)
            : clock < 97   ? 100 + pick(4000)
                           : -1 - pick(60);

    const QWidget *modal = QApplication::activeModalWidget();
    QList<QWidget *> windows;
    for (const char *name : WindowNames) {
        if (QWidget *window = topLevel(QLatin1String(name)); window && window->isVisible())
            windows << window;
    }
    const auto *input = visibleChild<QLineEdit>(topLevel(QStringLiteral("frmInput")),
                                                QStringLiteral("txtAnswer"));
    const bool answering = input && input->hasFocus();
    const auto anyWindow = [&]() -> QWidget * {
        if (modal && pick(100) < 70)
            return const_cast<QWidget *>(modal);
        return windows.at(pick(static_cast<std::size_t>(windows.size())));
    };
    // Leaving the program restarts it; let it happen now and then, not at every other event.
    const auto rarely = [&] { return pick(100) < 20; };

    // Someone taking a test mostly answers: that is how tests reach their count.
    if (answering && pick(100) < 90) {
        const int roll = pick(100);
        if (roll < 72) {
            e.kind = UserEvent::Kind::RightAnswer;
            e.lower = pick(100) < 30;
        } else if (roll < 87) {
            e.kind = UserEvent::Kind::WrongAnswer;
            e.key = pick(6);
            e.text = QString::fromUtf16(TypedPieces[pick(std::size(TypedPieces))]);
        } else if (roll < 95) {
            e.kind = pick(4) ? UserEvent::Kind::Enter : UserEvent::Kind::HoldEnter;
            e.key = pick(2) ? Qt::Key_Return : Qt::Key_Enter;
            e.repeats = 1 + pick(5);
        } else {
            e.kind = UserEvent::Kind::Type;
            e.text = QString::fromUtf16(TypedPieces[pick(std::size(TypedPieces))]);
        }
        return e;
    }
    for (;;) {
        const int roll = pick(1000);
        if (roll < 300) {
            QWidget *window = anyWindow();
            QList<QWidget *> controls;
            for (QWidget *child : window->findChildren<QWidget *>()) {
                const QString name = child->objectName();
                if (child->isVisible() && !name.isEmpty() && !name.startsWith(QLatin1String("qt_"))
                    && name != QLatin1String("page") && name != QLatin1String("client")
                    && !inside<QComboBox>(child) && !inside<QMenuBar>(child))
                    controls << child;
            }
            e.kind = UserEvent::Kind::Click;
            e.window = window->objectName();
            if (controls.isEmpty() || pick(100) < 8) {
                e.at = QPoint(pick(static_cast<std::size_t>(window->width())),
                              pick(static_cast<std::size_t>(window->height())));
            } else {
                e.target = controls.at(pick(static_cast<std::size_t>(controls.size())))
                                   ->objectName();
                if (e.target == QLatin1String("cmdExit") && !rarely())
                    continue;
            }
            return e;
        }
        if (roll < 390) {
            if (modal)
                continue;
            e.kind = UserEvent::Kind::Menu;
            e.target = QLatin1String(MenuActions[pick(std::size(MenuActions))]);
            if (e.target.startsWith(QLatin1String("mExit")) && !rarely())
                continue;
            return e;
        }
        if (roll < 415) {
            e.kind = UserEvent::Kind::CloseBox;
            e.window = anyWindow()->objectName();
            if (e.window == QLatin1String("frmMain") && !rarely())
                continue;
            return e;
        }
        if (roll < 480) {
            e.kind = UserEvent::Kind::Type;
            const int pieces = 1 + pick(6);
            for (int i = 0; i < pieces; ++i)
                e.text += QString::fromUtf16(TypedPieces[pick(std::size(TypedPieces))]);
            return e;
        }
        if (roll < 660) {
            if (!answering)
                continue;
            e.kind = UserEvent::Kind::RightAnswer;
            e.lower = pick(100) < 30;
            return e;
        }
        if (roll < 700) {
            if (!answering)
                continue;
            e.kind = UserEvent::Kind::WrongAnswer;
            e.key = pick(6);
            e.text = QString::fromUtf16(TypedPieces[pick(std::size(TypedPieces))]);
            return e;
        }
        if (roll < 770) {
            e.kind = UserEvent::Kind::Enter;
            e.key = pick(2) ? Qt::Key_Return : Qt::Key_Enter;
            return e;
        }
        if (roll < 785) {
            e.kind = UserEvent::Kind::HoldEnter;
            e.repeats = 1 + pick(5);
            return e;
        }
        if (roll < 865) {
            static const int keys[] = {Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space};
            e.kind = UserEvent::Kind::Key;
            e.key = keys[pick(std::size(keys))];
            return e;
        }
        if (roll < 880) {
            e.kind = UserEvent::Kind::Alt;
            e.text = QString(QLatin1Char("SECVNA"[pick(6)]));
            return e;
        }
        if (roll < 950) {
            if (modal)
                continue;
            static const int keys[] = {Qt::Key_Up,  Qt::Key_Down,   Qt::Key_Home,
                                       Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
            e.kind = UserEvent::Kind::CountKey;
            e.key = keys[pick(std::size(keys))];
            return e;
        }
        e.kind = UserEvent::Kind::Activate;
        e.window = anyWindow()->objectName();
        return e;
    }
}

namespace {

// Tab into a text box selects all of it, and typing then replaces it: the toolkit's doing, which
// the model takes from it rather than modelling the focus chain.
bool wholeTextSelected(const QWidget *control)
{
    const auto *box = qobject_cast<const QLineEdit *>(control);
    return box && box->hasSelectedText() && box->selectedText() == box->text();
}

} // namespace

std::vector<Delivery> ModelRun::resolve(const UserEvent &e)
{
    using What = Delivery::What;
    QWidget *window = nullptr;
    QWidget *focus = nullptr;
    const auto takeKeyboard = [&] {
        window = keyboardWindow();
        if (window)
            focus = window->focusWidget() ? window->focusWidget() : window;
        return window != nullptr;
    };
    const auto expected = [this]() -> sumwright::Answer {
        if (!m_forms->hasInput())
            return std::int16_t {0};
        return m_forms->frmInput().session().vAnswer;
    };
    const auto answerBoxFocused = [&] {
        return takeKeyboard() && window->objectName() == QLatin1String("frmInput")
                && focus->objectName() == QLatin1String("txtAnswer")
                && m_forms->frmInput().isTestRunning();
    };
    const auto skip = [this] {
        m_target = nullptr;
        return std::vector<Delivery> {};
    };
    m_target = nullptr;

    switch (e.kind) {
    case UserEvent::Kind::Click: {
        window = topLevel(e.window);
        if (!window || !window->isVisible())
            return skip();
        QPoint point = e.at;
        if (!e.target.isEmpty()) {
            const QWidget *control = visibleChild(window, e.target);
            if (!control)
                return skip();
            // A click in the answer box lands after the last character, so typing goes on at the
            // end.
            const QPoint inControl = qobject_cast<const QLineEdit *>(control)
                    ? QPoint(control->width() - 3, control->height() / 2)
                    : clickArea(control).center();
            point = control->mapTo(window, inControl);
        }
        if (!window->rect().contains(point))
            return skip();
        QWidget *hit = window->childAt(point);
        if (inside<QComboBox>(hit) || inside<QMenuBar>(hit))
            return skip();
        m_target = window;
        m_point = point;
        if (hit && !clickArea(hit).contains(hit->mapFrom(window, point)))
            return {{What::Click, e.window, QStringLiteral("page")}};
        Delivery click {What::Click, e.window, namedAncestor(hit, window)};
        // Right-to-left text puts "after the last character" somewhere else on screen; where a
        // click lands in shaped text is the toolkit's to say, so the model asks it.
        if (auto *box = qobject_cast<QLineEdit *>(hit))
            click.cursor = box->cursorPositionAt(box->mapFrom(window, point));
        return {click};
    }
    case UserEvent::Kind::Menu:
        if (QApplication::activeModalWidget())
            return skip();
        m_target = &m_forms->frmMain();
        return {{What::Menu, QStringLiteral("frmMain"), {}, e.target}};
    case UserEvent::Kind::CloseBox: {
        window = topLevel(e.window);
        const QWidget *modal = QApplication::activeModalWidget();
        if (!window || !window->isVisible() || (modal && modal != window))
            return skip();
        m_target = window;
        return {{What::CloseBox, e.window}};
    }
    case UserEvent::Kind::Type: {
        if (!takeKeyboard() || inside<QComboBox>(focus))
            return skip();
        m_target = window;
        m_text = e.text;
        if (!qobject_cast<QLineEdit *>(focus))
            m_text.remove(QLatin1Char(' ')); // a blank would press a focused button
        Delivery type {What::Type, window->objectName(), focus->objectName(), m_text};
        type.selected = wholeTextSelected(focus);
        return {type};
    }
    case UserEvent::Kind::RightAnswer:
    case UserEvent::Kind::WrongAnswer: {
        if (!answerBoxFocused())
            return skip();
        const sumwright::Answer answer = expected();
        const QString right = QString::fromStdString(sumwright::AnswerText(answer));
        if (e.kind == UserEvent::Kind::RightAnswer) {
            m_text = e.lower ? right.toLower() : right;
        } else {
            switch (e.key) {
            case 0:
                m_text = QLatin1Char('0') + right;
                break;
            case 1:
                m_text = right + QLatin1Char(' ');
                break;
            case 2:
                m_text = QLatin1Char('+') + right;
                break;
            case 3:
                m_text = right + QLatin1String(".0");
                break;
            case 4:
                m_text.clear();
                break;
            default:
                m_text = e.text;
                break;
            }
        }
        m_target = window;
        Delivery type {What::Type, QStringLiteral("frmInput"), QStringLiteral("txtAnswer"), m_text};
        type.replaceText = true;
        Delivery submit {What::Submit, QStringLiteral("frmInput"), QStringLiteral("txtAnswer")};
        submit.expected = answer;
        return {type, submit};
    }
    case UserEvent::Kind::Enter:
    case UserEvent::Kind::HoldEnter: {
        if (!takeKeyboard())
            return skip();
        m_target = window;
        Delivery submit {What::Submit, window->objectName(), focus->objectName()};
        submit.expected = expected();
        return {submit};
    }
    case UserEvent::Kind::Key:
        if (!takeKeyboard())
            return skip();
        if (e.key == Qt::Key_Space && inside<QComboBox>(focus))
            return skip(); // would open the drop-down list
        m_target = window;
        if (e.key == Qt::Key_Escape)
            return {{What::Escape, window->objectName()}};
        if (e.key == Qt::Key_Space
            && (qobject_cast<QAbstractButton *>(focus) || qobject_cast<QLineEdit *>(focus))) {
            Delivery space {What::Space, window->objectName(), focus->objectName()};
            space.selected = wholeTextSelected(focus);
            return {space};
        }
        return {{What::Nothing, window->objectName()}};
    case UserEvent::Kind::Alt:
        if (!takeKeyboard())
            return skip();
        m_target = window;
        return {{What::Mnemonic, window->objectName(), {}, e.text}};
    case UserEvent::Kind::CountKey: {
        if (!takeKeyboard() || window->objectName() != QLatin1String("frmMain")
            || QApplication::activeModalWidget())
            return skip();
        // Tab round to the combo box, as a keyboard user would.
        for (int i = 0; i < 30 && !inside<QComboBox>(QApplication::focusWidget()); ++i)
            userKeyClick(window, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        if (!inside<QComboBox>(QApplication::focusWidget()))
            return skip();
        m_target = window;
        return {{What::CountKey, QStringLiteral("frmMain"), QStringLiteral("cbCountQ"), {}, e.key}};
    }
    case UserEvent::Kind::Activate:
        window = topLevel(e.window);
        if (!window || !window->isVisible())
            return skip();
        m_target = window;
        return {{What::Activate, e.window}};
    }
    return skip();
}

void ModelRun::perform(const UserEvent &e, const std::vector<Delivery> &deliveries)
{
    QPointer<QWidget> window = m_target;
    if (deliveries.empty() || !window)
        return;
    switch (e.kind) {
    case UserEvent::Kind::Click: {
        QWindow *handle = window->windowHandle();
        const QPointF global = window->mapToGlobal(QPointF(m_point));
        m_mouseTime += 1000; // far apart: never a double click
        qt_handleMouseEvent(handle, QPointF(m_point), global, Qt::LeftButton, Qt::LeftButton,
                            QEvent::MouseButtonPress, Qt::NoModifier, m_mouseTime);
        if (window)
            qt_handleMouseEvent(handle, QPointF(m_point), global, Qt::NoButton, Qt::LeftButton,
                                QEvent::MouseButtonRelease, Qt::NoModifier, m_mouseTime + 1);
        break;
    }
    case UserEvent::Kind::Menu:
        if (auto *action = window->findChild<QAction *>(e.target))
            action->trigger();
        break;
    case UserEvent::Kind::CloseBox:
        window->close();
        break;
    case UserEvent::Kind::Type:
        typeText(window, m_text);
        break;
    case UserEvent::Kind::RightAnswer:
    case UserEvent::Kind::WrongAnswer:
        userKeyClick(window, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
        userKeyClick(window, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        typeText(window, m_text);
        if (window)
            userKeyClick(window, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        break;
    case UserEvent::Kind::Enter:
        userKeyClick(window, e.key, e.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier,
                     QStringLiteral("\r"));
        break;
    case UserEvent::Kind::HoldEnter: {
        const QString cr = QStringLiteral("\r");
        userKey(window, QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, cr);
        for (int i = 0; i < e.repeats && window; ++i) {
            userKey(window, QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, cr, true);
            if (window)
                userKey(window, QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, cr, true);
        }
        if (window)
            userKey(window, QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, cr);
        break;
    }
    case UserEvent::Kind::Key: {
        const Qt::KeyboardModifiers modifiers
                = e.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
        const QString text = e.key == Qt::Key_Escape ? QStringLiteral("\x1b")
                : e.key == Qt::Key_Tab               ? QStringLiteral("\t")
                : e.key == Qt::Key_Space             ? QStringLiteral(" ")
                                                     : QString();
        userKeyClick(window, e.key, modifiers, text);
        break;
    }
    case UserEvent::Kind::Alt: {
        const QChar letter = e.text.at(0);
        userKey(window, QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        if (window)
            userKeyClick(window, letter.unicode(), Qt::AltModifier, QString(letter.toLower()));
        if (window)
            userKey(window, QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        break;
    }
    case UserEvent::Kind::CountKey:
        userKeyClick(window, e.key, Qt::NoModifier);
        break;
    case UserEvent::Kind::Activate:
        window->activateWindow();
        break;
    }
}

QString ModelRun::compare() const
{
    const ModelState &m = m_model.state();
    QStringList differences;
    const auto check = [&differences](const QString &what, const auto &program, const auto &model) {
        if (!(program == model))
            differences << QStringLiteral("%1: program %2, model %3")
                                   .arg(what, asText(program), asText(model));
    };

    check(QStringLiteral("program ended"), m_programEnded, m.ended);
    check(QStringLiteral("addresses opened"), m_addresses.opened, m.addresses);
    if (m_programEnded || m.ended)
        return differences.join(QLatin1String("\n    "));

    MainWindow &main = m_forms->frmMain();
    check(QStringLiteral("Level"), int {main.Level()}, m.level);
    static const char *const levelItems[] = {"mEasy", "mMedium", "mHard"};
    for (int i = 0; i < 3; ++i) {
        const auto *option = main.findChild<QRadioButton *>(QStringLiteral("Options(%1)").arg(i));
        check(QStringLiteral("Options(%1) selected").arg(i), option->isChecked(), i == m.level);
        check(QStringLiteral("%1 checked").arg(QLatin1String(levelItems[i])),
              main.findChild<QAction *>(QLatin1String(levelItems[i]))->isChecked(), i == m.level);
    }
    static const char *const tags[] = {"[Easy Mode]", "[Medium Mode]", "[Hard Mode]"};
    check(QStringLiteral("LevelTag"), main.LevelTag(), QString::fromLatin1(tags[m.level]));
    check(QStringLiteral("count"), main.countText(),
          QString::number(Model::Counts[static_cast<std::size_t>(m.countIndex)]));
    check(QStringLiteral("QType"), int {main.selection().QType}, m.qType);
    check(QStringLiteral("QIndex"), int {main.selection().QIndex}, m.qIndex);

    check(QStringLiteral("frmMain visible"), main.isVisible(), true);
    check(QStringLiteral("frmInput visible"), shown("frmInput"), m.inputVisible);
    check(QStringLiteral("frmResult visible"), shown("frmResult"), m.resultVisible);
    check(QStringLiteral("frmAboutProduct visible"), shown("frmAboutProduct"),
          m.aboutProductVisible);
    check(QStringLiteral("frmAboutProgrammer visible"), shown("frmAboutProgrammer"),
          m.aboutProgrammerVisible);
    const QWidget *modal = QApplication::activeModalWidget();
    check(QStringLiteral("modal window"), modal ? modal->objectName() : QString(), m.modal());
    check(QStringLiteral("frmInput created"), m_forms->hasInput(), m.inputCreated);
    check(QStringLiteral("frmResult created"), m_forms->hasResult(), m.resultCreated);

    if (m_forms->hasInput()) {
        QuestionWindow &input = m_forms->frmInput();
        check(QStringLiteral("iAsked"), int {input.session().iAsked}, m.asked);
        check(QStringLiteral("iWrong"), int {input.session().iWrong}, m.wrong);
        if (input.isVisible()) {
            check(QStringLiteral("test running"), input.isTestRunning(), m.running);
            const auto visible = [&input](const char *name) {
                return visibleChild(&input, QLatin1String(name)) != nullptr;
            };
            check(QStringLiteral("Frame1 (question view) shown"), visible("Frame1"), m.running);
            check(QStringLiteral("Frame2 (selection view) shown"), visible("Frame2"), !m.running);
            check(QStringLiteral("cmdEndTest shown"), visible("cmdEndTest"), m.running);
            check(QStringLiteral("cmdClose shown"), visible("cmdClose"), m.running);
            if (const auto *title = visibleChild<QLabel>(&input, QStringLiteral("lblTitle")))
                check(QStringLiteral("lblTitle"), title->text(), m.title);
            check(QStringLiteral("bVertical"), input.session().bVertical, m.vertical);
            if (!m.running) {
                const auto *vertical
                        = visibleChild<QRadioButton>(&input, QStringLiteral("optMode(1)"));
                check(QStringLiteral("optMode(1) marked"), vertical && vertical->isChecked(),
                      m.markedMode == 1);
            } else if (const auto *answer
                       = visibleChild<QLineEdit>(&input, QStringLiteral("txtAnswer"))) {
                check(QStringLiteral("txtAnswer"), answer->text(), m.answerText);
            }
        }
    }
    if (m.resultVisible) {
        const QWidget *result = topLevel(QStringLiteral("frmResult"));
        static const char *const lines[]
                = {"lblTotalQuestions", "lblWrongAnswered", "lblTimeTaken"};
        const auto expected = m.resultLines();
        for (std::size_t i = 0; i < 3; ++i) {
            const auto *label = visibleChild<QLabel>(result, QLatin1String(lines[i]));
            check(QLatin1String(lines[i]), label ? label->text() : QStringLiteral("(none)"),
                  expected[i]);
        }
    }
    return differences.join(QLatin1String("\n    "));
}

std::vector<UserEvent> shrink(std::vector<UserEvent> events, int timeBudgetSeconds)
{
    QElapsedTimer clock;
    clock.start();
    // Replays a candidate; on a divergence keeps only the events up to it.
    const auto diverges = [](std::vector<UserEvent> &candidate) {
        ModelRun replay(candidate);
        const ModelRun::Outcome outcome = replay.run();
        if (!outcome.diverged)
            return false;
        candidate.resize(static_cast<std::size_t>(outcome.at + 1));
        return true;
    };
    if (!diverges(events))
        return events; // did not reproduce from a fresh program: report the run as it was

    std::size_t parts = 2;
    while (events.size() >= 2 && clock.elapsed() < timeBudgetSeconds * 1000LL) {
        const std::size_t chunk = (events.size() + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t start = 0; start < events.size(); start += chunk) {
            std::vector<UserEvent> candidate(events.begin(),
                                             events.begin() + static_cast<std::ptrdiff_t>(start));
            candidate.insert(
                    candidate.end(),
                    events.begin()
                            + static_cast<std::ptrdiff_t>(std::min(events.size(), start + chunk)),
                    events.end());
            if (diverges(candidate)) {
                events = std::move(candidate);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (parts >= events.size())
                break;
            parts = std::min(events.size(), parts * 2);
        }
    }
    return events;
}
