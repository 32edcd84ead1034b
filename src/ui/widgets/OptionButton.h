#pragma once

#include <QRadioButton>

namespace sumwright {

// An option button that reacts anywhere in its box, not only on its mark and caption: the
// layout gives each level a box far wider than its caption, and a click in the empty part of
// the box selects the option. Where a later sibling overlaps the box, that sibling gets the click.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    [[nodiscard]] bool hitButton(const QPoint &pos) const override;
};

} // namespace sumwright
