#include "ui/QuestionWindow.h"

#include "ui/Tags.h"
#include "ui/Toolkit.h"
#include "ui/widgets/CommandButton.h"
#include "ui/widgets/Frame.h"
#include "ui/widgets/OptionButton.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace sumwright {

using namespace toolkit;

namespace {

const QColor WindowColour(255, 192, 255);
const QColor StartColour(192, 255, 192);
const QColor StopColour(255, 128, 128);

QFont TitleFont()
{
    return makeFont(Face::SansSerif, 15.75, true);
}

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

QuestionWindow::QuestionWindow(const QuestionSelection &selection, RandomSource &random,
                               const Clock &clock)
    : DialogWithControls("frmInput", tr("Solve Questions"), {7455, 5325}, WindowColour,
                         artwork::Picture::ProgramIcon)
    , m_selection(selection)
    , m_random(random)
    , m_clock(clock)
{
    setFont(makeFont(Face::Arial, 14.25));
}

void QuestionWindow::build(QuestionControls &ui, QWidget *page)
{
    m_label = {};
    m_running = false;

    // Created in tab order, so focus moves as the window's tab indices say.
    //: The frame around the question. The questions themselves are never translated: the series
    //: use the Latin letters A to Z in every language.
    ui.questionFrame = make<Frame>(page, QStringLiteral("Frame1"), tr("Question"));
    place(ui.questionFrame, twips(120, 840, 7215, 3615));
    ui.question = make<QLabel>(ui.questionFrame, QStringLiteral("lblQuestion"),
                               QStringLiteral("2 + 2"));
    place(ui.question, twips(240, 480, 6855, 2295));
    ui.answer = make<QLineEdit>(ui.questionFrame, QStringLiteral("txtAnswer"), QStringLiteral("4"));
    place(ui.answer, twips(1560, 2880, 1695, 450));
    // A negative answer keeps its minus sign in front.
    ui.answer->setAlignment(leftToRight(ui.answer, ui.answer->alignment()));
    //: What a screen reader calls the box the answer is typed into.
    ui.answer->setAccessibleName(tr("Answer"));
    ui.answer->installEventFilter(this);
    auto *answerLabel = make<QLabel>(ui.questionFrame, QStringLiteral("Label1"), tr("Answer:"));
    place(answerLabel, twips(240, 2880, 1095, 495));
    answerLabel->setBuddy(ui.answer);

    //: Leaves the test without a result. Shown with "&End Test": their access keys must differ.
    ui.close = make<CommandButton>(page, QStringLiteral("cmdClose"), tr("&Close"), StopColour);
    place(ui.close, twips(5280, 4560, 2055, 615));
    //: Ends the test and shows its result.
    ui.endTest
            = make<CommandButton>(page, QStringLiteral("cmdEndTest"), tr("&End Test"), StopColour);
    place(ui.endTest, twips(2640, 4560, 2535, 615));

    //: The frame around the choice of how arithmetic is written.
    ui.modeFrame = make<Frame>(page, QStringLiteral("Frame2"), tr("Select Mode"));
    place(ui.modeFrame, twips(1680, 1560, 4455, 2055));
    //: Arithmetic written on one line: 12 + 7.
    ui.modes[0] = make<OptionButton>(ui.modeFrame, indexed("optMode", 0), tr("Horizontal mode"));
    place(ui.modes[0], twips(240, 360, 4095, 495));
    ui.modes[0]->setChecked(true);
    //: Arithmetic written in two lines, one number under the other, as on paper.
    ui.modes[1] = make<OptionButton>(ui.modeFrame, indexed("optMode", 1), tr("Vertical mode"));
    place(ui.modes[1], twips(240, 840, 4095, 495));
    ui.start = make<CommandButton>(ui.modeFrame, QStringLiteral("cmdStart"), tr("&Start Test"),
                                   StartColour);
    place(ui.start, twips(1440, 1440, 2895, 495));

    ui.title = make<QLabel>(page, QStringLiteral("lblTitle"),
                            Tags::kind(ArithmeticType, 0) + Tags::level(0));
    place(ui.title, twips(120, 120, 7215, 495));
    ui.title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui.title->setFont(TitleFont());
    setBackground(ui.title, WindowColour);
    setTextColour(ui.title, QColor(255, 128, 0));
    ui.question->setAlignment(leftToRight(ui.question, Qt::AlignLeft | Qt::AlignTop));
    // Opaque in its own colour: a new question repaints the label alone.
    setBackground(ui.question, WindowColour);
    // The name stays the question text itself, so a screen reader reads out every new question;
    // a fixed name would hide it.
    ui.question->setAccessibleDescription(tr("Question"));

    // A rebuilt window shows "Horizontal mode" marked; the layout it applies must agree.
    m_session.bVertical = false;
    for (QRadioButton *mode : ui.modes) {
        connect(mode, &QRadioButton::toggled, this,
                [this, vertical = ui.modes[1]] { m_session.bVertical = vertical->isChecked(); });
    }
    connect(ui.start, &QPushButton::clicked, this, &QuestionWindow::startTest);
    connect(ui.endTest, &QPushButton::clicked, this, &QuestionWindow::endOfTestSequence);
    connect(ui.close, &QPushButton::clicked, this, &QuestionWindow::closeTest);

    fitTexts(page);
    setQuestionView(false);
}

void QuestionWindow::setTitle(const QString &title)
{
    QLabel *label = ui().title;
    // Every title is fitted afresh, from the title's own font.
    label->setFont(TitleFont());
    label->setText(title);
    fitText(label);
}

void QuestionWindow::setQuestionView(bool questionView)
{
    m_running = questionView;
    const QuestionControls &controls = ui();
    controls.modeFrame->setVisible(!questionView);
    controls.questionFrame->setVisible(questionView);
    controls.close->setVisible(questionView);
    controls.endTest->setVisible(questionView);
    // Hiding a focused button leaves the window's focus on it, and the next showing would give
    // it the keys again: Space on the hidden "&Close" would close the window. The selection
    // view starts at the marked layout, first in its tab order.
    if (!questionView) {
        for (QRadioButton *mode : controls.modes) {
            if (mode->isChecked())
                mode->setFocus(Qt::OtherFocusReason);
        }
    }
}

void QuestionWindow::startTest()
{
    setQuestionView(true);
    m_session.startTest(m_clock, [this] { ShowQuestion(); });
}

void QuestionWindow::ShowQuestion()
{
    QLineEdit *answer = ui().answer;
    answer->clear();
    dispatchQuestion(m_selection, m_session.bVertical, m_random, m_label, m_session.vAnswer);
    applyLabel();
    answer->setFocus(Qt::OtherFocusReason);
}

void QuestionWindow::applyLabel()
{
    QLabel *question = ui().question;
    // Most questions keep the size of the one before; a font change costs a relayout.
    if (m_label.fontSize > 0 && question->font().pointSizeF() != m_label.fontSize)
        question->setFont(makeLatinFont(Face::Arial, m_label.fontSize));
    const Qt::Alignment horizontal
            = m_label.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    question->setAlignment(leftToRight(question, horizontal | Qt::AlignTop));
    question->setText(QString::fromStdString(m_label.caption));
}

void QuestionWindow::answerKeyReleased()
{
    const std::string typed = ui().answer->text().toStdString();
    if (m_session.submitAnswer(typed, m_selection.countText) == TestSession::Next::EndOfTest)
        endOfTestSequence();
    else
        ShowQuestion();
}

void QuestionWindow::endOfTestSequence()
{
    const TestOutcome outcome = m_session.endTest(m_clock);
    setQuestionView(false);
    hide();
    emit testEnded(outcome);
}

void QuestionWindow::closeTest()
{
    setQuestionView(false);
    hide();
}

bool QuestionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (isLoaded() && watched == ui().answer
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
    ReloadingDialog::closeEvent(event);
}

} // namespace sumwright
