"""Journey: the student computes with the calculator, by mouse and by keyboard."""

import accessibility as a11y
import steps

IMPOSSIBLE = "Calcul impossible"
BRACKETS = "Erreur saisie: revoir les parenthèses"
OPERATORS = "Erreur saisie: incompréhension sur opérateurs: ^ * / + -"


class Calculator:
    """The open calculator window: its keys by their spoken names, and its display."""

    def __init__(self, program, workbench, user):
        self.user = user
        self.window, self.screen = steps.open_calculator(program, workbench, user)
        self.keys = {a11y.name(key): key for key in a11y.find_all(self.window, "push button")}

    def press(self, *names):
        for key in names:
            assert key in self.keys, f"no calculator key is named {key!r}"
            self.user.click(self.keys[key])

    def option(self, label):
        self.user.click(a11y.find(self.window, "radio button", label))

    def options(self):
        """The option buttons selected: one angle unit and one display format."""
        return {a11y.name(option) for option in a11y.find_all(self.window, "radio button")
                if a11y.is_checked(option)}

    def reads(self, wanted):
        try:
            a11y.wait_for(lambda: a11y.text(self.screen) == wanted,
                          f"the display to read {wanted!r}")
        except a11y.Timeout:
            raise AssertionError(f"the display reads {a11y.text(self.screen)!r}, not {wanted!r}")


def test_calculator(program, workbench, user, desktop):
    calc = Calculator(program, workbench, user)
    assert calc.options() == {"Degrés", "Standard"}
    assert a11y.text(calc.screen) == ""

    # By mouse: a function after a number is multiplied; x² and ÷ go on from the answer.
    calc.press("2", "sinus", "3", "0")
    calc.reads("2 * sin 30")
    calc.press("calculer")
    calc.reads(" 1")
    calc.press("1", "2", "x au carré")
    calc.reads("12 ^ 2")
    calc.press("calculer")
    calc.reads(" 144")
    calc.press("diviser")
    calc.reads("144 / ")
    calc.press("effacer le dernier caractère")
    calc.reads("144")

    # By keyboard, the display keeping the focus throughout.
    user.type("/3")
    calc.reads("144 / 3")
    user.key("Return")
    calc.reads(" 48")
    user.type("5-")
    calc.reads("5 - ")
    user.key("BackSpace")
    calc.reads("5")
    assert a11y.is_focused(calc.screen)

    # Both display formats: switching right after a result writes it again.
    calc.press("tout effacer")
    user.type("48")
    user.key("Return")
    calc.reads(" 48")
    calc.option("Scientifique")
    calc.reads("4.8E+01")
    user.type("1234.5")
    user.key("Return")
    calc.reads("1.2345E+03")
    calc.option("Standard")
    calc.reads(" 1234.5")

    # The memory: twice in, once out, recalled in either format, cleared.
    calc.press("ajouter à la mémoire", "ajouter à la mémoire", "soustraire de la mémoire")
    calc.press("tout effacer", "rappel de la mémoire")
    calc.reads("1234.5")
    calc.option("Scientifique")
    calc.press("tout effacer", "rappel de la mémoire")
    calc.reads("1.2345E+03")
    calc.option("Standard")
    calc.press("effacer la mémoire", "tout effacer", "rappel de la mémoire")
    calc.reads("0")

    # The three messages; the faulty expression stays to be mended, and is no answer to reuse.
    calc.press("tout effacer")
    user.type("(2+3")
    user.key("Return")
    calc.reads(BRACKETS)
    user.type(")")
    calc.reads("(2 + 3)")
    user.key("Return")
    calc.reads(" 5")
    user.type("2**3")
    user.key("Return")
    calc.reads(OPERATORS)
    calc.press("dernière réponse")
    calc.reads("2 *  * 3")
    calc.press("tout effacer")
    user.type("2/0")
    user.key("Return")
    calc.reads(IMPOSSIBLE)
    # An operator after another inside brackets cannot be computed either.
    calc.press("tout effacer")
    user.type("(2+*2)")
    user.key("Return")
    calc.reads(IMPOSSIBLE)

    # The last answer and the memory outlive the window; the formats come back to their start.
    calc.press("tout effacer")
    user.type("6*7")
    user.key("Return")
    calc.reads(" 42")
    calc.press("ajouter à la mémoire")
    calc.option("Scientifique")
    calc.reads("4.2E+01")
    steps.close_by_close_box(program, desktop, steps.CALCULATOR)

    calc = Calculator(program, workbench, user)
    assert calc.options() == {"Degrés", "Standard"}
    assert a11y.text(calc.screen) == ""
    calc.press("dernière réponse")
    calc.reads("42")
    user.type("+1")
    user.key("Return")
    calc.reads(" 43")
    calc.press("rappel de la mémoire")
    calc.reads("42")

    # A keyboard user leaves by Escape, as by the close box.
    user.key("Escape")
    program.no_window(steps.CALCULATOR)
