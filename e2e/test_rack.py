"""Journey: the student opens an exercise whose unknown copper solution goes into the rack, prepares
a range of four standards by diluting the copper sulfate stock, pours each into a tube, brackets the unknown right
then wrong, saves the rack, changes it, reopens it, reads the unknown on the spectrophotometer's
curve and prints the rack to a PDF file."""

import re
import subprocess

import accessibility as a11y
import steps

RACK, POUR = "Échelle de teintes...", "Verser dans un tube"
RACK_WINDOW, SPECTRO = "Échelle de teintes", "Spectrophotomètre"
NOTHING_TO_POUR = "Préparez d'abord une solution : il n'y a rien à verser dans un tube."
COPPER = "Sulfate de cuivre II"
SAMPLE, FLASK = "Volume prélevé", "Volume de la fiole jaugée"
# The volumetric pipette's positions: 1, 2, 5, 10, 20 and 25 mL; each goes into the 100 mL flask.
PIPETTE_POSITIONS = {"2 mL": 1, "5 mL": 2, "10 mL": 3, "20 mL": 4}
# Its unknown: 12,0 g/L of copper sulfate, 0,0752 mol/L.
EXERCISE = "13-sulfate-cuivre-echelle-de-teintes.E12"


def pdf_text(path):
    if not path.exists():
        return ""
    run = subprocess.run(["pdftotext", str(path), "-"], capture_output=True, text=True)
    return run.stdout if run.returncode == 0 else ""




def verdict(window):
    """The line under the bracket: its text is its name."""
    return next((a11y.name(n) for n in a11y.find_all(window, "label")
                 if a11y.name(n).startswith("Encadrement")), "")


def choose_in_combo(user, combo, key, position):
    """Gives a closed drop-down list the focus by its label's key and moves to its entry at position."""
    user.key(key)
    a11y.wait_for(lambda: a11y.is_focused(combo), "the drop-down list to take the focus")
    user.key("Home", *["Down"] * position)


