#include "catalogue/reagent.h"
#include "protocol/instruments.h"
#include "protocol/resultcomputation.h"
#include "protocol/resulttext.h"
#include "protocol/resultwriting.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

struct Protocol {
    int reagent;
    SamplingTool tool;
    int position; // balance or sample selector
    int flaskPosition;
};

PreparationState stateOf(const Protocol& p)
{
    PreparationState s;
    s.reagentIndex = qint16(p.reagent);
    s.samplingTool = p.tool;
    s.flaskVolume = *instruments::flaskVolumeAt(p.flaskPosition);
    if (p.tool == SamplingTool::Balance)
        s.sampledMass = instruments::sampledMassAt(p.position);
    else
        s.sampledVolume = *instruments::sampledVolumeAt(p.tool, p.position);
    return s;
}

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

struct Writing {
    const char* name;
    Protocol protocol;
    const char* massConcentration;
    const char* writing;
};

void PrintTo(const Writing& w, std::ostream* os)
{
    *os << w.name;
}

class ResultWriting : public ::testing::TestWithParam<Writing> {};

constexpr auto balance = SamplingTool::Balance;
constexpr auto flask = SamplingTool::VolumetricFlask;
constexpr auto cylinder = SamplingTool::GraduatedCylinder;
constexpr auto pipette = SamplingTool::VolumetricPipette;
constexpr auto graduated = SamplingTool::GraduatedPipette;

// Δ = shown percentage × value, rounded up to one figure; the value is rounded to Δ's last
// decimal. Cm = C × M with the solute's M for the stock solutions.
const Writing writings[] = {
    // 394,5 g/L; 2,2 %: Δ = 0,189 → 0,2 and 8,68 → 9.
    {"ethanol_cylinder_50mL_100mL",
     {0, cylinder, 40, 2},
     "Concentration en masse : Cm = 395 g · L^{-1}",
     "Écriture du résultat : C = (8,6 ± 0,2) mol · L^{-1} et Cm = (395 ± 9) g · L^{-1}"},
    // 39,46 g in 100 mL: 8,578 mol/L and 394,6 g/L at 0,2 %: Δ = 0,0172 → 0,02 and 0,789 → 0,8.
    {"ethanol_39_46g_100mL",
     {0, balance, 3946, 2},
     "Concentration en masse : Cm = 395 g · L^{-1}",
     "Écriture du résultat : C = (8,58 ± 0,02) mol · L^{-1} et Cm = (394,6 ± 0,8) g · L^{-1}"},
    // 175,2 g/L at 10,2 %: Δ = 17,9 → 20, and the value goes to the tens.
    {"hydrochloric_cylinder_10mL_25mL",
     {8, cylinder, 0, 0},
     "Concentration en masse : Cm = 175 g · L^{-1}",
     "Écriture du résultat : C = (4,8 ± 0,5) mol · L^{-1} et Cm = (180 ± 20) g · L^{-1}"},
    // 0,5 % of 1,00 · 10⁻¹ is 0,0005 within float noise: it stays 0,005 · 10⁻¹.
    {"saccharose_3_42g_100mL",
     {3, balance, 342, 2},
     "Concentration en masse : Cm = 34,2 g · L^{-1}",
     "Écriture du résultat : C = (1,000 ± 0,005) · 10^{-1} mol · L^{-1} et Cm = (34,2 ± 0,2) g · "
     "L^{-1}"},
    // 2 000 g/L is written with its power of ten, shared by the value and Δ.
    {"saccharose_200g_100mL",
     {3, balance, 20000, 2},
     "Concentration en masse : Cm = 2,00 · 10^{3} g · L^{-1}",
     "Écriture du résultat : C = (5,85 ± 0,02) mol · L^{-1} et Cm = (2,000 ± 0,004) · 10^{3} g · "
     "L^{-1}"},
    // 100 % of 0,0100 g/L: Δ is the value itself.
    {"glucose_0_01g_1000mL",
     {4, balance, 1, 6},
     "Concentration en masse : Cm = 0,0100 g · L^{-1}",
     "Écriture du résultat : C = (6 ± 6) · 10^{-5} mol · L^{-1} et Cm = (0,01 ± 0,01) g · L^{-1}"},
    {"soda_pipette_10mL_100mL",
     {5, pipette, 3, 2},
     "Concentration en masse : Cm = 24,0 g · L^{-1}",
     "Écriture du résultat : C = (6,00 ± 0,03) · 10^{-1} mol · L^{-1} et Cm = (24,0 ± 0,1) g · "
     "L^{-1}"},
    // 0,4 % of 2,50 is 0,01 up to the last bit of a double.
    {"permanganate_pipette_25mL_50mL",
     {6, pipette, 5, 1},
     "Concentration en masse : Cm = 39,5 g · L^{-1}",
     "Écriture du résultat : C = (2,50 ± 0,01) · 10^{-1} mol · L^{-1} et Cm = (39,5 ± 0,2) g · "
     "L^{-1}"},
    {"copper_flask_25mL_1000mL",
     {7, flask, 0, 6},
     "Concentration en masse : Cm = 3,99 g · L^{-1}",
     "Écriture du résultat : C = (2,50 ± 0,01) · 10^{-2} mol · L^{-1} et Cm = (3,99 ± 0,02) g · "
     "L^{-1}"},
    {"acetone_flask_500mL_1000mL",
     {1, flask, 5, 6},
     "Concentration en masse : Cm = 393 g · L^{-1}",
     "Écriture du résultat : C = (6,78 ± 0,03) mol · L^{-1} et Cm = (393 ± 2) g · L^{-1}"},
    {"acetic_graduated_10mL_50mL",
     {2, graduated, 90, 1},
     "Concentration en masse : Cm = 210 g · L^{-1}",
     "Écriture du résultat : C = (3,50 ± 0,05) mol · L^{-1} et Cm = (210 ± 3) g · L^{-1}"},
    // A positive power of ten for C, none for Cm = 420,48 g/L.
    {"hydrochloric_cylinder_24mL_25mL",
     {8, cylinder, 14, 0},
     "Concentration en masse : Cm = 420 g · L^{-1}",
     "Écriture du résultat : C = (1,15 ± 0,06) · 10^{1} mol · L^{-1} et Cm = (420 ± 20) g · "
     "L^{-1}"},
};

TEST_P(ResultWriting, WritesCmAndBothValuesWithTheirUncertainty)
{
    const Writing& w = GetParam();
    const PreparationState state = stateOf(w.protocol);
    ASSERT_EQ(checkPreparation(state), Refusal::None);
    const std::optional<PreparationResult> r = computeResult(state);
    ASSERT_TRUE(r.has_value());

    QTextDocument document;
    document.setPlainText(QStringLiteral("an earlier result"));
    const QLocale french(QLocale::French, QLocale::France);
    resulttext::writeMassConcentrationAndWriting(document, *r, w.protocol.reagent, french);
    ASSERT_EQ(document.blockCount(), 2);
    const QTextBlock cm = document.firstBlock();
    EXPECT_EQ(marked(cm), QString::fromUtf8(w.massConcentration));
    EXPECT_EQ(marked(cm.next()), QString::fromUtf8(w.writing));
    EXPECT_EQ(cm.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

INSTANTIATE_TEST_SUITE_P(Protocols, ResultWriting, ::testing::ValuesIn(writings),
                         [](const auto& info) { return std::string(info.param.name); });

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
