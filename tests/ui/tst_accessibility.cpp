// What a screen reader finds in the windows: every control it can land on has a name, each new
// question is announced, and every control is where the screen shows it.

#include "core/Answer.h"
#include "support/Input.h"
#include "support/ProgramFixture.h"
#include "ui/AboutProductWindow.h"
#include "ui/AboutProgrammerWindow.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"
#include "ui/ScreenPixelAccessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

using namespace sumwright;
using namespace sumwright::testing;

namespace {

// Every case runs on a screen scaled by 1.5, as on many laptops, where the accessibility bus gets
// the interfaces that report screen pixels: the names, relations, actions and announcements below
// are all read through them.
constexpr qreal Scale = 1.5;
const bool scaledScreen = qputenv("QT_SCALE_FACTOR", QByteArray::number(Scale));

// A rectangle in device-independent pixels as the screen's pixels show it: Qt scales a screen
// about its top-left corner.
QRect onScreen(const QRect &logical, const QScreen *screen)
{
    const QPointF corner(screen->geometry().topLeft());
    return {(corner + (QPointF(logical.topLeft()) - corner) * Scale).toPoint(),
            (QSizeF(logical.size()) * Scale).toSize()};
}

// The roles a user reaches or reads; containers, rules and the window's own client area are
// skipped, a screen reader passes through them.
bool needsName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::StaticText:
    case QAccessible::Graphic:
    case QAccessible::Link:
    case QAccessible::MenuItem:
    case QAccessible::Grouping:
        return true;
    default:
        return false;
    }
}

QString describe(QAccessibleInterface *iface)
{
    const QObject *object = iface->object();
    QString name = object ? object->objectName() : QString();
    if (name.isEmpty() && object)
        name = QString::fromLatin1(object->metaObject()->className());
    return QStringLiteral("%1 (role 0x%2)").arg(name).arg(int(iface->role()), 0, 16);
}

// Walks the visible tree below iface and lists every control without a name.
void collectNameless(QAccessibleInterface *iface, QStringList &nameless, int &visited)
{
    if (!iface || iface->state().invisible)
        return;
    if (needsName(iface->role())) {
        ++visited;
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            nameless << describe(iface);
    }
    for (int i = 0; i < iface->childCount(); ++i)
        collectNameless(iface->child(i), nameless, visited);
}

// Menus are popups: their items are walked whether or not the menu is open.
void collectNamelessMenuItems(QMenu *menu, QStringList &nameless, int &visited)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *item = iface->child(i);
        if (item->role() == QAccessible::Separator)
            continue;
        ++visited;
        if (item->text(QAccessible::Name).trimmed().isEmpty())
            nameless << QStringLiteral("item %1 of %2").arg(i).arg(menu->objectName());
    }
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void namesFollowCaptions_data();
    void namesFollowCaptions();
    void boxesAreLabelled_data();
    void boxesAreLabelled();
    void eachQuestionIsAnnounced();
    void positionsAreScreenPixels_data();
    void positionsAreScreenPixels();

private:
    QWidget *prepare(const QString &window);
    void pressStart();

    ProgramFixture m_fx;
};

void TestAccessibility::initTestCase()
{
    QVERIFY(scaledScreen);
    accessibility::reportScreenPixels();
}

void TestAccessibility::init()
{
    m_fx.setUp();
}

// The windows each case shows are its subject; they go with the program.
void TestAccessibility::cleanup()
{
    m_fx.discard();
}

// Presses "Start Test" the way a screen reader does, through the button's accessible action.
void TestAccessibility::pressStart()
{
    auto *start = m_fx.program().frmInput().findChild<QWidget *>(QStringLiteral("cmdStart"));
    QVERIFY(start);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(start);
    QVERIFY(iface && iface->actionInterface());
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The press is animated: the click follows a moment later.
    QTRY_VERIFY(m_fx.program().frmInput().isTestRunning());
}

