"""Journey: the student prepares solutions with the mouse, one after the other, with every instrument
and every kind of reagent, meets the three refusals and the warning, and goes back with "Annuler"
and "Nouveau"."""

import accessibility as a11y
import steps

CHOOSE_REAGENT = "Choisir un composé"
WHICH_SAMPLING = "Quel type de prélèvement ?"
CHOOSE_GLASSWARE = "Choisir la verrerie à utiliser pour le prélèvement"
SET_MASS = "Indiquer la masse de solide à prélever et valider"
SET_VOLUME = "Indiquer le volume de liquide à prélever"
CHOOSE_FLASK = "Choisir une fiole jaugée pour préparer la solution"
PREPARED = "Solution préparée"

MASS, SAMPLE, FLASK = "Masse prélevée", "Volume prélevé", "Volume de la fiole jaugée"
VALIDATE_MASS, VALIDATE_SAMPLE = "Valider la masse pesée", "Valider le volume prélevé"
VALIDATE_FLASK = "Valider la fiole jaugée"

REFUSED = "Volume insuffisant"
SOLUBILITY = "Dépassement de la solubilité de ce composé."
SAMPLE_VOLUME = "Le volume de la solution préparée doit être supérieur au volume prélevé."
SOLUTE_VOLUME = "La fiole choisie a un volume inférieur au soluté."
IMPRECISE, IMPRECISION = "Précision insuffisante", "La concentration n'est pas précise avec ce protocole."

OPENING = ("Après avoir complété jusqu'au trait de jauge avec de l'eau distillée, vous avez préparé "
           "une solution aqueuse ")
UNCERTAINTY = "Estimation de l'incertitude relative sur la concentration avec ce protocole : "
MASS_CONCENTRATION, WRITING = "Concentration en masse : Cm = ", "Écriture du résultat : "
BOTTLES = 9
GLASSWARE = ("fiole jaugée", "éprouvette graduée", "pipette jaugée", "pipette graduée")


def strikes_through(line, picture):
    """A picture that reaches the middle of a line of text, where it would strike it through."""
    (lx, ly, lw, lh), (px, py, pw, ph) = line, picture
    return lx < px + pw and px < lx + lw and py < ly + lh / 2 < py + ph


