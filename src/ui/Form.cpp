#include "ui/Form.h"

#include "ui/Toolkit.h"

#include <QCloseEvent>

using namespace toolkit;

Form::Form(const char *name, const QString &caption, QSize clientTwips, const QColor &background,
           Artwork::Picture icon)
    : QDialog(nullptr)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setWindowIcon(Artwork::icon(icon));
    makeFixedWindow(this, {px(clientTwips.width()), px(clientTwips.height())});
    setBackground(this, background);
}

void Form::ensureLoaded()
{
    if (m_page)
        return;
    m_page = make<QWidget>(this, QStringLiteral("page"));
    m_page->setGeometry(rect());
    buildControls(m_page);
    m_page->show();
}

void Form::showModal()
{
    ensureLoaded();
    setWindowModality(Qt::ApplicationModal);
    // Hiding ends the modal loop only once the event being handled is done, and events already
    // queued behind it (a quick click on the menu) still run inside that loop. A second exec()
    // there would be refused and the window would not appear: show it, modal, and let the
    // loop that is on its way out finish.
    if (m_inModalLoop) {
        show();
        raise();
        activateWindow();
        return;
    }
    m_inModalLoop = true;
    exec();
    m_inModalLoop = false;
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_page)
        return;
    // Deferred: the close may come from inside one of the page's own event handlers.
    m_page->hide();
    m_page->deleteLater();
    m_page = nullptr;
}
