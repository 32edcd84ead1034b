#include "support/Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>

namespace sumwright::testing {

QString text(const QWidget *window, const QString &name)
{
    const QWidget *w = control(window, name);
    return w ? w->property("text").toString() : QString();
}

bool shown(const QWidget *window, const QString &name)
{
    const QWidget *w = control(window, name);
    return w && w->isVisible();
}

void trigger(const QWidget *window, const QString &name)
{
    if (auto *action = window->findChild<QAction *>(name))
        action->trigger();
    else
        QTest::qFail(qPrintable(QStringLiteral("no menu item %1").arg(name)), __FILE__, __LINE__);
}

QAbstractButton *buttonHeldDown()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->isDown())
                return button;
        }
    }
    return nullptr;
}

QWidget *topLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

QStringList visibleTopLevels()
{
    QStringList names;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    return names;
}

} // namespace sumwright::testing
