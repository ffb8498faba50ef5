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


@pytest.fixture
def program(desktop):
    # The accessibility modules read the bus address when they load: only now is it known.
    from program import Program
    started = Program(desktop, _binary()).start()
    yield started
    started.kill()


@pytest.fixture(scope="session")
def user(desktop):
    from user import User
    return User(desktop)


@pytest.fixture
def workbench(program):
    return program.workbench()
