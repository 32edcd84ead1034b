#include "ui/ScreenPixelAccessibility.h"

#include "ui/platform/WindowSystem.h"

#include <QAccessible>
#include <QAction>
#include <QGuiApplication>
#include <QPointF>
#include <QRect>
#include <QScreen>
#include <QSizeF>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace sumwright::accessibility {

namespace {

// One window's measure: a point in device-independent pixels is where the window is on the screen
// plus its place in the window, scaled.
struct ScreenScale
{
    QPointF logicalOrigin;
    QPointF screenOrigin;
    qreal factor = 1.0;

    [[nodiscard]] QPoint toScreen(QPoint logical) const
    {
        return (screenOrigin + (QPointF(logical) - logicalOrigin) * factor).toPoint();
    }
    [[nodiscard]] QPoint toLogical(QPoint screen) const
    {
        return (logicalOrigin + (QPointF(screen) - screenOrigin) / factor).toPoint();
    }
    [[nodiscard]] QRect toScreen(const QRect &logical) const
    {
        if (logical.isNull())
            return logical;
        return {toScreen(logical.topLeft()), (QSizeF(logical.size()) * factor).toSize()};
    }
};

// A menu item has no window of its own; its menu has.
QWindow *windowOf(const QAccessibleInterface *iface)
{
    for (int depth = 0; iface && depth < 4; ++depth, iface = iface->parent()) {
        if (QWindow *window = iface->window())
            return window;
    }
    return nullptr;
}

// Where the window's client area is in the screen's pixels: exactly where the window system
// tells, otherwise Qt's place scaled about the screen's corner, as Qt scales screens.
QPointF screenOriginOf(const QWindow &window, const ScreenScale &scaled)
{
    if (const std::optional<QPoint> exact = windowsystem::screenPixelOrigin(window))
        return QPointF(*exact);
    return scaled.toScreen(window.mapToGlobal(QPoint(0, 0)));
}

// The measure of the control's window, or for one without a window of the screen under it. Qt
// scales each screen about its top-left corner, which keeps its place in both measures.
ScreenScale scaleOf(const QAccessibleInterface *iface, QPoint logicalHint)
{
    const QWindow *window = windowOf(iface);
    QScreen *screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::screenAt(logicalHint);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QPointF corner(screen->geometry().topLeft());
    ScreenScale scale {corner, corner, screen->devicePixelRatio()};
    if (window) {
        const QPointF origin = screenOriginOf(*window, scale);
        scale.logicalOrigin = QPointF(window->mapToGlobal(QPoint(0, 0)));
        scale.screenOrigin = origin;
    }
    return scale;
}

bool anyScreenScaled()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.cbegin(), screens.cend(), [](const QScreen *screen) {
        return !qFuzzyCompare(screen->devicePixelRatio(), 1.0);
    });
}

// The toolkit's interface with every position and size in screen pixels. It owns the toolkit's
// interface, which stays in Qt's cache under an id of its own (Qt's interfaces find one another
// there) and goes when this one does.
class ScreenPixelInterface final : public QAccessibleInterface, public QAccessibleTextInterface
{
public:
    explicit ScreenPixelInterface(QAccessibleInterface *toolkit)
        : m_toolkit(toolkit)
        , m_toolkitId(QAccessible::uniqueId(toolkit))
    {
    }
    ~ScreenPixelInterface() override
    {
        if (QAccessible::accessibleInterface(m_toolkitId) == m_toolkit)
            QAccessible::deleteAccessibleInterface(m_toolkitId);
    }
    ScreenPixelInterface(const ScreenPixelInterface &) = delete;
    ScreenPixelInterface &operator=(const ScreenPixelInterface &) = delete;

    [[nodiscard]] static QAccessibleInterface *adopt(QAccessibleInterface *iface);
    [[nodiscard]] static const QAccessibleInterface *toolkitOf(const QAccessibleInterface *iface)
    {
        const auto *own = dynamic_cast<const ScreenPixelInterface *>(iface);
        return own ? own->m_toolkit : iface;
    }

    // What is no position or size passes through.
    bool isValid() const override { return m_toolkit->isValid(); }
    QObject *object() const override { return m_toolkit->object(); }
    QWindow *window() const override { return m_toolkit->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto related = m_toolkit->relations(match);
        for (auto &pair : related)
            pair.first = adopt(pair.first);
        return related;
    }
    QAccessibleInterface *focusChild() const override { return adopt(m_toolkit->focusChild()); }
    QAccessibleInterface *parent() const override { return adopt(m_toolkit->parent()); }
    QAccessibleInterface *child(int index) const override { return adopt(m_toolkit->child(index)); }
    int childCount() const override { return m_toolkit->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return m_toolkit->indexOfChild(toolkitOf(child));
    }
    QString text(QAccessible::Text t) const override { return m_toolkit->text(t); }
    void setText(QAccessible::Text t, const QString &text) override { m_toolkit->setText(t, text); }
    QAccessible::Role role() const override { return m_toolkit->role(); }
    QAccessible::State state() const override { return m_toolkit->state(); }
    QColor foregroundColor() const override { return m_toolkit->foregroundColor(); }
    QColor backgroundColor() const override { return m_toolkit->backgroundColor(); }
    void virtual_hook(int id, void *data) override { m_toolkit->virtual_hook(id, data); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return m_toolkit->textInterface() ? static_cast<QAccessibleTextInterface *>(this)
                                              : nullptr;
        return m_toolkit->interface_cast(type);
    }

