"""Real input events, as a person makes them: XTest clicks and keys through xdotool."""

import subprocess

from accessibility import center


class User:
    def __init__(self, desktop):
        # xdotool reads the text to type in the locale's encoding: a French locale may not be
        # installed, the C one with UTF-8 always is.
        self._env = dict(desktop.env, LC_ALL="C.UTF-8")

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self._env, check=True)

    def _pointer_at(self, x, y):
        found = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=self._env,
                               check=True, capture_output=True, text=True).stdout.split()
        return f"X={x}" in found and f"Y={y}" in found

    def click_at(self, x, y, button=1):
        # A synchronous move to where the pointer already is would wait for a motion that never comes.
        if self._pointer_at(x, y):
            self._xdotool("click", str(button))
        else:
            self._xdotool("mousemove", "--sync", str(x), str(y), "click", str(button))

    def click(self, node, button=1):
        self.click_at(*center(node), button=button)

    def hover(self, node):
        self.hover_at(*center(node))

    def hover_at(self, x, y):
        if not self._pointer_at(x, y):
            self._xdotool("mousemove", "--sync", str(x), str(y))

    def drag(self, start, end):
        """Presses the left button at start, moves to end and releases there."""
        self._xdotool("mousemove", "--sync", *map(str, start), "mousedown", "1",
                      "mousemove", "--sync", *map(str, end), "mouseup", "1")

    def key(self, *keys):
        """X key names: 'Tab', 'Return', 'space', 'Right', 'alt+f', 'Prior', 'Next'…"""
        self._xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self._xdotool("type", "--delay", "20", text)
