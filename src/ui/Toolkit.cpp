#include "ui/Toolkit.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace toolkit {

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

void makeFixedWindow(QWidget *window, QSize clientSize)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(clientSize);
}

QString indexed(const char *arrayName, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(arrayName)).arg(index);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TabbedLabel::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    // Eight average characters, the average taken over the lower-case letters as classic
    // window systems define it; the font's own average is inflated by wide glyphs.
    const int tabStop
            = 8 * metrics.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyz")) / 26;
    const QRect area = contentsRect();
    int x = area.left();
    const QStringList pieces = text().split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            x = area.left() + ((x - area.left()) / tabStop + 1) * tabStop;
        painter.drawText(QRect(x, area.top(), area.right() - x + 1, area.height()),
                         int(alignment() & Qt::AlignVertical_Mask) | Qt::AlignLeft
                                 | Qt::TextSingleLine | Qt::TextDontClip,
                         pieces[i]);
        x += metrics.horizontalAdvance(pieces[i]);
    }
}

CommandButton::CommandButton(const QString &caption, const QColor &colour, QWidget *parent)
    : QPushButton(caption, parent)
    , m_colour(colour)
{
    setAutoDefault(false);
    setDefault(false);
}

bool CommandButton::isEnterForMe(const QKeyEvent *event) const
{
    return m_pressedByEnter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
            && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

// Like Space: the button goes down on the press and acts on the release, so the release never
// lands in whatever the click brings up (a Start Test pressed with Enter must not also submit an
// empty answer), and a held key presses once.
void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnterForMe(event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        setDown(true);
    event->accept();
}

void CommandButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isEnterForMe(event)) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !isDown())
        return;
    setDown(false);
    click();
}

void CommandButton::setPicture(Artwork::Picture picture)
{
    m_picture = picture;
    m_pixmap = {};
    update();
}

void CommandButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QRect r = rect();
    const bool down = isDown();
    painter.fillRect(r, m_colour);

    // A raised bevel that sinks while pressed, like the buttons this program's users know.
    const QColor light = m_colour.lighter(135);
    const QColor dark = m_colour.darker(160);
    painter.setPen(down ? dark : light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(down ? light : dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());

    QRect content = r.adjusted(4, 4, -4, -4);
    if (down)
        content.translate(1, 1);
    const QFontMetrics metrics(font());
    const int textHeight = metrics.height();
    if (m_picture) {
        const qreal ratio = devicePixelRatioF();
        const QSize size = Artwork::designSize(*m_picture);
        if (m_pixmap.isNull() || !qFuzzyCompare(m_pixmap.devicePixelRatio(), ratio))
            m_pixmap = Artwork::pixmap(*m_picture, size, ratio);
        const int top = content.top() + (content.height() - size.height() - textHeight) / 2;
        const QPoint at(content.left() + (content.width() - size.width()) / 2, top);
        painter.drawPixmap(at, m_pixmap);
        content.setTop(top + size.height());
        content.setHeight(textHeight);
    }
    painter.setFont(font());
    style()->drawItemText(&painter, content,
                          Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap, palette(),
                          isEnabled(), text(), QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void Frame::paintEvent(QPaintEvent *event)
{
    // A child's repaint reaches here too (the frame shows through a line edit's corners):
    // draw only what the repaint uncovers, and the caption, which needs a text layout, only
    // when it is part of it.
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QColor background = palette().color(QPalette::Window);
    const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
    if (!event->region().subtracted(QRegion(border.adjusted(2, 2, -2, -2))).isEmpty()) {
        painter.setPen(background.darker(160));
        painter.drawRect(border.adjusted(0, 0, -1, -1));
        painter.setPen(background.lighter(125));
        painter.drawRect(border.adjusted(1, 1, 0, 0));
    }
    if (title().isEmpty())
        return;
    const int inset = metrics.averageCharWidth();
    QRect caption = metrics.boundingRect(title());
    caption.moveTopLeft({inset, 0});
    caption.adjust(-2, 0, 2, 0);
    if (!event->region().intersects(caption))
        return;
    painter.fillRect(caption, background);
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

Rule::Rule(const QColor &colour, int thickness, QWidget *parent)
    : QWidget(parent)
    , m_colour(colour)
{
    setFixedHeight(thickness);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Rule::paintEvent(QPaintEvent * /*event*/)
{
    QPainter(this).fillRect(rect(), m_colour);
}

void placeRule(Rule *rule, int x1, int x2, int y, int thickness)
{
    rule->setGeometry(px(x1), px(y), px(x2 - x1), thickness);
}

} // namespace toolkit
