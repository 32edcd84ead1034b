#pragma once

#include <QCoreApplication>
#include <QString>
#include <vector>

namespace sumwright {

// Watches the toolkit connect to the window system while the application object is made. When
// no display can be reached, the program says so plainly, with the way to get one, and ends with
// NoDisplayStatus, instead of the toolkit's abort and its advice to reinstall. What the toolkit
// says meanwhile is held back and, unless the program ends for want of a display, passed on as
// it would have been.
//
//     DisplayCheck check;
//     QApplication app(argc, argv);
//     check.finish();
class DisplayCheck
{
    Q_DECLARE_TR_FUNCTIONS(DisplayCheck)
public:
    static constexpr int NoDisplayStatus = 1;

    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    // The application is made: what was held back is passed on, and messages take their usual
    // way again.
    void finish();

    // The message, in the system's language where the program has it.
    [[nodiscard]] static QString noDisplayText();

private:
    struct Message
    {
        QtMsgType type;
        QByteArray file;
        int line;
        QByteArray function;
        QByteArray category;
        QString text;
    };
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);
    void passOn(const Message &message) const;
    [[nodiscard]] bool noDisplay() const;

    QtMessageHandler m_previous = nullptr;
    std::vector<Message> m_held;
    bool m_finished = false;
};

} // namespace sumwright
