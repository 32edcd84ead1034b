#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace sumwright::testing {

// Takes the place of the desktop's browser for http and https while it lives, and keeps every
// address handed to it, in order.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace sumwright::testing
