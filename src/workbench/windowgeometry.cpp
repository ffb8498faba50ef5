#include "workbench/windowgeometry.h"

#include <cmath>

namespace dosarium {

std::optional<QRect> WindowGeometry::narrowScreenGeometry(const QSize& screen)
{
    if (screen.width() >= narrowScreenLimit)
        return std::nullopt;
    const int left = (screen.width() - designedSize.width()) / 2;
    const int top = (screen.height() - designedSize.height()) / 2;
    return QRect(QPoint(left, top), designedSize);
}

QColor WindowGeometry::backgroundLine(int y)
{
    const double t = y / 600.0;
    const int r = roundHalfEven(255 - t * 55);
    const int b = roundHalfEven(255 - t * 75);
    return QColor(r, r, b);
}

QColor WindowGeometry::cupboardLine(int y, int height)
{
    const double t = static_cast<double>(y) / height;
    return QColor(255, roundHalfEven(t * 55 + 200), roundHalfEven(t * 100 + 155));
}

int WindowGeometry::roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace dosarium
