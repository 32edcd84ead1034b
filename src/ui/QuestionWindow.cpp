#include "ui/QuestionWindow.h"

#include "ui/Artwork.h"
#include "ui/Forms.h"
#include "ui/MainWindow.h"
#include "ui/ResultWindow.h"
#include "ui/Toolkit.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace sumwright;
using namespace toolkit;

namespace {

const QColor WindowColour(255, 192, 255);
const QColor StartColour(192, 255, 192);
const QColor StopColour(255, 128, 128);

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

QuestionWindow::QuestionWindow(Forms &forms)
    : Form("frmInput", QStringLiteral("Solve Questions"), {7455, 5325}, WindowColour,
           Artwork::Picture::ProgramIcon)
    , m_forms(forms)
{
    setFont(makeFont(Face::Arial, 14.25));
    ensureLoaded();
}

void QuestionWindow::buildControls(QWidget *page)
{
    m_label = {};
    m_running = false;

    // Created in tab order, so focus moves as the window's tab indices say.
    m_questionFrame = make<Frame>(page, QStringLiteral("Frame1"), QStringLiteral("Question"));
    m_questionFrame->setGeometry(twips(120, 840, 7215, 3615));
    m_question
            = make<QLabel>(m_questionFrame, QStringLiteral("lblQuestion"), QStringLiteral("2 + 2"));
    m_question->setGeometry(twips(240, 480, 6855, 2295));
    m_answer = make<QLineEdit>(m_questionFrame, QStringLiteral("txtAnswer"), QStringLiteral("4"));
    m_answer->setGeometry(twips(1560, 2880, 1695, 450));
    m_answer->setAccessibleName(QStringLiteral("Answer"));
    m_answer->installEventFilter(this);
    auto *answerLabel
            = make<QLabel>(m_questionFrame, QStringLiteral("Label1"), QStringLiteral("Answer:"));
    answerLabel->setGeometry(twips(240, 2880, 1095, 495));
    answerLabel->setBuddy(m_answer);

    m_close = make<CommandButton>(page, QStringLiteral("cmdClose"), QStringLiteral("&Close"),
                                  StopColour);
    m_close->setGeometry(twips(5280, 4560, 2055, 615));
    m_endTest = make<CommandButton>(page, QStringLiteral("cmdEndTest"), QStringLiteral("&End Test"),
                                    StopColour);
    m_endTest->setGeometry(twips(2640, 4560, 2535, 615));

    m_modeFrame = make<Frame>(page, QStringLiteral("Frame2"), QStringLiteral("Select Mode"));
    m_modeFrame->setGeometry(twips(1680, 1560, 4455, 2055));
    m_modes[0] = make<OptionButton>(m_modeFrame, indexed("optMode", 0),
                                    QStringLiteral("Horizontal mode"));
    m_modes[0]->setGeometry(twips(240, 360, 4095, 495));
    m_modes[0]->setChecked(true);
    m_modes[1] = make<OptionButton>(m_modeFrame, indexed("optMode", 1),
                                    QStringLiteral("Vertical mode"));
    m_modes[1]->setGeometry(twips(240, 840, 4095, 495));
    m_start = make<CommandButton>(m_modeFrame, QStringLiteral("cmdStart"),
                                  QStringLiteral("&Start Test"), StartColour);
    m_start->setGeometry(twips(1440, 1440, 2895, 495));

    m_title = make<QLabel>(page, QStringLiteral("lblTitle"),
                           QStringLiteral("Addition [Easy Mode]"));
    m_title->setGeometry(twips(120, 120, 7215, 495));
    m_title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_title->setFont(makeFont(Face::SansSerif, 15.75, true));
    setBackground(m_title, WindowColour);
    setTextColour(m_title, QColor(255, 128, 0));
    m_question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Opaque in its own colour: a new question repaints the label alone.
    setBackground(m_question, WindowColour);
    // The name stays the question text itself, so a screen reader reads out every new question;
    // a fixed name would hide it.
    m_question->setAccessibleDescription(QStringLiteral("Question"));

    // A rebuilt window shows "Horizontal mode" marked; the layout it applies must agree.
    m_session.bVertical = false;
    for (QRadioButton *mode : m_modes) {
        connect(mode, &QRadioButton::toggled, this,
                [this] { m_session.bVertical = m_modes[1]->isChecked(); });
    }
    connect(m_start, &QPushButton::clicked, this, &QuestionWindow::startTest);
    connect(m_endTest, &QPushButton::clicked, this, &QuestionWindow::endOfTestSequence);
    connect(m_close, &QPushButton::clicked, this, &QuestionWindow::closeTest);

    setQuestionView(false);
}

void QuestionWindow::setTitle(const QString &title)
{
    ensureLoaded();
    m_title->setText(title);
}

void QuestionWindow::setQuestionView(bool questionView)
{
    m_running = questionView;
    m_modeFrame->setVisible(!questionView);
    m_questionFrame->setVisible(questionView);
    m_close->setVisible(questionView);
    m_endTest->setVisible(questionView);
    // Hiding a focused button leaves the window's focus on it, and the next showing would give
    // it the keys again: Space on the hidden "&Close" would close the window. The selection
    // view starts at the marked layout, first in its tab order.
    if (!questionView) {
        for (QRadioButton *mode : m_modes) {
            if (mode->isChecked())
                mode->setFocus(Qt::OtherFocusReason);
        }
    }
}

void QuestionWindow::startTest()
{
    setQuestionView(true);
    m_session.StartTest(m_forms.clock(), [this] { ShowQuestion(); });
}

void QuestionWindow::ShowQuestion()
{
    m_answer->clear();
    DispatchQuestion(m_forms.frmMain().selection(), m_session.bVertical, m_forms.random(), m_label,
                     m_session.vAnswer);
    applyLabel();
    m_answer->setFocus(Qt::OtherFocusReason);
}

void QuestionWindow::applyLabel()
{
    // Most questions keep the size of the one before; a font change costs a relayout.
    if (m_label.fontSize > 0 && m_question->font().pointSizeF() != m_label.fontSize) {
        QFont labelFont = font();
        labelFont.setPointSize(m_label.fontSize);
        m_question->setFont(labelFont);
    }
    m_question->setAlignment(
            (m_label.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft)
            | Qt::AlignTop);
    m_question->setText(QString::fromStdString(m_label.caption));
}

void QuestionWindow::answerKeyReleased()
{
    const std::string typed = m_answer->text().toStdString();
    const QString count = m_forms.frmMain().countText();
    if (m_session.SubmitAnswer(typed, count.toStdString()) == TestSession::Next::EndOfTest)
        endOfTestSequence();
    else
        ShowQuestion();
}

void QuestionWindow::endOfTestSequence()
{
    const TestOutcome outcome = m_session.EndTest(m_forms.clock());
    ResultWindow &result = m_forms.frmResult();
    result.CountTime = outcome.CountTime;
    result.iTotalQuestions = outcome.iTotalQuestions;
    result.iWrongAnswered = outcome.iWrongAnswered;
    setQuestionView(false);
    hide();
    result.ShowResult();
}

void QuestionWindow::closeTest()
{
    setQuestionView(false);
    hide();
}

bool QuestionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_answer
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isEnter(key)) {
            // Only the release submits, once however long the key was held; the press must not
            // reach the dialog, which would treat it as a button press.
            if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat() && m_running)
                answerKeyReleased();
            return true;
        }
        // Alt with a letter is an access key. One that names no shown button (Alt+S during a
        // test) must not end up in the answer as that letter; AltGr typing carries no Alt.
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        if (event->type() == QEvent::KeyPress && modifiers.testFlag(Qt::AltModifier)
            && !modifiers.testFlag(Qt::ControlModifier))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void QuestionWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape does nothing here: a test is left only through its buttons or the close box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void QuestionWindow::closeEvent(QCloseEvent *event)
{
    // A close request while no test runs reports nothing: there is no outcome to report.
    if (m_running)
        endOfTestSequence();
    Form::closeEvent(event);
}
