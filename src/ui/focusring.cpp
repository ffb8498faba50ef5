#include "ui/focusring.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

namespace dosarium {

void drawFocusRing(QPainter& painter, const QWidget* widget)
{
    if (!widget->hasFocus())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(widget->palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(widget->rect()).adjusted(1, 1, -1, -1));
    painter.restore();
}

} // namespace dosarium
