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
    : ReloadingDialog("frmAboutProduct", QStringLiteral("About Quorvane Tessaline"), {7065, 3075},
                      Qt::white, artwork::Picture::AboutProductIcon)
{
}

QString AboutProductWindow::versionLine(int major, int minor)
{
    return QStringLiteral("Quorvane Sumwright ver: %1.%2").arg(major).arg(minor);
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
            QStringLiteral(
                    "Helps you practicing your mathematical functions so that you can solve you "
                    "mathematical problems quickly in daily a life. Quorvane Sumwright is "
                    "prepared for four mathematical function [plus, minus, multiplication, and "
                    "division] and series and fraction questions."),
            QStringLiteral(
                    "This product is quite free and available on the Quorvane Corporation Website"),
            QStringLiteral("Note: Contribute on page ") + addresses::DonationUrl
                    + QStringLiteral(" if you liked this") + QString(18, QLatin1Char(' '))
                    + QStringLiteral("utility software."),
    };
    for (int i = 0; i < 4; ++i) {
        const Text &text = texts[i];
        auto *label = make<ClickableLabel>(page, indexed("lbl", i), captions[i]);
        label->setGeometry(text.geometry);
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
    link->setGeometry(twips(1440, 2040, 4335, 375));
    link->setFont(makeFont(Face::SansSerif, 13.5));
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    link->setCursor(Qt::PointingHandCursor);
    setBackground(link, Qt::white);
    setTextColour(link, QColor(0, 0, 255));
    fitText(link);
    connect(link, &ClickableLabel::clicked, this, &AboutProductWindow::websiteRequested);

    make<Rule>(page, QStringLiteral("Line1"), Rust, 1)->place(0, 7080, 1680);
}

} // namespace sumwright
