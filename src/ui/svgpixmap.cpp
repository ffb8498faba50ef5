#include "ui/svgpixmap.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace dosarium {

QPixmap svgPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QCursor pointingHandCursor()
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return QCursor(
        svgPixmap(QStringLiteral(":/pictures/cursors/pointing-hand.svg"), QSize(32, 32), ratio), 12,
        1);
}

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(svgPixmap(QStringLiteral(":/pictures/app/dosarium-16.svg"), QSize(16, 16)));
    icon.addPixmap(svgPixmap(QStringLiteral(":/pictures/app/dosarium-32.svg"), QSize(32, 32)));
    for (int size : {48, 64, 128, 256})
        icon.addPixmap(svgPixmap(QStringLiteral(":/pictures/app/dosarium.svg"), QSize(size, size)));
    return icon;
}

} // namespace dosarium
