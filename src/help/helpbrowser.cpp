#include "help/helpbrowser.h"

#include "help/chmarchive.h"
#include "help/helptexts.h"
#include "help/htmltext.h"

#include <QDesktopServices>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QSvgRenderer>

namespace dosarium {

namespace {
const QString kScheme = QStringLiteral("chm");

// Drawings are rendered for the screen's pixel ratio, so that they stay sharp on a scaled screen,
// and shrunk to the width available, so that a small screen shows them whole.
QVariant renderedDrawing(const QByteArray& bytes, qreal pixelRatio, int availableWidth)
{
    QSvgRenderer renderer(bytes);
    if (!renderer.isValid())
        return bytes;
    QSize size = renderer.defaultSize();
    if (availableWidth > 100 && size.width() > availableWidth)
        size = size.scaled(availableWidth, size.height(), Qt::KeepAspectRatio);
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    image.setDevicePixelRatio(pixelRatio);
    return image;
}
} // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    // Links are followed here: the browser's own handling would send the archive's addresses,
    // which are not file addresses, to the desktop.
    setOpenExternalLinks(false);
}

void HelpBrowser::setArchive(const ChmArchive* archive)
{
    m_archive = archive;
    m_page = QUrl();
    clearHistory();
    clear();
}

QUrl HelpBrowser::urlForPath(const QString& path)
{
    QUrl url;
    url.setScheme(kScheme);
    const qsizetype hash = path.indexOf(QLatin1Char('#'));
    url.setPath(ChmArchive::normalisedName(hash < 0 ? path : path.left(hash)));
    if (hash >= 0)
        url.setFragment(path.mid(hash + 1));
    return url;
}

QString HelpBrowser::pathForUrl(const QUrl& url)
{
    return url.path();
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    const QUrl url = name.isRelative() ? m_page.resolved(name) : name;
    if (url.scheme() != kScheme) {
        QDesktopServices::openUrl(url);
        return;
    }
    m_page = url;
    QTextBrowser::doSetSource(url, type);
}

int HelpBrowser::availableWidth() const
{
    // Room for the page margins, and for the vertical scroll bar that a long page brings in.
    const int scrollBar =
        verticalScrollBar()->isVisible() ? 0 : verticalScrollBar()->sizeHint().width();
    return viewport()->width() - 2 * int(document()->documentMargin()) - scrollBar - 4;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? m_page.resolved(name) : name;
    if (url.scheme() != kScheme || m_archive == nullptr)
        return QTextBrowser::loadResource(type, url);
    const std::optional<QByteArray> bytes = m_archive->read(pathForUrl(url));
    switch (type) {
    case QTextDocument::HtmlResource:
        return bytes ? decodeHtmlBytes(*bytes)
                     : helptexts::missingPage.arg(url.path().toHtmlEscaped());
    case QTextDocument::StyleSheetResource:
        return bytes ? QVariant(decodeHtmlBytes(*bytes)) : QVariant();
    case QTextDocument::ImageResource:
        if (bytes && url.path().endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
            return renderedDrawing(*bytes, qMax(qreal(1), devicePixelRatioF()), availableWidth());
        return bytes ? QVariant(*bytes) : QVariant();
    default:
        return bytes ? QVariant(*bytes) : QVariant();
    }
}

} // namespace dosarium
