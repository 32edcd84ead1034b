#include "ui/ResultWindow.h"

#include "core/ResultReport.h"
#include "ui/Artwork.h"
#include "ui/Toolkit.h"

#include <QGroupBox>

using namespace toolkit;

namespace {
const QColor WindowColour(255, 224, 192);
} // namespace

ResultWindow::ResultWindow(Forms & /*forms*/)
    : Form("frmResult", QStringLiteral("Result"), {5280, 3255}, WindowColour,
           Artwork::Picture::ProgramIcon)
{
    setFont(makeFont(Face::SansSerif, 14.25));
    ensureLoaded();
}

void ResultWindow::buildControls(QWidget *page)
{
    auto *frame = make<Frame>(page, QStringLiteral("Frame1"), QStringLiteral("Result"));
    frame->setGeometry(twips(120, 120, 5055, 2295));
    auto *close = make<CommandButton>(page, QStringLiteral("cmdClose"), QStringLiteral("&Close"),
                                      QColor(255, 128, 128));
    close->setGeometry(twips(1680, 2640, 1935, 495));
    // Escape closes; Enter does nothing, so a last Enter typed fast cannot dismiss the result.
    close->setPressedByEnter(false);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    const auto line = [frame](const char *name, int top) {
        auto *label = make<TabbedLabel>(frame, QLatin1String(name));
        label->setGeometry(twips(120, top, 4815, 495));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    m_total = line("lblTotalQuestions", 480);
    m_wrong = line("lblWrongAnswered", 840);
    setTextColour(m_wrong, QColor(255, 0, 0));
    m_time = line("lblTimeTaken", 1200);
}

void ResultWindow::ShowResult()
{
    ensureLoaded();
    const auto lines = sumwright::ReportLines({CountTime, iTotalQuestions, iWrongAnswered});
    m_total->setText(QString::fromStdString(lines[0]));
    m_wrong->setText(QString::fromStdString(lines[1]));
    m_time->setText(QString::fromStdString(lines[2]));
    show();
    raise();
    activateWindow();
}

void ResultWindow::reject()
{
    hide();
}
