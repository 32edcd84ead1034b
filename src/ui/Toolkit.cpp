#include "ui/Toolkit.h"

#include "ui/widgets/CommandButton.h"
#include "ui/widgets/Frame.h"
#include "ui/widgets/TabbedLabel.h"

#include <QFontDatabase>
#include <QHash>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <optional>

namespace sumwright::toolkit {

void place(QWidget *control, const QRect &geometry)
{
    QRect at = geometry;
    if (const QWidget *parent = control->parentWidget(); parent && parent->isRightToLeft())
        at.moveLeft(parent->width() - at.left() - at.width());
    control->setGeometry(at);
}

void alignToStartSide(QWidget *page)
{
    if (!page->isRightToLeft())
        return;
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (label->isRightToLeft())
            label->setAlignment(QStyle::visualAlignment(Qt::RightToLeft, label->alignment()));
    }
}

Qt::Alignment leftToRight(QWidget *control, Qt::Alignment alignment)
{
    // The parent's direction, not the control's own: the control is made left to right here.
    const QWidget *parent = control->parentWidget();
    if (!parent || !parent->isRightToLeft())
        return alignment;
    control->setLayoutDirection(Qt::LeftToRight);
    return QStyle::visualAlignment(Qt::RightToLeft, alignment);
}

namespace {

// The wanted families this system has, in order. Asked for a family it lacks, Qt first has
// fontconfig search for that family's substitutes, a search that costs a window's first paint
// milliseconds per font; the family list is read anyway when the first font is loaded.
QStringList present(const QStringList &wanted)
{
    static const QStringList families = QFontDatabase::families();
    QStringList found;
    for (const QString &family : wanted) {
        if (families.contains(family, Qt::CaseInsensitive))
            found << family;
    }
    return found;
}

QStringList installed(const QStringList &wanted)
{
    const QStringList found = present(wanted);
    return found.isEmpty() ? wanted : found;
}

const QStringList &sansFamilies()
{
    static const QStringList sans
            = installed({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo",
                         "DejaVu Sans", "Sans Serif"});
    return sans;
}

// The faces of the language's script, when the Latin faces lack it.
struct ScriptFaces
{
    QStringList families;
    // The script's face writes Latin too, and so every text alone, scaled so its lines are as
    // tall as the Latin lines the layout was drawn for. Otherwise it follows the first Latin face,
    // which writes the Latin letters, and per-character fallback stays on: a search that costs
    // the first paint milliseconds.
    bool first = false;
    qreal scale = 1.0;
    bool merging = false;
};

// The faces that write a script, best first: Debian's faces, then those that a desktop set up
// for the language brings. For Arabic and Persian, DejaVu Sans, the face fontconfig gives them,
// writes them within a Latin line; Noto's Arabic faces reserve lines nearly twice as tall for
// stacked marks, and every box would shrink its text to hold such a line.
QStringList wantedFaces(const QLocale &language)
{
    switch (language.script()) {
    case QLocale::ArabicScript:
        return {"DejaVu Sans", "Noto Sans Arabic"};
    case QLocale::DevanagariScript:
        return {"Noto Sans Devanagari", "Lohit Devanagari"};
    case QLocale::JapaneseScript:
        return {"Noto Sans CJK JP", "IPAGothic", "IPAPGothic", "VL Gothic"};
    case QLocale::KoreanScript:
        return {"Noto Sans CJK KR", "NanumGothic"};
    case QLocale::SimplifiedHanScript:
        return {"Noto Sans CJK SC", "WenQuanYi Micro Hei", "WenQuanYi Zen Hei"};
    case QLocale::TraditionalHanScript:
        return {"Noto Sans CJK TC", "AR PL UMing TW"};
    default:
        // Latin, Cyrillic, Greek and Hebrew: the Latin faces write them.
        return {};
    }
}

// Line heights in ems, ascent and descent as the faces' files give them, of the faces asked for
// by name: measuring loads a face that the first window may never draw with, which costs the
// start-up a millisecond or two. Any other face is measured.
qreal lineHeight(const QString &family)
{
    static const QHash<QString, qreal> known = {
            {QStringLiteral("Liberation Sans"), 1.1172},
            {QStringLiteral("Arimo"), 1.1172},
            {QStringLiteral("DejaVu Sans"), 1.1641},
            {QStringLiteral("Noto Sans CJK JP"), 1.448},
            {QStringLiteral("Noto Sans CJK KR"), 1.448},
            {QStringLiteral("Noto Sans CJK SC"), 1.448},
            {QStringLiteral("Noto Sans CJK TC"), 1.448},
    };
    if (const auto at = known.constFind(family); at != known.cend())
        return *at;
    constexpr int Em = 1000;
    QFont font;
    font.setFamily(family);
    font.setPixelSize(Em);
    return QFontMetricsF(font).height() / Em;
}

ScriptFaces facesFor(const QLocale &language)
{
    ScriptFaces faces;
    const QStringList wanted = wantedFaces(language);
    if (wanted.isEmpty())
        return faces;
    faces.families = present(wanted);
    faces.first = !faces.families.isEmpty()
            && QFontDatabase::writingSystems(faces.families.constFirst())
                       .contains(QFontDatabase::Latin);
    // A script face without Latin letters needs the Latin face beside it; with none of the
    // script's faces installed, fontconfig finds one.
    faces.merging = !faces.first;
    if (faces.first) {
        faces.scale = std::min(1.0,
                               lineHeight(sansFamilies().constFirst())
                                       / lineHeight(faces.families.constFirst()));
    }
    return faces;
}

// The language's faces, worked out when the first font is made: the language is chosen before
// the application can load fonts, and a run that only answers --help loads none.
struct Faces
{
    QLocale language = QLocale::c();
    std::optional<ScriptFaces> faces;
};

Faces &faces()
{
    static Faces current;
    return current;
}

const ScriptFaces &scriptFaces()
{
    Faces &current = faces();
    if (!current.faces)
        current.faces = facesFor(current.language);
    return *current.faces;
}

} // namespace

