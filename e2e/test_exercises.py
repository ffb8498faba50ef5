"""Journey: the student opens a shipped exercise, writes an answer, saves the text, reads the
correction, reopens the saved text, prints it to a PDF file and closes the exercise."""

import subprocess

import accessibility as a11y
import steps

EXERCISE = "01-glucose-dissolution.E12"
STATEMENT_TITLE = "Préparer une solution de glucose"
CORRECTION_TITLE = "Corrigé\u00a0: solution de glucose"
ANSWER = "Ma reponse : m = 3,60 g"
SAVE, REOPEN, PRINT = ("Enregistrer le contenu de la fenêtre exercice", "Retrouver un texte",
                       "Imprimer le contenu de la fenêtre exercice")
CORRECTION, CLOSE = "Voir la correction", "Fermer l'exercice"
LOSS_TITLE, LOSS_TEXT = "Abandon des données?", "Attention: perte des modifications du texte."
REFUSED_EXERCISE = "07-saccharose-protocole-impossible.E12"
REFUSED_TITLE = "Le simulateur et le laboratoire"
REFUSAL_TITLE, REFUSAL = "Volume insuffisant", "Dépassement de la solubilité de ce composé."


def editable(node):
    return node.get_state_set().contains(a11y.Atspi.StateType.EDITABLE)


def write_at_end(user, text_box, words):
    user.click(text_box)
    user.key("ctrl+End", "Return")
    user.type(words)
    a11y.wait_for(lambda: words in a11y.text(text_box), f"{words!r} in the text")


def pdf_text(path):
    if not path.exists():
        return ""
    run = subprocess.run(["pdftotext", str(path), "-"], capture_output=True, text=True)
    return run.stdout if run.returncode == 0 else ""


def test_exercise_text_saved_reopened_printed_and_closed(program, workbench, user, desktop):
    folder = desktop.home / "Mes textes de chimie"
    (folder / "Brouillons").mkdir(parents=True)
    copy = folder / "ma-copie.RTF"

    fich = steps.open_exercise(program, workbench, user, EXERCISE)
    text = a11y.find(workbench, "text", "Texte de l'exercice")
    assert STATEMENT_TITLE in a11y.text(text) and editable(text)

    # Tab and Shift+Tab pass through the text as through a form, changing nothing: closing asks
    # no question.
    statement = a11y.text(text)
    user.click(text)
    user.key("Tab")
    a11y.wait_for(lambda: not a11y.is_focused(text), "Tab to leave the text")
    user.key("shift+Tab")
    a11y.wait_for(lambda: a11y.is_focused(text), "Shift+Tab to come back to the text")
    assert a11y.text(text) == statement
    steps.choose_in_exercise_menu(workbench, user, CLOSE)
    a11y.wait_for(lambda: a11y.text(text).startswith("Dosarium\n"), "the welcome text")
    fich = steps.open_exercise(program, workbench, user, EXERCISE)
    write_at_end(user, text, ANSWER)

    # Saved through the file dialog, in a folder entered by its typed path; the suffix is added.
    steps.choose_in_exercise_menu(workbench, user, SAVE)
    # A folder's name turns the dialog's button into "Ouvrir".
    dialog = steps.answer_file_dialog(program, user, "Enregistrer sous", folder, "Ouvrir")
    files = a11y.find(dialog, "tree", "Fichiers")

    def listed():
        names = [a11y.name(cell) for cell in a11y.find_all(files, "table cell")]
        return names if "Brouillons" in names else None
    cells = a11y.wait_for(listed, "the folder's content")
    assert cells[cells.index("Brouillons") + 2] == "Dossier"
    steps.answer_file_dialog(program, user, "Enregistrer sous", "ma-copie", "Enregistrer")
    program.no_window("Enregistrer sous")
    a11y.wait_for(lambda: copy.exists() and copy.read_bytes().startswith(b"{\\rtf"),
                  "the text saved as rich text")

    # Saving over it asks first: Cancel keeps the old file, OK replaces it.
    copy.write_bytes(b"ancien texte")
    for button in ("Annuler", "OK"):
        steps.choose_in_exercise_menu(workbench, user, SAVE)
        steps.answer_file_dialog(program, user, "Enregistrer sous", folder / "ma-copie",
                                 "Enregistrer")
        question = steps.answer(program, user, "Ecraser le fichier?", button)
        assert question.replace("\r\n", "\n") == (
            "Le fichier ma-copie.RTF existe déjà.\nEcraser l'ancien?")
        if button == "Annuler":
            assert copy.read_bytes() == b"ancien texte"
    a11y.wait_for(lambda: copy.read_bytes().startswith(b"{\\rtf"), "the old file replaced")

    # The correction, read-only, with its preparation on the bench; a saved text needs no question.
    assert steps.choose_in_exercise_menu(workbench, user, CORRECTION)[CORRECTION]
    a11y.wait_for(lambda: CORRECTION_TITLE in a11y.text(text), "the correction")
    a11y.wait_for(lambda: a11y.name(workbench) ==
                  f"Dosarium - {program.folder}/01-glucose-dissolution-corrige.C05",
                  "the correction's preparation")
    assert not editable(text) and a11y.text(fich).endswith(EXERCISE)

    # The saved text reopened: the answer is back, editable, and no correction is offered.
    steps.choose_in_exercise_menu(workbench, user, REOPEN)
    steps.answer_file_dialog(program, user, "Ouvrir", copy, "Ouvrir")
    a11y.wait_for(lambda: ANSWER in a11y.text(text), "the reopened text")
    assert STATEMENT_TITLE in a11y.text(text) and editable(text)
    assert a11y.text(fich) == f"Texte: {copy}"

    # Printed to a PDF file through the print dialog.
    pdf = folder / "ma copie.pdf"
    assert not steps.choose_in_exercise_menu(workbench, user, PRINT)[CORRECTION]
    dialog = program.window("Imprimer")
    steps.dictate(a11y.find(dialog, "text", "Fichier de sortie :"), pdf)
    user.click(a11y.find(dialog, "push button", "Imprimer"))
    printed = a11y.wait_for(lambda: pdf_text(pdf), "the PDF file")
    assert STATEMENT_TITLE in printed and ANSWER in printed

    # Closing an edited text asks first: Cancel keeps it, OK brings the welcome text back.
    write_at_end(user, text, "V = 200 mL")
    steps.choose_in_exercise_menu(workbench, user, CLOSE)
    assert steps.answer(program, user, LOSS_TITLE, "Annuler") == LOSS_TEXT
    assert "V = 200 mL" in a11y.text(text) and a11y.text(fich) == f"Texte: {copy}"
    steps.choose_in_exercise_menu(workbench, user, CLOSE)
    steps.answer(program, user, LOSS_TITLE, "OK")
    a11y.wait_for(lambda: a11y.text(text).startswith("Dosarium\n"), "the welcome text")
    assert a11y.text(fich) == "" and not editable(text)
    assert not steps.choose_in_exercise_menu(workbench, user, None)[CLOSE]

    # The bench refuses exercise 07's preparation: the statement is on the workbench, the
    # exercise window gone, before the refusal comes.
    steps.open_exercise(program, workbench, user, REFUSED_EXERCISE)
    program.alert(REFUSAL_TITLE)
    assert not a11y.find_all(program.app, "image", "Ouvrir l'exercice sélectionné")
    assert REFUSED_TITLE in a11y.text(text)
    assert steps.answer(program, user, REFUSAL_TITLE, "OK") == REFUSAL
