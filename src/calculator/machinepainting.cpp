#include "calculator/machinepainting.h"

#include <QPainter>

namespace dosarium {

int machineGradientLevel(int x)
{
    if (x % 2 == 0)
        return 200 - x / 2;
    const int below = 200 - (x + 1) / 2; // 200 - x / 2 lies half-way between below and below + 1
    return below % 2 == 0 ? below : below + 1;
}

QColor machineGradientColour(int x)
{
    const int b = machineGradientLevel(x);
    return QColor(b, b + 50, b + 50);
}

void paintMachineBackground(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int x = 0; x <= 301; ++x)
        painter.fillRect(x, 0, 1, 431, machineGradientColour(x));
    const auto outline = [&painter](int x1, int y1, int x2, int y2) {
        painter.drawLine(x1, y1, x2, y1);
        painter.drawLine(x2, y1, x2, y2);
        painter.drawLine(x2, y2, x1, y2);
        painter.drawLine(x1, y2, x1, y1);
    };
    painter.setPen(Qt::white);
    outline(1, 1, 299, 428);
    painter.setPen(Qt::black);
    painter.drawLine(1, 1, 299, 1);
    painter.drawLine(1, 1, 1, 427);
    // The frame around the digit keys.
    painter.setPen(Qt::white);
    outline(82, 290, 206, 421);
    painter.setPen(QColor(0, 128, 128));
    outline(81, 289, 205, 420);
}

} // namespace dosarium
