"""The Wayland side of the suite: a headless sway of its own, input through the virtual keyboard
and virtual pointer protocols, the screen read through the compositor's screen copy (grim), the
windows and the keyboard focus as the compositor tells them (sway's IPC).

On Wayland a program knows nothing of where its windows are: the compositor places them, and
Qt 6.4 reports every accessible position relative to the window's own top-left corner. So a
position read over AT-SPI becomes a place on the screen by adding where the compositor shows
that window's contents."""

import json
import os
import re
import socket
import struct
import subprocess
import tempfile
import time

import desktop
import wlinput
from desktop import Deadline, Pixels, Window, die_with_parent

IPC_MAGIC = b"i3-ipc"
IPC_RUN_COMMAND, IPC_GET_TREE = 0, 4

CONFIG = """\
xwayland disable
output HEADLESS-1 resolution {width}x{height} position 0 0
focus_follows_mouse no
default_border normal
exec sh -c 'printf "%s\\n" "$WAYLAND_DISPLAY" "$SWAYSOCK" >ready.part && mv ready.part ready'
"""


class Compositor:
    """sway on its headless back end, in a private runtime folder: the socket names are the
    compositor's own choice there, reported once it runs, never guessed."""

    def __init__(self, out, width=1600, height=1200):
        self.width, self.height = width, height
        self.runtime = tempfile.mkdtemp(prefix="sway-", dir=out)
        ready = os.path.join(self.runtime, "ready")
        config = os.path.join(self.runtime, "config")
        with open(config, "w") as f:
            f.write(CONFIG.format(width=width, height=height))
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime, WLR_BACKENDS="headless",
                   WLR_RENDERER="pixman", WLR_LIBINPUT_NO_DEVICES="1")
        for var in ("DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK", "WAYLAND_SOCKET"):
            env.pop(var, None)
        self.log = open(os.path.join(out, "sway.log"), "w")
        # Started in its runtime folder, where its config's last line reports the names.
        self.process = subprocess.Popen(["sway", "--config", config], env=env,
                                        cwd=self.runtime, stdout=self.log, stderr=self.log,
                                        preexec_fn=die_with_parent)
        deadline = Deadline(15)
        while not os.path.exists(ready):
            if self.process.poll() is not None or deadline.passed():
                self.stop()
                raise RuntimeError(f"sway did not start; its log is {self.log.name}")
            time.sleep(0.05)
        with open(ready) as f:
            wayland_display, self.ipc = f.read().split("\n")[:2]
        self.socket = os.path.join(self.runtime, wayland_display)
        self.client_env = dict(os.environ, WAYLAND_DISPLAY=self.socket)

    def program_env(self):
        # An absolute WAYLAND_DISPLAY: the program keeps a runtime folder of its own.
        return {"WAYLAND_DISPLAY": self.socket, "QT_QPA_PLATFORM": "wayland"}

    def screen(self):
        return Screen(self)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()


class Screen(desktop.Screen):
    """The same face as the X screen; chord() and type_text() come from it unchanged, built on
    key_down(), key_up() and the binding of characters, which here go through the virtual
    keyboard."""

    reads_window_contents = False

    def __init__(self, compositor):  # noqa: super().__init__ would open an X connection
        self.compositor = compositor
        self.input = wlinput.Input(compositor.socket, compositor.width, compositor.height)
        self._bound = {}  # character: the name of its keysym, now on a key of the keymap
        self.ipc = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.ipc.connect(compositor.ipc)

    def close(self):
        # The virtual keyboard, and the characters bound on it, end with the connection.
        self.input.close()
        self.ipc.close()

    def size(self):
        return self.compositor.width, self.compositor.height

    def _ipc(self, kind, payload=""):
        """One message over sway's IPC socket (i3's protocol) and its answer, as JSON."""
        data = payload.encode()
        self.ipc.sendall(IPC_MAGIC + struct.pack("=II", len(data), kind) + data)

        def read(n):
            chunks = b""
            while len(chunks) < n:
                chunk = self.ipc.recv(n - len(chunks))
                if not chunk:
                    raise RuntimeError("sway closed its IPC socket")
                chunks += chunk
            return chunks

        length, _ = struct.unpack("=II", read(len(IPC_MAGIC) + 8)[len(IPC_MAGIC):])
        return json.loads(read(length))

    def _views(self):
        """The compositor's windows: its tree, application windows only."""
        found = []

        def walk(node):
            if node.get("pid") and node.get("visible", True):
                found.append(node)
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child)

        walk(self._ipc(IPC_GET_TREE))
        return found

    # ---- windows
    def window_manager_running(self):
        return True

    def windows(self):
        """Shown windows with their contents' place on the screen (the compositor's border
        and title bar left out)."""
        out = []
        for v in self._views():
            rect, inner = v["rect"], v["window_rect"]
            out.append(Window(v["id"], v.get("name") or "", rect["x"] + inner["x"],
                              rect["y"] + inner["y"], inner["width"], inner["height"]))
        return out

    def a11y_origin(self, title):
        w = self.window(title)
        if w is None:
            raise AssertionError(f'"{title}" is not on the screen')
        return w.x, w.y

    def focus_is_in(self, window):
        return any(v["id"] == window.id and v.get("focused") for v in self._views())

    def keyboard_owner(self):
        for v in self._views():
            if v.get("focused"):
                return f'window "{v.get("name")}"'
        return "no window (the compositor gives the keyboard to none)"

    def close_window(self, window):
        """What a close box does: the compositor asks the window to close (xdg_toplevel)."""
        answers = self._ipc(IPC_RUN_COMMAND, f"[con_id={window.id}] kill")
        if not all(a.get("success") for a in answers):
            raise RuntimeError(f"sway would not close {window.title!r}: {answers}")

    # ---- input
    def key_down(self, name):
        self.input.key_down(name)

    def key_up(self, name):
        self.input.key_up(name)

    def bind_characters(self, chars):
        """As on X, each character the US map lacks gets a spare key; the virtual keyboard
        takes the new keymap before this returns."""
        wanted = self.unbound(chars)
        if wanted:
            self.input.bind_characters(wanted)
            self._bound.update((ch, wlinput.keysym_name(ch)) for ch in wanted)

    def tap_bound(self, ch, gap):
        self.chord(self._bound[ch], gap=gap)

    def move(self, x, y):
        self.input.move(x, y)

    def click(self, x, y, button=1):
        self.move(x, y)
        time.sleep(0.03)
        self.input.button(button, True)
        time.sleep(0.03)
        self.input.button(button, False)

    def set_auto_repeat(self, on):
        """Key repeat is the program's own on Wayland: the compositor only tells it the rate."""

    # ---- pixels
    def pixels(self, x, y, width, height):
        w, h = self.size()
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(w, x + width), min(h, y + height)
        if x1 <= x0 or y1 <= y0:
            return Pixels(0, 0, b"")
        ppm = subprocess.run(["grim", "-t", "ppm", "-g", f"{x0},{y0} {x1 - x0}x{y1 - y0}", "-"],
                             env=self.compositor.client_env, capture_output=True, check=True,
                             timeout=20).stdout
        # P6, width, height, maximum, one blank, then RGB bytes; made into Pixels' BGRX words.
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        pw, ph, rgb = int(header.group(1)), int(header.group(2)), ppm[header.end():]
        words = bytearray(pw * ph * 4)
        words[0::4], words[1::4], words[2::4] = rgb[2::3], rgb[1::3], rgb[0::3]
        return Pixels(pw, ph, words)

    def save_png(self, path):
        subprocess.run(["grim", "-t", "png", path], env=self.compositor.client_env, check=True,
                       timeout=20)

