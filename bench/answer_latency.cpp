// Per-answer latency: the real question window in a running test, answers submitted with real
// Enter key events, timed from posting the key release to the moment both the question label and
// the answer box have painted again, as the event loop delivers them (nothing is repainted by
// force). The toolkit floor does the same work with a bare 48-point label and a line edit.

#include "AnswerFloor.h"
#include "Stats.h"
#include "core/Answer.h"
#include "core/AnswerCheck.h"
#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using namespace sumwright::bench;

constexpr int AnswersWanted = 1000;
using Clock = std::chrono::steady_clock;

// Notes which of two widgets have received a paint event since the last reset.
class PaintWatch : public QObject
{
public:
    void watch(QWidget *label, QWidget *edit)
    {
        if (m_label != label) {
            m_label = label;
            label->installEventFilter(this);
        }
        if (m_edit != edit) {
            m_edit = edit;
            edit->installEventFilter(this);
        }
    }
    void reset() { m_labelPainted = m_editPainted = false; }
    [[nodiscard]] bool labelPainted() const { return m_labelPainted; }
    [[nodiscard]] bool editPainted() const { return m_editPainted; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            if (watched == m_label)
                m_labelPainted = true;
            else if (watched == m_edit)
                m_editPainted = true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_label = nullptr;
    QWidget *m_edit = nullptr;
    bool m_labelPainted = false;
    bool m_editPainted = false;
};

// Runs the event loop until the condition holds; false after a second without it. A harness that
// keeps waiting in vain is broken, and ends rather than spend a second on every answer.
template<typename Condition>
bool spinUntil(Condition done)
{
    static int misses = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    while (!done()) {
        if (Clock::now() > deadline) {
            if (++misses == 3) {
                std::fprintf(stderr, "answer_latency: no paint came three times; giving up\n");
                std::exit(1);
            }
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

// Types the answer and lets the answer box show it, so the timed part holds only the submission.
void typeAnswer(QLineEdit *edit, PaintWatch &watch, const QString &text)
{
    watch.reset();
    QTest::keyClicks(edit, text);
    spinUntil([&] { return watch.editPainted(); });
}

void pressEnter(QLineEdit *edit)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(edit, &press);
}

// Posts the Enter release and runs the event loop until the next question is on screen; returns
// the microseconds that took. A caption equal to the one before gives the label nothing to paint.
double submitAndWait(QLineEdit *edit, QLabel *label, PaintWatch &watch,
                     const std::function<bool()> &submitted)
{
    const QString before = label->text();
    pressEnter(edit);
    watch.reset();
    const auto start = Clock::now();
    QCoreApplication::postEvent(edit,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier));
    const bool shown = spinUntil([&] {
        return watch.editPainted()
                && (watch.labelPainted() || (submitted() && label->text() == before));
    });
    const auto end = Clock::now();
    if (!shown)
        std::fprintf(stderr, "answer_latency: the next question was not painted within a second\n");
    return std::chrono::duration<double, std::micro>(end - start).count();
}

void measureFloor(FloorWindow &floor, int answers, std::vector<double> &samples)
{
    floor.show();
    floor.activateWindow();
    if (!QTest::qWaitForWindowActive(&floor))
        std::fprintf(stderr, "answer_latency: the floor window did not become active\n");
    floor.edit()->setFocus(Qt::OtherFocusReason);
    PaintWatch watch;
    watch.watch(floor.label(), floor.edit());
    for (int i = 0; i < answers; ++i) {
        typeAnswer(floor.edit(), watch, QString::number(i % 97));
        samples.push_back(submitAndWait(floor.edit(), floor.label(), watch, [] { return true; }));
    }
    floor.hide();
}

// Drives whole tests through the real windows: a kind button opens the question window (modal,
// so the test is run from a timer inside its event loop), cmdStart starts it, and Enter submits
// answers until the count is reached or enough answers were timed.
class ProgramRun
{
public:
    ProgramRun(sumwright::Program &forms, std::vector<double> &samples)
        : m_forms(forms)
        , m_samples(samples)
    {
    }

    void nextTest(const std::function<void()> &done)
    {
        if (static_cast<int>(m_samples.size()) >= AnswersWanted) {
            done();
            return;
        }
        QTimer::singleShot(0, [this] { runTest(); });
        auto *kind = m_forms.frmMain().findChild<QPushButton *>(QStringLiteral("cmdMath(0)"));
        QTest::mouseClick(kind, Qt::LeftButton); // returns once the question window is hidden
        if (m_forms.hasResult())
            m_forms.frmResult().hide();
        QTimer::singleShot(0, [this, done] { nextTest(done); });
    }

private:
    void runTest()
    {
        sumwright::QuestionWindow &input = m_forms.frmInput();
        if (!QTest::qWaitForWindowActive(&input))
            std::fprintf(stderr, "answer_latency: the question window did not become active\n");
        QTest::mouseClick(input.findChild<QPushButton *>(QStringLiteral("cmdStart")),
                          Qt::LeftButton);
        auto *label = input.findChild<QLabel *>(QStringLiteral("lblQuestion"));
        auto *edit = input.findChild<QLineEdit *>(QStringLiteral("txtAnswer"));
        m_watch.watch(label, edit);
        const double count = sumwright::countValue(m_forms.selection().countText);
        while (input.isTestRunning() && static_cast<int>(m_samples.size()) < AnswersWanted) {
            const auto &session = input.session();
            typeAnswer(edit, m_watch,
                       QString::fromStdString(sumwright::answerText(session.vAnswer)));
            const std::int16_t asked = session.iAsked;
            if (asked + 1 >= count) {
                // The last answer ends the test: what follows is the result, not a question.
                pressEnter(edit);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(edit, &release);
                break;
            }
            m_samples.push_back(
                    submitAndWait(edit, label, m_watch, [&] { return session.iAsked != asked; }));
        }
        if (input.isTestRunning())
            QTest::mouseClick(input.findChild<QPushButton *>(QStringLiteral("cmdEndTest")),
                              Qt::LeftButton);
    }

    sumwright::Program &m_forms;
    std::vector<double> &m_samples;
    PaintWatch m_watch;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const sumwright::SystemClock clock;
    sumwright::Program forms(sumwright::processSequence(), clock);
    sumwright::MainWindow &main = forms.frmMain();
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) {
        std::fprintf(stderr, "answer_latency: the main window was never shown\n");
        return 1;
    }
    main.findChild<QComboBox *>(QStringLiteral("cbCountQ"))->setCurrentText(QStringLiteral("200"));

    // "floor" or "program" runs only that half, for a profiler to look at one at a time.
    const QStringList arguments = QCoreApplication::arguments();
    const bool withFloor = !arguments.contains(QStringLiteral("program"));
    const bool withProgram = !arguments.contains(QStringLiteral("floor"));

    // The floor runs before and after the program, so a drift in speed touches both alike.
    FloorWindow floor(false);
    FloorWindow framedFloor(true);
    std::vector<double> floorSamples, framedSamples;
    if (withFloor) {
        measureFloor(floor, AnswersWanted / 2, floorSamples);
        measureFloor(framedFloor, AnswersWanted / 2, framedSamples);
    }

    std::vector<double> programSamples;
    if (withProgram) {
        ProgramRun run(forms, programSamples);
        // exit() rather than quit(), which would send the main window a close request and run
        // the program's exit path.
        QTimer::singleShot(0, [&] { run.nextTest([] { QCoreApplication::exit(0); }); });
        QApplication::exec();
    }
    if (withFloor) {
        measureFloor(framedFloor, AnswersWanted - AnswersWanted / 2, framedSamples);
        measureFloor(floor, AnswersWanted - AnswersWanted / 2, floorSamples);
    }
    if (floorSamples.empty() || programSamples.empty()) {
        const auto &samples = floorSamples.empty() ? programSamples : floorSamples;
        const Percentiles only = percentiles(samples);
        std::printf("p50 %.0f  p99 %.0f  max %.0f us\n", only.p50, only.p99, only.max);
        return 0;
    }

    const Percentiles f = percentiles(floorSamples);
    const Percentiles p = percentiles(programSamples);
    const double ratio = p.p50 / f.p50;
    std::printf("per answer, %s, %zu answers each, microseconds from Enter released to next "
                "question painted\n",
                qPrintable(QGuiApplication::platformName()), programSamples.size());
    std::printf("  %-10s %8s %8s %8s\n", "", "p50", "p99", "max");
    std::printf("  %-10s %8.0f %8.0f %8.0f\n", "floor", f.p50, f.p99, f.max);
    const Percentiles framed = percentiles(framedSamples);
    std::printf("  %-10s %8.0f %8.0f %8.0f   (the floor's label and line edit in a group box)\n",
                "framed", framed.p50, framed.p99, framed.max);
    std::printf("  %-10s %8.0f %8.0f %8.0f\n", "program", p.p50, p.p99, p.max);
    std::printf("  p50  %.3f x floor (target <= 1.2): %s\n", ratio, verdict(ratio <= 1.2));
    std::printf("  p99  %.0f us (target < 1000): %s\n", p.p99, verdict(p.p99 < 1000));
    std::printf("  max  %.0f us (target < 5000): %s\n", p.max, verdict(p.max < 5000));
    return 0;
}
