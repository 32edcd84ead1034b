// The toolkit floor for the per-answer latency seen on the screen: the answer_latency floor's
// label and line edit in a group box, as the question window has them, in a window of their own
// placed where it is told (answer_floor X Y), so that a harness outside can type into it through
// the X server. With a third argument, plain, the two stand without the group box.

#include "AnswerFloor.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    FloorWindow window(!args.contains(QStringLiteral("plain")));
    window.setWindowTitle(QStringLiteral("Floor"));
    if (args.size() >= 3)
        window.move(args.at(1).toInt(), args.at(2).toInt());
    window.show();
    window.edit()->setFocus(Qt::OtherFocusReason);
    return QApplication::exec();
}
