#pragma once

#include "core/DateTime.h"
#include "ui/Form.h"

#include <cstdint>

class Forms;
class QLabel;

// frmResult: the outcome of the test that ended last. Modeless and ownerless, so it may stay
// open while the next test is chosen.
class ResultWindow : public Form
{
    Q_OBJECT
public:
    explicit ResultWindow(Forms &forms);

    sumwright::DateTime CountTime = 0.0;
    std::int16_t iTotalQuestions = 0;
    std::int16_t iWrongAnswered = 0;

    // Writes the three lines from the variables above and shows the window without blocking.
    void ShowResult();

    // Escape is the window's cancel key and closes it like "&Close"; Enter is left alone, so a
    // fast typist's extra Enter at the end of a test cannot dismiss the result unread.
    void reject() override;

protected:
    void buildControls(QWidget *page) override;

private:
    QLabel *m_total = nullptr;
    QLabel *m_wrong = nullptr;
    QLabel *m_time = nullptr;
};
