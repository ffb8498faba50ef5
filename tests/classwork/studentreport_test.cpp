// The report's protocol: each kind of bottle with the data its label gives.
#include "classwork/studentreport.h"
#include "preparations.h"
#include "protocol/benchmodel.h"
#include "scriptedmessageservice.h"

#include <QTextDocument>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

TEST(StudentReport, WritesTheProtocolWithTheLabelOfEachKindOfBottle)
{
    const struct {
        const Preparation* played;
        QStringList steps;
    } cases[] = {
        {&test::ethanolWeighed,
         {"Flacon : Ethanol absolu (M = 46,0 g/mol ; d = 0,789)",
          "Prélèvement : 15,78 g à la balance",
          "Fiole jaugée de 100 mL, complétée à l'eau distillée jusqu'au trait de jauge"}},
        {&test::glucoseWeighed,
         {"Flacon : Glucose (M = 180,0 g/mol)", "Prélèvement : 12,34 g à la balance",
          "Fiole jaugée de 50 mL, complétée à l'eau distillée jusqu'au trait de jauge"}},
        {&test::permanganateWithTheGraduatedPipette,
         {"Flacon : Permanganate de potassium (C = 0,50 mol/L ; Cm = 79,0 g/L)",
          "Prélèvement : 4,7 mL à la pipette graduée",
          "Fiole jaugée de 25 mL, complétée à l'eau distillée jusqu'au trait de jauge"}},
        {&test::hydrochloricAcidWithTheFlaskRefused, {}},
    };
    const QLocale french(QLocale::French, QLocale::France);
    for (const auto& c : cases) {
        ScriptedMessageService messages;
        BenchModel bench(messages, french);
        c.played->play(bench);
        const StudentReport report{{"Le Hir", "Zoé", "2nde 4"},
                                   QDate(2026, 12, 9),
                                   {},
                                   benchPreparation(bench),
                                   &bench.resultDocument(),
                                   {},
                                   {}};
        EXPECT_EQ(protocolSteps(report.preparation, french), c.steps);

        QTextDocument document;
        fillReportDocument(document, report, french);
        const QString text = document.toPlainText();
        for (const QString& step : c.steps)
            EXPECT_TRUE(text.contains(step)) << step.toStdString();
        EXPECT_TRUE(text.contains("Le Hir Zoé") && text.contains("Préparation libre"));
        EXPECT_EQ(text.contains("Aucune préparation terminée."), c.steps.isEmpty());
        EXPECT_FALSE(text.contains("Comparaison avec le corrigé"));
    }
}

} // namespace
