"""What the program tells the accessibility bus (AT-SPI), the way a screen reader reads it."""

import pyatspi

from desktop import wait_for

_FOCUSED, _SHOWING, _CHECKED, _ACTIVE = (pyatspi.STATE_FOCUSED, pyatspi.STATE_SHOWING,
                                          pyatspi.STATE_CHECKED, pyatspi.STATE_ACTIVE)


def application(pid, timeout=10.0):
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application that is going away
                continue
        return None

    try:
        return wait_for("the program on the accessibility bus", find, timeout)
    except AssertionError as e:
        # Whether the bus itself still answers tells a program that never registered from a
        # bus that went away under the whole suite.
        try:
            others = f"the bus lists {pyatspi.Registry.getDesktop(0).childCount} other programs"
        except Exception as bus_error:
            others = f"the bus does not answer: {bus_error}"
        raise AssertionError(f"{e}; {others}") from None


def _walk(node, depth=0):
    yield node
    if depth > 12:
        return
    try:
        children = list(node)
    except Exception:
        return
    for child in children:
        if child is not None:
            yield from _walk(child, depth + 1)


def _states(node):
    try:
        return node.getState()
    except Exception:
        return None


def showing(node):
    s = _states(node)
    return bool(s and s.contains(_SHOWING))


def window(app, title):
    """The shown top-level window with this title."""
    for top in app:
        if top is not None and top.name == title and showing(top):
            return top
    return None


def wait_window(app, title, timeout=5.0):
    return wait_for(f'the window "{title}" on the accessibility bus',
                    lambda: window(app, title), timeout)


def find(root, name, role=None):
    """The first shown control with this accessible name (and role, as AT-SPI names it)."""
    for node in _walk(root):
        try:
            if node.name == name and showing(node) and (role is None or
                                                        node.getRoleName() == role):
                return node
        except Exception:
            continue
    return None


def need(root, name, role=None):
    node = wait_for(f'a control named "{name}"', lambda: find(root, name, role), 5.0)
    return node


def find_by_description(root, description):
    for node in _walk(root):
        try:
            if node.description == description and showing(node):
                return node
        except Exception:
            continue
    return None


def focused(app):
    """The name of the control that has the keyboard focus, or None."""
    for node in _walk(app):
        s = _states(node)
        if s and s.contains(_FOCUSED) and node.getRoleName() not in ("frame", "dialog",
                                                                        "application"):
            return node.name
    return None


def active_window(app):
    for top in app:
        s = _states(top) if top is not None else None
        if s and s.contains(_ACTIVE):
            return top.name
    return None


def checked(node):
    s = _states(node)
    return bool(s and s.contains(_CHECKED))


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def at_point(node, x, y):
    """The innermost control under a point, as a screen reader's pointer or a magnifier finds it:
    the point in the same measure as extents()."""
    try:
        return node.queryComponent().getAccessibleAtPoint(x, y, pyatspi.DESKTOP_COORDS)
    except Exception:  # nothing there, or the control went away
        return None


def centre(node):
    x, y, w, h = extents(node)
    return x + w // 2, y + h // 2


def text(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


def find_prefix(root, prefix):
    for node in _walk(root):
        try:
            if node.name.startswith(prefix) and showing(node):
                return node
        except Exception:
            continue
    return None


def nodes(root, roles):
    """Shown controls of the given roles, with their names."""
    out = []
    for node in _walk(root):
        try:
            if node.getRoleName() in roles and showing(node):
                out.append(node)
        except Exception:
            continue
    return out
