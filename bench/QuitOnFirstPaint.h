#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// Ends the event loop once the window's first paint has been delivered. Queued, so it runs after
// the whole window has been painted and flushed; exit() rather than quit(), which would first
// send every window a close request.
class QuitOnFirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(
                    qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};
