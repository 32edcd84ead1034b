#pragma once

#include "core/Answer.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <array>
#include <string>

namespace sumwright::testing {

// What a user sees of the program at window level, predicted from the user's actions alone:
// which window is shown or modal, the counts, the level in step, the addresses opened. The texts
// come from core, whose own tests pin them down; what the model checks is that the windows ask
// for them at the right moments and show what they get.
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
    bool running = false;
    int markedMode = 0; // which optMode button is marked
    bool vertical = false;
    // Every question starts with an empty answer box; what typing makes of it is the toolkit's.
    bool answerEmpty = false;
    int asked = 0;
    int wrong = 0;
    long long startSeconds = 0;

    // Result window
    int resultTotal = 0;
    int resultWrong = 0;
    long long resultSeconds = 0;

    QList<QUrl> addresses;

    [[nodiscard]] QString modal() const;
    [[nodiscard]] bool blocks(const QString &window) const;
    [[nodiscard]] std::string title() const;
    [[nodiscard]] std::array<std::string, 3> resultLines() const;
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
    Delivery(What happened, QString toWindow, QString toWidget = {}, QString withText = {},
             int withKey = 0)
        : what(happened)
        , window(std::move(toWindow))
        , widget(std::move(toWidget))
        , text(std::move(withText))
        , key(withKey)
    {
    }

    What what = What::Nothing;
    QString window;
    QString widget;
    QString text;    // the menu action's name; the mnemonic letter; Submit: the answer as typed
    int key = 0;     // CountKey: Qt key
    Answer expected; // Submit: the expected answer of the question on screen
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
    void reset() { m_state = {}; }
    [[nodiscard]] const ModelState &state() const { return m_state; }
    [[nodiscard]] const ModelStats &stats() const { return m_stats; }
    void setClock(long long seconds) { m_now = seconds; }

    void apply(const Delivery &delivery);

    static const QUrl WebsiteUrl;
    static const QUrl ExitUrl;

private:
    void click(const QString &window, const QString &widget);
    void menu(const QString &action);
    void closeBox(const QString &window);
    void mnemonic(const QString &window, QChar letter);
    void countKey(int key);
    void setLevel(int level);
    void chooseKind(int qType, int index);
    void startTest();
    void submit(const QString &typed, const Answer &expected);
    void endOfTest();
    void showInput();

    ModelState m_state;
    ModelStats m_stats;
    long long m_now = 0;
};

} // namespace sumwright::testing