void useFacesFor(const QLocale &language)
{
    faces() = {language, std::nullopt};
}

QFont ownTextOnly(QFont font)
{
    if (!scriptFaces().merging)
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    return font;
}

void writeInScriptFace(QWidget *widget)
{
    const ScriptFaces &script = scriptFaces();
    if (!script.first)
        return;
    QFont font = widget->font();
    font.setFamilies(script.families);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    widget->setFont(font);
}

namespace {

QFont fontOf(Face face, qreal pointSize, bool bold, bool underline, const ScriptFaces &script)
{
    static const QStringList arial
            = installed({"Arial", "Liberation Sans", "Arimo", "DejaVu Sans", "Sans Serif"});
    static const QStringList times
            = installed({"Times New Roman", "Liberation Serif", "Tinos", "DejaVu Serif", "Serif"});
    static const QStringList impact
            = installed({"Impact", "Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans",
                         "Sans Serif"});
    QStringList families;
    switch (face) {
    case Face::SansSerif:
        families = sansFamilies();
        break;
    case Face::Arial:
        families = arial;
        break;
    case Face::TimesNewRoman:
        families = times;
        break;
    case Face::Impact:
        families = impact;
        break;
    }
    if (script.first) {
        families = script.families + families;
    } else if (!script.families.isEmpty()) {
        families = families.mid(0, 1) + script.families + families.mid(1);
        families.removeDuplicates();
    }

    QFont f;
    f.setFamilies(families);
    if (face == Face::TimesNewRoman)
        f.setStyleHint(QFont::Serif);
    // Impact is a heavy face; its stand-ins need the weight to look like it.
    if (face == Face::Impact)
        f.setBold(true);
    f.setPointSizeF(pointSize * script.scale);
    if (bold)
        f.setBold(true);
    f.setUnderline(underline);
    return f;
}

} // namespace

QFont makeFont(Face face, qreal pointSize, bool bold, bool underline)
{
    return fontOf(face, pointSize, bold, underline, scriptFaces());
}

QFont makeLatinFont(Face face, qreal pointSize)
{
    return fontOf(face, pointSize, false, false, ScriptFaces());
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
