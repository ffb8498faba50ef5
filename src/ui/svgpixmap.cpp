#include "ui/svgpixmap.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace dosarium {

QPixmap svgPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio)
{
    // The same few pictures are asked for again and again (one pointer per clickable picture,
    // a bottle per cupboard place): each is drawn once per size.
    const QString key = QStringLiteral("svg:%1@%2x%3x%4")
                            .arg(resource)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
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
    // A window's icon is shown at most at 128 px (task bar, window switcher); launchers take the
    // installed theme icons.
    for (int size : {48, 64, 128})
        icon.addPixmap(svgPixmap(QStringLiteral(":/pictures/app/dosarium.svg"), QSize(size, size)));
    return icon;
}

} // namespace dosarium
