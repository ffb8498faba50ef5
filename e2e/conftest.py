"""Fixtures of the journeys: a private desktop, the program started on it, and a user's hands."""

import os
import sys
from pathlib import Path

import pytest

sys.path.insert(0, str(Path(__file__).parent))

from session import Desktop  # noqa: E402


def _binary():
    return os.environ.get("DOSARIUM_BINARY") or str(
        Path(__file__).resolve().parent.parent / "build" / "dosarium")


# The accessibility library keeps its first bus for the life of the process: one desktop serves
# every journey of a file (each file is one test process).
@pytest.fixture(scope="session")
def desktop():
    session = Desktop().start()
    try:
        yield session
    finally:
        session.stop()


def pytest_configure(config):
    config.addinivalue_line(
        "markers", "environment(variables): what the user sets before starting the program")


@pytest.fixture
def program(desktop, request):
    # The accessibility modules read the bus address when they load: only now is it known.
    from program import Program
    environment = request.node.get_closest_marker("environment")
    started = Program(desktop, _binary()).start(environment.args[0] if environment else None)
    yield started
    started.kill()


@pytest.fixture(scope="session")
def user(desktop):
    from user import User
    return User(desktop)


@pytest.fixture
def workbench(program):
    return program.workbench()
