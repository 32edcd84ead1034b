#include "ui/MainWindow.h"

#include "ui/AboutProductWindow.h"
#include "ui/AboutProgrammerWindow.h"
#include "ui/Addresses.h"
#include "ui/Forms.h"
#include "ui/QuestionWindow.h"
#include "ui/Toolkit.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>

using namespace sumwright;
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

const KindButton ArithmeticButtons[] = {
        {"Addition", "&Addition", "mAddition", twips(240, 1680, 3015, 1095)},
        {"Subtraction", "&Subtraction", "mSubtraction", twips(3360, 1680, 3015, 1095)},
        {"Multiplication", "&Multiplication", "mMultiplication", twips(240, 2880, 3015, 1095)},
        {"Division", "&Devision", "mDevision", twips(3360, 2880, 3015, 1095)},
};
const KindButton SeriesButtons[] = {
        {"&Number Series", "&Number Series", "mNumberSeries", twips(240, 4080, 3015, 975)},
        {"&Alphabet Series", "&Alphabet Series", "mAlphabetSeries", twips(3360, 4080, 3015, 975)},
        {"Alpha Numeric Series ", "Alpha N&umeric Series", "mAlphaNumericSeries",
         twips(6480, 4080, 3015, 975)},
};
const Artwork::Picture ArithmeticPictures[]
        = {Artwork::Picture::Addition, Artwork::Picture::Subtraction,
           Artwork::Picture::Multiplication, Artwork::Picture::Division};

struct LevelOption
{
    const char *caption;
    const char *menuCaption;
    const char *menuName;
    int left;
};
const LevelOption LevelOptions[] = {
        {"Easy", "&Easy", "mEasy", 360},
        {"Medium", "&Medium", "mMedium", 3480},
        {"Hard", "&Hard", "mHard", 6480},
};

