"""The X side of the suite: a private X server, an optional window manager, input through the
X server's test extension, and the screen read back from the root window. The Wayland side
(wayland.py) shows the scenarios the same face: a server with program_env() and screen(), and
a Screen with the methods below."""

import collections
import ctypes
import os
import signal
import select
import subprocess
import time

from Xlib import X, XK, Xatom, display as xdisplay, error as xerror
from Xlib.ext import xtest


def die_with_parent():
    """For subprocess: the child ends when the suite does, however the suite ends."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


class Deadline:
    def __init__(self, seconds):
        self.end = time.monotonic() + seconds

    def left(self):
        return self.end - time.monotonic()

    def passed(self):
        return self.left() <= 0


def wait_for(what, condition, timeout=5.0, interval=0.02):
    """Polls until condition() is truthy and returns its value; a timeout is a failure."""
    deadline = Deadline(timeout)
    while True:
        value = condition()
        if value:
            return value
        if deadline.passed():
            raise AssertionError(f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(interval)


class XServer:
    """Xvfb on a display number that the server itself picks (-displayfd), never a guessed one."""

    def __init__(self, width=1280, height=1024, log=None):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL,
            stderr=log or subprocess.DEVNULL, preexec_fn=die_with_parent)
        os.close(write_end)
        number = b""
        deadline = Deadline(15)
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(deadline.left(), 0))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                os.close(read_end)
                self.process.kill()
                raise RuntimeError("Xvfb did not report its display number")
            number += chunk
        os.close(read_end)
        self.name = ":" + number.decode().strip()
        self.wm = None

    def program_env(self):
        return {"DISPLAY": self.name, "QT_QPA_PLATFORM": "xcb"}

    def screen(self):
        return Screen(self.name)

    def start_window_manager(self):
        env = dict(os.environ, DISPLAY=self.name)
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   preexec_fn=die_with_parent)
        screen = Screen(self.name)
        try:
            wait_for("openbox to manage the screen", screen.window_manager_running, timeout=10)
        finally:
            screen.close()

    def stop(self):
        for process in (self.wm, self.process):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


Window = collections.namedtuple("Window", "id title x y width height")


class Screen:
    """One client connection: finds windows, sends XTest input, reads pixels."""

    # What the program drew into a window can be read apart from the screen.
    reads_window_contents = True

    def __init__(self, name):
        self.d = xdisplay.Display(name)
        self.root = self.d.screen().root
        self._keycodes = {}
        self._bound = {}  # character: the spare keycode bound to its keysym
        self._net_wm_name = self.d.intern_atom("_NET_WM_NAME")
        self._utf8 = self.d.intern_atom("UTF8_STRING")

    def close(self):
        self.unbind_characters()
        self.d.close()

    def size(self):
        g = self.root.get_geometry()
        return g.width, g.height

    # ---- windows
    def window_manager_running(self):
        atom = self.d.intern_atom("_NET_SUPPORTING_WM_CHECK")
        prop = self.root.get_full_property(atom, Xatom.WINDOW)
        return bool(prop and prop.value)

    def _title(self, w):
        prop = w.get_full_property(self._net_wm_name, self._utf8)
        if prop and prop.value:
            value = prop.value
            return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
        name = w.get_wm_name()
        return name.decode("latin-1") if isinstance(name, bytes) else name

    def windows(self):
        """Viewable windows that carry a title, at their position on the screen."""
        found = []

        def walk(parent, depth):
            try:
                children = parent.query_tree().children
            except xerror.XError:
                return
            for w in children:
                try:
                    if w.get_attributes().map_state != X.IsViewable:
                        continue
                    title = self._title(w)
                    if title:
                        g = w.get_geometry()
                        origin = w.translate_coords(self.root, 0, 0)
                        found.append(Window(w.id, title, -origin.x, -origin.y,
                                            g.width, g.height))
                    elif depth < 3:
                        walk(w, depth + 1)
                except xerror.XError:
                    continue  # went away while looked at

        walk(self.root, 0)
        return found

    def window(self, title):
        for w in self.windows():
            if w.title == title:
                return w
        return None

    def wait_window(self, title, timeout=5.0):
        return wait_for(f'a window titled "{title}" on screen', lambda: self.window(title),
                        timeout)

    def wait_gone(self, title, timeout=5.0):
        wait_for(f'the window "{title}" to go', lambda: self.window(title) is None, timeout)

    def a11y_origin(self, title):
        """Where a position that AT-SPI gives for a control of this window is measured from:
        on X the program knows its windows' places and reports screen positions."""
        return 0, 0

    def keyboard_owner(self):
        """Where the keys go, in words, for a failure message."""
        f = self.d.get_input_focus().focus
        if isinstance(f, int):
            return "PointerRoot (nothing in particular)" if f == 1 else str(f)
        if f.id == self.root.id:
            return "the root window"
        names = {w.id: w.title for w in self.windows()}
        return f'window {hex(f.id)} "{names.get(f.id, "")}"'

    def focus_is_in(self, window):
        """Whether the keyboard focus is on the window or inside it."""
        focus = self.d.get_input_focus().focus
        if isinstance(focus, int) or focus in (X.NONE, X.PointerRoot):
            return False
        w = focus
        for _ in range(8):
            if w.id == window.id:
                return True
            try:
                parent = w.query_tree().parent
            except xerror.XError:
                return False
            if not parent or parent.id == self.root.id:
                return False
            w = parent
        return False

    def close_window(self, window):
        """What a window manager's close box does: asks the window to close itself."""
        from Xlib.protocol import event
        w = self.d.create_resource_object("window", window.id)
        protocols = self.d.intern_atom("WM_PROTOCOLS")
        delete = self.d.intern_atom("WM_DELETE_WINDOW")
        message = event.ClientMessage(window=w, client_type=protocols,
                                      data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        w.send_event(message, event_mask=0)
        self.d.sync()

    # ---- input (XTest only)
    def keycode(self, name):
        if name not in self._keycodes:
            code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
            if not code:
                raise ValueError(f"no key for {name}")
            self._keycodes[name] = code
        return self._keycodes[name]

    def key_down(self, name):
        xtest.fake_input(self.d, X.KeyPress, self.keycode(name))
        self.d.sync()

    def key_up(self, name):
        xtest.fake_input(self.d, X.KeyRelease, self.keycode(name))
        self.d.sync()

    def chord(self, *names, gap=0.005):
        """Presses the keys in order and lets go in reverse: chord("Alt_L", "f")."""
        for n in names:
            self.key_down(n)
            time.sleep(gap)
        for n in reversed(names):
            self.key_up(n)
            time.sleep(gap)

    _shifted = {"+": "plus", "-": "minus", "/": "slash", " ": "space", ".": "period"}

    @staticmethod
    def keysym_of(ch):
        """X's keysym for a character: Latin-1 as it is, the rest of Unicode at 0x1000000 + its
        code point, as xkbcommon and the toolkits read it."""
        return ord(ch) if ord(ch) < 0x100 else 0x1000000 + ord(ch)

    def unbound(self, chars):
        """The characters, once each, that the US keyboard map lacks and no key is bound to yet."""
        return [ch for ch in dict.fromkeys(chars)
                if ch not in self._bound and not (ch.isascii() and ch.isprintable())]

    def bind_characters(self, chars):
        """Makes the characters typable that the keyboard map lacks (the digits of another
        script, say): each gets a spare keycode, one with no keysym, bound to its keysym through
        the server's keyboard mapping, as xdotool does. The server tells every client of the
        new map before any key that follows, so no wait is needed. Bound until close()."""
        wanted = self.unbound(chars)
        if not wanted:
            return
        low = self.d.display.info.min_keycode
        count = self.d.display.info.max_keycode - low + 1
        used = set(self._bound.values())
        spare = [low + i for i, syms in enumerate(self.d.get_keyboard_mapping(low, count))
                 if not any(syms) and low + i not in used]
        # From the top, as xdotool does: the lowest keycodes have meanings of their own to XKB.
        spare.reverse()
        if len(spare) < len(wanted):
            raise RuntimeError(f"{len(spare)} spare keycodes for {len(wanted)} characters")
        for ch, code in zip(wanted, spare):
            self.d.change_keyboard_mapping(code, [(self.keysym_of(ch),) * 2])
            self._bound[ch] = code
        self.d.sync()

    def unbind_characters(self):
        for code in self._bound.values():
            self.d.change_keyboard_mapping(code, [(X.NoSymbol,) * 2])
        self._bound = {}
        self.d.sync()

    def tap_bound(self, ch, gap):
        """Presses and lets go the key bind_characters() bound to the character."""
        for event in (X.KeyPress, X.KeyRelease):
            xtest.fake_input(self.d, event, self._bound[ch])
            self.d.sync()
            time.sleep(gap)

    def type_text(self, text, gap=0.003):
        """Types any text: what the US map lacks is bound to keys of its own first."""
        self.bind_characters(text)
        for ch in text:
            if ch in self._bound:
                self.tap_bound(ch, gap)
            elif ch.isupper():
                self.chord("Shift_L", ch.lower(), gap=gap)
            else:
                self.chord(self._shifted.get(ch, ch), gap=gap)

    def move(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=int(x), y=int(y))
        self.d.sync()

    def click(self, x, y, button=1):
        self.move(x, y)
        time.sleep(0.03)
        xtest.fake_input(self.d, X.ButtonPress, button)
        self.d.sync()
        time.sleep(0.03)
        xtest.fake_input(self.d, X.ButtonRelease, button)
        self.d.sync()

    def set_auto_repeat(self, on):
        self.d.change_keyboard_control(
            auto_repeat_mode=X.AutoRepeatModeOn if on else X.AutoRepeatModeOff)
        self.d.sync()

    # ---- pixels
    def pixels(self, x, y, width, height):
        """The screen's colours over a rectangle, clipped to the screen, as (r, g, b) counts."""
        sw, sh = self.root.get_geometry().width, self.root.get_geometry().height
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(sw, x + width), min(sh, y + height)
        if x1 <= x0 or y1 <= y0:
            return Pixels(0, 0, b"")
        image = self.root.get_image(x0, y0, x1 - x0, y1 - y0, X.ZPixmap, 0xFFFFFFFF)
        return Pixels(x1 - x0, y1 - y0, image.data)

    def window_pixels(self, window):
        """What the program drew into its window, read from the window itself. Where another
        window covers it, the X server gives black, so it matches the screen only where the
        window is on top."""
        w = self.d.create_resource_object("window", window.id)
        image = w.get_image(0, 0, window.width, window.height, X.ZPixmap, 0xFFFFFFFF)
        return Pixels(window.width, window.height, image.data)

    def save_png(self, path):
        """The whole screen as a picture, for a person to look at when a scenario fails."""
        g = self.root.get_geometry()
        data = self.pixels(0, 0, g.width, g.height).rgb_bytes()
        try:
            subprocess.run(["convert", "-size", f"{g.width}x{g.height}", "-depth", "8",
                            "rgb:-", path], input=data, check=True, timeout=20)
        except (OSError, subprocess.SubprocessError):
            with open(path + ".ppm", "wb") as f:
                f.write(b"P6 %d %d 255\n" % (g.width, g.height) + data)


def _ink(a, b):
    return sum(abs(x - y) for x, y in zip(a, b)) > 96


class Pixels:
    """A rectangle of the screen as 32-bit BGRX words (Xvfb's 24-bit TrueColor)."""

    def __init__(self, width, height, data):
        self.width, self.height = width, height
        self.words = memoryview(bytes(data)).cast("I") if data else memoryview(b"").cast("I")

    @staticmethod
    def rgb(word):
        return ((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF)

    def counts(self):
        return collections.Counter(self.words)

    def colours(self):
        return {self.rgb(w): n for w, n in self.counts().items()}

    def share(self, colour):
        total = len(self.words)
        return self.colours().get(colour, 0) / total if total else 0.0

    def at(self, x, y):
        return self.rgb(self.words[y * self.width + x])

    def ink_at_edges(self, ring, sides):
        """Which of the sides ("left", "right", "top", "bottom") have ink, meaning colours far
        from the rectangle's most common one, in the two pixels inside an ignored ring."""
        if not self.words:
            return ["nothing on screen"]
        background = self.rgb(self.counts().most_common(1)[0][0])
        w, h = self.width, self.height
        bands = {
            "left": [(x, y) for x in range(ring, ring + 2) for y in range(ring, h - ring)],
            "right": [(x, y) for x in range(w - ring - 2, w - ring) for y in range(ring, h - ring)],
            "top": [(x, y) for y in range(ring, ring + 2) for x in range(ring, w - ring)],
            "bottom": [(x, y) for y in range(h - ring - 2, h - ring) for x in range(ring, w - ring)],
        }
        return [side for side in sides
                if any(_ink(self.at(x, y), background) for x, y in bands[side])]

    def has_ink(self):
        if not self.words:
            return False
        background = self.rgb(self.counts().most_common(1)[0][0])
        return any(_ink(self.rgb(word), background) for word in set(self.words))

    def rgb_bytes(self):
        out = bytearray(len(self.words) * 3)
        for i, w in enumerate(self.words):
            out[3 * i] = (w >> 16) & 0xFF
            out[3 * i + 1] = (w >> 8) & 0xFF
            out[3 * i + 2] = w & 0xFF
        return bytes(out)


if __name__ == "__main__":
    # A picture of the whole screen read straight from the root window: python3 desktop.py :N
    # shot.png. Not xwd -root: it reads a window that lies wholly inside another window with the
    # same colormap through that outer window, where the inner one covers it and the server
    # gives black. Qt gives its windows a colormap of its own, so a dialog or a menu over the
    # main window comes out black in xwd's picture while the screen shows it drawn.
    import sys
    Screen(sys.argv[1]).save_png(sys.argv[2])
