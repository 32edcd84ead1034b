#pragma once

#include "core/TestSession.h"
#include "ui/ReloadingDialog.h"

#include <array>

class QLabel;

namespace sumwright {

// frmResult: the outcome of the test that ended last. Modeless and ownerless, so it may stay
// open while the next test is chosen.
class ResultWindow : public DialogWithControls<std::array<QLabel *, 3>>
{
    Q_OBJECT
public:
    ResultWindow();

    // Keeps the outcome, writes the three lines from it and shows the window without blocking.
    void ShowResult(const TestOutcome &outcome);
    [[nodiscard]] const TestOutcome &outcome() const { return m_outcome; }

    // Escape is the window's cancel key and closes it like "&Close"; Enter is left alone, so a
    // fast typist's extra Enter at the end of a test cannot dismiss the result unread.
    void reject() override;

protected:
    void build(std::array<QLabel *, 3> &lines, QWidget *page) override;

private:
    TestOutcome m_outcome;
};

} // namespace sumwright
