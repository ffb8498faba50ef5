#include "ui/svgpixmap.h"

#include "ui/preparedpictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace dosarium {

namespace {

QImage render(QSvgRenderer& renderer, const SvgPicture& picture)
{
    QImage image(picture.size * picture.devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    return image;
}

// The picture's text with its empty liquid filled.
QByteArray withLiquid(const QString& resource, const QColor& liquid)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().replace(R"(id="liquid" fill="none")",
                                  R"(id="liquid" fill=")" + liquid.name().toLatin1() + '"');
}

} // namespace

QImage renderSvg(const SvgPicture& picture)
{
    QSvgRenderer renderer(picture.resource);
    return render(renderer, picture);
}

QString svgPictureKey(const SvgPicture& picture)
{
    return QStringLiteral("svg:%1@%2x%3x%4")
        .arg(picture.resource)
        .arg(picture.size.width())
        .arg(picture.size.height())
        .arg(picture.devicePixelRatio);
}

QPixmap svgPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio)
{
    // The same few pictures are asked for again and again (one pointer per clickable picture,
    // a bottle per cupboard place): each is drawn once per size.
    const SvgPicture picture{resource, size, devicePixelRatio};
    const QString key = svgPictureKey(picture);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    std::optional<QImage> prepared = PreparedPictures::instance().take(key);
    pixmap = QPixmap::fromImage(prepared ? std::move(*prepared) : renderSvg(picture));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap svgPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio,
                  const QColor& liquid)
{
    if (!liquid.isValid())
        return svgPixmap(resource, size, devicePixelRatio);
    const SvgPicture picture{resource, size, devicePixelRatio};
    const QString key = svgPictureKey(picture) + liquid.name();
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QSvgRenderer renderer(withLiquid(resource, liquid));
    pixmap = QPixmap::fromImage(render(renderer, picture));
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