QWidget *TestAccessibility::prepare(const QString &window)
{
    QWidget *shown = nullptr;
    if (window == QLatin1String("main")) {
        shown = &m_fx.program().frmMain();
    } else if (window.startsWith(QLatin1String("question"))) {
        (void)m_fx.program().frmMain();
        shown = &m_fx.program().frmInput();
    } else if (window == QLatin1String("result")) {
        ResultWindow &result = m_fx.program().frmResult();
        result.ShowResult({95 / sumwright::SecondsPerDay, 25, 3});
        shown = &result;
    } else if (window == QLatin1String("about product")) {
        shown = &m_fx.program().frmAboutProduct();
    } else if (window == QLatin1String("about programmer")) {
        shown = &m_fx.program().frmAboutProgrammer();
    }
    if (!shown)
        return nullptr;
    shown->show();
    if (!QTest::qWaitForWindowExposed(shown))
        return nullptr;
    if (window == QLatin1String("question view"))
        pressStart();
    return shown;
}

void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    // The least number of named controls each view must show; guards against a walk that
    // silently sees nothing.
    QTest::addColumn<int>("atLeast");
    QTest::newRow("main window") << "main" << 14;
    QTest::newRow("question window, selection view") << "question selection" << 5;
    QTest::newRow("question window, question view") << "question view" << 6;
    QTest::newRow("result window") << "result" << 5;
    QTest::newRow("about product") << "about product" << 5;
    QTest::newRow("about programmer") << "about programmer" << 7;
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(QString, window);
    QFETCH(int, atLeast);
    QWidget *shown = prepare(window);
    QVERIFY(shown);

    QStringList nameless;
    int visited = 0;
    collectNameless(QAccessible::queryAccessibleInterface(shown), nameless, visited);
    for (QMenu *menu : shown->findChildren<QMenu *>())
        collectNamelessMenuItems(menu, nameless, visited);

    QVERIFY2(nameless.isEmpty(),
             qPrintable(QStringLiteral("without a name: ") + nameless.join(QStringLiteral(", "))));
    QVERIFY2(visited >= atLeast, qPrintable(QStringLiteral("only %1 controls seen").arg(visited)));
}

// A screen reader says the caption without the access-key ampersand; a box takes the name of
// the label that describes it.
void TestAccessibility::namesFollowCaptions_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("level option") << "main"
                                  << "Options(1)"
                                  << "Medium";
    QTest::newRow("operation button") << "main"
                                      << "cmdMath(3)"
                                      << "Division";
    QTest::newRow("access key dropped") << "main"
                                        << "cmdSeries(0)"
                                        << "Number Series";
    QTest::newRow("exit button") << "main"
                                 << "cmdExit"
                                 << "Exit";
    QTest::newRow("mode option") << "question selection"
                                 << "optMode(1)"
                                 << "Vertical mode";
    QTest::newRow("start button") << "question selection"
                                  << "cmdStart"
                                  << "Start Test";
    QTest::newRow("mode frame") << "question selection"
                                << "Frame2"
                                << "Select Mode";
    QTest::newRow("answer box") << "question view"
                                << "txtAnswer"
                                << "Answer";
    QTest::newRow("end button") << "question view"
                                << "cmdEndTest"
                                << "End Test";
    QTest::newRow("result close") << "result"
                                  << "cmdClose"
                                  << "Close";
}

void TestAccessibility::namesFollowCaptions()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget *shown = prepare(window);
    QVERIFY(shown);
    QWidget *widget = nullptr;
    for (QWidget *candidate : shown->findChildren<QWidget *>(control)) {
        if (candidate->isVisible())
            widget = candidate;
    }
    QVERIFY2(widget, qPrintable(control));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
}

// A box is announced together with the label in front of it. (On Linux Qt names a combo box
// after its current item and leaves the label to this relation.)
void TestAccessibility::boxesAreLabelled_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("label");
    QTest::newRow("question count") << "main"
                                    << "cbCountQ"
                                    << "Label1";
    QTest::newRow("answer") << "question view"
                            << "txtAnswer"
                            << "Label1";
}

void TestAccessibility::boxesAreLabelled()
{
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, label);
    QWidget *shown = prepare(window);
    QVERIFY(shown);
    auto *boxWidget = shown->findChild<QWidget *>(box);
    auto *labelWidget = shown->findChild<QWidget *>(label);
    QVERIFY(boxWidget && labelWidget);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(boxWidget);
    QVERIFY(iface);
    QStringList labels;
    for (const auto &[other, relation] : iface->relations(QAccessible::Label))
        labels << (other->object() ? other->object()->objectName() : QString());
    QVERIFY2(labels.contains(label), qPrintable(labels.join(QLatin1Char(','))));
}

