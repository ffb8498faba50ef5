#include "workbench/placardwidget.h"

#include "workbench/windowgeometry.h"

#include <QMouseEvent>
#include <QPainter>

namespace dosarium {

PlacardWidget::PlacardWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("placard"));
    setMouseTracking(true);
}

void PlacardWidget::PlacardPaint()
{
    m_painted = true;
    update();
}

void PlacardWidget::paintEvent(QPaintEvent* event)
{
    if (!m_painted)
        return;
    // Painted where asked rather than kept as a picture: a few hundred lines cost less than a
    // copy of the box kept for the program's life.
    QPainter painter(this);
    const int h = height();
    const QRect area = event->rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        painter.fillRect(area.left(), y, area.width(), 1, WindowGeometry::cupboardLine(y, h));
}

void PlacardWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!childAt(event->position().toPoint()))
        emit backgroundHovered();
    QWidget::mouseMoveEvent(event);
}

} // namespace dosarium
