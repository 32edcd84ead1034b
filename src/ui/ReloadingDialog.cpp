#include "ui/ReloadingDialog.h"

#include "ui/Toolkit.h"
#include "ui/platform/WindowSystem.h"

#include <QApplication>
#include <QCloseEvent>

namespace sumwright {

using namespace toolkit;

namespace {

QWidget *anotherShownWindow(const QWidget *leaving)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != leaving && window->isVisible() && window->windowType() != Qt::Popup
            && window->windowType() != Qt::ToolTip)
            return window;
    }
    return nullptr;
}

} // namespace

ReloadingDialog::ReloadingDialog(const char *name, const QString &caption, QSize clientTwips,
                                 const QColor &background, artwork::Picture icon)
    : QDialog(nullptr)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setWindowIcon(artwork::icon(icon));
    makeFixedWindow(this, {px(clientTwips.width()), px(clientTwips.height())});
    setBackground(this, background);
}

void ReloadingDialog::load()
{
    if (m_page)
        return;
    m_page = make<QWidget>(this, QStringLiteral("page"));
    m_page->setGeometry(rect());
    buildControls(m_page);
    alignToStartSide(m_page);
    m_page->show();
}

void ReloadingDialog::setVisible(bool visible)
{
    if (visible)
        load();
    // Asked while this window still holds the keyboard; see handKeyboardTo.
    if (!visible && isVisible() && isActiveWindow()) {
        QWidget *next = m_cameFrom && m_cameFrom->isVisible() ? m_cameFrom.data()
                                                              : anotherShownWindow(this);
        if (next)
            windowsystem::handKeyboardTo(next);
    }
    QDialog::setVisible(visible);
}

void ReloadingDialog::showModal()
{
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

void ReloadingDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_page)
        return;
    discardControls();
    // Out of the window at once, so nothing finds the old controls any more; deleted later,
    // because the close may come from inside one of the page's own event handlers.
    QWidget *page = std::exchange(m_page, nullptr);
    page->hide();
    page->setParent(nullptr);
    page->deleteLater();
}

// The window the user came from, to hand the keyboard back to.
void ReloadingDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (QWidget *active = QApplication::activeWindow(); active != this)
        m_cameFrom = active;
}

} // namespace sumwright
