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
    const int w = width();
    const int h = height();
    // Kept in device pixels, so that a scaled screen shows it as sharp as it draws the rest.
    const qreal ratio = devicePixelRatioF();
    m_picture = QPixmap(QSize(w, h) * ratio);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::white);
    QPainter painter(&m_picture);
    for (int y = 0; y <= h; ++y)
        painter.fillRect(0, y, w + 1, 1, WindowGeometry::cupboardLine(y, h));
    update();
}

void PlacardWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void PlacardWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!childAt(event->position().toPoint()))
        emit backgroundHovered();
    QWidget::mouseMoveEvent(event);
}

} // namespace dosarium
