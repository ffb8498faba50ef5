"""Journey: the student saves a preparation in a folder of their own and opens it again, and meets
the overwrite question, a file that is no configuration and a damaged one."""

from pathlib import Path

import accessibility as a11y
import steps

SHIPPED = "01-glucose-dissolution-corrige.C05"
SAVE_TITLE = "Enregistrer les paramètres."
OPEN_TITLE = "Ouvrir une configuration"
RECORD = 128


def caption_is(workbench, expected):
    a11y.wait_for(lambda: a11y.name(workbench) == expected, f"the title {expected!r}")


def result_text(workbench):
    """The result box's text while it is shown, else None."""
    shown = a11y.find_all(workbench, "text", "Résultat de la préparation")
    return a11y.text(shown[0]) if shown else None


def first_record(path):
    data = Path(path).read_bytes()
    return data[2:2 + int.from_bytes(data[:2], "little")]


def open_from_list(program, workbench, user, file_name):
    """Clicks a file in the open window's list, which names it in full, and opens it."""
    user.click(a11y.find(workbench, "push button", "Ouvrir"))
    window = program.window(OPEN_TITLE)
    user.click(a11y.find(window, "list item", file_name))
    path = a11y.find(window, "text", "Chemin du fichier à ouvrir")
    a11y.wait_for(lambda: a11y.text(path).endswith("/" + file_name), f"{file_name} chosen")
    typed = a11y.text(path)
    user.click(a11y.find(window, "push button", "OUVRIR"))
    return typed


def test_save_and_open_in_a_folder_with_spaces_and_accents(program, workbench, user, desktop):
    folder = desktop.home / "Mes essais de chimie à l'école"
    folder.mkdir()
    (desktop.home / "Brouillons").mkdir()
    saved = folder / "glucose.C05"

    # A preparation on the bench: the one shipped with the first exercise's correction.
    shipped = program.folder / SHIPPED
    steps.open_configuration(program, workbench, user, shipped)
    caption_is(workbench, f"Dosarium - {shipped}")
    prepared = result_text(workbench)
    assert prepared and "glucose" in prepared and "C = 1,00 · 10-1 mol · L-1" in prepared

    # Saved in the folder chosen in the list; the extension typed gives way to the program's own.
    window, name = steps.save_configuration_window(program, workbench, user)
    assert a11y.text(name) == str(shipped)
    steps.enter_directory(user, a11y.find(window, "list", "Répertoire:"), folder)
    a11y.wait_for(lambda: a11y.text(name) == SHIPPED, "the name box to keep the bare name")
    # A click into the box takes its whole text: what is typed replaces it.
    user.click(name)
    user.type("glucose.txt")
    a11y.wait_for(lambda: a11y.text(name) == "glucose.txt", "the typed name to replace the old")
    user.click(a11y.find(window, "push button", "ENREGISTRER"))
    program.no_window(SAVE_TITLE)
    caption_is(workbench, f"Dosarium - {saved}")
    assert first_record(saved) == b"DOSARIUM"

    # Saving again proposes the same file: No keeps the old one, Yes replaces it.
    saved.write_bytes(b"ancien contenu")
    window, name = steps.save_configuration_window(program, workbench, user)
    assert a11y.text(name) == str(saved)
    a11y.find(window, "list item", "glucose.C05")
    save = a11y.find(window, "push button", "ENREGISTRER")
    user.click(save)
    assert steps.answer(program, user, "Ce fichier existe déjà!", "Non") == (
        "Ecraser le fichier existant?")
    assert a11y.is_showing(window) and saved.read_bytes() == b"ancien contenu"
    user.click(save)
    steps.answer(program, user, "Ce fichier existe déjà!", "Oui")
    program.no_window(SAVE_TITLE)
    assert first_record(saved) == b"DOSARIUM"

    # A new preparation, then the saved one opened again from the list of that folder.
    user.click(a11y.find(workbench, "push button", "Nouveau"))
    caption_is(workbench, "Dosarium")
    assert result_text(workbench) is None
    assert open_from_list(program, workbench, user, "glucose.C05") == str(saved)
    caption_is(workbench, f"Dosarium - {saved}")
    program.no_window(OPEN_TITLE)
    assert result_text(workbench) == prepared

    # A file of another kind (an exercise sheet) is refused, and the bench is cleared all the same.
    (folder / "exercice glucose.C05").write_bytes(
        (program.folder / "01-glucose-dissolution.E12").read_bytes())
    open_from_list(program, workbench, user, "exercice glucose.C05")
    assert steps.answer(program, user, "Fichier non valide", "OK") == (
        "Ce fichier ne correspond pas à cette application")
    program.no_window(OPEN_TITLE)
    caption_is(workbench, "Dosarium")
    assert result_text(workbench) is None

    # A configuration cut short in its third record cannot be read.
    (folder / "copie abîmée.C05").write_bytes(saved.read_bytes()[:2 * RECORD + 3])
    open_from_list(program, workbench, user, "copie abîmée.C05")
    assert steps.answer(program, user, "Erreur lors du chargement du fichier", "OK") == (
        "Lecture impossible sur disque")
    program.no_window(OPEN_TITLE)
    caption_is(workbench, "Dosarium")
