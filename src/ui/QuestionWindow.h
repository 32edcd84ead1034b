#pragma once

#include "core/QuestionDispatch.h"
#include "core/TestSession.h"
#include "ui/Form.h"

#include <array>

class Forms;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;

// frmInput, "Solve Questions": where a test is taken. It holds the test session for the whole
// process; its controls are rebuilt in their first state whenever it was closed with its close
// box, while the session keeps its values.
class QuestionWindow : public Form
{
    Q_OBJECT
public:
    explicit QuestionWindow(Forms &forms);

    // Sets lblTitle, building the controls first if the window was closed.
    void setTitle(const QString &title);
    // Puts the next question on screen: empties the answer box, asks the generator of the
    // current selection, and gives the answer box the focus.
    void ShowQuestion();

    [[nodiscard]] const sumwright::TestSession &session() const { return m_session; }
    // A test runs exactly while the question view is shown.
    [[nodiscard]] bool isTestRunning() const { return m_running; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void buildControls(QWidget *page) override;

private:
    void startTest();
    void answerKeyReleased();
    void endOfTestSequence();
    void closeTest();
    void setQuestionView(bool questionView);
    void applyLabel();

    Forms &m_forms;
    sumwright::TestSession m_session;
    sumwright::QuestionLabel m_label;
    bool m_running = false;

    // The controls of the current load.
    QLabel *m_title = nullptr;
    QGroupBox *m_questionFrame = nullptr;
    QGroupBox *m_modeFrame = nullptr;
    QLabel *m_question = nullptr;
    QLineEdit *m_answer = nullptr;
    std::array<QRadioButton *, 2> m_modes {};
    QPushButton *m_start = nullptr;
    QPushButton *m_endTest = nullptr;
    QPushButton *m_close = nullptr;
};
