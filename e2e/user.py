"""Real input events, as a person makes them: XTest clicks and keys through xdotool."""

import subprocess

from accessibility import center


class User:
    def __init__(self, desktop):
        # xdotool reads the text to type in the locale's encoding: a French locale may not be
        # installed, the C one with UTF-8 always is.
        self._env = dict(desktop.env, LC_ALL="C.UTF-8")
        self._pointer = None

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self._env, check=True)

    def _move(self, x, y):
        """The pointer's move, waited for; xdotool would wait in vain for a move to where it is."""
        if self._pointer == (x, y):
            return []
        self._pointer = (x, y)
        return ["mousemove", "--sync", str(x), str(y)]

    def click_at(self, x, y, button=1):
        self._xdotool(*self._move(x, y), "click", str(button))

    def click(self, node, button=1):
        self.click_at(*center(node), button=button)

    def hover(self, node):
        self.hover_at(*center(node))

    def hover_at(self, x, y):
        move = self._move(x, y)
        if move:
            self._xdotool(*move)

    def key(self, *keys):
        """X key names: 'Tab', 'Return', 'space', 'Right', 'alt+f', 'Prior', 'Next'…"""
        self._xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self._xdotool("type", "--delay", "20", text)
