"""Real input events, as a person makes them: XTest clicks and keys through xdotool."""

import subprocess

from accessibility import center


class User:
    def __init__(self, desktop):
        self._env = desktop.env

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self._env, check=True)

    def click_at(self, x, y, button=1):
        self._xdotool("mousemove", "--sync", str(x), str(y), "click", str(button))

    def click(self, node, button=1):
        self.click_at(*center(node), button=button)

    def hover(self, node):
        x, y = center(node)
        self._xdotool("mousemove", "--sync", str(x), str(y))

    def hover_at(self, x, y):
        self._xdotool("mousemove", "--sync", str(x), str(y))

    def key(self, *keys):
        """X key names: 'Tab', 'Return', 'space', 'Right', 'alt+f', 'Prior', 'Next'…"""
        self._xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self._xdotool("type", "--delay", "20", text)
