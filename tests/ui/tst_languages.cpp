// Every window in every language the program speaks, and in a made-up one whose texts are all
// about 40 % longer, written in Latin, Arabic, Japanese or Devanagari letters: each text fits its
// box in a face that has all its characters, the windows keep their fixed sizes, access keys stay
// unique and leave the shapes of their words whole, (in the made-up language) no text shown
// escapes translation, and in a right-to-left language every window is the mirror image of its
// left-to-right layout.

#include "core/QuestionSelection.h"
#include "core/TestSession.h"
#include "support/Controls.h"
#include "support/Input.h"
#include "support/ModalDriver.h"
#include "support/ProgramFixture.h"
#include "support/PseudoTranslator.h"
#include "ui/Language.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"
#include "ui/Tags.h"
#include "ui/Toolkit.h"
#include "ui/widgets/CommandButton.h"
#include "ui/widgets/Frame.h"
#include "ui/widgets/TabbedLabel.h"

#include <QApplication>
#include <QDir>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QTextLayout>
#include <functional>
#include <memory>
#include <optional>

using namespace sumwright;
using namespace sumwright::testing;
using toolkit::Face;
using toolkit::makeFont;
using toolkit::makeLatinFont;
using toolkit::px;

namespace {

// The made-up language in each of its scripts, by row.
std::optional<PseudoTranslator::Script> pseudoScript(const QString &language)
{
    if (language == QLatin1String("pseudo"))
        return PseudoTranslator::Script::Latin;
    if (language == QLatin1String("pseudo-ar"))
        return PseudoTranslator::Script::Arabic;
    if (language == QLatin1String("pseudo-ja"))
        return PseudoTranslator::Script::Japanese;
    if (language == QLatin1String("pseudo-hi"))
        return PseudoTranslator::Script::Devanagari;
    return std::nullopt;
}

// The languages written right to left, and the made-up language in Arabic letters.
bool isRightToLeft(const QString &language)
{
    static const QStringList names = {"ar", "fa", "he", "pseudo-ar"};
    return names.contains(language);
}

// Where a window's named controls are, each in its parent, with the width of that parent: by
// the control's names from the window down, after the view it was seen in.
struct Placement
{
    QRect geometry;
    int parentWidth = 0;
    // The menu bar is as tall as its language's letters, and the client below it starts there:
    // only their sides are the layout's (the client's fixed size is checked on its own).
    bool heightFromText = false;
};
using Placements = QHash<QString, Placement>;

void addPlacements(Placements &placements, QWidget *window, int view)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        // Qt's own parts of a control, and menus, which are windows of their own.
        if (control->window() != window || control->objectName().isEmpty()
            || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString path = control->objectName();
        for (QWidget *up = control->parentWidget(); up != window; up = up->parentWidget())
            path.prepend(up->objectName() + u'/');
        const auto *main = qobject_cast<QMainWindow *>(window);
        const bool heightFromText = qobject_cast<QMenuBar *>(control)
                || (main && control == main->centralWidget());
        placements.insert(QStringLiteral("%1 %2/%3").arg(view).arg(window->objectName(), path),
                          {control->geometry(), control->parentWidget()->width(), heightFromText});
    }
}

// Each control where the mirror image of the left-to-right layout puts it: x = parent's width -
// left - width, the same top, width and height.
QStringList unmirrored(const Placements &leftToRight, const Placements &rightToLeft)
{
    QStringList wrong;
    for (auto at = leftToRight.cbegin(); at != leftToRight.cend(); ++at) {
        const QRect ltr = at->geometry;
        QRect expected(at->parentWidth - ltr.x() - ltr.width(), ltr.y(), ltr.width(),
                       ltr.height());
        const auto found = rightToLeft.constFind(at.key());
        if (found != rightToLeft.cend() && at->heightFromText)
            expected.setCoords(expected.left(), found->geometry.top(), expected.right(),
                               found->geometry.bottom());
        if (found == rightToLeft.cend())
            wrong << QStringLiteral("%1: missing right to left").arg(at.key());
        else if (found->geometry != expected)
            wrong << QStringLiteral("%1: at %2,%3 %4x%5 right to left, mirrored is %6,%7 %8x%9")
                             .arg(at.key())
                             .arg(found->geometry.x())
                             .arg(found->geometry.y())
                             .arg(found->geometry.width())
                             .arg(found->geometry.height())
                             .arg(expected.x())
                             .arg(expected.y())
                             .arg(expected.width())
                             .arg(expected.height());
    }
    wrong.sort();
    if (rightToLeft.size() != leftToRight.size())
        wrong << QStringLiteral("%1 controls right to left, %2 left to right")
                         .arg(rightToLeft.size())
                         .arg(leftToRight.size());
    return wrong;
}

