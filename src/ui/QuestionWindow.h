#pragma once

#include "core/DateTime.h"
#include "core/QuestionDispatch.h"
#include "core/QuestionSelection.h"
#include "core/Random.h"
#include "core/TestSession.h"
#include "ui/ReloadingDialog.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;

namespace sumwright {

// The controls of one load of the question window.
struct QuestionControls
{
    QLabel *title = nullptr;
    QGroupBox *questionFrame = nullptr;
    QGroupBox *modeFrame = nullptr;
    QLabel *question = nullptr;
    QLineEdit *answer = nullptr;
    std::array<QRadioButton *, 2> modes {};
    QPushButton *start = nullptr;
    QPushButton *endTest = nullptr;
    QPushButton *close = nullptr;
};

// frmInput, "Solve Questions": where a test is taken. It holds the test session for the whole
// process; its controls are rebuilt in their first state whenever it was closed with its close
// box, while the session keeps its values. It reads the selection it is given afresh at every
// question and every answer, and hands each test's outcome on through testEnded.
class QuestionWindow : public DialogWithControls<QuestionControls>
{
    Q_OBJECT
public:
    QuestionWindow(const QuestionSelection &selection, RandomSource &random, const Clock &clock);

    void setTitle(const QString &title);
    // Puts the next question on screen: empties the answer box, asks the generator of the
    // current selection, and gives the answer box the focus.
    void ShowQuestion();

    [[nodiscard]] const TestSession &session() const { return m_session; }
    // A test runs exactly while the question view is shown.
    [[nodiscard]] bool isTestRunning() const { return m_running; }

signals:
    void testEnded(const sumwright::TestOutcome &outcome);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void build(QuestionControls &ui, QWidget *page) override;

private:
    void startTest();
    void answerKeyReleased();
    void endOfTestSequence();
    void closeTest();
    void setQuestionView(bool questionView);
    void applyLabel();

    const QuestionSelection &m_selection;
    RandomSource &m_random;
    const Clock &m_clock;
    TestSession m_session;
    QuestionLabel m_label;
    bool m_running = false;
};

} // namespace sumwright
