// The rack drawn against a white ground: the tubes in order of concentration with their colour and
// labels, the unknown apart on the right, the student's bracket over its two tubes. The window and
// the printout draw it alike.
#pragma once

#include "rack/rackmodel.h"

#include <QRectF>

class QPainter;

namespace dosarium {

// `current` marks the tube that has the keyboard focus, -1 for none.
void paintRack(QPainter& painter, const QRectF& area, const RackContent& rack, int current = -1);

} // namespace dosarium
