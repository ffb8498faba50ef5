// Pictures are SVG resources rendered at the size of the control that shows them.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace dosarium {

// Rendered for the device pixel ratio given, so that pictures stay crisp on scaled screens, and
// kept in Qt's pixmap cache so that each picture is drawn once per size.
QPixmap svgPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio = 1.0);

// The pointing hand shown over every clickable picture, hot spot on the tip of the index finger.
QCursor pointingHandCursor();

// The program's icon, drawn separately for small sizes so that it stays legible.
QIcon programIcon();

} // namespace dosarium
