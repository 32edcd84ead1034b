#pragma once

#include "ui/Artwork.h"

#include <QDialog>
#include <QPointer>
#include <optional>

namespace sumwright {

// A fixed-size, ownerless window whose controls live on a page that its close box discards.
// The window object and its variables live on; the next showing, or the next use of a control,
// builds the controls again in their first state.
class ReloadingDialog : public QDialog
{
    Q_OBJECT
public:
    ReloadingDialog(const char *name, const QString &caption, QSize clientTwips,
                    const QColor &background, artwork::Picture icon);

    // Shows the window modally; returns once it is hidden or closed.
    void showModal();
    // A showing builds the controls first if they were discarded or never built. Hiding the
    // active window first hands the keyboard to the window the user came from, or else to
    // another shown window of the program.
    void setVisible(bool visible) override;

protected:
    // Builds the controls on a fresh page unless they are there.
    void load();
    // Creates the controls on the page, and runs what the window does at load.
    virtual void buildControls(QWidget *page) = 0;
    // The page is gone: forget every pointer into it.
    virtual void discardControls() { }
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_page = nullptr;
    QPointer<QWidget> m_cameFrom;
    bool m_inModalLoop = false;
};

// A ReloadingDialog whose controls the window reaches through ui() alone, so no use of a
// control can find it discarded: ui() builds them first when they are not there.
template<typename Controls>
class DialogWithControls : public ReloadingDialog
{
public:
    using ReloadingDialog::ReloadingDialog;

protected:
    [[nodiscard]] Controls &ui()
    {
        load();
        return *m_ui;
    }
    [[nodiscard]] bool isLoaded() const { return m_ui.has_value(); }
    virtual void build(Controls &ui, QWidget *page) = 0;

private:
    void buildControls(QWidget *page) final { build(m_ui.emplace(), page); }
    void discardControls() final { m_ui.reset(); }

    std::optional<Controls> m_ui;
};

} // namespace sumwright