def test_preparations(program, workbench, user):
    def find(role_name, name):
        return a11y.find(workbench, role_name, name)

    def shown(role_name, name):
        return bool(a11y.find_all(workbench, role_name, name))

    def bottles():
        """The bottles in the cupboard; the one chosen on the bench takes no focus."""
        return [n for n in a11y.find_all(workbench, "push button")
                if a11y.name(n).startswith("Flacon : ")
                and n.get_state_set().contains(a11y.Atspi.StateType.FOCUSABLE)]

    def assert_result(phrase, concentration, raised, percentage, cm, writing):
        """The result, then Cm and the writing of both values with their uncertainty; raised
        lists the result's pieces written raised and smaller, in reading order."""
        text, pieces, added = steps.result(workbench)
        assert text == (f"{OPENING}{phrase}\n\nC = {concentration} mol · L-1\n\n"
                        f"{UNCERTAINTY}{percentage} %")
        assert added == f"{MASS_CONCENTRATION}{cm} g · L-1\n{WRITING}{writing}"
        assert pieces == raised
        find("label", PREPARED)
        assert a11y.is_enabled(save)

    def guidance_readable(sentence):
        """The guidance line, with no picture of the bench standing across it."""
        line = a11y.extents(find("label", sentence))
        across = [a11y.name(n) for n in a11y.find_all(workbench, "push button")
                  if a11y.name(n) in GLASSWARE and strikes_through(line, a11y.extents(n))]
        assert not across, f"{across} across the guidance {sentence!r}"

    def press(button):
        user.click(find("push button", button))

    def make_up(step, flask=None):
        """Moves the flask selector by step, sees the flask it shows when given, and validates."""
        steps.step_selector(workbench, user, FLASK, step)
        if flask:
            find("label", flask)
        press(VALIDATE_FLASK)

    cancel, save = find("push button", "Annuler"), find("push button", "Enregistrer")

    # A pure solid goes straight to the balance; "Valider" at 0,00 g does nothing.
    steps.choose_bottle(workbench, user, "Saccharose")
    find("label", SET_MASS)
    find("label", "0,00 g")
    assert len(bottles()) == 0
    press(VALIDATE_MASS)
    slider = find("scroll bar", MASS)
    x, y, width, height = a11y.extents(slider)
    user.drag((x + height + 3, y + height // 2), (x + width + 80, y + height // 2))
    find("label", "200,00 g")
    assert shown("label", SET_MASS) and shown("scroll bar", MASS)

    # 200 g cannot dissolve in the 25 mL flask.
    press(VALIDATE_MASS)
    find("label", CHOOSE_FLASK)
    find("label", "200 mL")
    make_up(-3, "25 mL")
    assert steps.answer(program, user, REFUSED, "OK") == SOLUBILITY
    assert shown("push button", VALIDATE_FLASK) and not a11y.is_enabled(save)

    # "Annuler" from the refused flask: a fresh flask choice; then from the flask choice: the
    # balance at zero for the same bottle.
    user.click(cancel)
    find("label", "200 mL")
    assert shown("label", "200,00 g") and not shown("scroll bar", MASS)
    user.click(cancel)
    find("label", "0,00 g")
    find("label", SET_MASS)
    assert a11y.value(find("scroll bar", MASS)) == 0
    assert shown("push button", "Flacon : Saccharose") and not bottles()

    # 3,42 g in 100 mL: a power of ten in the concentration.
    steps.set_value(slider, 342)
    find("label", "3,42 g")
    press(VALIDATE_MASS)
    make_up(-1, "100 mL")
    assert_result("de saccharose de concentration :", "1,00 · 10-1", ["-1", "-1"], "0,5", "34,2",
                  "C = (1,000 ± 0,005) · 10-1 mol · L-1 et Cm = (34,2 ± 0,2) g · L-1")

    # "Annuler" from the result: the result goes, the flask choice comes back at 200 mL.
    user.click(cancel)
    find("label", "200 mL")
    a11y.wait_for(lambda: not shown("text", steps.RESULT), "the result to go")
    assert not a11y.is_enabled(save) and shown("label", "3,42 g")

    # "Nouveau": the cupboard again.
    press("Nouveau")
    find("label", CHOOSE_REAGENT)
    assert len(bottles()) == BOTTLES
    assert not a11y.is_enabled(cancel) and not a11y.is_enabled(save)

    # A pure liquid weighed in the beaker: more liquid than the flask holds.
    steps.choose_bottle(workbench, user, "Ethanol absolu")
    find("label", WHICH_SAMPLING)
    user.click(find("label", "Mesure d'une masse"))
    find("label", SET_MASS)
    steps.set_value(slider, 1973)
    find("label", "19,73 g")
    press(VALIDATE_MASS)
    make_up(-3)
    assert steps.answer(program, user, REFUSED, "OK") == SOLUTE_VOLUME

    # Back twice: the measure is asked again; the graduated cylinder, 50 mL into 100 mL.
    user.click(cancel)
    find("label", "200 mL")
    user.click(cancel)
    find("label", WHICH_SAMPLING)
    user.click(find("label", "Mesure d'un volume"))
    find("label", CHOOSE_GLASSWARE)
    user.click(find("push button", "éprouvette graduée"))
    find("label", SET_VOLUME)
    find("label", "50 mL")
    press(VALIDATE_SAMPLE)
    make_up(-1, "100 mL")
    assert_result("d'éthanol de concentration :", "8,58", ["-1"], "2,2", "395",
                  "C = (8,6 ± 0,2) mol · L-1 et Cm = (395 ± 9) g · L-1")

    # A stock solution with the volumetric pipette: 25 mL cannot go into 25 mL, it can into 50.
    press("Nouveau")
    steps.choose_bottle(workbench, user, "Hydroxyde de sodium")
    guidance_readable(CHOOSE_GLASSWARE)
    user.click(find("push button", "pipette jaugée"))
    find("label", "10 mL")
    guidance_readable(SET_VOLUME)
    steps.step_selector(workbench, user, SAMPLE, 2)
    find("label", "25 mL")
    press(VALIDATE_SAMPLE)
    make_up(-3)
    assert steps.answer(program, user, REFUSED, "OK") == SAMPLE_VOLUME
    make_up(1, "50 mL")
    assert_result("d'hydroxyde de sodium de concentration :", "3,00", ["-1"], "0,4", "120",
                  "C = (3,00 ± 0,02) mol · L-1 et Cm = (120,0 ± 0,5) g · L-1")

    # The graduated pipette, one step below its 5,0 mL, then at its top.
    press("Nouveau")
    steps.choose_bottle(workbench, user, "Acide acétique (acide éthanoïque)")
    user.click(find("label", "Mesure d'un volume"))
    user.click(find("push button", "pipette graduée"))
    find("label", "5,0 mL")
    guidance_readable(SET_VOLUME)
    selector = steps.step_selector(workbench, user, SAMPLE, -1)
    find("label", "4,9 mL")
    steps.set_value(selector, 90)
    find("label", "10,0 mL")
    press(VALIDATE_SAMPLE)
    make_up(-2)
    assert_result("d'acide acétique de concentration :", "3,50", ["-1"], "1,2", "210",
                  "C = (3,50 ± 0,05) mol · L-1 et Cm = (210 ± 3) g · L-1")

    # The volumetric flask as the sampling instrument. The label read on the way shows every
    # pictogram of the solution and its concentration en masse.
    press("Nouveau")
    steps.choose_bottle(workbench, user, "Permanganate de potassium")
    pictograms = [a11y.name(n) for n in a11y.find_all(workbench, "image")
                  if a11y.name(n).startswith("Danger : ")]
    assert pictograms == ["Danger : nocif ou irritant", "Danger : grave pour la santé",
                          "Danger : toxique pour le milieu aquatique"]
    label = a11y.find(workbench, None, "Étiquette du flacon")
    assert label.get_description().endswith("\nConcentration en masse : Cm = 79,0 g · L-1")
    user.click(find("push button", "fiole jaugée"))
    find("label", SET_VOLUME)
    press(VALIDATE_SAMPLE)
    find("label", CHOOSE_FLASK)
    make_up(2, "500 mL")
    assert_result("de permanganate de potassium de concentration :", "2,00 · 10-1", ["-1", "-1"],
                  "0,4", "31,6",
                  "C = (2,000 ± 0,008) · 10-1 mol · L-1 et Cm = (31,6 ± 0,2) g · L-1")

    # A positive power of ten, written without its sign; 4,4 % draws no warning.
    press("Nouveau")
    steps.choose_bottle(workbench, user, "Acide chlorhydrique")
    user.click(find("push button", "éprouvette graduée"))
    steps.set_value(find("spin button", SAMPLE), 14)
    find("label", "24 mL")
    press(VALIDATE_SAMPLE)
    make_up(-3)
    assert_result("d'acide chlorhydrique de concentration :", "1,15 · 101", ["1", "-1"], "4,4",
                  "420", "C = (1,15 ± 0,06) · 101 mol · L-1 et Cm = (420 ± 20) g · L-1")

    # "Annuler" from the first step puts the bottle back.
    press("Nouveau")
    find("label", CHOOSE_REAGENT)
    assert not [w for w in a11y.top_windows(program.app) if a11y.role(w) == "alert"]
    steps.choose_bottle(workbench, user, "Glucose")
    user.click(cancel)
    find("label", CHOOSE_REAGENT)
    a11y.wait_for(lambda: len(bottles()) == BOTTLES, "the bottles back in the cupboard")

    # The smallest mass, one click on the slider's arrow, in the largest flask: the uncertainty
    # shows at most 100 % and the student is warned.
    steps.choose_bottle(workbench, user, "Glucose")
    x, y, width, height = a11y.extents(find("scroll bar", MASS))
    user.click_at(x + width - height // 2, y + height // 2)
    find("label", "0,01 g")
    press(VALIDATE_MASS)
    make_up(3, "1000 mL")
    assert steps.answer(program, user, IMPRECISE, "OK") == IMPRECISION
    assert_result("de glucose de concentration :", "5,56 · 10-5", ["-5", "-1"], "100,0",
                  "0,0100", "C = (6 ± 6) · 10-5 mol · L-1 et Cm = (0,01 ± 0,01) g · L-1")
