#pragma once

#include <QLabel>

namespace sumwright {

// A label or picture that reacts to a click.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    // Both halves of a click stop here, so a label over a clickable background never passes
    // the click on, whether or not anything listens to it.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace sumwright
