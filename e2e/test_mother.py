"""Journey: a permanganate range too dilute for one dilution of the stock. The student dilutes
the 0,50 mol/L stock once, keeps the result with "Utiliser comme solution mère", dilutes that
solution again, reads a result that names its mother and adds both uncertainties, and learns why
this preparation cannot be saved to a file. Two more standards are diluted from the same mother;
the three are poured into tubes and read in the "Échelle de teintes", each with both uncertainties
added."""

import accessibility as a11y
import steps

USE_AS_MOTHER = "Utiliser comme solution mère"
MOTHER_BOTTLE = ("Flacon : Solution mère de permanganate de potassium de concentration : "
                 "1,00 · 10⁻³ mol · L⁻¹")
SAMPLE, FLASK = "Volume prélevé", "Volume de la fiole jaugée"
VALIDATE_SAMPLE, VALIDATE_FLASK = "Valider le volume prélevé", "Valider la fiole jaugée"
UNCERTAINTY = "Estimation de l'incertitude relative sur la concentration avec ce protocole : "
NO_HAZARD_PICTOGRAM = "Dangers selon la concentration : voir l'étiquette du flacon du placard."
POUR, RACK_WINDOW = "Verser dans un tube", "Échelle de teintes"
POURED = "Solution versée dans un tube : l'échelle de teintes compte {} tube(s)."
NOT_SAVED = ("Cette solution a été préparée à partir d'une solution mère préparée sur la paillasse. "
             "Un fichier de configuration ne garde que les préparations faites avec les flacons de "
             "l'armoire : il ne peut pas enregistrer celle-ci, qui serait rejouée autrement.")


def pictograms(workbench):
    return [a11y.name(n) for n in a11y.find_all(workbench, "image")
            if a11y.name(n).startswith("Danger : ")]



def test_a_range_through_a_prepared_mother_solution(program, workbench, user):
    def find(role_name, name):
        return a11y.find(workbench, role_name, name)

    def press(name):
        user.click(find("push button", name))

    def pipette_into(sample_clicks, flask_clicks, flask):
        """The volumetric pipette (10 mL at first) moved by sample_clicks, into the flask."""
        press("pipette jaugée")
        find("label", "10 mL")
        if sample_clicks:
            steps.step_selector(workbench, user, SAMPLE, sample_clicks)
        press(VALIDATE_SAMPLE)
        steps.step_selector(workbench, user, FLASK, flask_clicks)
        find("label", flask)
        press(VALIDATE_FLASK)

    # First dilution: 2 mL of the stock into the 1000 mL flask.
    steps.choose_bottle(workbench, user, "Permanganate de potassium")
    pipette_into(-2, 3, "1000 mL")
    text, _, _ = steps.result(workbench)
    assert "\nC = 1,00 · 10-3 mol · L-1\n" in text
    assert f"{UNCERTAINTY}0,4 %" in text

    # The result's menu keeps the prepared solution; the bench starts again with its bottle.
    watcher = a11y.PopupWatcher()
    try:
        user.click(find("text", steps.RESULT), button=3)
        menu = watcher.next_menu()
        entry = a11y.find(menu, "menu item", USE_AS_MOTHER)
        assert a11y.is_enabled(entry)
        user.click(entry)
    finally:
        watcher.close()
    find("label", "Choisir un composé")
    a11y.wait_for(lambda: not a11y.find_all(workbench, "text", steps.RESULT), "the result to go")
    mother = find("push button", MOTHER_BOTTLE)
    assert a11y.find_all(workbench, "push button", "Flacon : Permanganate de potassium")

    # Its label says what it is.
    user.hover(mother)
    find("label", "Solution mère préparée")
    label = a11y.find(workbench, None, "Étiquette du flacon")
    a11y.wait_for(lambda: label.get_description().endswith(
        "\nConcentration : C = 1,00 · 10⁻³ mol.L-1\nIncertitude relative : 0,4 %\n"
        + NO_HAZARD_PICTOGRAM), "the prepared solution's label")
    # A dilution is not the stock: its label sends to the stock's instead of showing its
    # pictograms, which the cupboard's bottle still shows.
    assert pictograms(workbench) == []
    find("label", NO_HAZARD_PICTOGRAM)
    user.hover(find("push button", "Flacon : Permanganate de potassium"))
    a11y.wait_for(lambda: len(pictograms(workbench)) == 3, "the stock's pictograms")
    assert not a11y.find_all(workbench, "label", NO_HAZARD_PICTOGRAM)

    # Second dilution: 10 mL of the prepared solution into the 100 mL flask.
    user.click(mother)
    find("label", "Choisir la verrerie à utiliser pour le prélèvement")
    pipette_into(0, -1, "100 mL")
    # The result box reads as for the cupboard's bottles; the box below it names the mother
    # solution and adds the uncertainties, on a third line; neither box scrolls.
    text, raised, added = steps.result(workbench)
    assert text == ("Après avoir complété jusqu'au trait de jauge avec de l'eau distillée, "
                    "vous avez préparé une solution aqueuse de permanganate de potassium "
                    "de concentration :\n\nC = 1,00 · 10-4 mol · L-1\n\n"
                    f"{UNCERTAINTY}0,8 %")
    assert raised == ["-4", "-1"]
    assert added.startswith("Concentration en masse : Cm = 0,0158 g · L-1\n")
    assert added.endswith("\nSolution mère : C = 1,00 · 10-3 mol · L-1, incertitude 0,4 % ; "
                          "incertitudes relatives ajoutées : 0,40 % + 0,40 % = 0,80 %")

    # A configuration file holds the cupboard's bottles only: the save says so and writes nothing.
    save = find("push button", "Enregistrer")
    assert a11y.is_enabled(save)
    user.click(save)
    assert steps.answer(program, user, "Enregistrement impossible", "OK") == NOT_SAVED
    assert not [w for w in a11y.top_windows(program.app) if a11y.name(w) != "Dosarium"]

    # Poured into a tube; two more standards diluted from the same mother into 100 mL, 5 mL and
    # 2 mL of it, each poured in turn.
    steps.choose_in_exercise_menu(workbench, user, POUR)
    find("label", POURED.format(1))
    for count, clicks in ((2, -1), (3, -2)):
        press("Nouveau")
        user.click(find("push button", MOTHER_BOTTLE))
        find("label", "Choisir la verrerie à utiliser pour le prélèvement")
        pipette_into(clicks, -1, "100 mL")
        text, _, added = steps.result(workbench)
        assert text.endswith(f"{UNCERTAINTY}0,8 %")
        assert added.endswith("incertitudes relatives ajoutées : 0,40 % + 0,40 % = 0,80 %")
        steps.choose_in_exercise_menu(workbench, user, POUR)
        find("label", POURED.format(count))

    # The rack: in order of concentration, lighter as they hold less permanganate, each with the
    # uncertainty its result showed, both dilutions added, and its origin.
    window, names = steps.open_rack(program, workbench, user, 3)
    assert [name.split(", ")[0] for name in names] == [
        "Tube 1 : C = 2,00 · 10⁻⁵ mol · L⁻¹", "Tube 2 : C = 5,00 · 10⁻⁵ mol · L⁻¹",
        "Tube 3 : C = 1,00 · 10⁻⁴ mol · L⁻¹"], names
    lightnesses = [steps.lightness(name) for name in names]
    assert lightnesses[0] > lightnesses[1] > lightnesses[2], names
    for name in names:
        assert name.endswith(" ; incertitude relative 0,8 %, dilution d'une solution mère "
                             "préparée"), name
    user.click(a11y.find(window, "push button", "Fermer"))
    program.no_window(RACK_WINDOW)
