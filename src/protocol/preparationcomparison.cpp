#include "protocol/preparationcomparison.h"

#include "protocol/benchmodel.h"
#include "protocol/benchnumbers.h"

#include <algorithm>
#include <cmath>

namespace dosarium {
namespace {

constexpr double tenthsPerUnit = 1000.0;

ComparisonVerdict precisionVerdict(int studentTenths, int correctionTenths)
{
    if (studentTenths < correctionTenths)
        return ComparisonVerdict::SameMorePrecise;
    if (studentTenths > correctionTenths)
        return ComparisonVerdict::SameLessPrecise;
    return ComparisonVerdict::SameAsPrecise;
}

} // namespace

BenchPreparation benchPreparation(const BenchModel& bench)
{
    BenchPreparation preparation{bench.state(), std::nullopt, std::nullopt};
    // "Enregistrer" is enabled exactly while an accepted result is on the bench.
    if (!bench.isSaveEnabled())
        return preparation;
    preparation.mother = bench.sampledMotherSolution();
    preparation.result =
        computeResult(bench.state(), preparation.mother ? &*preparation.mother : nullptr);
    return preparation;
}

PreparationComparison comparePreparations(const BenchPreparation& student,
                                          const BenchPreparation& correction)
{
    PreparationComparison comparison;
    if (!student.result)
        return comparison;
    if (!correction.result) {
        comparison.verdict = ComparisonVerdict::CorrectionNotPrepared;
        return comparison;
    }
    const PreparationResult& mine = *student.result;
    const PreparationResult& theirs = *correction.result;
    comparison.studentWarned = needsImprecisionWarning(mine.uncertainty);
    comparison.correctionWarned = needsImprecisionWarning(theirs.uncertainty);

    const int studentTenths = benchnumbers::roundedTenths(mine.uncertainty);
    const int correctionTenths = benchnumbers::roundedTenths(theirs.uncertainty);
    comparison.toleranceTenths = std::max(studentTenths, correctionTenths);
    comparison.ratio = mine.concentration / theirs.concentration;
    comparison.gapTenths = std::llround(std::fabs(comparison.ratio - 1.0) * tenthsPerUnit);

    const bool sameReagent = student.state.reagentIndex == correction.state.reagentIndex;
    const bool concentrationsAgree = comparison.gapTenths <= comparison.toleranceTenths;
    if (sameReagent && concentrationsAgree)
        comparison.verdict = precisionVerdict(studentTenths, correctionTenths);
    else if (concentrationsAgree)
        comparison.verdict = ComparisonVerdict::DifferentReagent;
    else if (sameReagent)
        comparison.verdict = ComparisonVerdict::DifferentConcentration;
    else
        comparison.verdict = ComparisonVerdict::DifferentReagentAndConcentration;
    return comparison;
}

} // namespace dosarium
