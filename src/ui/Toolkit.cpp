#include "ui/Toolkit.h"

#include <QFontDatabase>
#include <QWidget>

namespace sumwright::toolkit {

QFont ownTextOnly(QFont font)
{
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    return font;
}

namespace {

// The wanted families this system has, in order. Asked for a family it lacks, Qt first has
// fontconfig search for that family's substitutes, a search that costs a window's first paint
// milliseconds per font; the family list is read anyway when the first font is loaded.
QStringList installed(const QStringList &wanted)
{
    static const QStringList families = QFontDatabase::families();
    QStringList present;
    for (const QString &family : wanted) {
        if (families.contains(family, Qt::CaseInsensitive))
            present << family;
    }
    return present.isEmpty() ? wanted : present;
}

} // namespace

QFont makeFont(Face face, qreal pointSize, bool bold, bool underline)
{
    static const QStringList sans
            = installed({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo",
                         "DejaVu Sans", "Sans Serif"});
    static const QStringList arial
            = installed({"Arial", "Liberation Sans", "Arimo", "DejaVu Sans", "Sans Serif"});
    static const QStringList times
            = installed({"Times New Roman", "Liberation Serif", "Tinos", "DejaVu Serif", "Serif"});
    static const QStringList impact
            = installed({"Impact", "Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans",
                         "Sans Serif"});
    QFont f;
    switch (face) {
    case Face::SansSerif:
        f.setFamilies(sans);
        break;
    case Face::Arial:
        f.setFamilies(arial);
        break;
    case Face::TimesNewRoman:
        f.setFamilies(times);
        f.setStyleHint(QFont::Serif);
        break;
    case Face::Impact:
        f.setFamilies(impact);
        // Impact is a heavy face; its stand-ins need the weight to look like it.
        f.setBold(true);
        break;
    }
    f.setPointSizeF(pointSize);
    if (bold)
        f.setBold(true);
    f.setUnderline(underline);
    return f;
}

void fitText(QLabel *label)
{
    const auto fits = [label](const QFont &f) {
        const QFontMetrics metrics(f);
        const QRect box = label->contentsRect();
        const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        const QRect needed
                = metrics.boundingRect(box, flags | int(label->alignment()), label->text());
        // Glyphs of heavy faces overhang their advance; keep a little room for them.
        const int overhang = metrics.height() / 6;
        return needed.width() + overhang <= box.width() && needed.height() <= box.height();
    };
    QFont f = label->font();
    constexpr int Narrowest = 75;
    for (int stretch = 100; stretch >= Narrowest && !fits(f); stretch -= 3)
        f.setStretch(stretch - 3);
    if (f != label->font())
        label->setFont(f);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void makeFixedWindow(QWidget *window, QSize clientSize, QWidget *client)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    (client ? client : window)->setFixedSize(clientSize);
}

QString indexed(const char *arrayName, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(arrayName)).arg(index);
}

} // namespace sumwright::toolkit
