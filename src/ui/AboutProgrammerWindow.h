#pragma once

#include "ui/Form.h"

class Forms;

// frmAboutProgrammer: who wrote the program. A click on the background, the picture or any
// line hides it; the title and the banner take clicks without doing anything.
class AboutProgrammerWindow : public Form
{
    Q_OBJECT
public:
    explicit AboutProgrammerWindow(Forms &forms);

protected:
    void buildControls(QWidget *page) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
