// The toolkit floor for the per-answer latency seen on the screen: the answer_latency floor's
// framed label and line edit in a window of their own, placed where it is told
// (answer_floor X Y), so that a harness outside can type into it through the X server.

#include "AnswerFloor.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FloorWindow window(true);
    window.setWindowTitle(QStringLiteral("Floor"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3)
        window.move(args.at(1).toInt(), args.at(2).toInt());
    window.show();
    window.edit()->setFocus(Qt::OtherFocusReason);
    return QApplication::exec();
}
