#pragma once

// Positions and sizes on the accessibility bus in the screen's own pixels.
//
// Qt's accessibility interfaces measure in device-independent pixels, and the Linux bridge
// (AT-SPI) hands those on as they are: on a screen scaled by 1.5 it reports a 980 × 560 window as
// 653 × 373 at unscaled positions, so a magnifier or a screen reader's pointer lands beside every
// control. The correction wraps the toolkit's own interface for each widget and each menu item,
// passes everything through unchanged (names, roles, states, children, relations, actions, text
// editing) and converts what is a position or a size: the rectangle, the control under a point,
// character extents and the character under a point. The toolkit's interface is made first and
// only when an assistive technology asks for it; nothing is wrapped while every screen is at
// scale 1.
namespace sumwright::accessibility {

// Installs the correction. Called once, after the QApplication is made.
void reportScreenPixels();

} // namespace sumwright::accessibility
