// The student's bracket of the unknown between two tubes of the range, and its verdict.
#pragma once

#include "rack/tube.h"

#include <vector>

namespace dosarium {

enum class BracketVerdict {
    Right,
    Wrong,
    // Right, but a tube of the range stands between the two chosen: a narrower bracket exists.
    NotNeighbours,
    // Right between neighbours, but one holds more than twice the other's concentration: the range
    // needs a standard in between before the bracket says much.
    TooCoarse,
    OtherSolution,
    SameTube,
};

// Above this ratio of the upper to the lower concentration, two neighbouring standards are too far
// apart for the bracket to be useful: a factor 2 is the step of a range made by halving dilutions.
inline constexpr double coarseRatio = 2.0;

// `tubes` in ascending concentration, `first` and `second` indices into it (in either order). The
// unknown is in the bracket when its concentration lies between the two, ends included.
BracketVerdict judgeBracket(const std::vector<Tube>& tubes, int first, int second,
                            const UnknownSolution& unknown);

} // namespace dosarium