// What never changes with the language: the question and the typed answer, the count choices
// (numbers) and the maker's web address. They still have to fit in the faces of every language.
bool isLanguageFree(const QWidget *control)
{
    static const QStringList names = {"lblQuestion", "txtAnswer", "cbCountQ", "lblLink"};
    return names.contains(control->objectName());
}

QString describe(const QWidget *control, const QString &text, const QString &why)
{
    return QStringLiteral("%1/%2 \"%3\": %4")
            .arg(control->window()->objectName(), control->objectName(), text, why);
}

// The room a text needs against the room its control gives, measured as each control draws:
// Qt's own labels and option buttons by Qt's text metrics and size hints, ours by the layout
// their painting uses.
QStringList clippedTexts(QWidget *window)
{
    QStringList clipped;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QFontMetrics metrics(control->font());
        if (auto *tabbed = qobject_cast<TabbedLabel *>(control)) {
            const QSize needed = tabbed->sizeHint();
            if (needed.width() > tabbed->width() || needed.height() > tabbed->height())
                clipped << describe(control, tabbed->text(),
                                    QStringLiteral("needs %1 px, has %2")
                                            .arg(needed.width())
                                            .arg(tabbed->width()));
        } else if (auto *label = qobject_cast<QLabel *>(control)) {
            if (label->text().isEmpty())
                continue;
            const QRect box = label->contentsRect();
            const int wrap = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
            const QRect needed
                    = metrics.boundingRect(box, wrap | int(label->alignment()), label->text());
            if (needed.width() > box.width() || needed.height() > box.height())
                clipped << describe(control, label->text(),
                                    QStringLiteral("needs %1 x %2 px, has %3 x %4")
                                            .arg(needed.width())
                                            .arg(needed.height())
                                            .arg(box.width())
                                            .arg(box.height()));
        } else if (auto *option = qobject_cast<QRadioButton *>(control)) {
            // The size hint's height holds a focus frame the fixed layout never had room for.
            const QSize needed(option->sizeHint().width(), metrics.height());
            if (needed.width() > option->width() || needed.height() > option->height())
                clipped << describe(control, option->text(),
                                    QStringLiteral("needs %1 px, has %2")
                                            .arg(needed.width())
                                            .arg(option->width()));
        } else if (auto *button = qobject_cast<CommandButton *>(control)) {
            if (!button->captionFits(button->font()))
                clipped << describe(control, button->text(), QStringLiteral("caption cut"));
        } else if (auto *frame = qobject_cast<Frame *>(control)) {
            if (!frame->captionFits(frame->font()))
                clipped << describe(control, frame->title(), QStringLiteral("caption cut"));
        } else if (auto *bar = qobject_cast<QMenuBar *>(control)) {
            // A menu that does not fit the bar moves behind an extension button.
            for (QAction *menu : bar->actions()) {
                const QRect at = bar->actionGeometry(menu);
                if (at.isEmpty() || !bar->rect().contains(at))
                    clipped << describe(control, menu->text(), QStringLiteral("off the menu bar"));
            }
        }
    }
    // The caption shares the title bar with the icon and the close button; a window manager
    // cuts what runs past them.
    const int captionRoom = window->width() - 100;
    if (QFontMetrics(QApplication::font()).horizontalAdvance(window->windowTitle()) > captionRoom)
        clipped << describe(window, window->windowTitle(), QStringLiteral("caption too long"));
    return clipped;
}

