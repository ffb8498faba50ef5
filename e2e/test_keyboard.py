"""Journey: a student without a mouse prepares a solution with Tab, the arrows, Page Up, Space and
Enter, weighing a pure liquid on the balance."""

import accessibility as a11y
import steps
import x11

WHICH_SAMPLING = "Quel type de prélèvement ?"
SET_MASS = "Indiquer la masse de solide à prélever et valider"
CHOOSE_FLASK = "Choisir une fiole jaugée pour préparer la solution"
SLIDER_HINT = "Déplacer le curseur directement avec la souris et affiner le réglage avec les boutons"
MASS, FLASK = "Masse prélevée", "Volume de la fiole jaugée"
VALIDATE_MASS, VALIDATE_FLASK = "Valider la masse pesée", "Valider la fiole jaugée"
REFUSED, SOLUTE_VOLUME = "Volume insuffisant", "La fiole choisie a un volume inférieur au soluté."


def test_keyboard_preparation(program, workbench, user, desktop):
    def find(role_name, name):
        return a11y.find(workbench, role_name, name)

    def keys(*names, then):
        user.key(*names)
        return find("label", then)

    def focus_is_on(node):
        a11y.wait_for(lambda: a11y.is_focused(node), f"the focus on {a11y.name(node)!r}")
        return node

    x11.give_focus(desktop, "Dosarium")
    # The exercise tab pops its menu up on Space, Enter and Alt+Down.
    steps.tab_to(workbench, user, None, "Exercices")
    for key in ("space", "Return", "alt+Down"):
        watcher = a11y.PopupWatcher()
        try:
            user.key(key)
            menu = watcher.next_menu()
            assert a11y.find(menu, "menu item", steps.EXERCISE_MENU_OPEN)
            user.key("Escape")
            a11y.wait_for(lambda: not a11y.is_showing(menu), "the menu to close")
        finally:
            watcher.close()

    # A bottle reached with Tab shows its label, as under the pointer.
    steps.tab_to(workbench, user, "push button", "Flacon : Acétone")
    find("label", "Acétone")
    user.key("shift+Tab")
    find("label", "Ethanol absolu")
    keys("space", then=WHICH_SAMPLING)
    # Each step hands the focus to its first control.
    focus_is_on(find("label", "Mesure d'une masse"))
    keys("space", then=SET_MASS)

    # The balance: Page Up adds 1,00 g, the arrows 0,01 g.
    slider = focus_is_on(find("scroll bar", MASS))
    find("label", SLIDER_HINT)
    keys(*["Prior"] * 41, then="41,00 g")
    keys("Next", then="40,00 g")
    keys("Right", then="40,01 g")
    keys("Left", then="40,00 g")
    assert a11y.value(slider) == 4000
    steps.tab_to(workbench, user, "push button", VALIDATE_MASS)
    keys("space", then=CHOOSE_FLASK)

    # 40 g of ethanol fill more than 50 mL: refused, the box answered with Enter.
    focus_is_on(find("spin button", FLASK))
    keys("Down", "Down", then="50 mL")
    steps.tab_to(workbench, user, "push button", VALIDATE_FLASK)
    user.key("space")
    assert steps.answer_by_key(program, user, REFUSED) == SOLUTE_VOLUME
    x11.give_focus(desktop, "Dosarium")  # what a window manager does when a box closes

    steps.tab_to(workbench, user, "spin button", FLASK)
    keys("Up", then="100 mL")
    steps.tab_to(workbench, user, "push button", VALIDATE_FLASK)
    keys("space", then="Solution préparée")
    focus_is_on(find("text", steps.RESULT))
    text, raised, added = steps.result(workbench)
    assert "d'éthanol de concentration :\n\nC = 8,70 mol · L-1\n\n" in text and raised == ["-1"]
    assert text.endswith(" : 0,2 %") and added.startswith("Concentration en masse : Cm = ")

    # The access keys of "Annuler" and "Nouveau".
    keys("alt+u", then="200 mL")
    assert not a11y.find_all(workbench, "text", steps.RESULT)
    keys("alt+n", then="Choisir un composé")
    assert not a11y.is_enabled(find("push button", "Annuler"))