def test_copper_range(program, workbench, user, desktop):
    folder = desktop.home / "Échelles"
    folder.mkdir()
    saved = folder / "ma gamme.ech"
    pdf = folder / "ma gamme.pdf"

    # Nothing prepared yet: the command says why it cannot pour.
    steps.choose_in_exercise_menu(workbench, user, POUR)
    assert steps.answer(program, user, POUR, "OK") == NOTHING_TO_POUR

    # The exercise brings its unknown into the rack; its concentration is never shown.
    steps.open_exercise(program, workbench, user, EXERCISE)
    steps.choose_in_exercise_menu(workbench, user, RACK)
    window = program.window(RACK_WINDOW)
    unknown_label = a11y.wait_for(
        lambda: next((n for n in a11y.find_all(window, "label")
                      if a11y.name(n).startswith("Solution inconnue : clarté L* = ")), None),
        "the unknown in the rack")
    assert "mol" not in a11y.name(unknown_label)
    user.click(a11y.find(window, "push button", "Fermer"))
    program.no_window(RACK_WINDOW)

    # Four standards by dilution of the 1,0 mol/L stock, each poured into a tube.
    for count, (volume, position) in enumerate(PIPETTE_POSITIONS.items(), start=1):
        user.click(a11y.find(workbench, "push button", "Nouveau"))
        steps.choose_bottle(workbench, user, COPPER)
        user.click(a11y.find(workbench, "push button", "pipette jaugée"))
        steps.set_value(a11y.find(workbench, "spin button", SAMPLE), position)
        a11y.find(workbench, "label", volume)
        user.click(a11y.find(workbench, "push button", "Valider le volume prélevé"))
        steps.step_selector(workbench, user, FLASK, -1)
        a11y.find(workbench, "label", "100 mL")
        user.click(a11y.find(workbench, "push button", "Valider la fiole jaugée"))
        a11y.find(workbench, "label", "Solution préparée")
        steps.choose_in_exercise_menu(workbench, user, POUR)
        a11y.find(workbench, "label",
                  f"Solution versée dans un tube : l'échelle de teintes compte {count} tube(s).")

    # The tubes stand in order of concentration, darker as they hold more copper.
    window, names = steps.open_rack(program, workbench, user, 4)
    assert [name.split(", ")[0] for name in names] == [
        "Tube 1 : C = 0,0200 mol · L⁻¹", "Tube 2 : C = 0,0500 mol · L⁻¹",
        "Tube 3 : C = 0,100 mol · L⁻¹", "Tube 4 : C = 0,200 mol · L⁻¹"]
    lightnesses = [steps.lightness(name) for name in names]
    assert lightnesses == sorted(lightnesses, reverse=True) and len(set(lightnesses)) == 4

    # Bracketed right between tubes 2 and 3, then wrong between 3 and 4.
    # Qt's bridge renames a drop-down list after its current entry: they are taken in order.
    first, second = a11y.find_all(window, "combo box")
    place = a11y.find(window, "push button", "Encadrer l'inconnue")
    choose_in_combo(user, first, "alt+u", 1)
    choose_in_combo(user, second, "alt+l", 2)
    user.click(place)
    a11y.wait_for(lambda: verdict(window).startswith("Encadrement juste : "), "a right verdict")
    assert verdict(window) == (
        "Encadrement juste : la concentration de la solution inconnue est comprise entre "
        "0,0500 mol · L⁻¹ et 0,100 mol · L⁻¹.")
    choose_in_combo(user, first, "alt+u", 3)
    user.click(place)
    a11y.wait_for(lambda: verdict(window).startswith("Encadrement faux : "), "a wrong verdict")

    # Saved; a tube taken away; the saved rack reopened with its tubes and its wrong bracket.
    user.click(a11y.find(window, "push button", "Enregistrer..."))
    steps.answer_file_dialog(program, user, "Enregistrer sous", folder / "ma gamme", "Enregistrer")
    a11y.wait_for(lambda: saved.exists() and saved.read_bytes().endswith(b"fin\t4\n"),
                  "the rack saved")
    user.click(a11y.find(a11y.find(window, "list", "Tubes de l'échelle"), "list item", names[0]))
    user.click(a11y.find(window, "push button", "Retirer le tube"))
    a11y.wait_for(lambda: len(steps.tube_names(window)) == 3, "a tube taken away")
    assert not verdict(window).startswith("Encadrement")
    user.click(a11y.find(window, "push button", "Ouvrir..."))
    steps.answer_file_dialog(program, user, "Ouvrir", saved, "Ouvrir")
    a11y.wait_for(lambda: steps.tube_names(window) == names, "the saved tubes back")
    a11y.wait_for(lambda: verdict(window).startswith("Encadrement faux : "),
                  "the saved bracket back")

    # The spectrophotometer reads the unknown on the line at the band's maximum.
    user.click(a11y.find(window, "push button", "Spectrophotomètre..."))
    spectro = program.window(SPECTRO)
    assert a11y.value(a11y.find(spectro, "spin button", "Longueur d'onde")) == 800
    reading = a11y.wait_for(lambda: next((a11y.name(n) for n in a11y.find_all(spectro, "label")
                                          if a11y.name(n).startswith("Inconnue : ")), None),
                            "the unknown's reading")
    assert reading.startswith("Inconnue : A = ") and "d'où C = (0,075" in reading, reading
    user.click(a11y.find(spectro, "push button", "Fermer"))
    program.no_window(SPECTRO)

    # Printed to a PDF file with its tubes, verdict and curve.
    user.click(a11y.find(window, "push button", "Imprimer..."))
    dialog = program.window("Imprimer")
    steps.dictate(a11y.find(dialog, "text", "Fichier de sortie :"), pdf)
    user.click(a11y.find(dialog, "push button", "Imprimer"))
    printed = a11y.wait_for(lambda: pdf_text(pdf), "the PDF file")
    assert "Échelle de teintes" in printed and "Tube 4 : C = 0,200" in printed
    assert "Encadrement faux" in printed and "Courbe d'étalonnage" in printed
    assert re.search(r"Inconnue : A = \d,\d{3}, d'où C = \(0,075\d* ± 0,\d+\) mol · L⁻¹ \(λ = \d{3} nm\)",
                     printed), printed
    user.click(a11y.find(window, "push button", "Fermer"))
    program.no_window(RACK_WINDOW)
