"""Tasks that several journeys share, done as the student does them."""

import accessibility as a11y

EXERCISE_MENU_OPEN = "Ouvrir un exercice (énoncé + configuration)"


def choose_in_exercise_menu(workbench, user, entry):
    """Pops up the exercise menu under its tab and clicks one entry; returns the menu's items."""
    watcher = a11y.PopupWatcher()
    try:
        user.click(a11y.find(workbench, None, "Exercices"))
        menu = watcher.next_menu()
        items = {a11y.name(item): a11y.is_enabled(item) for item in a11y.find_all(menu, "menu item")}
        if entry is not None:
            user.click(a11y.find(menu, "menu item", entry))
        else:
            user.key("Escape")
        return items
    finally:
        watcher.close()


def open_exercise(program, workbench, user, file_name):
    """Opens a shipped exercise from the exercise window; waits for its name in the file box."""
    choose_in_exercise_menu(workbench, user, EXERCISE_MENU_OPEN)
    user.click(a11y.find(program.app, "list item", file_name))
    user.click(a11y.find(program.app, "image", "Ouvrir l'exercice sélectionné"))
    fich = a11y.find(workbench, "text", "Fichier de l'exercice")
    a11y.wait_for(lambda: a11y.text(fich), f"exercise {file_name} in the file box")
    return fich


def answer(program, user, title, button):
    """Reads a message box by its title, presses one of its buttons and returns its text."""
    box = program.alert(title)
    labels = [a11y.name(label) for label in a11y.find_all(box, "label")]
    user.click(a11y.find(box, "push button", button))
    a11y.wait_for(lambda: not a11y.is_showing(box) or box not in a11y.top_windows(program.app),
                  f"message box {title!r} to close")
    return "\n".join(label for label in labels if label)


def click_in_layout(user, origin, point, scale):
    """Clicks a point given in the window's layout pixels, wherever the screen's scale draws it."""
    user.click_at(origin[0] + round(point[0] * scale), origin[1] + round(point[1] * scale))
