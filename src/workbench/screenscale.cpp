#include "workbench/screenscale.h"

#include "workbench/windowgeometry.h"

namespace dosarium {

double ScreenScale::forScreen(const QSize& available, const QMargins& frame,
                              double devicePixelRatio)
{
    if (devicePixelRatio != 1.0)
        return 1.0;
    const auto fits = [&](double scale) {
        const QSize designed = WindowGeometry::designedSize;
        return designed.width() * scale + frame.left() + frame.right() <= available.width() &&
               designed.height() * scale + frame.top() + frame.bottom() <= available.height() &&
               WindowGeometry::narrowScreenLimit * scale <= available.width();
    };
    double scale = 1.0;
    while (fits(scale + step))
        scale += step;
    return scale;
}

} // namespace dosarium
