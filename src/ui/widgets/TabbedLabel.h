#pragma once

#include <QLabel>

namespace sumwright {

// A label that expands tabs to stops eight average characters apart, as the result lines
// expect, instead of Qt's fixed 80 pixels; what runs past its right edge is still drawn.
class TabbedLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace sumwright
