"""Input through Wayland's own input-emulation protocols: one virtual keyboard
(zwp_virtual_keyboard_v1) and one virtual pointer (zwlr_virtual_pointer_v1), spoken over the
compositor's socket with the plain wire protocol. One connection for a whole scenario: a new
virtual keyboard per key (what wtype does) makes the compositor switch keymaps under the
program's feet and the first key of each keyboard can be lost.

Every request is followed by a round trip (wl_display.sync), so when a call returns the
compositor has handled the input, as XSync does on X."""

import ctypes
import functools
import os
import select
import socket
import struct
import time

import desktop

# Opcodes, from the protocols' XML (requests of each interface, in order).
DISPLAY_SYNC, DISPLAY_GET_REGISTRY = 0, 1
REGISTRY_BIND = 0
VK_MANAGER_CREATE = 0
VK_KEYMAP, VK_KEY, VK_MODIFIERS = 0, 1, 2
VP_MANAGER_CREATE = 0
VP_MOTION_ABSOLUTE, VP_BUTTON, VP_FRAME = 1, 2, 4
KEYMAP_FORMAT_XKB_V1 = 1
XKB_KEYMAP_FORMAT_TEXT_V1 = 1  # libxkbcommon's name for the same text format
BTN_LEFT = 0x110
BUTTONS = {1: BTN_LEFT, 2: BTN_LEFT + 2, 3: BTN_LEFT + 1}


def _string(text):
    data = text.encode() + b"\0"
    return struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)


@functools.cache
def _library():
    xkb = ctypes.CDLL("libxkbcommon.so.0")
    xkb.xkb_context_new.restype = ctypes.c_void_p
    xkb.xkb_keymap_new_from_names.restype = ctypes.c_void_p
    xkb.xkb_keymap_new_from_names.argtypes = (ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int)
    xkb.xkb_keymap_new_from_string.restype = ctypes.c_void_p
    xkb.xkb_keymap_new_from_string.argtypes = (ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int,
                                               ctypes.c_int)
    xkb.xkb_keymap_get_as_string.restype = ctypes.c_void_p
    xkb.xkb_keymap_get_as_string.argtypes = (ctypes.c_void_p, ctypes.c_int)
    xkb.xkb_keymap_min_keycode.argtypes = xkb.xkb_keymap_max_keycode.argtypes = (
        ctypes.c_void_p,)
    xkb.xkb_keymap_key_get_syms_by_level.argtypes = (
        ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint32, ctypes.c_uint32,
        ctypes.POINTER(ctypes.POINTER(ctypes.c_uint32)))
    xkb.xkb_keymap_num_layouts_for_key.argtypes = (ctypes.c_void_p, ctypes.c_uint32)
    xkb.xkb_keymap_key_get_name.restype = ctypes.c_char_p
    xkb.xkb_keymap_key_get_name.argtypes = (ctypes.c_void_p, ctypes.c_uint32)
    xkb.xkb_keymap_mod_get_index.argtypes = (ctypes.c_void_p, ctypes.c_char_p)
    xkb.xkb_keysym_from_name.argtypes = (ctypes.c_char_p, ctypes.c_int)
    xkb.xkb_keysym_from_name.restype = ctypes.c_uint32
    xkb.xkb_keysym_get_name.argtypes = (ctypes.c_uint32, ctypes.c_char_p, ctypes.c_size_t)
    return xkb


def keysym_name(ch):
    """The name of a character's keysym, as a keymap's symbols and Keymap.code() take it."""
    name = ctypes.create_string_buffer(64)
    _library().xkb_keysym_get_name(desktop.Screen.keysym_of(ch), name, len(name))
    return name.value.decode()


