#pragma once

#include "ui/Artwork.h"

#include <QDialog>
#include <QPointer>

// A fixed-size, ownerless window whose controls live on a page that its close box discards.
// The window object and its variables live on; the next showing builds the controls again in
// their first state.
class Form : public QDialog
{
    Q_OBJECT
public:
    Form(const char *name, const QString &caption, QSize clientTwips, const QColor &background,
         Artwork::Picture icon);

    // Builds the controls if the close box discarded them (or they were never built).
    void ensureLoaded();
    // Shows the window modally; returns once it is hidden or closed.
    void showModal();
    // Hiding the active window first hands the keyboard to the window the user came from, or
    // else to another shown window of the program.
    void setVisible(bool visible) override;

protected:
    // Creates the controls on a fresh page, and runs what the window does at load.
    virtual void buildControls(QWidget *page) = 0;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_page = nullptr;
    QPointer<QWidget> m_cameFrom;
    bool m_inModalLoop = false;
};
