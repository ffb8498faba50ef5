#include "catalogue/reagent.h"
#include "namedcase.h"
#include "protocol/resultcomputation.h"
#include "protocol/resulttext.h"
#include "protocol/resultwriting.h"
#include "samplestate.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::test;

namespace {

// A paragraph's text with its raised runs marked as ^{…}, each run in the result's sizes.
QString marked(const QTextBlock& block)
{
    QString text;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const QTextCharFormat format = f.charFormat();
        const bool raised = format.baselineOffset() > 0;
        if (format.fontPointSize() !=
            (raised ? resulttext::raisedPointSize : resulttext::normalPointSize))
            return QStringLiteral("size %1 in ").arg(format.fontPointSize()) + f.text();
        if (raised)
            text += QStringLiteral("^{") + f.text() + QLatin1Char('}');
        else
            text += f.text();
    }
    return text;
}

// The two added lines are "Concentration en masse : Cm = <cm> g · L^{-1}" and
// "Écriture du résultat : C = <c> mol · L^{-1} et Cm = <cmWritten> g · L^{-1}".
struct Writing : test::NamedCase {
    Protocol protocol;
    const char* cm;
    const char* c;
    const char* cmWritten;
};

class ResultWriting : public ::testing::TestWithParam<Writing> {};

// Δ = shown percentage × value, rounded up to one figure; the value is rounded to Δ's last
// decimal. Cm = C × M with the solute's M for the stock solutions.
const Writing writings[] = {
    // 394,5 g/L; 2,2 %: Δ = 0,189 → 0,2 and 8,68 → 9.
    {"ethanol_cylinder_50mL_100mL", {0, cylinder, 40, 2}, "395", "(8,6 ± 0,2)", "(395 ± 9)"},
    // 39,46 g in 100 mL: 8,578 mol/L and 394,6 g/L at 0,2 %: Δ = 0,0172 → 0,02 and 0,789 → 0,8.
    {"ethanol_39_46g_100mL", {0, balance, 3946, 2}, "395", "(8,58 ± 0,02)", "(394,6 ± 0,8)"},
    // 175,2 g/L at 10,2 %: Δ = 17,9 → 20, and the value goes to the tens.
    {"hydrochloric_cylinder_10mL_25mL", {8, cylinder, 0, 0}, "175", "(4,8 ± 0,5)", "(180 ± 20)"},
    // 0,5 % of 1,00 · 10⁻¹ is 0,0005 within float noise: it stays 0,005 · 10⁻¹.
    {"saccharose_3_42g_100mL",
     {3, balance, 342, 2},
     "34,2",
     "(1,000 ± 0,005) · 10^{-1}",
     "(34,2 ± 0,2)"},
    // 2 000 g/L is written with its power of ten, shared by the value and Δ.
    {"saccharose_200g_100mL",
     {3, balance, 20000, 2},
     "2,00 · 10^{3}",
     "(5,85 ± 0,02)",
     "(2,000 ± 0,004) · 10^{3}"},
    // 100 % of 0,0100 g/L: Δ is the value itself.
    {"glucose_0_01g_1000mL", {4, balance, 1, 6}, "0,0100", "(6 ± 6) · 10^{-5}", "(0,01 ± 0,01)"},
    {"soda_pipette_10mL_100mL",
     {5, pipette, 3, 2},
     "24,0",
     "(6,00 ± 0,03) · 10^{-1}",
     "(24,0 ± 0,1)"},
    // 0,4 % of 2,50 is 0,01 up to the last bit of a double.
    {"permanganate_pipette_25mL_50mL",
     {6, pipette, 5, 1},
     "39,5",
     "(2,50 ± 0,01) · 10^{-1}",
     "(39,5 ± 0,2)"},
    {"copper_flask_25mL_1000mL",
     {7, flask, 0, 6},
     "3,99",
     "(2,50 ± 0,01) · 10^{-2}",
     "(3,99 ± 0,02)"},
    {"acetone_flask_500mL_1000mL", {1, flask, 5, 6}, "393", "(6,78 ± 0,03)", "(393 ± 2)"},
    {"acetic_graduated_10mL_50mL", {2, graduated, 90, 1}, "210", "(3,50 ± 0,05)", "(210 ± 3)"},
    // A positive power of ten for C, none for Cm = 420,48 g/L.
    {"hydrochloric_cylinder_24mL_25mL",
     {8, cylinder, 14, 0},
     "420",
     "(1,15 ± 0,06) · 10^{1}",
     "(420 ± 20)"},
};

TEST_P(ResultWriting, WritesCmAndBothValuesWithTheirUncertainty)
{
    const Writing& w = GetParam();
    const std::optional<PreparationResult> r = acceptedResult(w.protocol);
    ASSERT_TRUE(r.has_value()) << "refused or without a result";

    QTextDocument document;
    document.setPlainText(QStringLiteral("an earlier result"));
    const QLocale french(QLocale::French, QLocale::France);
    resulttext::writeMassConcentrationAndWriting(document, *r, w.protocol.reagent, french);
    ASSERT_EQ(document.blockCount(), 2);
    const QTextBlock cm = document.firstBlock();
    EXPECT_EQ(
        marked(cm),
        QStringLiteral("Concentration en masse : Cm = %1 g · L^{-1}").arg(QString::fromUtf8(w.cm)));
    EXPECT_EQ(marked(cm.next()),
              QStringLiteral("Écriture du résultat : C = %1 mol · L^{-1} et Cm = %2 g · L^{-1}")
                  .arg(QString::fromUtf8(w.c), QString::fromUtf8(w.cmWritten)));
    EXPECT_EQ(cm.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

INSTANTIATE_TEST_SUITE_P(Protocols, ResultWriting, ::testing::ValuesIn(writings), test::caseName);

// The label of a stock solution prints the Cm that the bench computes for the undiluted stock.
TEST(ResultWriting, StockLabelsPrintTheCmOfTheirStock)
{
    const QLocale french(QLocale::French, QLocale::France);
    for (int i = 5; i < Catalogue::reagentCount; ++i) {
        const Reagent& r = *Catalogue::reagent(i);
        PreparationResult stock;
        stock.concentration = r.concentration;
        const std::optional<double> cm = resultwriting::massConcentration(stock, i);
        ASSERT_TRUE(cm.has_value());
        EXPECT_EQ(resultwriting::threeFigures(*cm, 15, french).digits, r.massConcentrationText)
            << i;
    }
}

} // namespace