class Keymap:
    """The ordinary US keyboard, compiled by libxkbcommon (the library the compositor and the
    toolkit use), so the program sees the key codes a real keyboard sends; characters it lacks
    (the digits of another script, say) each on a spare key of their own: one that the key
    codes name and the US symbols leave empty, taken from the top as on X."""

    def __init__(self, characters=()):
        self.characters = tuple(dict.fromkeys(characters))
        xkb = self._xkb = _library()
        libc = ctypes.CDLL(None)
        libc.free.argtypes = (ctypes.c_void_p,)

        class Names(ctypes.Structure):
            _fields_ = [(f, ctypes.c_char_p) for f in
                        ("rules", "model", "layout", "variant", "options")]

        names = Names(b"evdev", b"pc105", b"us", b"", b"")
        context = xkb.xkb_context_new(0)
        keymap = xkb.xkb_keymap_new_from_names(context, ctypes.byref(names), 0)
        if not keymap:
            raise RuntimeError("libxkbcommon could not compile the US keymap")
        text = xkb.xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1)
        self.text = ctypes.string_at(text) + b"\0"
        libc.free(text)
        if self.characters:
            spare = [name.decode() for code in self._keycodes(keymap)
                     if not xkb.xkb_keymap_num_layouts_for_key(keymap, code)
                     and (name := xkb.xkb_keymap_key_get_name(keymap, code))]
            spare.reverse()
            if len(spare) < len(self.characters):
                raise RuntimeError(f"{len(spare)} spare keys for {len(self.characters)} "
                                   "characters")
            # The symbols section may define its keys in any order: the new ones go first.
            symbols = self.text.index(b"{\n", self.text.index(b"xkb_symbols")) + 2
            keys = "".join(f"\tkey <{key}> {{ [ {keysym_name(ch)} ] }};\n"
                           for key, ch in zip(spare, self.characters)).encode()
            self.text = self.text[:symbols] + keys + self.text[symbols:]
            keymap = xkb.xkb_keymap_new_from_string(context, self.text,
                                                    XKB_KEYMAP_FORMAT_TEXT_V1, 0)
            if not keymap:
                raise RuntimeError("libxkbcommon could not compile the US keymap with "
                                   f"{''.join(self.characters)!r} bound")
        self._keymap = keymap
        self._codes = {}
        self.modifier_masks = {
            "Shift": 1 << xkb.xkb_keymap_mod_get_index(keymap, b"Shift"),
            "Control": 1 << xkb.xkb_keymap_mod_get_index(keymap, b"Control"),
            "Alt": 1 << xkb.xkb_keymap_mod_get_index(keymap, b"Mod1"),
        }

    def _keycodes(self, keymap):
        return range(self._xkb.xkb_keymap_min_keycode(keymap),
                     self._xkb.xkb_keymap_max_keycode(keymap) + 1)

    def code(self, name):
        """The evdev key code whose first level is the keysym of this name."""
        if name not in self._codes:
            xkb = self._xkb
            sym = xkb.xkb_keysym_from_name(name.encode(), 0)
            found = None
            for keycode in self._keycodes(self._keymap):
                syms = ctypes.POINTER(ctypes.c_uint32)()
                n = xkb.xkb_keymap_key_get_syms_by_level(self._keymap, keycode, 0, 0,
                                                         ctypes.byref(syms))
                if sym and any(syms[i] == sym for i in range(n)):
                    found = keycode - 8  # xkb key codes are evdev's plus 8
                    break
            if found is None:
                raise ValueError(f"no key for {name}")
            self._codes[name] = found
        return self._codes[name]

    @staticmethod
    def modifier(name):
        """The modifier a key name holds down, or None."""
        for prefix, modifier in (("Shift", "Shift"), ("Control", "Control"), ("Alt", "Alt")):
            if name.startswith(prefix + "_"):
                return modifier
        return None


