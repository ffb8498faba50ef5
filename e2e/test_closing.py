"""Journey: the student closes the program, by its button and by the window's close box."""

import accessibility as a11y
import steps
import x11

CLOSE_TITLE, CLOSE_TEXT = "Fermer", "Fermer Dosarium ?"
LOSS_TITLE, LOSS_TEXT = "Abandon des données?", "Attention: perte des modifications du texte."


def test_close_button_asks_then_ends(program, workbench, user):
    close = a11y.find(workbench, "push button", "Fermer")
    user.click(close)
    assert steps.answer(program, user, CLOSE_TITLE, "Annuler") == CLOSE_TEXT
    assert program.running() and program.marker() == "OUI"

    user.click(close)
    steps.answer(program, user, CLOSE_TITLE, "OK")
    assert program.wait_for_exit() == 0
    assert program.marker() == "NON"


def test_close_box_with_an_edited_exercise_asks_both_questions(program, workbench, user, desktop):
    steps.open_exercise(program, workbench, user, "01-glucose-dissolution.E12")
    text = a11y.find(workbench, "text", "Texte de l'exercice")
    user.click(text)
    user.type("Ma reponse")
    a11y.wait_for(lambda: "Ma reponse" in a11y.text(text), "the typed answer in the text")

    x11.press_close_box(desktop, "Dosarium")
    assert steps.answer(program, user, LOSS_TITLE, "Annuler") == LOSS_TEXT
    assert program.running()

    x11.press_close_box(desktop, "Dosarium")
    steps.answer(program, user, LOSS_TITLE, "OK")
    steps.answer(program, user, CLOSE_TITLE, "Annuler")
    assert program.running() and "Ma reponse" in a11y.text(text)

    x11.press_close_box(desktop, "Dosarium")
    steps.answer(program, user, LOSS_TITLE, "OK")
    steps.answer(program, user, CLOSE_TITLE, "OK")
    assert program.wait_for_exit() == 0
    assert program.marker() == "NON"
