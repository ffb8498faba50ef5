// The calibration curve A = f(C) drawn with Qt Charts: the standards, the line through the origin
// and the unknown read on it. The spectrophotometer's window and the printout draw the same chart.
#pragma once

#include "rack/calibration.h"

#include <optional>

class QChart;

namespace dosarium {

// A new chart, for the caller to own; numbers written with the French decimal comma.
QChart* calibrationChart(const Calibration& calibration,
                         const std::optional<UnknownReading>& reading);

} // namespace dosarium
