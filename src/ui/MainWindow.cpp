#include "ui/MainWindow.h"

#include "ui/Artwork.h"
#include "ui/Tags.h"
#include "ui/Toolkit.h"
#include "ui/widgets/CommandButton.h"
#include "ui/widgets/OptionButton.h"
#include "ui/widgets/Rule.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>

namespace sumwright {

using namespace toolkit;

namespace {

const QColor WindowColour(192, 192, 255);
const QColor ArithmeticColour(192, 255, 192);
const QColor SeriesColour(255, 224, 192);
const QColor LeaveColour(255, 192, 192);

struct KindButton
{
    const char *caption;
    const char *menuCaption;
    const char *menuName;
    QRect geometry;
};

// Captions and menu captions are translated where they are shown; an ampersand marks the access
// key, which must differ from the others in the same menu and from the menu bar's.
const KindButton ArithmeticButtons[] = {
        {QT_TRANSLATE_NOOP("sumwright::MainWindow", "Addition"),
         QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Addition"), "mAddition",
         twips(240, 1680, 3015, 1095)},
        {QT_TRANSLATE_NOOP("sumwright::MainWindow", "Subtraction"),
         QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Subtraction"), "mSubtraction",
         twips(3360, 1680, 3015, 1095)},
        {QT_TRANSLATE_NOOP("sumwright::MainWindow", "Multiplication"),
         QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Multiplication"), "mMultiplication",
         twips(240, 2880, 3015, 1095)},
        {QT_TRANSLATE_NOOP("sumwright::MainWindow", "Division"),
         //: Menu item: the misspelling is the original's; translate it as "Division".
         QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Devision"), "mDevision",
         twips(3360, 2880, 3015, 1095)},
};
const KindButton SeriesButtons[] = {
        //: A test of number series, such as 2, 4, 6, ?
        {QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Number Series"),
         QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Number Series"), "mNumberSeries",
         twips(240, 4080, 3015, 975)},
        //: A test of letter series, such as A, C, E, ?
        {QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Alphabet Series"),
         QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Alphabet Series"), "mAlphabetSeries",
         twips(3360, 4080, 3015, 975)},
        //: A test of series of letters and numbers mixed. The button's caption ends in a blank
        //: that does not matter.
        {QT_TRANSLATE_NOOP("sumwright::MainWindow", "Alpha Numeric Series "),
         QT_TRANSLATE_NOOP("sumwright::MainWindow", "Alpha N&umeric Series"), "mAlphaNumericSeries",
         twips(6480, 4080, 3015, 975)},
};
const artwork::Picture ArithmeticPictures[]
        = {artwork::Picture::Addition, artwork::Picture::Subtraction,
           artwork::Picture::Multiplication, artwork::Picture::Division};

struct LevelOption
{
    const char *caption;
    const char *menuCaption;
    const char *menuName;
    int left;
};
const LevelOption LevelOptions[] = {
        {QT_TRANSLATE_NOOP("sumwright::MainWindow", "Easy"),
         QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Easy"), "mEasy", 360},
        {QT_TRANSLATE_NOOP("sumwright::MainWindow", "Medium"),
         QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Medium"), "mMedium", 3480},
        {QT_TRANSLATE_NOOP("sumwright::MainWindow", "Hard"),
         QT_TRANSLATE_NOOP("sumwright::MainWindow", "&Hard"), "mHard", 6480},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("sumwright::MainWindow", text);
}

// The layout was drawn for the English originals, which fit their boxes as they are; only a
// translation is measured and fitted, so the start-up in English measures nothing.
void fitIfTranslated(QWidget *control, const QString &shown, const char *original)
{
    if (shown != QLatin1String(original))
        fitText(control);
}

QAction *addItem(QMenu *menu, const char *caption, const char *name)
{
    QAction *action = menu->addAction(translated(caption));
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu *addMenu(QMenuBar *bar, QMenu *parent, const char *caption, const char *name)
{
    QMenu *menu = parent ? parent->addMenu(translated(caption)) : bar->addMenu(translated(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    writeInScriptFace(menu);
    return menu;
}

} // namespace

MainWindow::MainWindow()
{
    setObjectName(QStringLiteral("frmMain"));
    //: The program's name: keep it unless the program is known by another name in your language.
    setWindowTitle(tr("Quorvane Sumwright"));
    setWindowIcon(artwork::icon(artwork::Picture::ProgramIcon));

    auto *client = make<QWidget>(this, QStringLiteral("client"));
    makeFixedWindow(this, {px(9795), px(5265)}, client);
    setBackground(client, WindowColour);
    client->setFont(ownTextOnly(makeFont(Face::SansSerif, 13.5)));
    setCentralWidget(client);
    buildControls(client);
    alignToStartSide(client);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::load()
{
    setLevel(0);
    m_count->setCurrentText(QStringLiteral("25"));
}

void MainWindow::buildControls(QWidget *client)
{
    auto *levelGroup = new QButtonGroup(this);
    for (int i = 0; i < LevelCount; ++i) {
        const LevelOption &option = LevelOptions[i];
        const QString caption = translated(option.caption);
        auto *button = make<OptionButton>(client, indexed("Options", i), caption);
        place(button, twips(option.left, 240, 5055, 375));
        fitIfTranslated(button, caption, option.caption);
        levelGroup->addButton(button, i);
        m_options[static_cast<std::size_t>(i)] = button;
        connect(button, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optionSelected(i);
        });
    }

    m_count = make<QComboBox>(client, QStringLiteral("cbCountQ"));
    for (const std::string_view choice : CountChoices)
        m_count->addItem(QString::fromLatin1(choice.data(), static_cast<qsizetype>(choice.size())));
    place(m_count, twips(6480, 960, 1695, 480));
    // Nothing is chosen until the load handler chooses the start-up count.
    m_count->setCurrentIndex(-1);
    connect(m_count, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { emit countTextChanged(text.toStdString()); });

    const QFont buttonFont = ownTextOnly(makeFont(Face::Arial, 14.25));
    const auto addButton = [&](const QString &name, const char *original, const QColor &colour,
                               const QRect &geometry) {
        const QString caption = translated(original);
        auto *button = make<CommandButton>(client, name, caption, colour);
        button->setFont(buttonFont);
        place(button, geometry);
        fitIfTranslated(button, caption, original);
        return button;
    };
    for (int i = 0; i < ArithmeticKindCount; ++i) {
        auto *button = addButton(indexed("cmdMath", i), ArithmeticButtons[i].caption,
                                 ArithmeticColour, ArithmeticButtons[i].geometry);
        button->setPicture(ArithmeticPictures[i]);
        connect(button, &QPushButton::clicked, this,
                [this, i] { emit kindChosen(ArithmeticType, static_cast<std::int16_t>(i)); });
    }
    for (int i = 0; i < SeriesKindCount; ++i) {
        auto *button = addButton(indexed("cmdSeries", i), SeriesButtons[i].caption, SeriesColour,
                                 SeriesButtons[i].geometry);
        connect(button, &QPushButton::clicked, this,
                [this, i] { emit kindChosen(SeriesType, static_cast<std::int16_t>(i)); });
    }
    auto *visit = addButton(QStringLiteral("cmdVisitWebsite"), QT_TR_NOOP("&Visit Website"),
                            LeaveColour, twips(6480, 1680, 3015, 1095));
    visit->setPicture(artwork::Picture::VisitWebsite);
    connect(visit, &QPushButton::clicked, this, &MainWindow::websiteRequested);
    //: The button that leaves the program. Its access key belongs to the menu bar's "&Exit":
    //: give both the same translation.
    auto *exit = addButton(QStringLiteral("cmdExit"), QT_TR_NOOP("&Exit"), LeaveColour,
                           twips(6480, 2880, 3015, 1095));
    exit->setPicture(artwork::Picture::Exit);
    // "&Exit" on the menu bar claims Alt+E as well. Two owners would make Qt treat the key as
    // ambiguous and do nothing; as on the desktops this layout comes from, the menu bar wins.
    // The caption keeps its underline.
    exit->setShortcut(QKeySequence());
    connect(exit, &QPushButton::clicked, this, &MainWindow::leaveRequested);

    //: Before the box that picks how many questions a test has.
    const char *labelText = QT_TR_NOOP("Number of Questions:");
    auto *label = make<QLabel>(client, QStringLiteral("Label1"), translated(labelText));
    place(label, twips(480, 960, 3255, 375));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Screen readers announce the count box with this label; the caption has no access key,
    // so the buddy adds no shortcut.
    label->setBuddy(m_count);

    make<Rule>(client, QStringLiteral("Line1"), Qt::black, 2)->place(240, 9600, 840);
    make<Rule>(client, QStringLiteral("Line2"), Qt::black, 2)->place(240, 9600, 1560);
    fitIfTranslated(label, label->text(), labelText);
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    writeInScriptFace(bar);

    QMenu *file = addMenu(bar, nullptr, QT_TR_NOOP("&File"), "mFile");
    connect(addItem(file, QT_TR_NOOP("&Exit"), "mExit2"), &QAction::triggered, this,
            &MainWindow::endRequested);

    QMenu *options = addMenu(bar, nullptr, QT_TR_NOOP("&Options"), "mOptions");
    for (int i = 0; i < LevelCount; ++i) {
        QAction *item = addItem(options, LevelOptions[i].menuCaption, LevelOptions[i].menuName);
        item->setCheckable(true);
        m_levelItems[static_cast<std::size_t>(i)] = item;
        connect(item, &QAction::triggered, this,
                [this, i] { setLevel(static_cast<std::int16_t>(i)); });
    }

    QMenu *tests = addMenu(bar, nullptr, QT_TR_NOOP("&Tests"), "mTests");
    QMenu *arithmetic = addMenu(bar, tests, QT_TR_NOOP("Arithmetic"), "mArithmetic");
    for (int i = 0; i < ArithmeticKindCount; ++i) {
        connect(addItem(arithmetic, ArithmeticButtons[i].menuCaption,
                        ArithmeticButtons[i].menuName),
                &QAction::triggered, this,
                [this, i] { emit kindChosen(ArithmeticType, static_cast<std::int16_t>(i)); });
    }
    QMenu *series = addMenu(bar, tests, QT_TR_NOOP("&Series"), "mSeries");
    for (int i = 0; i < SeriesKindCount; ++i) {
        connect(addItem(series, SeriesButtons[i].menuCaption, SeriesButtons[i].menuName),
                &QAction::triggered, this,
                [this, i] { emit kindChosen(SeriesType, static_cast<std::int16_t>(i)); });
    }

    QMenu *help = addMenu(bar, nullptr, QT_TR_NOOP("&Help"), "mHelp");
    //: Opens the window about the program's author, Tamsin Ardell, a woman: where your
    //: language marks the gender of "programmer", use the feminine form.
    connect(addItem(help, QT_TR_NOOP("About Programmer"), "mAboutProgrammer"), &QAction::triggered,
            this, &MainWindow::aboutProgrammerRequested);
    connect(addItem(help, QT_TR_NOOP("&About Quorvane Sumwright"), "mAboutProduct"),
            &QAction::triggered, this, &MainWindow::aboutProductRequested);
    help->addSeparator()->setObjectName(QStringLiteral("mLine2"));
    connect(addItem(help, QT_TR_NOOP("&Visit Website"), "mVisitWebsite"), &QAction::triggered, this,
            &MainWindow::websiteRequested);

    QAction *exit = bar->addAction(tr("&Exit"));
    exit->setObjectName(QStringLiteral("mExit"));
    connect(exit, &QAction::triggered, this, &MainWindow::endRequested);
}

void MainWindow::setLevel(std::int16_t level)
{
    emit levelChanged(level);
    // Selecting a button that was not selected runs its handling before this returns; that
    // handling sets the level once more and then the tag.
    m_options.at(static_cast<std::size_t>(level))->setChecked(true);
    for (int i = 0; i < LevelCount; ++i)
        m_levelItems[static_cast<std::size_t>(i)]->setChecked(i == level);
}

void MainWindow::optionSelected(int index)
{
    setLevel(static_cast<std::int16_t>(index));
    emit levelTagChanged(Tags::level(index).toStdString());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Every close request ends the program; none is refused.
    event->accept();
    emit leaveRequested();
}

} // namespace sumwright
