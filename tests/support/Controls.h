#pragma once

#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

class QAbstractButton;

namespace sumwright::testing {

// A window's control by its name. A closed window's controls leave it at once, so the one
// found is the one on screen (or the one the next showing will show).
template<typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no control %1 in %2")
                                        .arg(name, window ? window->objectName() : QString())),
                     __FILE__, __LINE__);
    return found;
}

// Its "text" property: caption, label text, box contents.
[[nodiscard]] QString text(const QWidget *window, const QString &name);
[[nodiscard]] bool shown(const QWidget *window, const QString &name);
// Triggers the window's menu item of that name.
void trigger(const QWidget *window, const QString &name);

// The button an access key has pressed and not yet let go, if any: the platform animates the
// click a moment after the key.
[[nodiscard]] QAbstractButton *buttonHeldDown();

// One of our top-level windows by name ("frmInput"), whether shown or not; null if never made.
[[nodiscard]] QWidget *topLevel(const QString &name);
[[nodiscard]] QStringList visibleTopLevels();

} // namespace sumwright::testing
