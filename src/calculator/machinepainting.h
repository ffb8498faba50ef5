// The calculator window's background: a horizontal gradient and the frame lines.
#pragma once

#include <QColor>

class QPainter;

namespace dosarium {

// The red level of the background's vertical line at x: 200 - x / 2, ties rounded to the even.
int machineGradientLevel(int x);
QColor machineGradientColour(int x);
void paintMachineBackground(QPainter& painter);

} // namespace dosarium
