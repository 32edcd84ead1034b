#pragma once

#include <QGroupBox>

namespace sumwright {

// A frame as this program's layout knows it: an etched border with the caption set into its
// top edge at the start side, and nothing painted inside, so a child repaints without its frame.
class Frame : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    // Whether the caption shows whole in the top edge in a font.
    [[nodiscard]] bool captionFits(const QFont &font) const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace sumwright
