#pragma once

#include "ui/ReloadingDialog.h"

namespace sumwright {

// frmAboutProgrammer: who wrote the program. A click on the background, the picture or any
// line hides it; the title and the banner take clicks without doing anything.
class AboutProgrammerWindow : public ReloadingDialog
{
    Q_OBJECT
public:
    AboutProgrammerWindow();

protected:
    void buildControls(QWidget *page) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace sumwright