class Input:
    def __init__(self, socket_path, width, height):
        self.width, self.height = width, height
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(socket_path)
        self.buffer = b""
        self.next_id = 2
        self.globals = {}
        self.registry = self._new_id()
        self._send(1, DISPLAY_GET_REGISTRY, struct.pack("=I", self.registry))
        self._sync()
        seat = self._bind("wl_seat", 1)
        vk_manager = self._bind("zwp_virtual_keyboard_manager_v1", 1)
        vp_manager = self._bind("zwlr_virtual_pointer_manager_v1", 1)
        self.keyboard, self.pointer = self._new_id(), self._new_id()
        self._send(vk_manager, VK_MANAGER_CREATE, struct.pack("=II", seat, self.keyboard))
        self._send(vp_manager, VP_MANAGER_CREATE, struct.pack("=II", seat, self.pointer))
        self._use(Keymap())
        self.mods = 0
        self._sync()
        # The compositor makes a new keyboard the seat's keyboard at its first key and sends
        # the keymap to the focused program along with it, and that first key can go missing:
        # a lone Shift is that first key, so every key the scenario sends comes after it.
        self.key_down("Shift_L")
        self.key_up("Shift_L")

    def close(self):
        self.sock.close()

    # ---- the wire
    def _new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def _send(self, obj, opcode, args=b"", fd=None):
        message = struct.pack("=II", obj, ((8 + len(args)) << 16) | opcode) + args
        if fd is None:
            self.sock.sendall(message)
        else:
            self.sock.sendmsg([message], [(socket.SOL_SOCKET, socket.SCM_RIGHTS,
                                           struct.pack("=i", fd))])

    def _bind(self, interface, version):
        if interface not in self.globals:
            raise RuntimeError(f"the compositor offers no {interface}")
        new = self._new_id()
        self._send(self.registry, REGISTRY_BIND,
                   struct.pack("=I", self.globals[interface]) + _string(interface)
                   + struct.pack("=II", version, new))
        return new

    def _read_events(self, until_callback, timeout=5.0):
        deadline = time.monotonic() + timeout
        while True:
            while len(self.buffer) >= 8:
                obj, word = struct.unpack_from("=II", self.buffer)
                size, opcode = word >> 16, word & 0xFFFF
                if len(self.buffer) < size:
                    break
                body, self.buffer = self.buffer[8:size], self.buffer[size:]
                if obj == 1 and opcode == 0:  # wl_display.error
                    _, code = struct.unpack_from("=II", body)
                    raise RuntimeError(f"the compositor refused our input (error {code}): "
                                       f"{body[12:].rstrip(bytes(1)).decode(errors='replace')}")
                if obj == self.registry and opcode == 0:  # wl_registry.global
                    name, length = struct.unpack_from("=II", body)
                    self.globals[body[8:8 + length - 1].decode()] = name
                if obj == until_callback:
                    return
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.sock], [], [], left)[0]:
                raise RuntimeError("the compositor did not answer")
            chunk = self.sock.recv(65536)
            if not chunk:
                raise RuntimeError("the compositor closed the input connection")
            self.buffer += chunk

    def _sync(self):
        callback = self._new_id()
        self._send(1, DISPLAY_SYNC, struct.pack("=I", callback))
        self._read_events(callback)

    @staticmethod
    def _time():
        return int(time.monotonic() * 1000) & 0xFFFFFFFF

    # ---- keys
    def _use(self, keymap):
        fd = os.memfd_create("keymap")
        try:
            os.write(fd, keymap.text)
            self._send(self.keyboard, VK_KEYMAP,
                       struct.pack("=II", KEYMAP_FORMAT_XKB_V1, len(keymap.text)), fd=fd)
        finally:
            os.close(fd)
        self.keymap = keymap

    def bind_characters(self, chars):
        """Gives the characters keys of their own: the keyboard takes a new keymap, the US one
        with them bound besides those bound before, which the compositor passes on to the
        program at once. The round trip after it puts the new keymap ahead of any key that
        follows on the program's connection, as it is ahead of the key on ours."""
        self._use(Keymap(self.keymap.characters + tuple(chars)))
        self._sync()

    def _key(self, name, pressed):
        code = self.keymap.code(name)
        self._send(self.keyboard, VK_KEY, struct.pack("=III", self._time(), code, int(pressed)))
        modifier = self.keymap.modifier(name)
        if modifier:
            # A virtual keyboard's modifier state is the client's to tell.
            mask = self.keymap.modifier_masks[modifier]
            self.mods = self.mods | mask if pressed else self.mods & ~mask
            self._send(self.keyboard, VK_MODIFIERS, struct.pack("=IIII", self.mods, 0, 0, 0))
        self._sync()

    def key_down(self, name):
        self._key(name, True)

    def key_up(self, name):
        self._key(name, False)

    # ---- pointer
    def move(self, x, y):
        x = min(max(int(x), 0), self.width - 1)
        y = min(max(int(y), 0), self.height - 1)
        self._send(self.pointer, VP_MOTION_ABSOLUTE,
                   struct.pack("=IIIII", self._time(), x, y, self.width, self.height))
        self._send(self.pointer, VP_FRAME)
        self._sync()

    def button(self, button, pressed):
        self._send(self.pointer, VP_BUTTON,
                   struct.pack("=III", self._time(), BUTTONS[button], int(pressed)))
        self._send(self.pointer, VP_FRAME)
        self._sync()
