#include "ui/AboutProductWindow.h"

#include "Version.h"
#include "ui/Addresses.h"
#include "ui/Toolkit.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/Rule.h"

namespace sumwright {

using namespace toolkit;

namespace {

const QColor Rust(192, 64, 0);

struct Text
{
    QRect geometry;
    QColor colour;
    QFont font;
    bool wrap;
};

} // namespace

AboutProductWindow::AboutProductWindow()
    //: The caption names the maker's family of programs, Quorvane Tessaline; keep the name.
    : ReloadingDialog("frmAboutProduct", tr("About Quorvane Tessaline"), {7065, 3075}, Qt::white,
                      artwork::Picture::AboutProductIcon)
{
}

QString AboutProductWindow::versionLine(int major, int minor)
{
    //: The version line: %1.%2 is the version number, such as 1.0.
    return tr("Quorvane Sumwright ver: %1.%2").arg(major).arg(minor);
}

void AboutProductWindow::buildControls(QWidget *page)
{
    const Text texts[] = {
            {twips(120, 0, 6615, 495), Rust, makeFont(Face::TimesNewRoman, 18, true, true), false},
            {twips(120, 390, 6855, 1215), QColor(128, 64, 0),
             makeFont(Face::TimesNewRoman, 12, true), true},
            {twips(120, 1750, 6855, 255), Rust, makeFont(Face::SansSerif, 9.75), false},
            {twips(120, 2520, 6855, 495), QColor(0, 192, 0), makeFont(Face::SansSerif, 9.75, true),
             true},
    };
    const QString captions[] = {
            // The version line is built at every load from the build's own version.
            versionLine(VersionMajor, VersionMinor),
            //: What the program is for, in four lines or fewer. The English original has its
            //: slips; say it the way a teacher of your language would.
            tr("Helps you practicing your mathematical functions so that you can solve you "
               "mathematical problems quickly in daily a life. Quorvane Sumwright is "
               "prepared for four mathematical function [plus, minus, multiplication, and "
               "division] and series and fraction questions."),
            //: One short line.
            tr("This product is quite free and available on the Quorvane Corporation Website"),
            //: %1 is the address of the donation page. The run of blanks in the original only
            //: breaks the line; a translation needs none.
            tr("Note: Contribute on page %1 if you liked this                  utility software.")
                    .arg(addresses::DonationUrl),
    };
    for (int i = 0; i < 4; ++i) {
        const Text &text = texts[i];
        auto *label = make<ClickableLabel>(page, indexed("lbl", i), captions[i]);
        place(label, text.geometry);
        label->setFont(text.font);
        label->setWordWrap(text.wrap);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setBackground(label, Qt::white);
        setTextColour(label, text.colour);
        fitText(label);
        connect(label, &ClickableLabel::clicked, this, &QWidget::hide);
    }

    // The address as a person reads it; a click opens the full one.
    QString shown = addresses::WebsiteUrl;
    shown.remove(QStringLiteral("http://")).remove(QLatin1Char('/'));
    auto *link = make<ClickableLabel>(page, QStringLiteral("lblLink"), shown);
    place(link, twips(1440, 2040, 4335, 375));
    link->setFont(makeFont(Face::SansSerif, 13.5));
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    link->setCursor(Qt::PointingHandCursor);
    setBackground(link, Qt::white);
    setTextColour(link, QColor(0, 0, 255));
    fitText(link);
    connect(link, &ClickableLabel::clicked, this, &AboutProductWindow::websiteRequested);

    make<Rule>(page, QStringLiteral("Line1"), Rust, 1)->place(0, 7080, 1680);
    fitTexts(page);
}

} // namespace sumwright
