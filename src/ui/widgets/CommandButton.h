#pragma once

#include "ui/widgets/PictureCache.h"

#include <QPushButton>
#include <optional>

namespace sumwright {

// A command button drawn in its own colour, with an optional picture above its caption.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(const QString &caption, const QColor &colour, QWidget *parent);
    void setPicture(artwork::Picture picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
    std::optional<PictureCache> m_picture;
};

} // namespace sumwright
