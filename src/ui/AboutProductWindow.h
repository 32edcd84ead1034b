#pragma once

#include "ui/ReloadingDialog.h"

namespace sumwright {

// frmAboutProduct: the version line, a description and the maker's address. A click on any
// text hides it; the blue address asks for the web site and leaves the window open.
class AboutProductWindow : public ReloadingDialog
{
    Q_OBJECT
public:
    AboutProductWindow();

    // "Quorvane Sumwright ver: 2.13" for major 2, minor 13: the version line built at load.
    [[nodiscard]] static QString versionLine(int major, int minor);

signals:
    void websiteRequested();

protected:
    void buildControls(QWidget *page) override;
};

} // namespace sumwright
