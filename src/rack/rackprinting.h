// The rack on paper (or in a PDF file): the tubes in colour with their labels, the list of tubes,
// the bracket's verdict and the calibration curve at the band's maximum.
#pragma once

#include "rack/rackmodel.h"

class QPagedPaintDevice;

namespace dosarium {

void printRack(QPagedPaintDevice& device, const RackContent& rack);

} // namespace dosarium
