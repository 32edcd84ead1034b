#include "support/Input.h"

#include "support/Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QKeySequence>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QWindow>

namespace sumwright::testing::input {

namespace {

QString textOf(int code, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ControlModifier) {
        if (code >= Qt::Key_A && code <= Qt::Key_Z)
            return {QChar(code - Qt::Key_A + 1)};
        return {};
    }
    switch (code) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QStringLiteral("\t");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Space:
        return QStringLiteral(" ");
    default:
        break;
    }
    if (code >= Qt::Key_A && code <= Qt::Key_Z) {
        const QChar letter(code);
        return (modifiers & Qt::ShiftModifier) ? QString(letter) : QString(letter.toLower());
    }
    if (code >= Qt::Key_0 && code <= Qt::Key_9)
        return {QChar(code)};
    return {};
}

int keyCodeOf(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == ' ' || u == '-' || u == '+'
        || u == '.')
        return u;
    return Qt::Key_unknown;
}

QRect clickArea(const QWidget *widget)
{
    const auto *radio = qobject_cast<const QRadioButton *>(widget);
    if (!radio)
        return widget->rect();
    QStyleOptionButton option;
    option.initFrom(radio);
    option.text = radio->text();
    option.icon = radio->icon();
    option.iconSize = radio->iconSize();
    return radio->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, radio);
}

QWindow *keyboardWindow()
{
    return QGuiApplication::focusWindow();
}

} // namespace

void key(QEvent::Type type, int code, Qt::KeyboardModifiers modifiers, const QString &text,
         bool autoRepeat)
{
    QWindow *window = keyboardWindow();
    if (!window) {
        QTest::qFail("no window has the keyboard", __FILE__, __LINE__);
        return;
    }
    qt_handleKeyEvent(window, type, code, modifiers, text, autoRepeat, 1);
}

void keyClick(int code, Qt::KeyboardModifiers modifiers, const QString &text, QWidget *to)
{
    const QString typed = text.isNull() ? textOf(code, modifiers) : text;
    if (to) {
        QPointer<QWidget> guard(to);
        qt_handleKeyEvent(to->windowHandle(), QEvent::KeyPress, code, modifiers, typed, false, 1);
        if (guard)
            qt_handleKeyEvent(to->windowHandle(), QEvent::KeyRelease, code, modifiers, typed, false,
                              1);
        return;
    }
    QPointer<QWindow> window = keyboardWindow();
    key(QEvent::KeyPress, code, modifiers, typed);
    if (window && window == keyboardWindow())
        key(QEvent::KeyRelease, code, modifiers, typed);
}

bool press(const QString &chord)
{
    const QKeySequence sequence = QKeySequence::fromString(chord, QKeySequence::PortableText);
    if (sequence.isEmpty() || !keyboardWindow())
        return false;
    const QKeyCombination combination = sequence[0];
    keyClick(combination.key(), combination.keyboardModifiers());
    return true;
}

void type(const QString &text)
{
    for (const QChar c : text) {
        if (!keyboardWindow())
            return;
        keyClick(keyCodeOf(c), Qt::NoModifier, QString(c));
    }
}

void answer(const QString &text, int enterKey)
{
    keyClick(Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        keyClick(Qt::Key_Backspace);
    type(text);
    keyClick(enterKey, enterKey == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

void holdEnter(int enterKey, int repeats)
{
    const Qt::KeyboardModifiers modifiers
            = enterKey == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    const QString cr = QStringLiteral("\r");
    key(QEvent::KeyPress, enterKey, modifiers, cr);
    for (int i = 0; i < repeats && keyboardWindow(); ++i) {
        key(QEvent::KeyRelease, enterKey, modifiers, cr, true);
        key(QEvent::KeyPress, enterKey, modifiers, cr, true);
    }
    if (keyboardWindow())
        key(QEvent::KeyRelease, enterKey, modifiers, cr);
}

QString accessKey(char letter)
{
    QWindow *window = keyboardWindow();
    if (!window) {
        QTest::qFail("no window has the keyboard", __FILE__, __LINE__);
        return {};
    }
    const QChar l = QChar(QLatin1Char(letter)).toUpper();
    key(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    keyClick(l.unicode(), Qt::AltModifier, QString(l.toLower()));
    if (keyboardWindow())
        key(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QAbstractButton *button = buttonHeldDown();
    if (!button)
        return {};
    QString name = button->objectName();
    QEventLoop loop;
    QObject::connect(button, &QAbstractButton::released, &loop, &QEventLoop::quit);
    QObject::connect(button, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    if (loop.exec() != 0)
        QTest::qFail("the pressed button was never let go", __FILE__, __LINE__);
    return name;
}

void clickAt(QWidget *window, QPoint at)
{
    static int time = 0;
    time += 1000; // far apart: never a double click
    QPointer<QWidget> guard(window);
    QWindow *handle = window->windowHandle();
    const QPointF local(at);
    const QPointF global = window->mapToGlobal(local);
    qt_handleMouseEvent(handle, local, global, Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, Qt::NoModifier, time);
    if (guard)
        qt_handleMouseEvent(handle, local, global, Qt::NoButton, Qt::LeftButton,
                            QEvent::MouseButtonRelease, Qt::NoModifier, time + 1);
}

void click(QWidget *target, std::optional<QPoint> at)
{
    if (!target)
        return;
    QWidget *window = target->window();
    clickAt(window, target->mapTo(window, at.value_or(clickArea(target).center())));
}

void click(const QWidget *window, const QString &name)
{
    click(control(window, name));
}

} // namespace sumwright::testing::input