// The question is what the user must hear: the label's name is the question on screen, for
// every new question (Qt announces a label's name change only when no fixed name hides it), and
// its description says what the label is for.
void TestAccessibility::eachQuestionIsAnnounced()
{
    QWidget *shown = prepare(QStringLiteral("question view"));
    QVERIFY(shown);
    auto *question = shown->findChild<QLabel *>(QStringLiteral("lblQuestion"));
    auto *answer = shown->findChild<QLineEdit *>(QStringLiteral("txtAnswer"));
    QVERIFY(question && answer);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(question);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Question"));

    QStringList spoken;
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!question->text().isEmpty());
        QCOMPARE(iface->text(QAccessible::Name), question->text());
        spoken << iface->text(QAccessible::Name);
        input::type(QStringLiteral("7"));
        input::keyClick(Qt::Key_Return);
        QCOMPARE(m_fx.program().frmInput().session().iAsked, i + 1);
    }
    spoken.removeDuplicates();
    QVERIFY2(spoken.size() > 1, "the same name for every question");
}

// Where a magnifier or a screen reader's pointer goes: each control's rectangle in the screen's
// pixels, a point there leads back to the control, and a text box's characters are where they
// are drawn. The menu bar's items are made by the menu bar, not by a factory.
void TestAccessibility::positionsAreScreenPixels_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::newRow("main window itself") << "main" << QString();
    QTest::newRow("command button") << "main"
                                    << "cmdMath(2)";
    QTest::newRow("frame of the mode options") << "question selection"
                                               << "Frame2";
    QTest::newRow("count box") << "main"
                               << "cbCountQ";
    QTest::newRow("menu bar item") << "main"
                                   << "mHelp";
    QTest::newRow("answer box") << "question view"
                                << "txtAnswer";
    QTest::newRow("result window's button") << "result"
                                            << "cmdClose";
    QTest::newRow("about window's label") << "about programmer"
                                          << "Label1";
}

void TestAccessibility::positionsAreScreenPixels()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QWidget *shown = prepare(window);
    QVERIFY(shown);
    QCOMPARE(shown->devicePixelRatio(), Scale);
    QObject *object = shown;
    QRect logical(shown->mapToGlobal(QPoint(0, 0)), shown->size());
    auto *menu = control.isEmpty() ? nullptr : shown->findChild<QMenu *>(control);
    if (menu) {
        auto *bar = shown->findChild<QMenuBar *>();
        QVERIFY(bar);
        object = menu->menuAction();
        logical = bar->actionGeometry(menu->menuAction());
        logical.moveTopLeft(bar->mapToGlobal(logical.topLeft()));
    } else if (!control.isEmpty()) {
        QWidget *widget = nullptr;
        for (QWidget *candidate : shown->findChildren<QWidget *>(control)) {
            if (candidate->isVisible())
                widget = candidate;
        }
        QVERIFY2(widget, qPrintable(control));
        object = widget;
        logical = QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            QTest::keyClicks(edit, QStringLiteral("12"));
    }
    const QRect expected = onScreen(logical, shown->screen());

    // Looked up the way the bus does: the window first, then each child under the point.
    QAccessibleInterface *top = QAccessible::queryAccessibleInterface(shown);
    QVERIFY(top);
    QAccessibleInterface *found = top;
    while (found && found->object() != object)
        found = found->childAt(expected.center().x(), expected.center().y());
    QVERIFY2(found, "the middle of the control on the screen leads elsewhere");
    QCOMPARE(found->rect(), expected);

    if (QAccessibleTextInterface *text = found->textInterface()) {
        QVERIFY(text->characterCount() > 0);
        const QRect first = text->characterRect(0);
        QVERIFY2(expected.contains(first),
                 qPrintable(QStringLiteral("character at %1,%2").arg(first.x()).arg(first.y())));
        QCOMPARE(text->offsetAtPoint(first.center()), 0);
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
