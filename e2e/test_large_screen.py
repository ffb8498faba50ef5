"""Journey: on a large screen, as on a classroom projector, the whole program is drawn larger.

1920 x 1080 with no window manager (no frame, no panel): the largest step of 0.25 at which the
800 x 600 workbench fits is 1.75, so the workbench is 1400 x 1050 screen pixels and every control
and window is where its layout puts it, times 1.75. Once a window manager runs, room is kept for
the frame it will draw, and the scale drops to 1.5.
"""

import pytest

import accessibility as a11y
import steps
import x11
from session import Desktop

SCREEN = (1920, 1080)
SCALE = 1.75
CALCULATOR_SIZE = (301, 430)
# Layout points (window pixels at scale 1) inside the controls the journey uses.
CALCULATOR_BUTTON = (444, 20)
EXERCISE_TAB = (440, 297)
CLOSE_BUTTON = (748, 20)
KEY_7 = (98, 306)


@pytest.fixture(scope="session")
def desktop():
    session = Desktop(*SCREEN).start()
    try:
        yield session
    finally:
        session.stop()


def centred(size):
    return ((SCREEN[0] - size[0]) / 2, (SCREEN[1] - size[1]) / 2)


def assert_close(actual, expected, tolerance, what):
    assert all(abs(a - e) <= tolerance for a, e in zip(actual, expected)), \
        f"{what}: {actual} instead of {expected}"


def test_workbench_and_its_windows_are_drawn_larger_alike(program, workbench, user, desktop):
    x, y, width, height = x11.window_geometry(desktop, "Dosarium")
    assert (width, height) == (1400, 1050)
    # Positions are whole layout pixels: centred to within one of them.
    assert_close((x, y), centred((width, height)), SCALE, "workbench position")
    origin = (x, y)

    # Real clicks where the layout puts each control, times the scale.
    steps.click_in_layout(user, origin, CALCULATOR_BUTTON, SCALE)
    program.window(steps.CALCULATOR)
    cx, cy, cwidth, cheight = x11.window_geometry(desktop, steps.CALCULATOR)
    assert_close((cwidth, cheight), [side * SCALE for side in CALCULATOR_SIZE], 1,
                 "calculator size")
    steps.click_in_layout(user, (cx, cy), KEY_7, SCALE)
    display = a11y.find(program.window(steps.CALCULATOR), "text", "Écran")
    a11y.wait_for(lambda: a11y.text(display) == "7", "7 in the calculator's display")
    steps.close_by_close_box(program, desktop, steps.CALCULATOR)

    watcher = a11y.PopupWatcher()
    try:
        steps.click_in_layout(user, origin, EXERCISE_TAB, SCALE)
        menu = watcher.next_menu()
        a11y.find(menu, "menu item", steps.EXERCISE_MENU_OPEN)
        user.key("Escape")
    finally:
        watcher.close()

    steps.click_in_layout(user, origin, CLOSE_BUTTON, SCALE)
    program.alert("Fermer")
    user.key("Escape")
    program.no_window("Fermer")
    assert program.running()


@pytest.fixture
def window_manager(desktop):
    with x11.window_manager_announced(desktop):
        yield


def test_with_a_window_manager_its_frame_is_counted(window_manager, program, workbench, desktop):
    # 1050 and a title bar no longer fit 1080: one step less.
    x, y, width, height = x11.window_geometry(desktop, "Dosarium")
    assert (width, height) == (1200, 900)
    assert_close((x, y), centred((width, height)), 1.5, "workbench position")


@pytest.mark.environment({"QT_SCALE_FACTOR": "1"})
def test_a_scale_the_user_set_is_kept(program, workbench, desktop):
    x, y, width, height = x11.window_geometry(desktop, "Dosarium")
    assert (width, height) == (800, 600)
    assert_close((x, y), centred((width, height)), 1, "workbench position")
