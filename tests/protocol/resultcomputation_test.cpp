#include "namedcase.h"
#include "protocol/benchnumbers.h"
#include "protocol/resultcomputation.h"
#include "samplestate.h"

#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::test;

namespace {

const QLocale french(QLocale::French, QLocale::France);

struct WorkedResult : test::NamedCase {
    Protocol protocol;
    const char* mantissa;
    int exponent;
    qint16 computedUncertainty;
    const char* percent;
};

class WorkedResults : public ::testing::TestWithParam<WorkedResult> {};

// Hand calculations: C = 1000 m / (M V) or 1000 ρ Vs / (M V) or c0 Vs / V; u is
// (Cmax / C − 1) × 10000 with Cmax from the sample plus its uncertainty over V − V/500.
const WorkedResult workedResults[] = {
    // 1000 × 3,42 / (342 × 100) = 0,100; 3,43/3,42 × 100/99,8 = 1,004934 → 49.
    {"saccharose_3_42g_100mL", {3, balance, 342, 2}, "1,00", -1, 49, "0,5"},
    // 6 × 10 / 100 = 0,600; 1,002/0,998 = 1,004008 → 40.
    {"soda_pipette_10mL_100mL", {5, pipette, 3, 2}, "6,00", -1, 40, "0,4"},
    // 1000 × 0,789 × 50 / (46 × 100) = 8,576; 51/50 × 100/99,8 = 1,022044 → 220.
    {"ethanol_cylinder_50mL_100mL", {0, cylinder, 40, 2}, "8,58", 0, 220, "2,2"},
    // 1000 × 1,05 × 10 / (60 × 50) = 3,50; 10,1/10 × 50/49,9 = 1,012024 → 120.
    {"acetic_graduated_10mL_50mL", {2, graduated, 90, 1}, "3,50", 0, 120, "1,2"},
    // 12 × 24 / 25 = 11,52; 25/24 × 25/24,95 = 1,043754 → 438.
    {"hydrochloric_cylinder_24mL_25mL", {8, cylinder, 14, 0}, "1,15", 1, 438, "4,4"},
    // 12 × 10 / 25 = 4,80; 11/10 × 25/24,95 = 1,102204 → 1022.
    {"hydrochloric_cylinder_10mL_25mL", {8, cylinder, 0, 0}, "4,80", 0, 1022, "10,2"},
    // 1000 × 0,01 / (180 × 1000) = 5,556e-5; 0,02/0,01 × 1000/998 = 2,004008 → 10040, shown 100 %.
    {"glucose_0_01g_1000mL", {4, balance, 1, 6}, "5,56", -5, 10040, "100,0"},
    // 50000 / (342 × 25) = 5,848; 50,01/50 × 25/24,95 = 1,002204 → 22.
    {"saccharose_50g_25mL", {3, balance, 5000, 0}, "5,85", 0, 22, "0,2"},
    // 19720 / (46 × 25) = 17,148; 19,73/19,72 × 25/24,95 = 1,002512 → 25, shown 0,3 (a half).
    {"ethanol_19_72g_25mL", {0, balance, 1972, 0}, "1,71", 1, 25, "0,3"},
    // Volumetric glassware always gives 1,002/0,998 → 40.
    {"permanganate_pipette_25mL_50mL", {6, pipette, 5, 1}, "2,50", -1, 40, "0,4"},
    {"acetone_flask_500mL_1000mL", {1, flask, 5, 6}, "6,78", 0, 40, "0,4"},
    {"copper_flask_25mL_1000mL", {7, flask, 0, 6}, "2,50", -2, 40, "0,4"},
    // Cases where the single-precision sample moves the displayed mantissa: by hand the exact
    // value ends in 5 and rounds up, but the stored float lies just below it.
    // 1000 × 146,43 / (180 × 100) = 8,135 exactly; 146,43 as a float is 146,429993.
    {"glucose_146_43g_100mL_float_mass", {4, balance, 14643, 2}, "8,13", 0, 21, "0,2"},
    // 68770 / (46 × 200) = 7,475 exactly; 68,77 as a float is 68,769997.
    {"ethanol_68_77g_200mL_float_mass", {0, balance, 6877, 3}, "7,47", 0, 21, "0,2"},
    // 1000 × 0,789 × 2,3 / (46 × 100) = 0,3945 exactly; 2,3 mL as a float is 2,29999995.
    {"ethanol_graduated_2_3mL_100mL_float_volume", {0, graduated, 13, 2}, "3,94", -1, 456, "4,6"},
    // 0,5 × 4,1 / 200 = 0,01025 exactly; 4,1 mL as a float is 4,0999999. Permanganate keeps C in
    // double precision, which shows 1,02; held in single precision it would round to 1,03.
    // 4,2/4,1 × 200/199,6 = 1,026443 → 264.
    {"permanganate_graduated_4_1mL_200mL_double", {6, graduated, 31, 3}, "1,02", -2, 264, "2,6"},
};

TEST_P(WorkedResults, ShowTheHandCalculatedFigures)
{
    const WorkedResult& w = GetParam();
    const std::optional<PreparationResult> r = acceptedResult(w.protocol);
    ASSERT_TRUE(r.has_value()) << "refused or without a result";
    const benchnumbers::Scientific c = benchnumbers::scientific(
        r->concentration,
        r->singlePrecision ? benchnumbers::singleDigits : benchnumbers::doubleDigits, french);
    EXPECT_EQ(c.mantissa, QString::fromUtf8(w.mantissa));
    EXPECT_EQ(c.exponent, w.exponent);
    EXPECT_EQ(r->computedUncertainty, w.computedUncertainty);
    EXPECT_EQ(benchnumbers::hundredthsWithOneDecimal(r->uncertainty, french),
              QString::fromUtf8(w.percent));
}

INSTANTIATE_TEST_SUITE_P(Protocols, WorkedResults, ::testing::ValuesIn(workedResults),
                         test::caseName);

struct RefusalCase : test::NamedCase {
    Protocol protocol;
    Refusal expected;
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

const RefusalCase refusalCases[] = {
    {"saccharose_2g_per_mL_accepted", {3, balance, 5000, 0}, Refusal::None},
    {"saccharose_50_01g_in_25mL", {3, balance, 5001, 0}, Refusal::Solubility},
    {"glucose_200g_in_100mL_accepted", {4, balance, 20000, 2}, Refusal::None},
    {"glucose_200g_in_50mL", {4, balance, 20000, 1}, Refusal::Solubility},
    // 19,72 / 0,789 = 24,99 mL, 19,73 / 0,789 = 25,01 mL.
    {"ethanol_19_72g_in_25mL_accepted", {0, balance, 1972, 0}, Refusal::None},
    {"ethanol_19_73g_in_25mL", {0, balance, 1973, 0}, Refusal::SoluteVolume},
    // 26,25 / 1,05 = 25 mL exactly: a solute filling the flask is refused.
    {"acetic_26_25g_in_25mL", {2, balance, 2625, 0}, Refusal::SoluteVolume},
    {"acetic_26_24g_in_25mL_accepted", {2, balance, 2624, 0}, Refusal::None},
    {"pipette_25mL_in_25mL", {5, pipette, 5, 0}, Refusal::SampleVolume},
    {"pipette_25mL_in_50mL_accepted", {5, pipette, 5, 1}, Refusal::None},
    {"flask_1000mL_in_1000mL", {0, flask, 6, 6}, Refusal::SampleVolume},
    {"cylinder_100mL_in_50mL", {7, cylinder, 90, 1}, Refusal::SampleVolume},
    {"cylinder_24mL_in_25mL_accepted", {8, cylinder, 14, 0}, Refusal::None},
};

TEST_P(Refusals, FollowTheThresholds)
{
    EXPECT_EQ(checkPreparation(stateOf(GetParam().protocol)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, Refusals, ::testing::ValuesIn(refusalCases), test::caseName);

TEST(ResultWarning, AboveFivePercentOnly)
{
    EXPECT_FALSE(needsImprecisionWarning(500));
    EXPECT_TRUE(needsImprecisionWarning(501));
    EXPECT_FALSE(needsImprecisionWarning(0));
    EXPECT_TRUE(needsImprecisionWarning(uncertaintyCap));
}

TEST(ResultComputation, NoResultWithoutAReagentOrASample)
{
    PreparationState s = stateOf({3, balance, 342, 2});
    s.reagentIndex = 9;
    EXPECT_FALSE(computeResult(s).has_value());
    s = stateOf({3, balance, 342, 2});
    s.sampledMass = 0.0f;
    EXPECT_FALSE(computeResult(s).has_value());
}

TEST(RefusalOrder, SolubilityIsCheckedFirst)
{
    // A state only a hand-edited replay could make: a solid with both faults.
    PreparationState s;
    s.reagentIndex = 3;
    s.samplingTool = SamplingTool::GraduatedCylinder;
    s.sampledMass = 60.0f;
    s.flaskVolume = 25.0f;
    s.sampledVolume = 30.0f;
    EXPECT_EQ(checkPreparation(s), Refusal::Solubility);
    s.sampledMass = 1.0f;
    EXPECT_EQ(checkPreparation(s), Refusal::SampleVolume);
}

} // namespace
