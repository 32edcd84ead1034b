// The toolkit floor for start-up: a bare Qt Widgets main window with what the program's main
// window holds (a menu bar with its menus, 14 push buttons, 3 option buttons, a combo box), built
// from stock widgets with default fonts and colours. It quits once its first paint is done, or
// with --stay keeps running, as the program does, until it is killed.

#include "QuitOnFirstPaint.h"

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

void buildMenus(QMenuBar *bar)
{
    bar->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Exit"));
    QMenu *options = bar->addMenu(QStringLiteral("&Options"));
    for (const char *caption : {"&Easy", "&Medium", "&Hard"})
        options->addAction(QString::fromLatin1(caption))->setCheckable(true);
    QMenu *tests = bar->addMenu(QStringLiteral("&Tests"));
    QMenu *first = tests->addMenu(QStringLiteral("First"));
    for (const char *caption : {"One", "Two", "Three", "Four"})
        first->addAction(QString::fromLatin1(caption));
    QMenu *second = tests->addMenu(QStringLiteral("Second"));
    for (const char *caption : {"Five", "Six", "Seven"})
        second->addAction(QString::fromLatin1(caption));
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("About"));
    help->addAction(QStringLiteral("About this"));
    help->addSeparator();
    help->addAction(QStringLiteral("Website"));
    bar->addAction(QStringLiteral("E&xit"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto *client = new QWidget(&window);
    client->setFixedSize(653, 351);
    window.setCentralWidget(client);

    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(QStringLiteral("Option %1").arg(i), client);
        option->setGeometry(24 + 208 * i, 16, 200, 25);
        option->setChecked(i == 0);
    }
    auto *combo = new QComboBox(client);
    for (const char *choice : {"25", "50", "75", "100", "150", "200"})
        combo->addItem(QString::fromLatin1(choice));
    combo->setGeometry(432, 64, 113, 32);
    for (int i = 0; i < 14; ++i) {
        auto *button = new QPushButton(QStringLiteral("Button %1").arg(i), client);
        button->setGeometry(16 + 130 * (i % 5), 112 + 80 * (i / 5), 120, 72);
    }
    buildMenus(window.menuBar());

    QuitOnFirstPaint quitter;
    if (!QCoreApplication::arguments().contains(QStringLiteral("--stay")))
        window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
