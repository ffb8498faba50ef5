"""Finds and reads widgets as a screen reader does: by accessible role and name, over AT-SPI."""

import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

TIMEOUT = 20.0


class Timeout(AssertionError):
    pass


def pump():
    """Lets AT-SPI deliver the events queued for this process."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(condition, what, timeout=TIMEOUT):
    """Polls a condition until it holds, returning its value; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = condition()
        except GLib.Error:
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Timeout(f"timed out waiting for {what}")
        time.sleep(0.05)


def role(node):
    return node.get_role_name()


def name(node):
    return node.get_name() or ""


def children(node):
    try:
        count = node.get_child_count()
    except GLib.Error:
        return []
    result = []
    for i in range(count):
        try:
            child = node.get_child_at_index(i)
        except GLib.Error:
            continue
        if child is not None:
            result.append(child)
    return result


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def is_showing(node):
    try:
        return node.get_state_set().contains(Atspi.StateType.SHOWING)
    except GLib.Error:
        return False


def is_enabled(node):
    return node.get_state_set().contains(Atspi.StateType.ENABLED)


def is_focused(node):
    return node.get_state_set().contains(Atspi.StateType.FOCUSED)


def is_selected(node):
    return node.get_state_set().contains(Atspi.StateType.SELECTED)


def is_checked(node):
    return node.get_state_set().contains(Atspi.StateType.CHECKED)


def find_all(root, role_name=None, name_is=None, showing=True):
    return [node for node in walk(root)
            if (role_name is None or role(node) == role_name)
            and (name_is is None or name(node) == name_is)
            and (not showing or is_showing(node))]


def find(root, role_name=None, name_is=None, showing=True, timeout=TIMEOUT):
    """The one showing widget of that role and name, waited for."""
    def lookup():
        found = find_all(root, role_name, name_is, showing)
        return found[0] if found else None
    return wait_for(lookup, f"{role_name or 'widget'} {name_is!r}", timeout)


def text(node):
    """The text a screen reader reads: the text interface's content, or else the name."""
    if "Text" in node.get_interfaces():
        return Atspi.Text.get_text(node, 0, -1)
    return name(node)


def runs(node):
    """The text cut into its runs of one format: (text, attributes) in order."""
    content = text(node)
    result, offset = [], 0
    while offset < len(content):
        attributes, start, end = Atspi.Text.get_attribute_run(node, offset, True)
        end = max(end, offset + 1)
        result.append((content[offset:end], attributes))
        offset = end
    return result


def value(node):
    return Atspi.Value.get_current_value(node)


def center(node):
    box = node.get_extents(Atspi.CoordType.SCREEN)
    return box.x + box.width // 2, box.y + box.height // 2


def extents(node):
    box = node.get_extents(Atspi.CoordType.SCREEN)
    return box.x, box.y, box.width, box.height


def application(app_name, timeout=TIMEOUT):
    desktop = Atspi.get_desktop(0)

    def lookup():
        for app in children(desktop):
            if name(app) == app_name:
                return app
        return None
    return wait_for(lookup, f"application {app_name!r} on the accessibility bus", timeout)


def top_windows(app):
    return [window for window in children(app) if is_showing(window)]


class PopupWatcher:
    """Menus pop up outside the application's tree: they are caught by their 'showing' event."""

    def __init__(self):
        self.shown = []
        self._listener = Atspi.EventListener.new(self._on_event)
        self._listener.register("object:state-changed:showing")

    def _on_event(self, event):
        if event.detail1 == 1 and role(event.source) in ("popup menu", "menu"):
            self.shown.append(event.source)

    def next_menu(self, timeout=TIMEOUT):
        self.shown.clear()

        def lookup():
            return self.shown[-1] if self.shown else None
        return wait_for(lookup, "a pop-up menu", timeout)

    def close(self):
        self._listener.deregister("object:state-changed:showing")
