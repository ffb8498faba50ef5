#include "exercises/exerciseheading.h"

#include <cmath>

namespace dosarium {

QList<QColor> headingColours(int characterCount)
{
    QList<QColor> colours;
    for (int i = 1; i <= characterCount; ++i) {
        const double blue = std::nearbyint(double(i) / characterCount * 100.0 + 155.0);
        colours.append(QColor(255, 255, int(blue)));
    }
    return colours;
}

} // namespace dosarium
