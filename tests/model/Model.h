#pragma once

#include "core/Answer.h"

#include <QString>
#include <QStringList>
#include <array>

// What a user sees of the program, predicted from the user's actions alone. Nothing here asks
// the windows what they would do: every rule is written down again from how the program is
// meant to behave, so that a fault in a window shows up as a disagreement.
struct ModelState
{
    bool ended = false;

    // Selection
    int level = 0;
    int countIndex = 0;
    int qType = 0;
    int qIndex = 0;

    // Windows
    bool inputCreated = false;
    bool inputVisible = false;
    bool inputClosed = false; // its close box discarded the controls; the next showing rebuilds
    bool resultCreated = false;
    bool resultVisible = false;
    bool aboutProductVisible = false;
    bool aboutProgrammerVisible = false;

    // Question window
    QString title;
    bool running = false;
    int markedMode = 0; // which optMode button is marked
    bool vertical = false;
    QString answerText;
    // Where typing goes into the answer: the end, unless a click put the cursor elsewhere. Not
    // compared: it is the toolkit's, and only its effect on the text is the program's.
    int answerCursor = 0;
    int asked = 0;
    int wrong = 0;
    long long startSeconds = 0;

    // Result window
    int resultTotal = 0;
    int resultWrong = 0;
    long long resultSeconds = 0;

    QStringList addresses;

    [[nodiscard]] QString modal() const;
    [[nodiscard]] bool blocks(const QString &window) const;
    [[nodiscard]] std::array<QString, 3> resultLines() const;
};

// What the driver actually delivered: the window and control that received the event, as the
// program's focus and layout put them. The model decides from these what must follow.
struct Delivery
{
    enum class What {
        Nothing,
        Click,
        Menu,
        CloseBox,
        Type,
        Submit,
        Escape,
        Space,
        Mnemonic,
        CountKey,
        Activate
    };
    What what = What::Nothing;
    QString window;
    QString widget;
    QString text;             // typed text; the menu action's name; the mnemonic letter
    int key = 0;              // CountKey: Qt key
    bool replaceText = false; // Type: the box was emptied first (select all)
    int cursor = -1;       // Click on the answer box: where the toolkit's hit test puts the cursor
    bool selected = false; // Type, Space: the toolkit has the whole answer selected (Tab does it)
    sumwright::Answer expected; // Submit: the expected answer of the question on screen
};

// How much of the program a run reached, over all its restarts.
struct ModelStats
{
    long long submitted = 0;
    long long right = 0;
    long long results = 0;
    long long testsStarted = 0;
    long long testsFinishedByCount = 0;
    long long modalsOpened = 0;
    long long levelChanges = 0;
    long long countChanges = 0;
};

class Model
{
public:
    static constexpr int MaxAnswerLength = 32767;
    static constexpr std::array<int, 6> Counts {25, 50, 75, 100, 150, 200};

    void reset() { m_state = {}; }
    [[nodiscard]] const ModelState &state() const { return m_state; }
    [[nodiscard]] const ModelStats &stats() const { return m_stats; }
    void setClock(long long seconds) { m_now = seconds; }

    void apply(const Delivery &delivery);

    static const QString WebsiteUrl;
    static const QString ExitUrl;

private:
    void click(const QString &window, const QString &widget);
    void menu(const QString &action);
    void closeBox(const QString &window);
    void mnemonic(const QString &window, QChar letter);
    void setLevel(int level);
    void chooseKind(int qType, int index);
    void startTest();
    void submit(const sumwright::Answer &expected);
    void endOfTest();
    void showInput();
    void type(const QString &text, bool replace, bool selected);

    ModelState m_state;
    ModelStats m_stats;
    long long m_now = 0;
};
