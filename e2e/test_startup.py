"""Journey: the student starts the program and looks at the workbench before touching anything."""

import accessibility as a11y

BUTTONS = [("Nouveau", True), ("Annuler", False), ("Ouvrir", True), ("Enregistrer", False),
           ("Calculatrice", True), ("Voir le cours", True), ("Aide", True), ("Fermer", True)]
TOOLTIP_OF_EXERCISES = "Exercices"
DEFAULT_HINT = "Vous pouvez modifier les paramètres,\nouvrir une configuration ou un exercice"
BLUE, BLACK = "0,0,200", "0,0,0"


def test_startup(program, workbench):
    assert a11y.name(workbench) == "Dosarium" and a11y.role(workbench) == "frame"
    assert program.marker() == "OUI"

    # The command bar, left to right, each with its tooltip read as the description.
    buttons = [node for node in a11y.children(workbench) if a11y.role(node) == "push button"]
    assert [(a11y.name(b), a11y.is_enabled(b)) for b in buttons] == BUTTONS
    assert all(b.get_description() for b in buttons)
    lefts = [a11y.extents(b)[0] for b in buttons]
    assert lefts == sorted(lefts)
    exercises = a11y.find(workbench, None, "Exercices")
    assert exercises.get_description() == TOOLTIP_OF_EXERCISES

    # Bottle 0's label and the default hint that replaces its hover hint.
    a11y.find(workbench, "label", "Ethanol absolu")
    a11y.find(workbench, "label", "Liquide pur")
    label = a11y.find(workbench, None, "Étiquette du flacon")
    assert label.get_description() == ("Formule brute : C2H6O\nMasse molaire : M = 46,0 g.mol-1\n"
                                       "Densité par rapport à l'eau : d = 0,789\n"
                                       "Masse volumique : ρ = 0,789 g · mL-1")
    a11y.find(workbench, "image", "Danger : inflammable")
    a11y.find(workbench, "label", DEFAULT_HINT)
    a11y.find(workbench, "label", "Choisir un composé")
    assert len(a11y.find_all(workbench, "push button")) >= 8 + 9

    # The welcome text: a centred blue title, black body, blue emphasis; read-only.
    welcome = a11y.find(workbench, "text", "Texte de l'exercice")
    runs = a11y.runs(welcome)
    title, attributes = runs[0]
    assert title == "Dosarium"
    assert (attributes["size"], attributes["fg-color"], attributes["justification"]) == (
        "18", BLUE, "center")
    blue = [piece.strip() for piece, attributes in runs if attributes["fg-color"] == BLUE]
    blue = [piece for piece in blue if piece]
    assert blue == ["Dosarium", "concentration", "précision relative", "0,01 g",
                    "la plus petite division pour la verrerie graduée et 2 ‰ pour la "
                    "verrerie jaugée.", "Exercices"]
    body = [attributes for piece, attributes in runs[1:]
            if attributes["fg-color"] == BLACK and piece.strip()]
    assert body and all((a["size"], a["justification"], a["family-name"].strip('"'))
                        == ("10", "left", "Arial") for a in body)
    assert not welcome.get_state_set().contains(a11y.Atspi.StateType.EDITABLE)
