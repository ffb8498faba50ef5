"""Journey: the student reads the help and the course, and finds the course again with F1."""

import accessibility as a11y
import steps

HELP = {
    "button": "Aide", "title": "Aide de Dosarium", "start": "Bienvenue dans Dosarium",
    "link": ("Les boutons", "Les boutons de la fenêtre"),
    "contents": ("Les exercices", "Les exercices"),
    "index": ("memoire", "Mémoire de la calculatrice", "La calculatrice"),
}
COURSE = {
    "button": "Voir le cours", "title": "Cours\u00a0: préparer une solution",
    "start": "Préparer une solution",
    "link": ("Préparer une solution par dilution", "Préparer une solution par dilution"),
    "contents": ("Incertitude de mesure", "Incertitude de mesure"),
    "index": ("menisque", "Ménisque", "Choisir la verrerie"),
}


def page_shows(page, heading):
    """Waits until the page's first line, its heading, is the one wanted."""
    a11y.wait_for(lambda: a11y.text(page).splitlines()[:1] == [heading], f"the page {heading!r}")


def click_text(user, page, words):
    """Clicks in the middle of the first occurrence of the words on the page."""
    offset = a11y.text(page).index(words) + len(words) // 2
    box = a11y.Atspi.Text.get_character_extents(page, offset, a11y.Atspi.CoordType.SCREEN)
    user.click_at(box.x + box.width // 2, box.y + box.height // 2)


def read_viewer(program, workbench, user, book):
    """Opens a viewer from its button; follows a link, a contents entry and an index keyword."""
    user.click(a11y.find(workbench, "push button", book["button"]))
    viewer = program.window(book["title"])
    page = a11y.find(viewer, None, "Page")
    page_shows(page, book["start"])
    back = a11y.find(viewer, "push button", "Précédent")
    assert not a11y.is_enabled(back)

    link, target = book["link"]
    click_text(user, page, link)
    page_shows(page, target)
    user.click(back)
    page_shows(page, book["start"])

    entry, heading = book["contents"]
    contents = a11y.find(viewer, "tree", "Sommaire")
    user.click(a11y.find(contents, "table cell", entry))
    page_shows(page, heading)

    query, keyword, heading = book["index"]
    user.click(a11y.find(viewer, "page tab", "Index"))
    search = a11y.find(viewer, "text", "Mot à rechercher :")
    user.click(search)
    user.type(query)
    index = a11y.find(viewer, "list", "Index")
    a11y.wait_for(lambda: any(a11y.name(item) == keyword
                              for item in a11y.find_all(index, "list item", showing=False)
                              if item.get_state_set().contains(a11y.Atspi.StateType.SELECTED)),
                  f"the keyword {keyword!r} selected in the index")
    user.key("Return")
    page_shows(page, heading)


def press_f1_in_calculator(program, workbench, user, desktop, title):
    """F1 in the middle of a calculation opens a viewer above the calculator; the calculation
    goes on once the viewer is closed. Returns the titles shown with the viewer."""
    _, screen = steps.open_calculator(program, workbench, user)
    user.type("12")
    a11y.wait_for(lambda: a11y.text(screen) == "12", "12 on the display")
    user.key("F1")
    program.window(title)
    shown = {a11y.name(window) for window in a11y.top_windows(program.app)}
    steps.close_by_close_box(program, desktop, title)
    user.type("3")
    a11y.wait_for(lambda: a11y.text(screen) == "123", "123 on the display")
    steps.close_by_close_box(program, desktop, steps.CALCULATOR)
    return shown


def test_help_and_course(program, workbench, user, desktop):
    read_viewer(program, workbench, user, HELP)
    steps.close_by_close_box(program, desktop, HELP["title"])
    # Before the course has been asked for, F1 opens the help.
    press_f1_in_calculator(program, workbench, user, desktop, HELP["title"])

    read_viewer(program, workbench, user, COURSE)
    steps.close_by_close_box(program, desktop, COURSE["title"])
    # From then on F1 opens the course, and the help stays closed.
    shown = press_f1_in_calculator(program, workbench, user, desktop, COURSE["title"])
    assert HELP["title"] not in shown
