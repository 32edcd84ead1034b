#include "ui/Toolkit.h"

#include "ui/widgets/CommandButton.h"
#include "ui/widgets/Frame.h"
#include "ui/widgets/TabbedLabel.h"

#include <QFontDatabase>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>
#include <functional>

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

namespace {

bool labelFits(const QLabel *label, const QFont &font)
{
    const QFontMetrics metrics(font);
    const QRect box = label->contentsRect();
    // Glyphs of heavy faces overhang their advance; keep a little room for them.
    const int overhang = metrics.height() / 6;
    if (const auto *tabbed = qobject_cast<const TabbedLabel *>(label))
        return tabbed->textWidth(metrics) + overhang <= box.width()
                && metrics.height() <= box.height();
    const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect needed = metrics.boundingRect(box, flags | int(label->alignment()), label->text());
    return needed.width() + overhang <= box.width() && needed.height() <= box.height();
}

bool optionFits(const QRadioButton *option, const QFont &font)
{
    const QStyle *style = option->style();
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
    const QSize text = QFontMetrics(font).size(Qt::TextShowMnemonic, option->text());
    return indicator + text.width() + 4 <= option->width() && text.height() <= option->height();
}

std::function<bool(const QFont &)> fitsOf(QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return [label](const QFont &f) { return labelFits(label, f); };
    if (const auto *button = qobject_cast<const CommandButton *>(control))
        return [button](const QFont &f) { return button->captionFits(f); };
    if (const auto *option = qobject_cast<const QRadioButton *>(control))
        return [option](const QFont &f) { return optionFits(option, f); };
    if (const auto *frame = qobject_cast<const Frame *>(control))
        return [frame](const QFont &f) { return frame->captionFits(f); };
    return {};
}

} // namespace

void fitText(QWidget *control)
{
    const std::function<bool(const QFont &)> fits = fitsOf(control);
    const QFont original = control->font();
    if (!fits || fits(original))
        return;
    QFont f = original;
    constexpr int Narrowest = 72;
    for (int stretch = 100 - 3; stretch >= Narrowest && !fits(f); stretch -= 3)
        f.setStretch(stretch);
    // Past the narrowest stretch, a smaller size, down to three quarters of the first.
    const qreal size = original.pointSizeF();
    for (qreal smaller = size - 0.5; smaller >= size * 0.75 && !fits(f); smaller -= 0.5)
        f.setPointSizeF(smaller);
    control->setFont(f);
}

void fitTexts(QWidget *page)
{
    for (QWidget *control : page->findChildren<QWidget *>())
        fitText(control);
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