// Characters of a text that no face of a font has, which the screen shows as empty boxes.
QString missingGlyphs(const QString &text, const QFont &font)
{
    QString missing;
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        if (c.isSpace() || category == QChar::Other_Format || category == QChar::Other_Control
            || missing.contains(c))
            continue;
        QTextLayout layout(QString(c), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        if (runs.isEmpty() || runs.constFirst().glyphIndexes().contains(0))
            missing += c;
    }
    return missing;
}

// The controls' texts and the menus' items drawn in faces that lack some of their characters.
QStringList boxedTexts(QWidget *window)
{
    QStringList boxed;
    const auto check = [&boxed](const QWidget *holder, const QString &text) {
        const QString missing = missingGlyphs(text, holder->font());
        if (!missing.isEmpty())
            boxed << describe(holder, text,
                              QStringLiteral("no face of %1 has \"%2\"")
                                      .arg(holder->font().families().join(u','), missing));
    };
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(control))
            check(control, label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            check(control, button->text());
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            check(control, frame->title());
    }
    // The menu bar and its menus, each item in the font of the menu that shows it.
    if (auto *bar = window->findChild<QMenuBar *>()) {
        QList<QWidget *> holders {bar};
        for (QMenu *menu : bar->findChildren<QMenu *>())
            holders << menu;
        for (const QWidget *holder : std::as_const(holders)) {
            for (const QAction *action : holder->actions())
                check(holder, action->text());
        }
    }
    return boxed;
}

// Each menu of the window, the menu bar's top level included.
QList<QList<QAction *>> menus(QWidget *window)
{
    QList<QList<QAction *>> all;
    if (auto *bar = window->findChild<QMenuBar *>()) {
        all << bar->actions();
        for (QMenu *menu : bar->findChildren<QMenu *>())
            all << menu->actions();
    }
    return all;
}

// Access keys that two controls shown together, or two items of one menu, share: Qt then
// treats the key as ambiguous and neither reacts. The menu bar's keys count in the window too.
QStringList sharedAccessKeys(QWidget *window)
{
    QStringList shared;
    const auto collect = [&shared](const QList<QPair<QString, QKeySequence>> &owners) {
        QHash<QKeySequence, QString> seen;
        for (const auto &[name, key] : owners) {
            if (key.isEmpty())
                continue;
            if (seen.contains(key))
                shared << QStringLiteral("%1 and %2 share %3")
                                  .arg(seen[key], name, key.toString(QKeySequence::NativeText));
            seen.insert(key, name);
        }
    };
    QList<QPair<QString, QKeySequence>> shown;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(window))
            shown.append({button->text(), button->shortcut()});
    }
    const QList<QList<QAction *>> all = menus(window);
    for (qsizetype m = 0; m < all.size(); ++m) {
        QList<QPair<QString, QKeySequence>> items;
        for (QAction *action : all[m])
            items.append({action->text(), QKeySequence::mnemonic(action->text())});
        collect(items);
        if (m == 0)
            shown += items;
    }
    collect(shown);
    return shared;
}

// Qt draws an access key's underline by giving its letter a format of its own, and shapes each
// format's run apart from its neighbours: a letter that joins the one before or after it (Arabic,
// Persian) loses the join, and a combining mark after it (Devanagari) is set on a dotted circle.
QString shapeBrokenByKey(const QString &text)
{
    QString plain;
    qsizetype key = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size() && text[++i] != u'&' && key < 0)
            key = plain.size();
        plain += text[i];
    }
    if (key < 0)
        return {};
    const QChar letter = plain[key];
    const bool last = key + 1 == plain.size();
    if (letter.isMark())
        return QStringLiteral("is a combining mark");
    if (!last && plain[key + 1].isMark())
        return QStringLiteral("is followed by the combining mark U+%1")
                .arg(plain[key + 1].unicode(), 4, 16, QChar(u'0'));
    const auto joinsForward = [](QChar c) {
        const QChar::JoiningType type = c.joiningType();
        return type == QChar::Joining_Dual || type == QChar::Joining_Left
                || type == QChar::Joining_Causing;
    };
    const auto joinsBackward = [](QChar c) {
        const QChar::JoiningType type = c.joiningType();
        return type == QChar::Joining_Dual || type == QChar::Joining_Right
                || type == QChar::Joining_Causing;
    };
    qsizetype before = key - 1;
    while (before >= 0 && plain[before].joiningType() == QChar::Joining_Transparent)
        --before;
    if (before >= 0 && joinsForward(plain[before]) && joinsBackward(letter))
        return QStringLiteral("joins the letter before it");
    if (!last && joinsForward(letter) && joinsBackward(plain[key + 1]))
        return QStringLiteral("joins the letter after it");
    return {};
}

