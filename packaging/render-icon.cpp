// Writes the program icon as a PNG of the given size, for the icon theme. The picture comes from
// the same drawing code as the window icon, so the two can never drift apart.
#include "ui/Artwork.h"

#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 3 ? args.at(1).toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QPixmap icon = sumwright::artwork::pixmap(sumwright::artwork::Picture::ProgramIcon,
                                                    {size, size}, 1.0);
    if (icon.size() != QSize(size, size) || !icon.save(args.at(2), "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
