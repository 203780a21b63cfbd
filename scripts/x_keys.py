#!/usr/bin/env python3
"""Types key presses into the X display in $DISPLAY through the XTEST
extension, as a user at the keyboard would: x_keys.py Tab 7 alt+F4.
A name is an X keysym; '+' joins keys held together."""

import ctypes
import sys

MODIFIERS = {"alt": "Alt_L", "ctrl": "Control_L", "shift": "Shift_L"}


def main(combos):
    xlib = ctypes.CDLL("libX11.so.6")
    xtest = ctypes.CDLL("libXtst.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XStringToKeysym.restype = ctypes.c_ulong
    display = ctypes.c_void_p(xlib.XOpenDisplay(None))
    if not display.value:
        sys.exit("x_keys: cannot open the display")

    def keycode(name):
        code = xlib.XKeysymToKeycode(display, ctypes.c_ulong(xlib.XStringToKeysym(name.encode())))
        if code == 0:
            sys.exit("x_keys: no key for " + name)
        return code

    for combo in combos:
        keys = [keycode(MODIFIERS.get(key, key)) for key in combo.split("+")]
        for code in keys:
            xtest.XTestFakeKeyEvent(display, code, 1, 0)
        for code in reversed(keys):
            xtest.XTestFakeKeyEvent(display, code, 0, 0)
    xlib.XFlush(display)
    xlib.XCloseDisplay(display)


if __name__ == "__main__":
    main(sys.argv[1:])
