#include "ModelDriver.h"

#include "core/Answer.h"
#include "core/QuestionSelection.h"
#include "support/Controls.h"
#include "support/Input.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/QuestionWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QWindow>

namespace sumwright::testing {

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

bool shown(const char *name)
{
    const QWidget *window = topLevel(QLatin1String(name));
    return window && window->isVisible();
}

// A window's control of that name if it is on screen; a view may hide some of its controls.
template<typename T = QWidget>
T *visibleChild(const QWidget *window, const QString &name)
{
    T *child = window ? window->findChild<T *>(name) : nullptr;
    return child && child->isVisible() ? child : nullptr;
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
QString asText(const std::string &value)
{
    return asText(QString::fromStdString(value));
}
QString asText(const QList<QUrl> &value)
{
    QStringList texts;
    for (const QUrl &url : value)
        texts << url.toString();
    return QLatin1Char('[') + texts.join(QLatin1String(", ")) + QLatin1Char(']');
}

QString describeClick(const UserEvent &e)
{
    return e.target.isEmpty()
            ? QStringLiteral("click %1 at (%2,%3)").arg(e.window).arg(e.at.x()).arg(e.at.y())
            : QStringLiteral("click %1/%2").arg(e.window, e.target);
}
QString describeMenu(const UserEvent &e)
{
    return QStringLiteral("menu %1").arg(e.target);
}
QString describeCloseBox(const UserEvent &e)
{
    return QStringLiteral("close box of %1").arg(e.window);
}
QString describeType(const UserEvent &e)
{
    return QStringLiteral("type %1").arg(asText(e.text));
}
QString describeRightAnswer(const UserEvent &e)
{
    return QStringLiteral("type the right answer%1 + Enter")
            .arg(e.lower ? QStringLiteral(" in lower case") : QString());
}
QString describeWrongAnswer(const UserEvent &e)
{
    return QStringLiteral("type a wrong answer (variant %1, %2) + Enter")
            .arg(e.key)
            .arg(asText(e.text));
}
QString describeEnter(const UserEvent &e)
{
    return e.key == Qt::Key_Enter ? QStringLiteral("keypad Enter") : QStringLiteral("Return");
}
QString describeHoldEnter(const UserEvent &e)
{
    return QStringLiteral("Return held (%1 repeats)").arg(e.repeats);
}
QString describeKey(const UserEvent &e)
{
    return QStringLiteral("key %1").arg(QKeySequence(e.key).toString());
}
QString describeAlt(const UserEvent &e)
{
    return QStringLiteral("Alt+%1").arg(e.text);
}
QString describeCountKey(const UserEvent &e)
{
    return QStringLiteral("cbCountQ key %1").arg(QKeySequence(e.key).toString());
}
QString describeActivate(const UserEvent &e)
{
    return QStringLiteral("activate %1").arg(e.window);
}

} // namespace

QString UserEvent::describe() const
{
    const QString what = ModelRun::actionFor(kind).describe(*this);
    return advance
            ? QStringLiteral("[clock %1%2 s] %3").arg(advance > 0 ? "+" : "").arg(advance).arg(what)
            : what;
}

const ModelRun::Action &ModelRun::actionFor(UserEvent::Kind kind)
{
    using R = ModelRun;
    // Indexed by UserEvent::Kind.
    static const Action actions[] = {
            {describeClick, &R::resolveClick, &R::performClick},
            {describeMenu, &R::resolveMenu, &R::performMenu},
            {describeCloseBox, &R::resolveCloseBox, &R::performCloseBox},
            {describeType, &R::resolveType, &R::performType},
            {describeRightAnswer, &R::resolveAnswer, &R::performAnswer},
            {describeWrongAnswer, &R::resolveAnswer, &R::performAnswer},
            {describeEnter, &R::resolveEnter, &R::performEnter},
            {describeHoldEnter, &R::resolveEnter, &R::performHoldEnter},
            {describeKey, &R::resolveKey, &R::performKey},
            {describeAlt, &R::resolveAlt, &R::performAlt},
            {describeCountKey, &R::resolveCountKey, &R::performCountKey},
            {describeActivate, &R::resolveActivate, &R::performActivate},
    };
    static_assert(std::size(actions) == static_cast<std::size_t>(UserEvent::Kind::Activate) + 1);
    return actions[static_cast<std::size_t>(kind)];
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

ModelRun::~ModelRun()
{
    m_fixture.discard();
}

ModelRun::Outcome ModelRun::run()
{
    QEventLoop loop;
    connect(this, &QObject::objectNameChanged, &loop, &QEventLoop::quit);
    restart();
    next();
    loop.exec();
    m_fixture.discard();
    m_outcome.stats = m_model.stats();
    return m_outcome;
}

void ModelRun::next()
{
    QMetaObject::invokeMethod(this, &ModelRun::tick, Qt::QueuedConnection);
}

void ModelRun::restart()
{
    m_fixture.setUp();
    m_model.reset();
    m_model.setClock(m_fixture.clock.seconds());
}

void ModelRun::finish()
{
    m_finishing = true;
}

void ModelRun::tick()
{
    if (m_done)
        return;
    if (m_checkPending) {
        // Look only once an access key's button has been let go and has clicked.
        if (QAbstractButton *button = buttonHeldDown()) {
            connect(button, &QAbstractButton::released, this, &ModelRun::next,
                    Qt::SingleShotConnection);
            return;
        }
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
        next();
        return;
    }
    if (m_model.state().ended) {
        if (m_depth > 0) {
            m_outcome.diverged = true;
            m_outcome.at = static_cast<long long>(m_outcome.events.size()) - 1;
            m_outcome.difference
                    = QStringLiteral("the program ended while a modal window was open");
            finish();
            next();
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
        next();
        return;
    }
    deliver(*event);
}

void ModelRun::deliver(const UserEvent &event)
{
    m_fixture.clock.advance(event.advance);
    m_model.setClock(m_fixture.clock.seconds());
    const Action &action = actionFor(event.kind);
    m_window = nullptr;
    m_focus = nullptr;
    const std::vector<Delivery> deliveries = (this->*action.resolve)(event);
    for (const Delivery &delivery : deliveries)
        m_model.apply(delivery);
    m_outcome.events.push_back(event);
    m_checkPending = true;
    next();
    if (deliveries.empty() || !m_window)
        return;
    ++m_depth;
    (this->*action.perform)(event);
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

bool ModelRun::takeKeyboard()
{
    const QWindow *focus = QGuiApplication::focusWindow();
    m_window = nullptr;
    m_focus = nullptr;
    if (!focus)
        return false;
    for (const char *name : WindowNames) {
        QWidget *window = topLevel(QLatin1String(name));
        if (window && window->isVisible() && window->windowHandle() == focus) {
            m_window = window;
            m_focus = window->focusWidget() ? window->focusWidget() : window;
            return true;
        }
    }
    return false;
}

Answer ModelRun::expectedAnswer()
{
    if (!m_fixture.program().hasInput())
        return std::int16_t {0};
    return m_fixture.input().session().vAnswer;
}

QString ModelRun::answerBoxText()
{
    const auto *box = qobject_cast<const QLineEdit *>(m_focus.data());
    return box ? box->text() : QString();
}

std::vector<Delivery> ModelRun::resolveClick(const UserEvent &e)
{
    QWidget *window = topLevel(e.window);
    if (!window || !window->isVisible())
        return {};
    QPoint point = e.at;
    if (!e.target.isEmpty()) {
        const QWidget *control = visibleChild(window, e.target);
        if (!control)
            return {};
        point = control->mapTo(window, clickArea(control).center());
    }
    if (!window->rect().contains(point))
        return {};
    QWidget *hit = window->childAt(point);
    if (inside<QComboBox>(hit) || inside<QMenuBar>(hit))
        return {};
    m_window = window;
    m_point = point;
    if (hit && !clickArea(hit).contains(hit->mapFrom(window, point)))
        return {{Delivery::What::Click, e.window, QStringLiteral("page")}};
    return {{Delivery::What::Click, e.window, namedAncestor(hit, window)}};
}

void ModelRun::performClick(const UserEvent & /*event*/)
{
    input::clickAt(m_window, m_point);
}

std::vector<Delivery> ModelRun::resolveMenu(const UserEvent &e)
{
    if (QApplication::activeModalWidget())
        return {};
    m_window = &m_fixture.main();
    return {{Delivery::What::Menu, QStringLiteral("frmMain"), {}, e.target}};
}

void ModelRun::performMenu(const UserEvent &e)
{
    if (auto *action = m_window->findChild<QAction *>(e.target))
        action->trigger();
}

std::vector<Delivery> ModelRun::resolveCloseBox(const UserEvent &e)
{
    QWidget *window = topLevel(e.window);
    const QWidget *modal = QApplication::activeModalWidget();
    if (!window || !window->isVisible() || (modal && modal != window))
        return {};
    m_window = window;
    return {{Delivery::What::CloseBox, e.window}};
}

void ModelRun::performCloseBox(const UserEvent & /*event*/)
{
    m_window->close();
}

std::vector<Delivery> ModelRun::resolveType(const UserEvent &e)
{
    if (!takeKeyboard() || inside<QComboBox>(m_focus))
        return {};
    m_text = e.text;
    if (!qobject_cast<QLineEdit *>(m_focus))
        m_text.remove(QLatin1Char(' ')); // a blank would press a focused button
    return {{Delivery::What::Type, m_window->objectName(), m_focus->objectName(), m_text}};
}

void ModelRun::performType(const UserEvent & /*event*/)
{
    input::type(m_text);
}

std::vector<Delivery> ModelRun::resolveAnswer(const UserEvent &e)
{
    if (!takeKeyboard() || m_window->objectName() != QLatin1String("frmInput")
        || m_focus->objectName() != QLatin1String("txtAnswer")
        || !m_fixture.input().isTestRunning())
        return {};
    const Answer answer = expectedAnswer();
    const QString right = QString::fromStdString(answerText(answer));
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
    Delivery submit {Delivery::What::Submit, QStringLiteral("frmInput"),
                     QStringLiteral("txtAnswer"), m_text};
    submit.expected = answer;
    return {submit};
}

void ModelRun::performAnswer(const UserEvent & /*event*/)
{
    input::answer(m_text);
}

std::vector<Delivery> ModelRun::resolveEnter(const UserEvent & /*event*/)
{
    if (!takeKeyboard())
        return {};
    Delivery submit {Delivery::What::Submit, m_window->objectName(), m_focus->objectName(),
                     answerBoxText()};
    submit.expected = expectedAnswer();
    return {submit};
}

void ModelRun::performEnter(const UserEvent &e)
{
    input::keyClick(e.key, e.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

void ModelRun::performHoldEnter(const UserEvent &e)
{
    input::holdEnter(Qt::Key_Return, e.repeats);
}

std::vector<Delivery> ModelRun::resolveKey(const UserEvent &e)
{
    if (!takeKeyboard())
        return {};
    if (e.key == Qt::Key_Space && inside<QComboBox>(m_focus))
        return {}; // would open the drop-down list
    if (e.key == Qt::Key_Escape)
        return {{Delivery::What::Escape, m_window->objectName()}};
    if (e.key == Qt::Key_Space
        && (qobject_cast<QAbstractButton *>(m_focus) || qobject_cast<QLineEdit *>(m_focus)))
        return {{Delivery::What::Space, m_window->objectName(), m_focus->objectName()}};
    return {{Delivery::What::Nothing, m_window->objectName()}};
}

void ModelRun::performKey(const UserEvent &e)
{
    input::keyClick(e.key, e.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
}

std::vector<Delivery> ModelRun::resolveAlt(const UserEvent &e)
{
    if (!takeKeyboard())
        return {};
    return {{Delivery::What::Mnemonic, m_window->objectName(), {}, e.text}};
}

void ModelRun::performAlt(const UserEvent &e)
{
    const QChar letter = e.text.at(0);
    input::key(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    input::keyClick(letter.unicode(), Qt::AltModifier, QString(letter.toLower()));
    if (QGuiApplication::focusWindow())
        input::key(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
}

std::vector<Delivery> ModelRun::resolveCountKey(const UserEvent &e)
{
    if (!takeKeyboard() || m_window->objectName() != QLatin1String("frmMain")
        || QApplication::activeModalWidget())
        return {};
    // Tab round to the combo box, as a keyboard user would.
    for (int i = 0; i < 30 && !inside<QComboBox>(QApplication::focusWidget()); ++i)
        input::keyClick(Qt::Key_Tab);
    if (!inside<QComboBox>(QApplication::focusWidget()))
        return {};
    return {{Delivery::What::CountKey,
             QStringLiteral("frmMain"),
             QStringLiteral("cbCountQ"),
             {},
             e.key}};
}

void ModelRun::performCountKey(const UserEvent &e)
{
    input::keyClick(e.key);
}

std::vector<Delivery> ModelRun::resolveActivate(const UserEvent &e)
{
    QWidget *window = topLevel(e.window);
    if (!window || !window->isVisible())
        return {};
    m_window = window;
    return {{Delivery::What::Activate, e.window}};
}

void ModelRun::performActivate(const UserEvent & /*event*/)
{
    m_window->activateWindow();
}

QString ModelRun::compare()
{
    const ModelState &m = m_model.state();
    QStringList differences;
    const auto check = [&differences](const QString &what, const auto &program, const auto &model) {
        if (!(program == model))
            differences << QStringLiteral("%1: program %2, model %3")
                                   .arg(what, asText(program), asText(model));
    };

    Program &program = m_fixture.program();
    const bool ended = m_fixture.programEnds > 0;
    check(QStringLiteral("program ended"), ended, m.ended);
    check(QStringLiteral("addresses opened"), m_fixture.urls->opened, m.addresses);
    if (ended || m.ended)
        return differences.join(QLatin1String("\n    "));

    MainWindow &main = program.frmMain();
    const QuestionSelection &selection = program.selection();
    check(QStringLiteral("Level"), int {selection.Level}, m.level);
    static const char *const levelItems[] = {"mEasy", "mMedium", "mHard"};
    for (int i = 0; i < 3; ++i) {
        const auto *option = main.findChild<QRadioButton *>(QStringLiteral("Options(%1)").arg(i));
        check(QStringLiteral("Options(%1) selected").arg(i), option->isChecked(), i == m.level);
        check(QStringLiteral("%1 checked").arg(QLatin1String(levelItems[i])),
              main.findChild<QAction *>(QLatin1String(levelItems[i]))->isChecked(), i == m.level);
    }
    check(QStringLiteral("LevelTag"), selection.LevelTag, std::string(levelTag(m.level)));
    check(QStringLiteral("count"), selection.countText,
          std::string(CountChoices[static_cast<std::size_t>(m.countIndex)]));
    check(QStringLiteral("QType"), int {selection.QType}, m.qType);
    check(QStringLiteral("QIndex"), int {selection.QIndex}, m.qIndex);

    check(QStringLiteral("frmMain visible"), main.isVisible(), true);
    check(QStringLiteral("frmInput visible"), shown("frmInput"), m.inputVisible);
    check(QStringLiteral("frmResult visible"), shown("frmResult"), m.resultVisible);
    check(QStringLiteral("frmAboutProduct visible"), shown("frmAboutProduct"),
          m.aboutProductVisible);
    check(QStringLiteral("frmAboutProgrammer visible"), shown("frmAboutProgrammer"),
          m.aboutProgrammerVisible);
    const QWidget *modal = QApplication::activeModalWidget();
    check(QStringLiteral("modal window"), modal ? modal->objectName() : QString(), m.modal());
    check(QStringLiteral("frmInput created"), program.hasInput(), m.inputCreated);
    check(QStringLiteral("frmResult created"), program.hasResult(), m.resultCreated);

    if (program.hasInput()) {
        QuestionWindow &input = program.frmInput();
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
                check(QStringLiteral("lblTitle"), title->text().toStdString(), m.title());
            check(QStringLiteral("bVertical"), input.session().bVertical, m.vertical);
            if (!m.running) {
                const auto *vertical
                        = visibleChild<QRadioButton>(&input, QStringLiteral("optMode(1)"));
                check(QStringLiteral("optMode(1) marked"), vertical && vertical->isChecked(),
                      m.markedMode == 1);
            } else if (const auto *answer
                       = visibleChild<QLineEdit>(&input, QStringLiteral("txtAnswer"));
                       answer && m.answerEmpty) {
                check(QStringLiteral("txtAnswer"), answer->text(), QString());
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
            check(QLatin1String(lines[i]),
                  label ? label->text().toStdString() : std::string("(none)"), expected[i]);
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

} // namespace sumwright::testing
