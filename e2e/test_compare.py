"""Journey: the student checks a preparation against the correction of exercise 06, first with the
graduated pipette, also after opening the correction and going back to that preparation, then
with the volumetric pipette."""

import accessibility as a11y
import steps

COMPARE = "Comparer ma préparation au corrigé"
CORRECTION, BACK = "Voir la correction", "Revenir à ma préparation"
KEPT = ("La paillasse montre la préparation du corrigé : c'est celle que vous aviez terminée "
        "avant de voir la correction qui est comparée ici.")
TITLE = "Comparaison avec le corrigé"
EXERCISE = "06-soude-choix-verrerie.E12"
SAME = ("Vous avez préparé la même solution que le corrigé : même réactif, et des concentrations "
        "égales aux incertitudes près.")
LESS_PRECISE = ("Votre protocole est moins précis que celui du corrigé : 2,2 % d'incertitude "
                "relative contre 0,4 %.")
AS_PRECISE = ("Votre protocole est aussi précis que celui du corrigé : 0,4 % d'incertitude "
              "relative dans les deux cas.")


def prepare(workbench, user, pipette, steps_down):
    """Sodium hydroxide taken with a pipette, made up in the 100 mL flask."""
    user.click(a11y.find(workbench, "push button", "Nouveau"))
    steps.choose_bottle(workbench, user, "Hydroxyde de sodium")
    user.click(a11y.find(workbench, "push button", pipette))
    steps.step_selector(workbench, user, "Volume prélevé", -steps_down)
    user.click(a11y.find(workbench, "push button", "Valider le volume prélevé"))
    steps.step_selector(workbench, user, "Volume de la fiole jaugée", -1)  # 200 mL -> 100 mL
    user.click(a11y.find(workbench, "push button", "Valider la fiole jaugée"))
    return a11y.find(workbench, "text", steps.RESULT)


def compare(program, workbench, user):
    items = steps.choose_in_exercise_menu(workbench, user, COMPARE)
    assert items[COMPARE] is True
    return steps.answer(program, user, TITLE, "OK"), items


def test_compare_with_the_correction(program, workbench, user):
    items = steps.choose_in_exercise_menu(workbench, user, None)
    assert list(items)[1:4] == [CORRECTION, COMPARE, BACK]
    assert items[COMPARE] is False and items[BACK] is False

    steps.open_exercise(program, workbench, user, EXERCISE)
    text = a11y.find(workbench, "text", "Texte de l'exercice")
    statement = a11y.text(text)

    result = prepare(workbench, user, "pipette graduée", 0)  # starts at 5,0 mL
    shown = a11y.text(result)
    message, items = compare(program, workbench, user)
    assert "5,0 mL à la pipette graduée" in message and "5 mL à la pipette jaugée" in message
    assert SAME in message and LESS_PRECISE in message and KEPT not in message
    assert items[BACK] is False

    # Nothing changed on the workbench: the bench, its result, the text and the title.
    assert a11y.text(result) == shown
    assert a11y.text(text) == statement
    assert a11y.name(workbench) == "Dosarium"
    assert a11y.is_enabled(a11y.find(workbench, "push button", "Enregistrer"))

    # The correction's preparation takes the bench: the student's is still the one compared, and
    # comes back as it was.
    steps.choose_in_exercise_menu(workbench, user, CORRECTION)
    a11y.wait_for(lambda: a11y.text(result) != shown, "the correction's preparation")
    message, items = compare(program, workbench, user)
    assert message.index(KEPT) < message.index("5,0 mL à la pipette graduée")
    assert LESS_PRECISE in message and items[BACK] is True
    steps.choose_in_exercise_menu(workbench, user, BACK)
    a11y.wait_for(lambda: a11y.text(result) == shown, "the student's preparation back")
    assert a11y.name(workbench) == "Dosarium"
    statement = a11y.text(text)

    prepare(workbench, user, "pipette jaugée", 1)  # 10 mL -> 5 mL
    message, _ = compare(program, workbench, user)
    assert SAME in message and AS_PRECISE in message
    assert a11y.text(text) == statement
