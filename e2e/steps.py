"""Tasks that several journeys share, done as the student does them."""

from pathlib import Path

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


CALCULATOR = "Machine à calculer"


def open_calculator(program, workbench, user):
    """Opens the calculator from the command bar; returns its window and its display."""
    user.click(a11y.find(workbench, "push button", "Calculatrice"))
    window = program.window(CALCULATOR)
    screen = a11y.find(window, "text", "Écran")
    a11y.wait_for(lambda: a11y.is_focused(screen), "the calculator's display to take the focus")
    return window, screen


def close_by_close_box(program, desktop, title):
    """Closes a window of the program by its close box and waits until it has gone."""
    import x11
    x11.press_close_box(desktop, title)
    program.no_window(title)


def replace_text(user, box, text):
    """Clicks into a one-line box, selects what it holds and types over it."""
    user.click(box)
    user.key("ctrl+a")
    user.type(text)
    a11y.wait_for(lambda: a11y.text(box) == text, f"{text!r} typed in the box")


def open_configuration(program, workbench, user, path):
    """Types a path in the open window and presses "OUVRIR"; the caller awaits the outcome."""
    user.click(a11y.find(workbench, "push button", "Ouvrir"))
    window = program.window("Ouvrir une configuration")
    replace_text(user, a11y.find(window, "text", "Chemin du fichier à ouvrir"), str(path))
    user.click(a11y.find(window, "push button", "OUVRIR"))


def save_configuration_window(program, workbench, user):
    """Opens the save window from the command bar; returns it and its name box."""
    user.click(a11y.find(workbench, "push button", "Enregistrer"))
    window = program.window("Enregistrer les paramètres.")
    return window, a11y.find(window, "text", "Nom du fichier:")


def enter_directory(user, directory_list, path):
    """Walks a directory list to a folder from the root by keyboard: Home, Down to each folder of
    the path in turn, Enter. The list shows the open folder's ancestors, the open folder (the
    current entry) and its subfolders, each indented by two spaces a level; each folder on the way
    needs a sibling or a subfolder, so that entering it changes the list."""
    def entries():
        return [(a11y.name(item), a11y.is_selected(item)) for item in a11y.children(directory_list)]

    # Focus to the list by a click on its current entry, which leaves it current.
    user.click(a11y.wait_for(lambda: next((item for item in a11y.children(directory_list)
                                           if a11y.is_selected(item)), None),
                             "the current folder of the list"))
    for depth, folder in enumerate(Path(path).parts):
        entry = "  " * depth + folder
        before = a11y.wait_for(entries, "the folders of the list")
        if (entry, True) in before:
            continue
        names = [name for name, _ in before]
        assert entry in names, f"{folder!r} is not in the list"
        user.key("Home", *["Down"] * names.index(entry), "Return")
        # Entering shows the folder's subfolders instead of its siblings.
        a11y.wait_for(lambda: [name for name, _ in entries()] != names,
                      f"the list to open {folder!r}")


def dictate(box, text):
    """Puts a text in a box of Qt's own dialogs as dictation does, through its accessible text.
    Typed, a path there may pop up a completion list some time later, which would take the next
    click for itself."""
    a11y.Atspi.EditableText.set_text_contents(box, str(text))
    a11y.wait_for(lambda: a11y.text(box) == str(text), f"{text} in the box")


def answer_file_dialog(program, user, title, path, button):
    """Puts a path in the name box of one of Qt's file dialogs and presses its button."""
    dialog = program.window(title)
    dictate(a11y.find(dialog, "text", "Nom de fichier :"), path)
    user.click(a11y.find(dialog, "push button", button))
    return dialog

# The preparation bench.

RESULT = "Résultat de la préparation"
RESULT_WRITING = "Concentration en masse et écriture du résultat"
RAISED_SIZE = "8"


def choose_bottle(workbench, user, reagent):
    """Clicks a bottle of the cupboard: the preparation starts and can be cancelled."""
    user.click(a11y.find(workbench, "push button", f"Flacon : {reagent}"))
    cancel = a11y.find(workbench, "push button", "Annuler")
    a11y.wait_for(lambda: a11y.is_enabled(cancel), f"the preparation of {reagent!r} to start")


def step_selector(workbench, user, name, clicks):
    """Clicks the upper arrow of a two-arrow selector (clicks > 0) or its lower one, one by one."""
    selector = a11y.find(workbench, "spin button", name)
    x, y, width, height = a11y.extents(selector)
    for _ in range(abs(clicks)):
        before = a11y.value(selector)
        user.click_at(x + width // 2, y + height // 4 if clicks > 0 else y + 3 * height // 4)
        a11y.wait_for(lambda: a11y.value(selector) != before, f"{name!r} to move")
    return selector


def set_value(node, value):
    """Sets a slider or a selector as an assistive technology does, through its value."""
    assert a11y.Atspi.Value.set_current_value(node, value)


def scrolls(node):
    """Whether a text box shows a scroll bar: its text does not fit."""
    return bool(a11y.find_all(node, "scroll bar"))


def result(workbench):
    """The result as read aloud, and the pieces of it written raised and smaller; then the lines
    that follow it in their own box. Both boxes show all their text without scrolling."""
    node = a11y.find(workbench, "text", RESULT)
    writing = a11y.find(workbench, "text", RESULT_WRITING)
    assert not scrolls(node) and not scrolls(writing)
    pieces = [piece for piece, attributes in a11y.runs(node)
              if attributes.get("size") == RAISED_SIZE]
    return a11y.text(node), pieces, a11y.text(writing)


def focused(root):
    found = [node for node in a11y.walk(root) if a11y.is_showing(node) and a11y.is_focused(node)]
    return found[0] if found else None


def tab_to(workbench, user, role_name, name, limit=60):
    """Presses Tab until the widget of that role and name has the keyboard focus."""
    target = a11y.find(workbench, role_name, name)
    for _ in range(limit):
        if a11y.is_focused(target):
            return target
        before = focused(workbench)
        user.key("Tab")
        a11y.wait_for(lambda: focused(workbench) not in (None, before), "the focus to move")
    raise AssertionError(f"Tab never reaches {role_name} {name!r}")


def answer_by_key(program, user, title, key="Return"):
    """Reads a message box by its title, answers it from the keyboard and returns its text."""
    box = program.alert(title)
    labels = [a11y.name(label) for label in a11y.find_all(box, "label")]
    user.key(key)
    a11y.wait_for(lambda: not a11y.is_showing(box) or box not in a11y.top_windows(program.app),
                  f"message box {title!r} to close")
    return "\n".join(label for label in labels if label)


def click_in_layout(user, origin, point, scale):
    """Clicks a point given in the window's layout pixels, wherever the screen's scale draws it."""
    user.click_at(origin[0] + round(point[0] * scale), origin[1] + round(point[1] * scale))


def tube_names(window):
    """The accessible names of the rack's tubes, in their order."""
    return [a11y.name(item) for item in a11y.find_all(a11y.find(window, "list", "Tubes de l'échelle"),
                                                      "list item")]


def lightness(tube_name):
    """The CIE L* a tube's accessible name gives."""
    return int(tube_name.split("L* = ")[1].split(" ")[0])


def open_rack(program, workbench, user, tubes):
    """Opens the rack from the exercise menu once it holds `tubes` tubes: its window and their names."""
    choose_in_exercise_menu(workbench, user, "Échelle de teintes...")
    window = program.window("Échelle de teintes")
    names = a11y.wait_for(lambda: tube_names(window) if len(tube_names(window)) == tubes else None,
                          f"{tubes} tubes")
    return window, names