    // Positions and sizes.
    QRect rect() const override
    {
        const QRect logical = m_toolkit->rect();
        return scaleOf(m_toolkit, logical.center()).toScreen(logical);
    }
    // The toolkit finds the child under a point by its children's rectangles, or from the point
    // itself in its own measure; with the children's rectangles now on the screen, the point is
    // looked up among them.
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = m_toolkit->childCount() - 1; i >= 0; --i) {
            QAccessibleInterface *candidate = child(i);
            if (candidate && candidate->isValid() && candidate->rect().contains(x, y))
                return candidate;
        }
        return nullptr;
    }

    // Text: character extents and the offset under a point are on the screen.
    QRect characterRect(int offset) const override
    {
        const QRect logical = toolkitText()->characterRect(offset);
        return scaleOf(m_toolkit, logical.center()).toScreen(logical);
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return toolkitText()->offsetAtPoint(
                scaleOf(m_toolkit, m_toolkit->rect().center()).toLogical(point));
    }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        toolkitText()->selection(selectionIndex, startOffset, endOffset);
    }
    int selectionCount() const override { return toolkitText()->selectionCount(); }
    void addSelection(int startOffset, int endOffset) override
    {
        toolkitText()->addSelection(startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        toolkitText()->removeSelection(selectionIndex);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        toolkitText()->setSelection(selectionIndex, startOffset, endOffset);
    }
    int cursorPosition() const override { return toolkitText()->cursorPosition(); }
    void setCursorPosition(int position) override { toolkitText()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        return toolkitText()->text(startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override
    {
        return toolkitText()->textBeforeOffset(offset, boundaryType, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override
    {
        return toolkitText()->textAfterOffset(offset, boundaryType, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override
    {
        return toolkitText()->textAtOffset(offset, boundaryType, startOffset, endOffset);
    }
    int characterCount() const override { return toolkitText()->characterCount(); }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        toolkitText()->scrollToSubstring(startIndex, endIndex);
    }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        return toolkitText()->attributes(offset, startOffset, endOffset);
    }

private:
    QAccessibleTextInterface *toolkitText() const { return m_toolkit->textInterface(); }

    QAccessibleInterface *const m_toolkit;
    const QAccessible::Id m_toolkitId;
};

// A menu's items are made by the menu itself, outside any factory, when it is asked for a child:
// they are wrapped as they are handed out. Widgets come wrapped from the factory; an item without
// an object of its own (a list's cell) is left as the toolkit made it.
QAccessibleInterface *ScreenPixelInterface::adopt(QAccessibleInterface *iface)
{
    if (!iface || dynamic_cast<ScreenPixelInterface *>(iface)
        || !qobject_cast<QAction *>(iface->object()))
        return iface;
    QAccessibleInterface *current = QAccessible::queryAccessibleInterface(iface->object());
    if (current && current != iface)
        return current;
    auto *own = new ScreenPixelInterface(iface);
    // From now on Qt's cache hands out this interface for the item.
    QAccessible::registerAccessibleInterface(own);
    return own;
}

// The object whose toolkit interface is being made: the factory stands aside for it.
QObject *beingMade = nullptr;

// Qt offers the factories no way to the toolkit's own interface but the query itself, so the
// factory asks again with itself standing aside, and wraps what the toolkit's factory made. The
// query keeps the toolkit's interface in the cache; the one returned here then takes the
// object's place there, and the toolkit's stays under its own id until this one goes. Qt's
// release builds (Debian's) allow the second entry for one object; a Qt built with assertions
// stops at it.
QAccessibleInterface *screenPixelFactory(const QString &, QObject *object)
{
    if (!object || object == beingMade || !object->isWidgetType() || !anyScreenScaled())
        return nullptr;
    QObject *const outer = std::exchange(beingMade, object);
    QAccessibleInterface *toolkit = QAccessible::queryAccessibleInterface(object);
    beingMade = outer;
    if (!toolkit)
        return nullptr;
    return new ScreenPixelInterface(toolkit);
}

} // namespace

void reportScreenPixels()
{
    QAccessible::installFactory(screenPixelFactory);
}

} // namespace sumwright::accessibility
