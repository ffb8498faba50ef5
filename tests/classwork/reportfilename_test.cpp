// The report's file name: the same on every file system, whatever the student types.
#include "classwork/reportfilename.h"

#include <gtest/gtest.h>

using namespace dosarium;

namespace {

TEST(ReportFileName, KeepsOnlyLettersDigitsAndHyphens)
{
    const QDate date(2026, 12, 9);
    const struct {
        QString last, first, exercise, name;
    } cases[] = {
        {"Dupont", "Zoé", "Dosage à l'œil", "Dupont_Zoe_Dosage-a-l-oeil_2026-12-09"},
        {"N'Guyen / Le Hir", "Jean-Éric", "",
         "N-Guyen-Le-Hir_Jean-Eric_Preparation-libre_2026-12-09"},
        {"  Ærø\tß ", "Ḉlément", "01 - Glucose (corrigé).E12",
         "AEro-ss_Clement_01-Glucose-corrige-E12_2026-12-09"},
        {"../..", "\\", "C:\\fichier*?:<>|\"", "Nom_Prenom_C-fichier_2026-12-09"},
        {QString(60, 'a') + " b", "李", "",
         QString(40, 'a') + "_Prenom_Preparation-libre_2026-12-09"},
        {"Le Hir", "Zoé", "Choisir la verrerie pour une précision imposée",
         "Le-Hir_Zoe_Choisir-la-verrerie-pour-une-precision_2026-12-09"},
        {QString(39, 'a') + " b", "x", "y", QString(39, 'a') + "_x_y_2026-12-09"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reportBaseName(c.last, c.first, c.exercise, date), c.name)
            << c.last.toStdString();
}

} // namespace
