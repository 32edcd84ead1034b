#include "ui/AboutProgrammerWindow.h"

#include "ui/Toolkit.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/Picture.h"
#include "ui/widgets/Rule.h"

#include <QMouseEvent>

namespace sumwright {

using namespace toolkit;

namespace {

const QColor Olive(128, 128, 0);

struct Line
{
    QString text;
    QRect geometry;
    QFont font;
    bool wrap;
};

} // namespace

AboutProgrammerWindow::AboutProgrammerWindow()
    //: The window about the program's author, Tamsin Ardell, a woman: where your language
    //: marks the gender of "programmer", "author" or "engineer", use the feminine form.
    : ReloadingDialog("frmAboutProgrammer", tr("About Programmer"), {6705, 3030},
                      QColor(255, 255, 128), artwork::Picture::AboutProgrammerIcon)
{
}

void AboutProgrammerWindow::buildControls(QWidget *page)
{
    auto *banner = make<Picture>(page, QStringLiteral("Image2"), artwork::Picture::Banner);
    place(banner, twips(0, 0, 6735, 735));
    //: What a screen reader calls the decorative picture at the top of the window.
    banner->setAccessibleName(tr("Banner"));

    auto *title = make<ClickableLabel>(page, QStringLiteral("Label1"), tr("About Programmer"));
    place(title, twips(1320, 120, 4335, 615));
    title->setFont(makeFont(Face::Impact, 21.75));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(title, Olive);
    fitText(title);

    auto *portrait = make<Picture>(page, QStringLiteral("Image1"), artwork::Picture::Portrait);
    place(portrait, twips(120, 840, 1905, 2010));
    //: What a screen reader calls the drawing that stands for the author, a woman.
    portrait->setAccessibleName(tr("Picture of the author"));
    connect(portrait, &ClickableLabel::clicked, this, &QWidget::hide);

    const QFont small = makeFont(Face::SansSerif, 9.75, true);
    const Line lines[] = {
            //: The author's name: keep it as it is, or write it in your language's script.
            {tr("Tamsin Ardell"), twips(2160, 840, 4335, 495),
             makeFont(Face::TimesNewRoman, 21.75, true), false},
            //: The author's degree, on one short line.
            {tr("M.Sc. in Applied Mathematics"), twips(2160, 1440, 4095, 255), small, false},
            //: The author's work, on two short lines: she is a software engineer who writes small
            //: programs for learners at the Quorvane Corporation.
            {tr("Software engineer at the Quorvane Corporation, writing small tools for learners"),
             twips(2160, 1800, 4095, 615), small, true},
            //: %1 is the author's e-mail address.
            {tr("Contact: %1").arg(QStringLiteral("tamsin@quorvane.example")),
             twips(2160, 2640, 4095, 255), small, false},
    };
    for (int i = 0; i < 4; ++i) {
        auto *label = make<ClickableLabel>(page, indexed("lblLabel", i), lines[i].text);
        place(label, lines[i].geometry);
        label->setFont(lines[i].font);
        label->setWordWrap(lines[i].wrap);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        fitText(label);
        connect(label, &ClickableLabel::clicked, this, &QWidget::hide);
    }

    make<Rule>(page, QStringLiteral("Line1"), Olive, 2)->place(2160, 6600, 1320);
    fitTexts(page);
}

void AboutProgrammerWindow::mouseReleaseEvent(QMouseEvent *event)
{
    // The background: what no control above it took.
    if (event->button() == Qt::LeftButton)
        hide();
}

} // namespace sumwright
