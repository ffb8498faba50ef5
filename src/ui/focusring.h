// The ring drawn around a control of our own while it has the keyboard focus.
#pragma once

class QPainter;
class QWidget;

namespace dosarium {

// A two-pixel ring in the highlight colour just inside widget's edges, while it has the focus:
// plain enough to be seen on the cupboard's pictures, whichever way the focus came.
void drawFocusRing(QPainter& painter, const QWidget* widget);

} // namespace dosarium