// Shown buttons and menu items whose access key breaks the shapes of its word.
QStringList keysBreakingShapes(QWidget *window)
{
    QStringList texts;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(window))
            texts << button->text();
    }
    for (const QList<QAction *> &menu : menus(window)) {
        for (QAction *action : menu)
            texts << action->text();
    }
    QStringList broken;
    for (const QString &text : texts) {
        const QString fault = shapeBrokenByKey(text);
        if (!fault.isEmpty())
            broken << QStringLiteral("%1: the access key in \"%2\" %3")
                              .arg(window->objectName(), text, fault);
    }
    return broken;
}

// Every text a window shows or names, with where it comes from.
QList<QPair<QString, QString>> shownTexts(QWidget *window)
{
    QList<QPair<QString, QString>> texts {{window->objectName(), window->windowTitle()}};
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QString name = window->objectName() + u'/' + control->objectName();
        // What a screen reader says of a control is the program's own even where the control
        // shows the user's text.
        if (!isLanguageFree(control)) {
            if (auto *label = qobject_cast<QLabel *>(control))
                texts.append({name, label->text()});
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                texts.append({name, button->text()});
            else if (auto *box = qobject_cast<QGroupBox *>(control))
                texts.append({name, box->title()});
        }
        if (!control->accessibleName().isEmpty())
            texts.append({name + QStringLiteral(" (accessible name)"), control->accessibleName()});
        if (!control->accessibleDescription().isEmpty())
            texts.append({name + QStringLiteral(" (accessible description)"),
                          control->accessibleDescription()});
    }
    for (const QList<QAction *> &menu : menus(window)) {
        for (QAction *action : menu) {
            if (!action->isSeparator())
                texts.append({window->objectName() + u'/' + action->objectName(), action->text()});
        }
    }
    return texts;
}

} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldFitEveryWindowInEveryLanguage_data();
    void shouldFitEveryWindowInEveryLanguage();
    void shouldCarryEveryTestTitlesTagInEveryLanguage_data();
    void shouldCarryEveryTestTitlesTagInEveryLanguage();
    void shouldShowTheOriginalTextsUnderEnglishAndC_data();
    void shouldShowTheOriginalTextsUnderEnglishAndC();

private:
    using Visit = std::function<void(QWidget *window, QSize clientSize, QWidget *client)>;
    // Every window of a fresh program in each of its views, as the user meets them, with the
    // size of its client area (the client widget where it is not the window itself). The
    // question window first shows every test title, each checked for clipping.
    void forEveryView(const Visit &visit, bool everyTitle);
    // Checks one window as it is shown now: texts fit, fixed size, access keys, translation.
    void checkWindow(QWidget *window, QSize clientSize, QWidget *client = nullptr);

    QString m_language;
    QStringList m_failures;
};

void LanguagesTest::checkWindow(QWidget *window, QSize clientSize, QWidget *client)
{
    const QString where = window->objectName();
    // Painted once, as the screen would: a text that breaks painting shows here.
    const QPixmap picture = window->grab();
    QVERIFY(!picture.isNull());

    const QStringList clipped = clippedTexts(window);
    if (!clipped.isEmpty()) {
        const QString file = QDir::current().filePath(
                QStringLiteral("fit-%1-%2.png")
                        .arg(m_language.isEmpty() ? "en" : m_language, where));
        picture.save(file);
        m_failures << clipped << QStringLiteral("(picture: %1)").arg(file);
    }
    const QSize size = (client ? client : window)->size();
    if (size != clientSize)
        m_failures << QStringLiteral("%1 is %2 x %3, not %4 x %5")
                              .arg(where)
                              .arg(size.width())
                              .arg(size.height())
                              .arg(clientSize.width())
                              .arg(clientSize.height());
    m_failures << sharedAccessKeys(window) << keysBreakingShapes(window) << boxedTexts(window);
    if (pseudoScript(m_language)) {
        for (const auto &[name, text] : shownTexts(window)) {
            if (!text.isEmpty() && !PseudoTranslator::isPseudo(text))
                m_failures << QStringLiteral("%1 \"%2\" is not translated").arg(name, text);
        }
    }
}

