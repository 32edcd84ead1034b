#include "ui/ResultWindow.h"

#include "core/ResultReport.h"
#include "ui/Toolkit.h"
#include "ui/widgets/CommandButton.h"
#include "ui/widgets/Frame.h"
#include "ui/widgets/TabbedLabel.h"

namespace sumwright {

using namespace toolkit;

namespace {
const QColor WindowColour(255, 224, 192);
} // namespace

ResultWindow::ResultWindow()
    : DialogWithControls("frmResult", tr("Result"), {5280, 3255}, WindowColour,
                         artwork::Picture::ProgramIcon)
{
    setFont(makeFont(Face::SansSerif, 14.25));
}

void ResultWindow::build(std::array<QLabel *, 3> &lines, QWidget *page)
{
    //: The caption of the result window, and of the frame around its three lines.
    auto *frame = make<Frame>(page, QStringLiteral("Frame1"), tr("Result"));
    place(frame, twips(120, 120, 5055, 2295));
    auto *close = make<CommandButton>(page, QStringLiteral("cmdClose"), tr("&Close"),
                                      QColor(255, 128, 128));
    place(close, twips(1680, 2640, 1935, 495));
    // Escape closes; Enter does nothing, so a last Enter typed fast cannot dismiss the result.
    close->setPressedByEnter(false);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    const auto line = [frame](const char *name, int top) {
        auto *label = make<TabbedLabel>(frame, QLatin1String(name));
        place(label, twips(120, top, 4815, 495));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    lines[0] = line("lblTotalQuestions", 480);
    lines[1] = line("lblWrongAnswered", 840);
    setTextColour(lines[1], QColor(255, 0, 0));
    lines[2] = line("lblTimeTaken", 1200);
    fitTexts(page);
}

void ResultWindow::ShowResult(const TestOutcome &outcome)
{
    m_outcome = outcome;
    const ReportLabels labels {
            //: Followed by the number of questions answered, in a column with the numbers below.
            tr("Total Questions:").toStdString(),
            //: Followed by the number of wrong answers, in a column with the other numbers.
            tr("Wrong Answered:").toStdString(),
            //: Followed by the seconds the test took, in a column with the other numbers.
            tr("Time Taken (in sec.)").toStdString(),
    };
    const auto texts = reportLines(m_outcome, labels);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        QLabel *line = ui()[i];
        // Fitted afresh for every result, from the window's font.
        line->setFont(QFont());
        line->setText(QString::fromStdString(texts[i]));
        fitText(line);
    }
    show();
    raise();
    activateWindow();
}

void ResultWindow::reject()
{
    hide();
}

} // namespace sumwright
