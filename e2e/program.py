"""The built program, started from a private copy of its folder so that journeys run side by side."""

import os
import shutil
import signal
import subprocess
import tempfile
from pathlib import Path

import accessibility

APP_NAME = "Dosarium"
MARKER = "TEMPO.SPC"


def marker_state(folder):
    """Record 17 of the marker file: a 16-bit length then that many bytes, at offset 2048."""
    data = (Path(folder) / MARKER).read_bytes()[2048:2048 + 128]
    length = int.from_bytes(data[:2], "little")
    return data[2:2 + length].decode("cp1252")


class Program:
    def __init__(self, desktop, binary):
        self.desktop = desktop
        self.folder = Path(tempfile.mkdtemp(prefix="dosarium-", dir=desktop.home))
        source = Path(binary).resolve().parent
        for entry in source.iterdir():
            if entry.is_file() and (entry.suffix.lower() in (".chm", ".e12", ".rtf", ".c05")
                                    or entry.name.endswith("-inconnue.txt")
                                    or entry == Path(binary).resolve()):
                target = self.folder / entry.name
                try:
                    os.link(entry, target)
                except OSError:
                    shutil.copy2(entry, target)
        self.binary = self.folder / Path(binary).name
        self.process = None
        self.app = None
        self.log = self.folder.parent / (self.folder.name + ".log")

    def start(self, extra_env=None):
        with open(self.log, "ab") as log:
            self.process = self.desktop.run([str(self.binary)], extra_env, stdout=log,
                                            stderr=subprocess.STDOUT)
        # A program built with the sanitizers takes a while to come up.
        try:
            self.app = accessibility.application(APP_NAME, timeout=60)
        except accessibility.Timeout as failure:
            on_bus = [accessibility.name(app) for app in accessibility.applications()]
            raise accessibility.Timeout(f"{failure}; on the bus: {on_bus}; running: "
                                        f"{self.running()}; output: {self.output()!r}") from None
        return self

    def workbench(self):
        """The main window: whatever role the toolkit gives a top-level widget, it bears the title."""
        window = self.window(APP_NAME)
        # Shown means painted and filled: wait until the last button of the bar is there.
        accessibility.find(window, "push button", "Fermer")
        return window

    def window(self, title, timeout=accessibility.TIMEOUT):
        """A top-level window of the program (dialog, message box…) by its title."""
        def lookup():
            for window in accessibility.top_windows(self.app):
                if accessibility.name(window) == title:
                    return window
            return None
        return accessibility.wait_for(lookup, f"window {title!r}", timeout)

    def alert(self, title, timeout=accessibility.TIMEOUT):
        """A message box: role 'alert' on the bus, named by its title."""
        def lookup():
            for window in accessibility.top_windows(self.app):
                if accessibility.role(window) == "alert" and accessibility.name(window) == title:
                    return window
            return None
        return accessibility.wait_for(lookup, f"message box {title!r}", timeout)

    def no_window(self, title, timeout=accessibility.TIMEOUT):
        accessibility.wait_for(
            lambda: all(accessibility.name(w) != title for w in accessibility.top_windows(self.app)),
            f"window {title!r} to close", timeout)

    def wait_for_exit(self, timeout=accessibility.TIMEOUT):
        return self.process.wait(timeout)

    def running(self):
        return self.process.poll() is None

    def marker(self):
        return marker_state(self.folder)

    def output(self):
        return self.log.read_text(errors="replace") if self.log.exists() else ""

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            self.process.wait()