QAction *addItem(QMenu *menu, const char *caption, const char *name)
{
    QAction *action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu *addMenu(QMenuBar *bar, QMenu *parent, const char *caption, const char *name)
{
    QMenu *menu = parent ? parent->addMenu(QString::fromUtf8(caption))
                         : bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

MainWindow::MainWindow(Forms &forms)
    : m_forms(forms)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorvane Sumwright"));
    setWindowIcon(Artwork::icon(Artwork::Picture::ProgramIcon));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(px(9795), px(5265));
    setBackground(client, WindowColour);
    client->setFont(ownTextOnly(makeFont(Face::SansSerif, 13.5)));
    setCentralWidget(client);
    buildControls(client);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Load: the start-up defaults.
    setLevel(0);
    m_count->setCurrentText(QStringLiteral("25"));
}

void MainWindow::buildControls(QWidget *client)
{
    auto *levelGroup = new QButtonGroup(this);
    for (int i = 0; i < LevelCount; ++i) {
        const LevelOption &option = LevelOptions[i];
        auto *button = make<OptionButton>(client, indexed("Options", i),
                                          QString::fromUtf8(option.caption));
        button->setGeometry(twips(option.left, 240, 5055, 375));
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
    m_count->setGeometry(twips(6480, 960, 1695, 480));

    const QFont buttonFont = ownTextOnly(makeFont(Face::Arial, 14.25));
    const auto addButton = [&](const QString &name, const char *caption, const QColor &colour,
                               const QRect &geometry) {
        auto *button = make<CommandButton>(client, name, QString::fromUtf8(caption), colour);
        button->setFont(buttonFont);
        button->setGeometry(geometry);
        return button;
    };
    for (int i = 0; i < ArithmeticKindCount; ++i) {
        auto *button = addButton(indexed("cmdMath", i), ArithmeticButtons[i].caption,
                                 ArithmeticColour, ArithmeticButtons[i].geometry);
        button->setPicture(ArithmeticPictures[i]);
        connect(button, &QPushButton::clicked, this, [this, i] { chooseKind(ArithmeticType, i); });
    }
    for (int i = 0; i < SeriesKindCount; ++i) {
        auto *button = addButton(indexed("cmdSeries", i), SeriesButtons[i].caption, SeriesColour,
                                 SeriesButtons[i].geometry);
        connect(button, &QPushButton::clicked, this, [this, i] { chooseKind(SeriesType, i); });
    }
    auto *visit = addButton(QStringLiteral("cmdVisitWebsite"), "&Visit Website", LeaveColour,
                            twips(6480, 1680, 3015, 1095));
    visit->setPicture(Artwork::Picture::VisitWebsite);
    connect(visit, &QPushButton::clicked, this, [] { Forms::openAddress(addresses::WebsiteUrl); });
    auto *exit = addButton(QStringLiteral("cmdExit"), "&Exit", LeaveColour,
                           twips(6480, 2880, 3015, 1095));
    exit->setPicture(Artwork::Picture::Exit);
    // "&Exit" on the menu bar claims Alt+E as well. Two owners would make Qt treat the key as
    // ambiguous and do nothing; as on the desktops this layout comes from, the menu bar wins.
    // The caption keeps its underline.
    exit->setShortcut(QKeySequence());
    connect(exit, &QPushButton::clicked, this, [this] {
        Forms::openAddress(addresses::ExitUrl);
        m_forms.endProgram();
    });

    auto *label = make<QLabel>(client, QStringLiteral("Label1"),
                               QStringLiteral("Number of Questions:"));
    label->setGeometry(twips(480, 960, 3255, 375));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Screen readers announce the count box with this label; the caption has no access key,
    // so the buddy adds no shortcut.
    label->setBuddy(m_count);

    placeRule(make<Rule>(client, QStringLiteral("Line1"), Qt::black, 2), 240, 9600, 840, 2);
    placeRule(make<Rule>(client, QStringLiteral("Line2"), Qt::black, 2), 240, 9600, 1560, 2);
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu *file = addMenu(bar, nullptr, "&File", "mFile");
    connect(addItem(file, "&Exit", "mExit2"), &QAction::triggered, this,
            [this] { m_forms.endProgram(); });

    QMenu *options = addMenu(bar, nullptr, "&Options", "mOptions");
    for (int i = 0; i < LevelCount; ++i) {
        QAction *item = addItem(options, LevelOptions[i].menuCaption, LevelOptions[i].menuName);
        item->setCheckable(true);
        m_levelItems[static_cast<std::size_t>(i)] = item;
        connect(item, &QAction::triggered, this,
                [this, i] { setLevel(static_cast<std::int16_t>(i)); });
    }

    QMenu *tests = addMenu(bar, nullptr, "&Tests", "mTests");
    QMenu *arithmetic = addMenu(bar, tests, "Arithmetic", "mArithmetic");
    for (int i = 0; i < ArithmeticKindCount; ++i) {
        connect(addItem(arithmetic, ArithmeticButtons[i].menuCaption,
                        ArithmeticButtons[i].menuName),
                &QAction::triggered, this, [this, i] { chooseKind(ArithmeticType, i); });
    }
    QMenu *series = addMenu(bar, tests, "&Series", "mSeries");
    for (int i = 0; i < SeriesKindCount; ++i) {
        connect(addItem(series, SeriesButtons[i].menuCaption, SeriesButtons[i].menuName),
                &QAction::triggered, this, [this, i] { chooseKind(SeriesType, i); });
    }

    QMenu *help = addMenu(bar, nullptr, "&Help", "mHelp");
    connect(addItem(help, "About Programmer", "mAboutProgrammer"), &QAction::triggered, this,
            [this] { m_forms.frmAboutProgrammer().showModal(); });
    connect(addItem(help, "&About Quorvane Sumwright", "mAboutProduct"), &QAction::triggered, this,
            [this] { m_forms.frmAboutProduct().showModal(); });
    help->addSeparator()->setObjectName(QStringLiteral("mLine2"));
    connect(addItem(help, "&Visit Website", "mVisitWebsite"), &QAction::triggered, this,
            [] { Forms::openAddress(addresses::WebsiteUrl); });

    QAction *exit = bar->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mExit"));
    connect(exit, &QAction::triggered, this, [this] { m_forms.endProgram(); });
}

void MainWindow::setLevel(std::int16_t level)
{
    m_selection.Level = level;
    // Selecting a button that was not selected runs its handling before this returns; that
    // handling sets the level once more and then the tag.
    m_options.at(static_cast<std::size_t>(level))->setChecked(true);
    for (int i = 0; i < LevelCount; ++i)
        m_levelItems[static_cast<std::size_t>(i)]->setChecked(i == level);
}

void MainWindow::optionSelected(int index)
{
    setLevel(static_cast<std::int16_t>(index));
    m_levelTag = QString::fromLatin1(sumwright::LevelTag(index).data());
}

QString MainWindow::countText() const
{
    return m_count->currentText();
}

void MainWindow::chooseKind(std::int16_t qType, int index)
{
    m_selection.QType = qType;
    m_selection.QIndex = static_cast<std::int16_t>(index);
    QuestionWindow &input = m_forms.frmInput();
    input.setTitle(QString::fromStdString(TestTitle(qType, index, m_levelTag.toStdString())));
    input.showModal();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Every close request ends the program; none is refused.
    event->accept();
    Forms::openAddress(addresses::ExitUrl);
    m_forms.endProgram();
}