void LanguagesTest::shouldFitEveryWindowInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString &language : Language::available())
        QTest::newRow(qPrintable(language)) << language;
    QTest::newRow("pseudo-language, 40 % longer") << QStringLiteral("pseudo");
    QTest::newRow("pseudo-language in Arabic letters, right to left")
            << QStringLiteral("pseudo-ar");
    QTest::newRow("pseudo-language in Japanese letters") << QStringLiteral("pseudo-ja");
    QTest::newRow("pseudo-language in Devanagari") << QStringLiteral("pseudo-hi");
}

void LanguagesTest::forEveryView(const Visit &visit, bool everyTitle)
{
    ProgramFixture fx;
    fx.setUp();
    MainWindow &main = fx.main();
    visit(&main, {px(9795), px(5265)}, main.centralWidget());

    // The longest test titles are the longest kind with the longest level: try them all.
    whileModal([&] { input::click(&main, QStringLiteral("cmdSeries(2)")); },
               [&](QWidget *window) {
                   QuestionWindow &input = fx.input();
                   QCOMPARE(window, &input);
                   for (int level = 0; everyTitle && level < LevelCount; ++level) {
                       for (int kind = 0; kind < ArithmeticKindCount + SeriesKindCount; ++kind) {
                           const bool series = kind >= ArithmeticKindCount;
                           input.setTitle(Tags::kind(series ? SeriesType : ArithmeticType,
                                                     series ? kind - ArithmeticKindCount : kind)
                                          + Tags::level(level));
                           m_failures << clippedTexts(window);
                       }
                   }
                   visit(window, {px(7455), px(5325)}, nullptr);
                   input::click(window, QStringLiteral("cmdStart"));
                   visit(window, {px(7455), px(5325)}, nullptr);
                   input::click(window, QStringLiteral("cmdEndTest"));
               });
    // The tallest question: a sum written in two lines.
    fx.reactivateMain();
    whileModal([&] { input::click(&main, QStringLiteral("cmdMath(0)")); },
               [&](QWidget *window) {
                   input::click(window, QStringLiteral("optMode(1)"));
                   input::click(window, QStringLiteral("cmdStart"));
                   visit(window, {px(7455), px(5325)}, nullptr);
                   input::click(window, QStringLiteral("cmdEndTest"));
               });

    // The widest result: three- and four-digit numbers in every line.
    ResultWindow &result = fx.result();
    result.ShowResult(TestOutcome {3600.0 / SecondsPerDay, 200, 200});
    visit(&result, {px(5280), px(3255)}, nullptr);
    result.hide();

    for (const char *about : {"mAboutProduct", "mAboutProgrammer"}) {
        whileModal([&] { trigger(&main, QLatin1String(about)); },
                   [&](QWidget *window) {
                       const bool product = window->objectName() == "frmAboutProduct";
                       visit(window,
                             product ? QSize(px(7065), px(3075)) : QSize(px(6705), px(3030)),
                             nullptr);
                       window->hide();
                   });
    }
    fx.tearDown();
}

