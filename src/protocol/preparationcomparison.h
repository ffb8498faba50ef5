// Whether two preparations made the same solution, and which protocol is the more precise.
#pragma once

#include "protocol/mothersolution.h"
#include "protocol/preparationstate.h"
#include "protocol/resultcomputation.h"

#include <optional>

namespace dosarium {

class BenchModel;

// A preparation as a bench holds it: the result is there only when the bench accepted the flask.
// A dilution of a mother solution holds that solution, and its result is the two steps'.
struct BenchPreparation {
    PreparationState state;
    std::optional<PreparationResult> result;
    std::optional<MotherSolution> mother;
};

BenchPreparation benchPreparation(const BenchModel& bench);

enum class ComparisonVerdict {
    StudentNotPrepared,    // no accepted result on the student's bench: nothing to compare yet
    CorrectionNotPrepared, // the correction's protocol is refused or could not be replayed
    SameMorePrecise,
    SameAsPrecise,
    SameLessPrecise,
    DifferentReagent,
    DifferentConcentration,
    DifferentReagentAndConcentration,
};

struct PreparationComparison {
    ComparisonVerdict verdict = ComparisonVerdict::StudentNotPrepared;
    // Each result above the bench's precision limit, which drew its warning.
    bool studentWarned = false;
    bool correctionWarned = false;
    // Both in tenths of a percent, the precision the bench shows uncertainties with: the gap
    // |C student - C correction| / C correction, and the larger of the two uncertainties.
    qint64 gapTenths = 0;
    int toleranceTenths = 0;
    // C student / C correction.
    double ratio = 1.0;
};

// The two concentrations agree when their gap, relative to the correction's concentration,
// is at most the larger of the two relative uncertainties, both rounded to the tenth of a
// percent the bench shows them with.
PreparationComparison comparePreparations(const BenchPreparation& student,
                                          const BenchPreparation& correction);

} // namespace dosarium
