// When two preparations count as the same solution, and which protocol is the more precise.
#include "protocol/preparationcomparison.h"

#include <gtest/gtest.h>

using namespace dosarium;

namespace {

constexpr qint16 sodiumHydroxide = 5;
constexpr qint16 copperSulfate = 7;

// An accepted preparation of reagent whose result is c mol/L at u hundredths of a percent.
BenchPreparation prepared(qint16 reagent, double c, qint16 u)
{
    BenchPreparation p;
    p.state.reagentIndex = reagent;
    p.state.protocolStep = ProtocolStep::Prepared;
    p.result = PreparationResult{c, false, u, u};
    return p;
}

BenchPreparation refused(qint16 reagent)
{
    BenchPreparation p = prepared(reagent, 0.0, 0);
    p.result.reset();
    return p;
}

struct Case {
    const char* name;
    BenchPreparation student;
    BenchPreparation correction;
    ComparisonVerdict verdict;
    qint64 gapTenths;
    int toleranceTenths;
};

class Comparison : public ::testing::TestWithParam<Case> {};

TEST_P(Comparison, GivesTheVerdict)
{
    const Case& c = GetParam();
    const PreparationComparison comparison = comparePreparations(c.student, c.correction);
    EXPECT_EQ(comparison.verdict, c.verdict);
    if (c.student.result && c.correction.result) {
        EXPECT_EQ(comparison.gapTenths, c.gapTenths);
        EXPECT_EQ(comparison.toleranceTenths, c.toleranceTenths);
        EXPECT_DOUBLE_EQ(comparison.ratio,
                         c.student.result->concentration / c.correction.result->concentration);
    }
}

using V = ComparisonVerdict;
const Case cases[] = {
    {"NothingOnTheStudentsBench", refused(sodiumHydroxide), prepared(sodiumHydroxide, 0.3, 40),
     V::StudentNotPrepared, 0, 0},
    {"CorrectionRefused", prepared(sodiumHydroxide, 0.3, 40), refused(sodiumHydroxide),
     V::CorrectionNotPrepared, 0, 0},
    {"SameMorePrecise", prepared(sodiumHydroxide, 0.3, 22), prepared(sodiumHydroxide, 0.3, 48),
     V::SameMorePrecise, 0, 5},
    {"SameLessPrecise", prepared(sodiumHydroxide, 0.3, 220), prepared(sodiumHydroxide, 0.3, 40),
     V::SameLessPrecise, 0, 22},
    // 0,38 % and 0,42 % both read 0,4 %: the student cannot see a difference of precision.
    {"PrecisionComparedAsShown", prepared(sodiumHydroxide, 0.3, 38),
     prepared(sodiumHydroxide, 0.3, 42), V::SameAsPrecise, 0, 4},
    // The gap is taken against the correction's concentration: 2,24 % here, but 2,29 % against
    // the student's.
    {"GapEqualToTheLargerUncertainty", prepared(sodiumHydroxide, 0.9776, 220),
     prepared(sodiumHydroxide, 1.0, 40), V::SameLessPrecise, 22, 22},
    {"GapBeyondTheLargerUncertainty", prepared(sodiumHydroxide, 1.026, 220),
     prepared(sodiumHydroxide, 1.0, 40), V::DifferentConcentration, 26, 22},
    {"OtherReagentSameConcentration", prepared(copperSulfate, 0.3, 40),
     prepared(sodiumHydroxide, 0.3, 40), V::DifferentReagent, 0, 4},
    {"OtherReagentOtherConcentration", prepared(copperSulfate, 0.02, 40),
     prepared(sodiumHydroxide, 0.01, 40), V::DifferentReagentAndConcentration, 1000, 4},
};

INSTANTIATE_TEST_SUITE_P(Preparations, Comparison, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Comparison, NotesACorrectionAboveThePrecisionLimit)
{
    const BenchPreparation student = prepared(sodiumHydroxide, 4.8, 40);
    EXPECT_TRUE(comparePreparations(student, prepared(sodiumHydroxide, 4.8, 501)).correctionWarned);
    EXPECT_FALSE(
        comparePreparations(student, prepared(sodiumHydroxide, 4.8, 500)).correctionWarned);
}

} // namespace