void LanguagesTest::shouldFitEveryWindowInEveryLanguage()
{
    QFETCH(QString, language);
    const std::optional<PseudoTranslator::Script> script = pseudoScript(language);
    QVERIFY2(script || language.isEmpty() || Language::available().contains(language),
             "no such translation");
    m_language = language;
    m_failures.clear();
    const bool rightToLeft = isRightToLeft(language);

    // What the mirror image is taken of: every view laid out left to right, in English.
    Placements leftToRight;
    int view = 0;
    if (rightToLeft) {
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        forEveryView([&](QWidget *window, QSize,
                         QWidget *) { addPlacements(leftToRight, window, view++); },
                     false);
    }

    // The language is in place before any window is made, as at start-up.
    std::unique_ptr<Language> real;
    std::unique_ptr<PseudoTranslator> pseudo;
    if (script) {
        pseudo = std::make_unique<PseudoTranslator>(*script);
        QVERIFY(QCoreApplication::installTranslator(pseudo.get()));
    } else if (!language.isEmpty()) {
        real = std::make_unique<Language>(QLocale(language));
        QCOMPARE(real->name(), language);
    }
    QCOMPARE(QGuiApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // The language's faces keep to the height of the lines the layout was drawn for.
    const qreal latinLine = QFontMetricsF(makeLatinFont(Face::SansSerif, 13.5)).height();
    const qreal line = QFontMetricsF(makeFont(Face::SansSerif, 13.5)).height();
    if (line < latinLine * 0.95 || line > latinLine * 1.02)
        m_failures
                << QStringLiteral("lines %1 px high, the layout's %2 px").arg(line).arg(latinLine);

    Placements mirrored;
    view = 0;
    forEveryView(
            [&](QWidget *window, QSize clientSize, QWidget *client) {
                checkWindow(window, clientSize, client);
                if (rightToLeft)
                    addPlacements(mirrored, window, view++);
            },
            true);
    if (rightToLeft)
        m_failures << unmirrored(leftToRight, mirrored);
    m_failures.removeDuplicates();
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join(u'\n')));
}

void LanguagesTest::shouldCarryEveryTestTitlesTagInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Language::available())
        QTest::newRow(qPrintable(language)) << language;
}

void LanguagesTest::shouldCarryEveryTestTitlesTagInEveryLanguage()
{
    // The tags are core's texts, looked up at run time; a translation made from texts that
    // have drifted from core's would find nothing and show English.
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/sumwright_") + language));
    QStringList missing;
    const auto check = [&](std::string_view tag) {
        if (translator.translate("Tags", std::string(tag).c_str()).isEmpty())
            missing << QString::fromStdString(std::string(tag));
    };
    for (int level = 0; level < LevelCount; ++level)
        check(levelTag(level));
    for (int kind = 0; kind < ArithmeticKindCount; ++kind)
        check(kindTag(ArithmeticType, kind));
    for (int kind = 0; kind < SeriesKindCount; ++kind)
        check(kindTag(SeriesType, kind));
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

namespace {

// Every text of every window, each window shown as a user first meets it.
QStringList everyText()
{
    QStringList texts;
    ProgramFixture fx;
    fx.setUp();
    const auto add = [&texts](QWidget *window) {
        for (const auto &[name, text] : shownTexts(window))
            texts << name + u'=' + text;
    };
    add(&fx.main());
    whileModal([&] { input::click(&fx.main(), QStringLiteral("cmdMath(0)")); },
               [&](QWidget *window) {
                   add(window);
                   window->hide();
               });
    fx.reactivateMain();
    whileModal([&] { input::click(&fx.main(), QStringLiteral("cmdSeries(2)")); },
               [&](QWidget *window) {
                   input::click(window, QStringLiteral("cmdStart"));
                   add(window);
                   input::click(window, QStringLiteral("cmdEndTest"));
               });
    add(&fx.result());
    fx.result().hide();
    for (const char *about : {"mAboutProduct", "mAboutProgrammer"}) {
        fx.reactivateMain();
        whileModal([&] { trigger(&fx.main(), QLatin1String(about)); },
                   [&](QWidget *window) {
                       add(window);
                       window->hide();
                   });
    }
    fx.tearDown();
    return texts;
}

} // namespace

void LanguagesTest::shouldShowTheOriginalTextsUnderEnglishAndC_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("en_US") << QLocale(QStringLiteral("en_US"));
    QTest::newRow("en_GB") << QLocale(QStringLiteral("en_GB"));
    QTest::newRow("Swahili, which has no translation") << QLocale(QStringLiteral("sw_KE"));
}

void LanguagesTest::shouldShowTheOriginalTextsUnderEnglishAndC()
{
    QFETCH(QLocale, locale);
    const QStringList original = everyText();
    QVERIFY(original.size() > 50);
    const Language language(locale);
    QVERIFY2(language.name().isEmpty(), qPrintable(language.name()));
    QVERIFY(!language.hasToolkitTexts());
    // Byte for byte, the blanks, tabs and misspellings of the originals included.
    QCOMPARE(everyText(), original);
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
