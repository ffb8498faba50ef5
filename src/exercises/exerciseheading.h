// The colours of the painted heading "Ouvrir un exercice": pale yellow fading to white.
#pragma once

#include <QColor>
#include <QList>

namespace dosarium {

// Character i (from 1) of n is drawn in RGB(255, 255, i / n × 100 + 155), rounded half to even.
QList<QColor> headingColours(int characterCount);

} // namespace dosarium
