// Renders the SVG pictures with Qt Svg at build time.
//
//   render-pictures source OUT.cpp Name=file.svg ...
//       writes a C++ source with every picture rendered at its design size for each device
//       pixel ratio the program supports, and window icons also at the icon sizes; Name is the
//       picture's name in sumwright::artwork::Picture.
//   render-pictures png file.svg SIZE OUT.png
//       writes one square PNG, for the icon theme.

#include "ui/RenderedPictures.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>
#include <vector>

using sumwright::artwork::Picture;

namespace {

const std::map<QString, Picture> PictureNames {
        {QStringLiteral("ProgramIcon"), Picture::ProgramIcon},
        {QStringLiteral("Addition"), Picture::Addition},
        {QStringLiteral("Subtraction"), Picture::Subtraction},
        {QStringLiteral("Multiplication"), Picture::Multiplication},
        {QStringLiteral("Division"), Picture::Division},
        {QStringLiteral("VisitWebsite"), Picture::VisitWebsite},
        {QStringLiteral("Exit"), Picture::Exit},
        {QStringLiteral("AboutProductIcon"), Picture::AboutProductIcon},
        {QStringLiteral("AboutProgrammerIcon"), Picture::AboutProgrammerIcon},
        {QStringLiteral("Banner"), Picture::Banner},
        {QStringLiteral("Portrait"), Picture::Portrait},
};

int fail(const QString &message)
{
    std::fprintf(stderr, "render-pictures: %s\n", qPrintable(message));
    return 1;
}

// Below this many device pixels a picture that has an element "small" (a bolder drawing of the
// same picture on the same grid, kept in the SVG's defs) is rendered from that element.
constexpr int SmallBelow = 28;

// The picture fitted into the size with its aspect ratio kept, centred.
QImage render(QSvgRenderer &svg, QSize physical)
{
    QImage image(physical, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QSizeF design = svg.viewBoxF().size();
    const QSizeF fitted = design.scaled(QSizeF(physical), Qt::KeepAspectRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target(QPointF((physical.width() - fitted.width()) / 2,
                                (physical.height() - fitted.height()) / 2),
                        fitted);
    const QString small = QStringLiteral("small");
    if (std::max(physical.width(), physical.height()) < SmallBelow && svg.elementExists(small))
        svg.render(&painter, small, target);
    else
        svg.render(&painter, target);
    return image;
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 0); // smallest file; decoding speed does not depend on it
    return bytes;
}

struct Size
{
    QSize pixels;
    double ratio; // the lowest device pixel ratio it is needed at
};

// The device-pixel sizes a picture is needed in.
std::vector<Size> sizesFor(Picture picture, QSize design)
{
    std::vector<QSize> logical {design};
    if (sumwright::artwork::rendered::isWindowIcon(picture)) {
        for (const int extent : sumwright::artwork::rendered::IconExtents)
            logical.push_back(design.scaled(extent, extent, Qt::KeepAspectRatio));
    }
    std::vector<Size> sizes;
    for (const double ratio : sumwright::artwork::rendered::Ratios) {
        for (const QSize &size : logical) {
            const QSize pixels = (QSizeF(size) * ratio).toSize();
            if (std::none_of(sizes.begin(), sizes.end(),
                             [&](const Size &s) { return s.pixels == pixels; }))
                sizes.push_back({pixels, ratio});
        }
    }
    return sizes;
}

struct Made
{
    int picture; // position on the command line
    QSize pixels;
    double ratio;
    bool raw;
    QByteArray bytes;
    std::size_t offset = 0;
};

void writeBytes(QTextStream &out, const char *declaration, std::vector<Made *> &made)
{
    out << declaration << " = {";
    std::size_t offset = 0;
    for (Made *m : made) {
        m->offset = offset;
        out << "\n    // " << m->pixels.width() << 'x' << m->pixels.height();
        for (qsizetype i = 0; i < m->bytes.size(); ++i)
            out << (i % 24 == 0 ? "\n    " : "") << int(static_cast<unsigned char>(m->bytes[i]))
                << ',';
        offset += static_cast<std::size_t>(m->bytes.size());
    }
    out << "\n    0};\n\n";
}

int writeSource(const QString &output, const QStringList &pictures)
{
    struct Source
    {
        QString name;
        QSize design;
    };
    std::vector<Source> sources;
    std::vector<Made> made;
    for (const QString &argument : pictures) {
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        const QString file = argument.section(QLatin1Char('='), 1);
        const auto found = PictureNames.find(name);
        if (found == PictureNames.end())
            return fail(QStringLiteral("no picture is called %1").arg(name));
        QSvgRenderer svg(file);
        if (!svg.isValid())
            return fail(QStringLiteral("%1 is not a valid SVG").arg(file));
        const QSize design = svg.viewBoxF().size().toSize();
        if (design.isEmpty())
            return fail(QStringLiteral("%1 has no view box").arg(file));
        sources.push_back({name, design});
        for (const Size &size : sizesFor(found->second, design)) {
            const QImage image = render(svg, size.pixels);
            const bool raw = static_cast<std::size_t>(image.sizeInBytes())
                    <= sumwright::artwork::rendered::LargestUncompressed;
            made.push_back({static_cast<int>(sources.size()) - 1, size.pixels, size.ratio, raw,
                            raw ? QByteArray(reinterpret_cast<const char *>(image.constBits()),
                                             image.sizeInBytes())
                                : png(image)});
        }
    }
    if (sources.size() != PictureNames.size())
        return fail(QStringLiteral("every picture needs its SVG"));

    // Lowest ratio first: what a window at scale 1 shows lies together in a few pages of the
    // program's data, instead of a page here and there among the renderings for other scales.
    std::vector<Made *> raw, compressed;
    for (Made &m : made)
        (m.raw ? raw : compressed).push_back(&m);
    const auto byRatio = [](const Made *a, const Made *b) {
        return std::tuple(a->ratio, a->picture, a->pixels.width())
                < std::tuple(b->ratio, b->picture, b->pixels.width());
    };
    std::stable_sort(raw.begin(), raw.end(), byRatio);
    std::stable_sort(compressed.begin(), compressed.end(), byRatio);

    QString text;
    QTextStream out(&text);
    out << "// Generated at build time by tools/render-pictures.cpp from pictures/*.svg.\n"
           "#include \"ui/RenderedPictures.h\"\n\n"
           "namespace sumwright::artwork::rendered {\n\nnamespace {\n\n";
    writeBytes(out, "alignas(64) const unsigned char Pixels[]", raw);
    writeBytes(out, "const unsigned char Compressed[]", compressed);

    QStringList cases;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        std::vector<const Made *> own;
        for (const Made &m : made) {
            if (m.picture == static_cast<int>(i))
                own.push_back(&m);
        }
        std::sort(own.begin(), own.end(), [](const Made *a, const Made *b) {
            return std::pair(a->pixels.width(), a->pixels.height())
                    < std::pair(b->pixels.width(), b->pixels.height());
        });
        const QString &name = sources[i].name;
        out << "const Rendering " << name << "Renderings[] = {\n";
        for (const Made *m : own) {
            out << "    {" << m->pixels.width() << ", " << m->pixels.height() << ", "
                << (m->raw ? "Pixels + " : "Compressed + ") << m->offset << ", " << m->bytes.size()
                << ", " << (m->raw ? "false" : "true") << "},\n";
        }
        out << "};\nconst RenderedPicture " << name << " {" << sources[i].design.width() << ", "
            << sources[i].design.height() << ", " << name << "Renderings};\n\n";
        cases << QStringLiteral("    case Picture::%1:\n        return %1;\n").arg(name);
    }
    // Every picture has a case, so the switch ends in one of them.
    out << "} // namespace\n\nconst RenderedPicture &rendered(Picture picture)\n{\n"
           "    switch (picture) {\n"
        << cases.join(QString()) << "    }\n    return ProgramIcon;\n}\n\n"
        << "} // namespace sumwright::artwork::rendered\n";
    out.flush();

    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return fail(QStringLiteral("cannot write %1").arg(output));
    std::size_t rawBytes = 0, pngBytes = 0;
    for (const Made &m : made)
        (m.raw ? rawBytes : pngBytes) += static_cast<std::size_t>(m.bytes.size());
    std::printf("render-pictures: %zu pictures, %zu bytes of pixels and %zu of PNG\n",
                sources.size(), rawBytes, pngBytes);
    return 0;
}

int writePng(const QString &file, const QString &sizeText, const QString &output)
{
    bool ok = false;
    const int size = sizeText.toInt(&ok);
    QSvgRenderer svg(file);
    if (!ok || size <= 0)
        return fail(QStringLiteral("%1 is no size").arg(sizeText));
    if (!svg.isValid())
        return fail(QStringLiteral("%1 is not a valid SVG").arg(file));
    if (!render(svg, {size, size}).save(output, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown; the offscreen platform needs no display at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() >= 4 && args.at(1) == QLatin1String("source"))
        return writeSource(args.at(2), args.mid(3));
    if (args.size() == 5 && args.at(1) == QLatin1String("png"))
        return writePng(args.at(2), args.at(3), args.at(4));
    std::fprintf(stderr,
                 "usage: %s source OUT.cpp Name=file.svg...\n"
                 "       %s png file.svg SIZE OUT.png\n",
                 argv[0], argv[0]);
    return 2;
}
