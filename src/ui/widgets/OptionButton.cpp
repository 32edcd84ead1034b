#include "ui/widgets/OptionButton.h"

namespace sumwright {

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace sumwright
