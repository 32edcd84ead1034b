#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// Every picture the program shows. Each is an SVG in pictures/, rendered by the build at its
// design size for the device pixel ratios 1, 1.25, 1.5, 1.75, 2, 2.5 and 3 (window icons also at
// their icon sizes) and compiled in, so the program parses no SVG and draws no paths to show
// one. Other sizes are scaled down from the nearest larger rendering.
namespace sumwright::artwork {

enum class Picture {
    // 48x48; the window icon of the main, question and result windows.
    ProgramIcon,
    // 44x44, above the captions of the four big operation buttons.
    Addition,
    Subtraction,
    Multiplication,
    Division,
    // 32x32, above the "Visit Website" caption: a globe.
    VisitWebsite,
    // 32x32, above the "Exit" caption: a door with an arrow.
    Exit,
    // 32x32 window icons of the two About windows, each unlike the program icon.
    AboutProductIcon,
    AboutProgrammerIcon,
    // 468x60, behind the About Programmer title; its centre stays calm so the title reads well.
    Banner,
    // 127x134: a friendly stylised figure standing for the author, not a real person.
    Portrait
};

// A picture at the given logical size, rendered for the given device pixel ratio (sharp at 1, 1.5,
// 2, ...). A size with another aspect ratio than the design gets the picture centred in it.
[[nodiscard]] QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio);

// A window icon offering the sizes 16, 22, 24, 32, 48 and 64, each rendered at build time for the
// ratios above; a size is only decoded when it is asked for, so creating the icon is free.
[[nodiscard]] QIcon icon(Picture picture);

// The design size of each picture in logical pixels: its SVG's view box.
[[nodiscard]] QSize designSize(Picture picture);

} // namespace sumwright::artwork
