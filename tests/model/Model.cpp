#include "Model.h"

#include "core/AnswerCheck.h"
#include "core/QuestionSelection.h"
#include "core/ResultReport.h"
#include "ui/Addresses.h"

#include <Qt>
#include <algorithm>

namespace sumwright::testing {

namespace {

// "cmdMath(2)" -> 2 when the name is of that array; -1 otherwise.
int indexOf(const QString &name, const char *array)
{
    const QString prefix = QLatin1String(array) + QLatin1Char('(');
    if (!name.startsWith(prefix) || !name.endsWith(QLatin1Char(')')))
        return -1;
    bool ok = false;
    const int index = name.mid(prefix.size(), name.size() - prefix.size() - 1).toInt(&ok);
    return ok ? index : -1;
}

constexpr int CountChoiceTotal = static_cast<int>(std::size(CountChoices));

} // namespace

// The two addresses are the program's own choice; what the model decides is which one opens when.
const QUrl Model::WebsiteUrl(addresses::WebsiteUrl);
const QUrl Model::ExitUrl(addresses::ExitUrl);

QString ModelState::modal() const
{
    if (ended)
        return {};
    if (inputVisible)
        return QStringLiteral("frmInput");
    if (aboutProductVisible)
        return QStringLiteral("frmAboutProduct");
    if (aboutProgrammerVisible)
        return QStringLiteral("frmAboutProgrammer");
    return {};
}

bool ModelState::blocks(const QString &window) const
{
    const QString shown = modal();
    return !shown.isEmpty() && shown != window;
}

std::string ModelState::title() const
{
    return testTitle(qType, qIndex, levelTag(level));
}

std::array<std::string, 3> ModelState::resultLines() const
{
    const TestOutcome outcome {static_cast<double>(resultSeconds) / SecondsPerDay,
                               static_cast<std::int16_t>(resultTotal),
                               static_cast<std::int16_t>(resultWrong)};
    return reportLines(outcome);
}

void Model::apply(const Delivery &d)
{
    if (m_state.ended || d.window.isEmpty() || m_state.blocks(d.window))
        return;
    switch (d.what) {
    case Delivery::What::Nothing:
    case Delivery::What::Activate:
        break;
    case Delivery::What::Click:
        click(d.window, d.widget);
        break;
    case Delivery::What::Space:
        if (d.widget == QLatin1String("txtAnswer"))
            m_state.answerEmpty = false;
        else
            click(d.window, d.widget);
        break;
    case Delivery::What::Menu:
        menu(d.text);
        break;
    case Delivery::What::CloseBox:
        closeBox(d.window);
        break;
    case Delivery::What::Type:
        if (d.widget == QLatin1String("txtAnswer"))
            m_state.answerEmpty = false;
        break;
    case Delivery::What::Submit:
        if (d.window == QLatin1String("frmInput") && d.widget == QLatin1String("txtAnswer")) {
            if (m_state.running)
                submit(d.text, d.expected);
        } else if (d.widget.startsWith(QLatin1String("cmd"))
                   && d.window != QLatin1String("frmResult")) {
            // Enter presses the focused command button, once however long it is held; the
            // result window's Close takes Escape, never Enter.
            click(d.window, d.widget);
        }
        break;
    case Delivery::What::Escape:
        // Escape leaves the result and About windows; a test is never left by a stray Escape.
        if (d.window == QLatin1String("frmResult"))
            m_state.resultVisible = false;
        else if (d.window == QLatin1String("frmAboutProduct"))
            m_state.aboutProductVisible = false;
        else if (d.window == QLatin1String("frmAboutProgrammer"))
            m_state.aboutProgrammerVisible = false;
        break;
    case Delivery::What::Mnemonic:
        mnemonic(d.window, d.text.at(0));
        break;
    case Delivery::What::CountKey:
        if (d.window == QLatin1String("frmMain") && d.widget == QLatin1String("cbCountQ"))
            countKey(d.key);
        break;
    }
}

void Model::countKey(int key)
{
    const int last = CountChoiceTotal - 1;
    int &index = m_state.countIndex;
    const int before = index;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        index = std::max(0, index - 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        index = std::min(last, index + 1);
        break;
    case Qt::Key_Home:
        index = 0;
        break;
    case Qt::Key_End:
        index = last;
        break;
    default:
        break;
    }
    m_stats.countChanges += index != before;
}

void Model::click(const QString &window, const QString &widget)
{
    if (window == QLatin1String("frmMain")) {
        const int option = indexOf(widget, "Options");
        const int math = indexOf(widget, "cmdMath");
        const int series = indexOf(widget, "cmdSeries");
        if (option >= 0) {
            if (option != m_state.level)
                setLevel(option);
        } else if (math >= 0) {
            chooseKind(0, math);
        } else if (series >= 0) {
            chooseKind(1, series);
        } else if (widget == QLatin1String("cmdVisitWebsite")) {
            m_state.addresses << WebsiteUrl;
        } else if (widget == QLatin1String("cmdExit")) {
            m_state.addresses << ExitUrl;
            m_state.ended = true;
        }
    } else if (window == QLatin1String("frmInput")) {
        if (widget == QLatin1String("cmdStart") && !m_state.running) {
            startTest();
        } else if (widget == QLatin1String("cmdEndTest") && m_state.running) {
            endOfTest();
        } else if (widget == QLatin1String("cmdClose") && m_state.running) {
            m_state.running = false;
            m_state.inputVisible = false;
        } else if (const int i = indexOf(widget, "optMode"); i >= 0 && !m_state.running) {
            m_state.markedMode = i;
            m_state.vertical = i == 1;
        }
    } else if (window == QLatin1String("frmResult")) {
        if (widget == QLatin1String("cmdClose"))
            m_state.resultVisible = false;
    } else if (window == QLatin1String("frmAboutProduct")) {
        if (indexOf(widget, "lbl") >= 0)
            m_state.aboutProductVisible = false;
        else if (widget == QLatin1String("lblLink"))
            m_state.addresses << WebsiteUrl;
    } else if (window == QLatin1String("frmAboutProgrammer")) {
        // The title and the banner over it do nothing; every other spot of the window hides it.
        if (widget != QLatin1String("Label1") && widget != QLatin1String("Image2"))
            m_state.aboutProgrammerVisible = false;
    }
}

void Model::menu(const QString &action)
{
    static const char *const levels[] = {"mEasy", "mMedium", "mHard"};
    static const char *const kinds[2][4] = {
            {"mAddition", "mSubtraction", "mMultiplication", "mDevision"},
            {"mNumberSeries", "mAlphabetSeries", "mAlphaNumericSeries", nullptr},
    };
    for (int i = 0; i < 3; ++i) {
        if (action == QLatin1String(levels[i]))
            return setLevel(i);
    }
    for (int type = 0; type < 2; ++type) {
        for (int i = 0; i < 4 && kinds[type][i]; ++i) {
            if (action == QLatin1String(kinds[type][i]))
                return chooseKind(type, i);
        }
    }
    if (action == QLatin1String("mAboutProduct"))
        m_state.aboutProductVisible = true, ++m_stats.modalsOpened;
    else if (action == QLatin1String("mAboutProgrammer"))
        m_state.aboutProgrammerVisible = true, ++m_stats.modalsOpened;
    else if (action == QLatin1String("mVisitWebsite"))
        m_state.addresses << WebsiteUrl;
    else if (action == QLatin1String("mExit") || action == QLatin1String("mExit2"))
        m_state.ended = true; // no address on these two paths
}

void Model::closeBox(const QString &window)
{
    if (window == QLatin1String("frmMain")) {
        m_state.addresses << ExitUrl;
        m_state.ended = true;
    } else if (window == QLatin1String("frmInput")) {
        // A running test is reported as if ended; an idle window just goes.
        if (m_state.running)
            endOfTest();
        m_state.inputVisible = false;
        m_state.inputClosed = true;
    } else if (window == QLatin1String("frmResult")) {
        m_state.resultVisible = false;
    } else if (window == QLatin1String("frmAboutProduct")) {
        m_state.aboutProductVisible = false;
    } else if (window == QLatin1String("frmAboutProgrammer")) {
        m_state.aboutProgrammerVisible = false;
    }
}

void Model::mnemonic(const QString &window, QChar letter)
{
    // Access keys of the buttons a window shows; a hidden button's key does nothing.
    const char l = letter.toUpper().toLatin1();
    if (window == QLatin1String("frmMain")) {
        // "&Exit" names both a button and the menu bar's command; the menu bar has the key.
        if (l == 'E')
            menu(QStringLiteral("mExit"));
        else if (l == 'V')
            click(window, QStringLiteral("cmdVisitWebsite"));
        else if (l == 'N')
            click(window, QStringLiteral("cmdSeries(0)"));
        else if (l == 'A')
            click(window, QStringLiteral("cmdSeries(1)"));
    } else if (window == QLatin1String("frmInput")) {
        if (l == 'S' && !m_state.running)
            click(window, QStringLiteral("cmdStart"));
        else if (l == 'E' && m_state.running)
            click(window, QStringLiteral("cmdEndTest"));
        else if (l == 'C' && m_state.running)
            click(window, QStringLiteral("cmdClose"));
    } else if (window == QLatin1String("frmResult")) {
        if (l == 'C')
            click(window, QStringLiteral("cmdClose"));
    }
}

void Model::setLevel(int level)
{
    m_stats.levelChanges += level != m_state.level;
    m_state.level = level;
}

void Model::chooseKind(int qType, int index)
{
    m_state.qType = qType;
    m_state.qIndex = index;
    showInput();
}

void Model::showInput()
{
    if (!m_state.inputCreated || m_state.inputClosed) {
        m_state.markedMode = 0;
        m_state.vertical = false;
        m_state.running = false;
    }
    m_state.inputCreated = true;
    m_state.inputClosed = false;
    m_state.inputVisible = true;
    ++m_stats.modalsOpened;
}

void Model::startTest()
{
    ++m_stats.testsStarted;
    m_state.running = true;
    m_state.asked = 0;
    m_state.wrong = 0;
    m_state.answerEmpty = true;
    m_state.startSeconds = m_now;
}

void Model::submit(const QString &typed, const Answer &expected)
{
    ++m_state.asked;
    ++m_stats.submitted;
    if (isRightAnswer(typed.toStdString(), expected))
        ++m_stats.right;
    else
        ++m_state.wrong;
    m_state.answerEmpty = true;
    const auto count = CountChoices[static_cast<std::size_t>(m_state.countIndex)];
    if (countValue(count) <= m_state.asked) {
        ++m_stats.testsFinishedByCount;
        endOfTest();
    }
}

void Model::endOfTest()
{
    ++m_stats.results;
    m_state.resultCreated = true;
    m_state.resultTotal = m_state.asked;
    m_state.resultWrong = m_state.wrong;
    m_state.resultSeconds = m_now - m_state.startSeconds;
    m_state.running = false;
    m_state.inputVisible = false;
    m_state.resultVisible = true;
}

} // namespace sumwright::testing
