"""Journeys: a student hands in a report of a preparation, and a teacher reads a class's hand-ins
in one table and exports it for a spreadsheet and a word processor."""

import csv
import re
import shutil
import subprocess
import zipfile

import accessibility as a11y
import steps
from test_compare import SAME, LESS_PRECISE, prepare
from test_exercises import write_at_end

EXERCISE = "06-soude-choix-verrerie.E12"
CORRECTION = "06-soude-choix-verrerie-corrige.C05"
REPORT, TABLE = "Compte rendu", "Corriger les préparations d'une classe"
TABLE_TITLE, FOLDER_TITLE = "Préparations d'une classe", "Choisir le dossier des préparations"
THIRD = "3 fois moins concentrée que le corrigé"
ANSWER = "V0 = 0,30 x 100 / 6,0 = 5,0 mL"


def pdf_text(path):
    run = subprocess.run(["pdftotext", "-layout", str(path), "-"], capture_output=True, text=True)
    return run.stdout if run.returncode == 0 else ""


def answer_folder_dialog(program, user, title, folder):
    dialog = program.window(title)
    steps.dictate(a11y.find(dialog, "text", "Dossier :"), folder)
    user.click(a11y.find(dialog, "push button", "Choisir"))
    program.no_window(title)


def test_student_report_printed_and_saved_beside_its_preparation(program, workbench, user,
                                                                 desktop):
    folder = desktop.home / "Rendus de Zoé"
    folder.mkdir()
    printed = desktop.home / "impression.pdf"
    steps.open_exercise(program, workbench, user, EXERCISE)
    result = prepare(workbench, user, "pipette graduée", 0)  # 5,0 mL
    shown = a11y.text(result)
    write_at_end(user, a11y.find(workbench, "text", "Texte de l'exercice"), ANSWER)

    steps.choose_in_exercise_menu(workbench, user, REPORT)
    dialog = program.window(REPORT)
    for box, typed in (("Nom", "Le Hir"), ("Prénom", "Zoé"), ("Classe", "2nde 4"),
                       ("Dossier", str(folder))):
        steps.dictate(a11y.find(dialog, "text", box), typed)
    user.click(a11y.find(dialog, "push button", "OK"))
    printer = program.window("Imprimer")
    steps.dictate(a11y.find(printer, "text", "Fichier de sortie :"), printed)
    user.click(a11y.find(printer, "push button", "Imprimer"))
    saved = steps.answer(program, user, "Compte rendu enregistré", "OK")

    pdfs = sorted(folder.glob("*.pdf"))
    assert [p.name for p in pdfs] == [p.name for p in pdfs if re.fullmatch(
        r"Le-Hir_Zoe_Choisir-la-verrerie-pour-une-precision_\d{4}-\d\d-\d\d\.pdf", p.name)]
    assert len(pdfs) == 1 and str(pdfs[0]) in saved
    beside = pdfs[0].with_suffix(".C05")
    assert beside.exists() and str(beside) in saved
    report = " ".join(pdf_text(pdfs[0]).split())
    for expected in ("Le Hir Zoé", "2nde 4", "Choisir la verrerie pour une précision imposée",
                     "Hydroxyde de sodium", "5,0 mL à la pipette graduée", "100 mL",
                     "3,00", SAME, LESS_PRECISE, ANSWER):
        assert expected in report, expected
    assert " ".join(pdf_text(printed).split()) == report

    # The preparation saved beside the report opens to the same result.
    user.click(a11y.find(workbench, "push button", "Nouveau"))
    a11y.wait_for(lambda: not a11y.find_all(workbench, "text", steps.RESULT), "a bench cleared")
    steps.open_configuration(program, workbench, user, beside)
    reopened = a11y.find(workbench, "text", steps.RESULT)
    a11y.wait_for(lambda: a11y.text(reopened) == shown, "the saved preparation's result")


def cell_texts(table):
    rows, columns = a11y.Atspi.Table.get_n_rows(table), a11y.Atspi.Table.get_n_columns(table)
    return [[a11y.name(a11y.Atspi.Table.get_accessible_at(table, row, column))
             for column in range(columns)] for row in range(rows)]


