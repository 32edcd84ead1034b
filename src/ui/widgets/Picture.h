#pragma once

#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/PictureCache.h"

namespace sumwright {

// A picture at its own size, clipped to its box, that reacts to a click.
class Picture : public ClickableLabel
{
    Q_OBJECT
public:
    Picture(artwork::Picture picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PictureCache m_cache;
};

} // namespace sumwright
