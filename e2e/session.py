"""A private desktop for one journey: Xvfb, a D-Bus session bus with its AT-SPI bus, and the program.

Everything started here shares one process group, so that the journey's end (passed or failed) takes
down every daemon that D-Bus activation started on the way, and nothing outlives the test.
"""

import ctypes
import os
import shutil
import signal
import subprocess
import tempfile
import time
from pathlib import Path


_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _end_with_parent():
    """A journey killed by its time limit runs no clean-up: its daemons then end with it."""
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def _read_line(stream, timeout):
    deadline = time.monotonic() + timeout
    line = b""
    os.set_blocking(stream.fileno(), False)
    while time.monotonic() < deadline:
        chunk = stream.read()
        if chunk:
            line += chunk
            if b"\n" in line:
                return line.split(b"\n", 1)[0].decode()
        else:
            time.sleep(0.02)
    raise TimeoutError("no answer from daemon")


class Desktop:
    """Xvfb and a session bus; the environment a program started from here inherits."""

    def __init__(self, width=1024, height=768):
        self.width, self.height = width, height
        self.home = Path(tempfile.mkdtemp(prefix="dosarium-e2e-"))
        self._group = None
        self._processes = []
        self.env = {}

    def _spawn(self, args, **kwargs):
        group = 0 if self._group is None else self._group
        process = subprocess.Popen(args, process_group=group, preexec_fn=_end_with_parent,
                                   **kwargs)
        if self._group is None:
            self._group = process.pid
        self._processes.append(process)
        return process

    def start(self):
        xvfb = self._spawn(
            ["Xvfb", "-displayfd", "1", "-screen", "0", f"{self.width}x{self.height}x24",
             "-nolisten", "tcp"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        display = ":" + _read_line(xvfb.stdout, 20)
        runtime = self.home / "run"
        runtime.mkdir(mode=0o700)
        self.env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                     "SESSION_MANAGER", "AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS"):
            self.env.pop(name, None)
        # The daemons that D-Bus starts on demand inherit this: the accessibility bus puts its
        # socket in this desktop's own folders, not in a place that journeys run side by side share.
        self.env.update({
            "DISPLAY": display,
            "XDG_RUNTIME_DIR": str(runtime),
            "XDG_CACHE_HOME": str(self.home / "cache"),
            "HOME": str(self.home),
        })
        bus = self._spawn(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=self.env)
        address = _read_line(bus.stdout, 20)
        self.env.update({
            "DBUS_SESSION_BUS_ADDRESS": address,
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "NO_AT_BRIDGE": "0",
            "LANG": "fr_FR.UTF-8",
            "LC_ALL": "",
        })
        # The test process itself talks to the same buses.
        os.environ.update(self.env)
        return self

    def run(self, args, extra_env=None, **kwargs):
        """Starts a program on this desktop, in the desktop's process group."""
        return self._spawn(args, env=dict(self.env, **(extra_env or {})), **kwargs)

    def stop(self):
        if self._group is not None:
            try:
                os.killpg(self._group, signal.SIGTERM)
            except ProcessLookupError:
                pass
            deadline = time.monotonic() + 5
            for process in self._processes:
                try:
                    process.wait(max(0.1, deadline - time.monotonic()))
                except subprocess.TimeoutExpired:
                    pass
            try:
                os.killpg(self._group, signal.SIGKILL)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.home, ignore_errors=True)