def test_class_table_judges_a_folder_and_exports_it(program, workbench, user, desktop):
    hand_ins = desktop.home / "Rendus 2nde 4"
    hand_ins.mkdir()
    shipped = program.folder
    shutil.copy(shipped / CORRECTION, hand_ins / "Martin Léa.C05")
    double = bytearray((shipped / CORRECTION).read_bytes())
    double[6 * 128 + 2:6 * 128 + 4] = b" 3"  # the 10 mL volumetric pipette
    (hand_ins / "Bernard Noé.C05").write_bytes(bytes(double))
    shutil.copy(shipped / "03-sulfate-cuivre-dilution-corrige.C05", hand_ins / "Durand; Paul.C05")
    shutil.copy(shipped / "01-glucose-dissolution-corrige.C05", hand_ins / 'Petit "Hugo".C05')
    (hand_ins / "liste.C05").write_text("Nom;Prénom;Classe\n" * 80, encoding="utf-8")
    (hand_ins / "Roux Manon.C05").write_bytes((shipped / CORRECTION).read_bytes()[:300])
    before = {p.name: p.read_bytes() for p in hand_ins.iterdir()}

    steps.open_exercise(program, workbench, user, EXERCISE)
    steps.choose_in_exercise_menu(workbench, user, TABLE)
    window = program.window(TABLE_TITLE)
    a11y.find(window, "label", f"Corrigé appliqué : {CORRECTION}")
    user.click(a11y.find(window, "push button", "Choisir un dossier…"))
    answer_folder_dialog(program, user, FOLDER_TITLE, hand_ins)
    table = a11y.find(window, "table", "Tableau des préparations")
    a11y.wait_for(lambda: a11y.Atspi.Table.get_n_rows(table) == 6, "six rows")
    cells = cell_texts(table)
    verdicts = {row[0]: (row[7], row[8]) for row in cells}
    assert verdicts == {
        "Bernard Noé.C05": ("Autre concentration", "2 fois plus concentrée que le corrigé"),
        "Durand; Paul.C05": ("Autre réactif et autre concentration", THIRD),
        "Martin Léa.C05": ("Même solution, aussi précise", ""),
        'Petit "Hugo".C05': ("Autre réactif et autre concentration", THIRD),
        "Roux Manon.C05": ("Fichier illisible", "Lecture impossible sur disque"),
        "liste.C05": ("Fichier illisible", "Lecture impossible sur disque"),
    }
    assert cells[2][1:7] == ["Hydroxyde de sodium", "5 mL à la pipette jaugée", "100 mL", "0,300",
                             "12,0", "0,4"]
    labels = [a11y.name(label) for label in a11y.find_all(window, "label")]
    assert ("6 fichier(s) : Même solution, aussi précise : 1 ; Autre concentration : 1 ; Autre "
            "réactif et autre concentration : 2 ; Fichier illisible : 2") in labels

    # Exported: the CSV holds the same cells under one header row, the text document the table.
    user.click(a11y.find(window, "push button", "Exporter"))
    exported = desktop.home / "bilan 2nde 4.csv"
    steps.answer_file_dialog(program, user, "Enregistrer sous", exported, "Enregistrer")
    a11y.wait_for(lambda: exported.exists() and exported.with_suffix(".odt").exists(),
                  "the two exported files")
    assert exported.read_bytes().startswith(b"\xef\xbb\xbf")
    with exported.open(encoding="utf-8-sig", newline="") as opened:
        rows = list(csv.reader(opened, delimiter=";"))
    assert rows[0][:2] == ["Fichier", "Réactif"] and rows[1:] == cells
    with zipfile.ZipFile(exported.with_suffix(".odt")) as odt:
        content = odt.read("content.xml").decode("utf-8")
    assert "table:table" in content
    assert all(name.replace('"', "&quot;") in content or name in content for name in verdicts)
    assert "Fichier illisible : 2" in content

    # Printed to a PDF file: the table and its summary.
    printed = desktop.home / "bilan.pdf"
    user.click(a11y.find(window, "push button", "Imprimer"))
    printer = program.window("Imprimer")
    steps.dictate(a11y.find(printer, "text", "Fichier de sortie :"), printed)
    user.click(a11y.find(printer, "push button", "Imprimer"))
    text = a11y.wait_for(lambda: printed.exists() and " ".join(pdf_text(printed).split()),
                         "the printed table")
    assert "Martin Léa.C05" in text and "Fichier illisible : 2" in text
    assert {p.name: p.read_bytes() for p in hand_ins.iterdir()} == before
