#include "ui/AboutProgrammerWindow.h"

#include "ui/Toolkit.h"

#include <QMouseEvent>
#include <QPainter>

using namespace toolkit;

namespace {

const QColor Olive(128, 128, 0);

// A picture at its own size, clipped to its box, rendered at the screen's pixel ratio when
// first painted.
class Picture : public ClickableLabel
{
public:
    Picture(Artwork::Picture picture, QWidget *parent)
        : ClickableLabel(parent)
        , m_picture(picture)
    {
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        const qreal ratio = devicePixelRatioF();
        if (m_pixmap.isNull() || !qFuzzyCompare(m_pixmap.devicePixelRatio(), ratio))
            m_pixmap = Artwork::pixmap(m_picture, Artwork::designSize(m_picture), ratio);
        QPainter(this).drawPixmap(0, 0, m_pixmap);
    }

private:
    Artwork::Picture m_picture;
    QPixmap m_pixmap;
};

struct Line
{
    const char *text;
    QRect geometry;
    QFont font;
    bool wrap;
};

} // namespace

AboutProgrammerWindow::AboutProgrammerWindow(Forms & /*forms*/)
    : Form("frmAboutProgrammer", QStringLiteral("About Programmer"), {6705, 3030},
           QColor(255, 255, 128), Artwork::Picture::AboutProgrammerIcon)
{
    ensureLoaded();
}

void AboutProgrammerWindow::buildControls(QWidget *page)
{
    auto *banner = new Picture(Artwork::Picture::Banner, page);
    banner->setObjectName(QStringLiteral("Image2"));
    banner->setGeometry(twips(0, 0, 6735, 735));
    banner->setAccessibleName(QStringLiteral("Banner"));

    auto *title = make<ClickableLabel>(page, QStringLiteral("Label1"),
                                       QStringLiteral("About Programmer"));
    title->setGeometry(twips(1320, 120, 4335, 615));
    title->setFont(makeFont(Face::Impact, 21.75));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(title, Olive);
    fitText(title);

    auto *portrait = new Picture(Artwork::Picture::Portrait, page);
    portrait->setObjectName(QStringLiteral("Image1"));
    portrait->setGeometry(twips(120, 840, 1905, 2010));
    portrait->setAccessibleName(QStringLiteral("Picture of the author"));
    connect(portrait, &ClickableLabel::clicked, this, &QWidget::hide);

    const QFont small = makeFont(Face::SansSerif, 9.75, true);
    const Line lines[] = {
            {"Tamsin Ardell", twips(2160, 840, 4335, 495),
             makeFont(Face::TimesNewRoman, 21.75, true), false},
            {"M.Sc. in Applied Mathematics", twips(2160, 1440, 4095, 255), small, false},
            {"Software engineer at the Quorvane Corporation, writing small tools for learners",
             twips(2160, 1800, 4095, 615), small, true},
            {"Contact: tamsin@quorvane.example", twips(2160, 2640, 4095, 255), small, false},
    };
    for (int i = 0; i < 4; ++i) {
        auto *label = make<ClickableLabel>(page, indexed("lblLabel", i),
                                           QString::fromUtf8(lines[i].text));
        label->setGeometry(lines[i].geometry);
        label->setFont(lines[i].font);
        label->setWordWrap(lines[i].wrap);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        fitText(label);
        connect(label, &ClickableLabel::clicked, this, &QWidget::hide);
    }

    placeRule(make<Rule>(page, QStringLiteral("Line1"), Olive, 2), 2160, 6600, 1320, 2);
}

void AboutProgrammerWindow::mouseReleaseEvent(QMouseEvent *event)
{
    // The background: what no control above it took.
    if (event->button() == Qt::LeftButton)
        hide();
}
