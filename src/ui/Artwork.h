#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// Every picture the program shows is painted here rather than loaded from files: nothing has to
// be read or decoded at start-up, and each picture is sharp at any size and pixel ratio.
namespace sumwright::artwork {

enum class Picture {
    // 48x48; the window icon of the main, question and result windows.
    ProgramIcon,
    // About 44x44, above the captions of the four big operation buttons.
    Addition,
    Subtraction,
    Multiplication,
    Division,
    // About 32x32, above the "Visit Website" caption: a globe.
    VisitWebsite,
    // About 32x32, above the "Exit" caption: a door with an arrow.
    Exit,
    // 32x32 window icons of the two About windows, each unlike the program icon.
    AboutProductIcon,
    AboutProgrammerIcon,
    // 468x60, behind the About Programmer title; its centre stays calm so the title reads well.
    Banner,
    // About 127x134: a friendly stylised figure standing for the author, not a real person.
    Portrait
};

// A picture at the given logical size, rendered for the given device pixel ratio (sharp at 1, 1.5,
// 2, ...). A size with another aspect ratio than the design gets the picture centred in it.
[[nodiscard]] QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio);

// A window icon with sizes 16, 22, 24, 32, 48, 64, 128, 256. Nothing is painted until a size is
// actually asked for, so creating the icon is free.
[[nodiscard]] QIcon icon(Picture picture);

// The design size of each picture in logical pixels.
[[nodiscard]] QSize designSize(Picture picture);

} // namespace sumwright::artwork
