#include "support/ModalDriver.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace sumwright::testing {

namespace {

// Waits for the first modal window to be shown, then for it to be active, and runs the body
// from the event loop that exec() started.
class ModalWatch : public QObject
{
public:
    explicit ModalWatch(std::function<void(QWidget *)> body)
        : m_body(std::move(body))
    {
        qApp->installEventFilter(this);
    }
    ~ModalWatch() override { qApp->removeEventFilter(this); }

    [[nodiscard]] bool ran() const { return m_ran; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_ran || m_scheduled || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (!widget->isWindow() || widget->windowModality() == Qt::NonModal)
            return false;
        if (event->type() == QEvent::Show && !m_modal) {
            m_modal = widget;
            // The offscreen platform may leave a window shown for the second time focused but
            // not active; a user would click on it.
            if (QApplication::activeWindow() != widget)
                widget->activateWindow();
        }
        if (widget == m_modal
            && (event->type() == QEvent::WindowActivate
                || (event->type() == QEvent::Show && QApplication::activeWindow() == widget)))
            schedule();
        return false;
    }

private:
    // Queued, so that it runs inside the modal loop rather than inside show().
    void schedule()
    {
        m_scheduled = true;
        QMetaObject::invokeMethod(
                this, [this] { run(); }, Qt::QueuedConnection);
    }

    void run()
    {
        m_ran = true;
        if (m_modal) {
            m_body(m_modal);
            if (m_modal && m_modal->isVisible())
                m_modal->hide();
        }
    }

    std::function<void(QWidget *)> m_body;
    QPointer<QWidget> m_modal;
    bool m_scheduled = false;
    bool m_ran = false;
};

} // namespace

void whileModal(const std::function<void()> &open, const std::function<void(QWidget *)> &body)
{
    ModalWatch watch(body);
    open();
    if (!watch.ran())
        QTest::qFail("no modal window became active", __FILE__, __LINE__);
}

} // namespace sumwright::testing
