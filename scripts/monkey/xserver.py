# SPDX-License-Identifier: GPL-3.0-or-later
"""The X side of the monkey: the top-level windows in stacking order, input sent through XTEST, and
the _NET_WM_PING round trip that tells whether a window's program still answers."""

import select
import time
from dataclasses import dataclass

from Xlib import X, XK, display, error, protocol
from Xlib.ext import xtest


@dataclass
class TopWindow:
    handle: object
    x: int
    y: int
    width: int
    height: int
    title: str
    override_redirect: bool

    def contains(self, x, y):
        return self.x <= x < self.x + self.width and self.y <= y < self.y + self.height


class XServer:
    def __init__(self, display_name):
        self.display = display.Display(display_name)
        # Windows come and go under the monkey's hands: a request about one just gone is no fault.
        self.display.set_error_handler(lambda *_: None)
        self.root = self.display.screen().root
        self.width = self.display.screen().width_in_pixels
        self.height = self.display.screen().height_in_pixels
        # Ping replies come to the root window, sent with its structure masks.
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask | X.StructureNotifyMask)
        self.display.sync()
        self._atoms = {}
        self._ping_serial = 0
        self._keycodes = {}

    def atom(self, name):
        if name not in self._atoms:
            self._atoms[name] = self.display.intern_atom(name)
        return self._atoms[name]

    # --- windows -------------------------------------------------------------------------------

    def windows(self):
        """The mapped top-level windows, bottom first."""
        found = []
        for handle in self.root.query_tree().children:
            try:
                attributes = handle.get_attributes()
                if attributes.map_state != X.IsViewable:
                    continue
                geometry = handle.get_geometry()
                found.append(TopWindow(handle, geometry.x, geometry.y, geometry.width, geometry.height,
                                       self._title(handle), bool(attributes.override_redirect)))
            except (error.BadWindow, error.BadDrawable, error.BadMatch):
                continue
        return found

    def _title(self, handle):
        value = handle.get_full_property(self.atom('_NET_WM_NAME'), self.atom('UTF8_STRING'))
        if value is not None and value.value:
            raw = value.value
            return raw.decode('utf-8', 'replace') if isinstance(raw, bytes) else str(raw)
        name = handle.get_wm_name()
        return name.decode('latin-1') if isinstance(name, bytes) else (name or '')

    def answers(self, window, seconds):
        """True when the program owning window replies to a ping within seconds (its event loop
        runs); a window gone meanwhile counts as answering."""
        self._ping_serial += 1
        serial = self._ping_serial
        message = protocol.event.ClientMessage(
            window=window.handle, client_type=self.atom('WM_PROTOCOLS'),
            data=(32, [self.atom('_NET_WM_PING'), serial, window.handle.id, 0, 0]))
        try:
            window.handle.send_event(message, event_mask=0)
            self.display.flush()
        except (error.BadWindow, error.BadValue):
            return True
        deadline = time.monotonic() + seconds
        while True:
            while self.display.pending_events():
                event = self.display.next_event()
                if (event.type == X.ClientMessage and event.client_type == self.atom('WM_PROTOCOLS')
                        and event.data[1][0] == self.atom('_NET_WM_PING') and event.data[1][1] == serial):
                    return True
            left = deadline - time.monotonic()
            if left <= 0:
                return not self._still_mapped(window)
            select.select([self.display.fileno()], [], [], min(left, 0.5))
            if not self._still_mapped(window):
                return True

    def _still_mapped(self, window):
        try:
            return window.handle.get_attributes().map_state == X.IsViewable
        except (error.BadWindow, error.BadDrawable):
            return False

    def focus(self, window):
        """Gives window the keyboard focus, as a window manager does for the window on top."""
        try:
            window.handle.set_input_focus(X.RevertToParent, X.CurrentTime)
            self.display.sync()
        except (error.BadWindow, error.BadMatch):
            pass

    # --- input ---------------------------------------------------------------------------------

    def move(self, x, y):
        x = max(0, min(self.width - 1, int(x)))
        y = max(0, min(self.height - 1, int(y)))
        xtest.fake_input(self.display, X.MotionNotify, x=x, y=y)
        self.display.sync()

    def button(self, number, down):
        xtest.fake_input(self.display, X.ButtonPress if down else X.ButtonRelease, number)
        self.display.sync()

    def click(self, number=1, times=1):
        for _ in range(times):
            self.button(number, True)
            self.button(number, False)

    def keycode(self, keysym_name):
        if keysym_name not in self._keycodes:
            keysym = XK.string_to_keysym(keysym_name)
            self._keycodes[keysym_name] = (self.display.keysym_to_keycode(keysym), keysym)
        return self._keycodes[keysym_name]

    def key(self, keysym_name, down):
        code, _ = self.keycode(keysym_name)
        if code:
            xtest.fake_input(self.display, X.KeyPress if down else X.KeyRelease, code)
            self.display.sync()

    def tap(self, *keysym_names):
        """Presses the keys in order and releases them in reverse: tap('Control_L', 'a')."""
        for name in keysym_names:
            self.key(name, True)
        for name in reversed(keysym_names):
            self.key(name, False)

    def caps_lock_off(self):
        if self.root.query_pointer().mask & X.LockMask:
            self.tap('Caps_Lock')

    def type_text(self, text):
        """Types printable ASCII text on the US layout the X server starts with."""
        for character in text:
            keysym = ord(character)
            code = self.display.keysym_to_keycode(keysym)
            if not code:
                continue
            shifted = self.display.keycode_to_keysym(code, 0) != keysym
            if shifted:
                xtest.fake_input(self.display, X.KeyPress, self.keycode('Shift_L')[0])
            xtest.fake_input(self.display, X.KeyPress, code)
            xtest.fake_input(self.display, X.KeyRelease, code)
            if shifted:
                xtest.fake_input(self.display, X.KeyRelease, self.keycode('Shift_L')[0])
        self.display.sync()
