// Pictures are SVG resources rendered at the size of the control that shows them.
#pragma once

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace dosarium {

// A picture at the size of the control that shows it, for a device pixel ratio.
struct SvgPicture {
    QString resource;
    QSize size;
    qreal devicePixelRatio = 1.0;
};

// Draws a picture into an image of size × ratio pixels; safe on any thread.
QImage renderSvg(const SvgPicture& picture);

// What names a picture in Qt's pixmap cache and among the prepared pictures.
QString svgPictureKey(const SvgPicture& picture);

// Rendered for the device pixel ratio given, so that pictures stay crisp on scaled screens, and
// kept in Qt's pixmap cache so that each picture is drawn once per size. A picture announced to
// the prepared pictures is taken from there instead of being drawn here.
QPixmap svgPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio = 1.0);
// The same picture with its element `liquid` filled with a colour, for a vessel that holds a
// coloured solution; an invalid colour, or a picture without that element, draws it as it is.
QPixmap svgPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio,
                  const QColor& liquid);

// The pointing hand shown over every clickable picture, hot spot on the tip of the index finger.
QCursor pointingHandCursor();

// The program's icon, drawn separately for small sizes so that it stays legible.
QIcon programIcon();

} // namespace dosarium
