"""Journey: on a 1024 x 768 screen the program keeps its size: no larger step of 0.25 leaves the
screen wide enough for the window to stay free of the narrow-screen rule."""

import steps
import x11

CLOSE_BUTTON = (748, 20)


def test_workbench_keeps_its_designed_size(program, workbench, user, desktop):
    x, y, width, height = x11.window_geometry(desktop, "Dosarium")
    assert (x, y, width, height) == (112, 84, 800, 600)
    steps.click_in_layout(user, (x, y), CLOSE_BUTTON, 1)
    program.alert("Fermer")
    user.key("Escape")
    program.no_window("Fermer")
