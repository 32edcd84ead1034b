#pragma once

#include "ui/Form.h"

class Forms;

// frmAboutProduct: the version line, a description and the maker's address. A click on any
// text hides it; the blue address opens the web site and leaves the window open.
class AboutProductWindow : public Form
{
    Q_OBJECT
public:
    explicit AboutProductWindow(Forms &forms);

    // "Quorvane Sumwright ver: 2.13" for major 2, minor 13: the version line built at load.
    [[nodiscard]] static QString versionLine(int major, int minor);

protected:
    void buildControls(QWidget *page) override;
};
