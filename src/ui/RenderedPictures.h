#pragma once

#include "ui/Artwork.h"

#include <array>
#include <cstddef>
#include <span>

// The pictures as the build renders them from their SVG sources (pictures/*.svg) and compiles
// them in: the program itself never parses or draws an SVG, so it neither loads Qt Svg nor pays
// for rasterising paths before its first paint.
namespace sumwright::artwork::rendered {

// Device pixel ratios every picture is rendered for at its design size. Other ratios are scaled
// from the nearest larger rendering.
inline constexpr std::array<double, 7> Ratios {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// Extra logical sizes for the pictures that serve as window icons: the sizes the X11 window
// system is handed with every window created (title bars, task bars and window switchers pick
// from them). A desktop's launcher takes the installed SVG.
inline constexpr std::array<int, 6> IconExtents {16, 22, 24, 32, 48, 64};

[[nodiscard]] constexpr bool isWindowIcon(Picture picture)
{
    return picture == Picture::ProgramIcon || picture == Picture::AboutProductIcon
            || picture == Picture::AboutProgrammerIcon;
}

// Renderings up to this many bytes of pixels are compiled in as they are, premultiplied ARGB32
// in the build machine's byte order, ready to be shown without decoding: every picture of the
// main window and every window icon size up to 128 device pixels. Larger ones (the About
// window's banner and portrait, and renderings for high ratios) are compiled in as PNG.
inline constexpr std::size_t LargestUncompressed = std::size_t {128} * 128 * 4;

// One rendering of width x height device pixels.
struct Rendering
{
    int width;
    int height;
    const unsigned char *data;
    std::size_t size;
    bool png; // else raw pixels, 4-byte aligned
};

struct RenderedPicture
{
    int designWidth; // the SVG's view box, in logical pixels
    int designHeight;
    std::span<const Rendering> renderings; // smallest first
};

// Defined in the generated source.
[[nodiscard]] const RenderedPicture &rendered(Picture picture);

} // namespace sumwright::artwork::rendered
