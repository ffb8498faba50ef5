"""What a window manager would do for the user: the close box sends WM_DELETE_WINDOW."""

import contextlib
import ctypes
import ctypes.util
import subprocess

_xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
_xlib.XOpenDisplay.restype = ctypes.c_void_p
_xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
_xlib.XInternAtom.restype = ctypes.c_ulong
_xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.c_void_p]
_xlib.XFlush.argtypes = [ctypes.c_void_p]
_xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
_xlib.XDefaultRootWindow.restype = ctypes.c_ulong
_xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_xlib.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                                  ctypes.c_int, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
_xlib.XDeleteProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong]

CLIENT_MESSAGE = 33
XA_WINDOW = 33
PROP_MODE_REPLACE = 0


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


def _title_pattern(title):
    """xdotool reads a title in the locale's encoding, which may not be the program's: every
    character beyond ASCII matches whatever bytes stand in its place."""
    special = ".^$*+?()[]{}|\\"
    return "^" + "".join(("\\" + c if c in special else c) if c.isascii() else ".+"
                         for c in title) + "$"


def window_ids(desktop, title):
    found = subprocess.run(["xdotool", "search", "--name", _title_pattern(title)],
                           env=desktop.env, capture_output=True, text=True)
    return [int(line) for line in found.stdout.split()]


def press_close_box(desktop, title):
    """Sends the close request to every X window of that title."""
    display = _xlib.XOpenDisplay(desktop.env["DISPLAY"].encode())
    assert display, "cannot open the display"
    try:
        protocols = _xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
        delete = _xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        ids = window_ids(desktop, title)
        assert ids, f"no X window titled {title!r}"
        for window in ids:
            event = _ClientMessage(type=CLIENT_MESSAGE, window=window, message_type=protocols,
                                   format=32)
            event.data[0] = delete
            _xlib.XSendEvent(display, window, 0, 0, ctypes.byref(event))
        _xlib.XFlush(display)
    finally:
        _xlib.XCloseDisplay(display)


def give_focus(desktop, title):
    """Gives the keyboard focus to the window of that title, as a window manager does at start."""
    ids = window_ids(desktop, title)
    assert ids, f"no X window titled {title!r}"
    subprocess.run(["xdotool", "windowfocus", "--sync", str(ids[0])], env=desktop.env, check=True)


def window_geometry(desktop, title):
    """Where the X server shows the one visible window of that title: x, y, width, height in screen
    pixels (the accessibility tree reports the toolkit's own, unscaled, coordinates)."""
    found = subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", _title_pattern(title), "getwindowgeometry",
         "--shell"], env=desktop.env, capture_output=True, text=True, check=True)
    values = dict(line.split("=", 1) for line in found.stdout.split() if "=" in line)
    assert found.stdout.count("WINDOW=") == 1, f"not one visible window titled {title!r}"
    return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


@contextlib.contextmanager
def window_manager_announced(desktop):
    """The first thing an EWMH window manager tells its clients: its check window, named on the
    root window. Nothing draws frames: what a journey checks is the program's allowance for one."""
    display = _xlib.XOpenDisplay(desktop.env["DISPLAY"].encode())
    assert display, "cannot open the display"
    # The connection stays open throughout: Xvfb forgets every property when its last client goes.
    try:
        root = _xlib.XDefaultRootWindow(display)
        check = _xlib.XInternAtom(display, b"_NET_SUPPORTING_WM_CHECK", 0)
        window = (ctypes.c_ulong * 1)(root)
        _xlib.XChangeProperty(display, root, check, XA_WINDOW, 32, PROP_MODE_REPLACE, window, 1)
        _xlib.XFlush(display)
        yield
        _xlib.XDeleteProperty(display, root, check)
        _xlib.XFlush(display)
    finally:
        _xlib.XCloseDisplay(display)
