#include "help/sitemap.h"

#include "help/htmltext.h"

#include <QRegularExpression>

namespace dosarium {

namespace {

QString attribute(const QString& tag, const QString& name)
{
    const QRegularExpression pattern(
        QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(tag);
    if (!match.hasMatch())
        return QString();
    for (int group = 1; group <= 3; ++group) {
        if (match.capturedStart(group) >= 0)
            return decodeCharacterReferences(match.captured(group));
    }
    return QString();
}

} // namespace

QString sitemapLocalToPath(const QString& local)
{
    QString path = local.trimmed();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype separator = path.indexOf(QLatin1String("::"));
    if (separator >= 0)
        path = path.mid(separator + 2);
    if (path.isEmpty())
        return path;
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path;
}

QList<SitemapEntry> parseSitemap(const QByteArray& bytes)
{
    const QString text = decodeHtmlBytes(bytes);
    static const QRegularExpression tagPattern(QStringLiteral("<(/?)([A-Za-z]+)([^>]*)>"));

    QList<SitemapEntry> roots;
    // Lists being filled, outermost first; a pointer stays valid because only the innermost
    // list grows while deeper ones are open.
    QList<QList<SitemapEntry>*> open{&roots};
    int listDepth = 0;
    bool inSitemapObject = false;
    SitemapEntry pending;

    auto it = tagPattern.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch tag = it.next();
        const bool closing = !tag.captured(1).isEmpty();
        const QString name = tag.captured(2).toLower();
        const QString rest = tag.captured(3);
        if (name == QLatin1String("ul")) {
            if (!closing) {
                ++listDepth;
                QList<SitemapEntry>* current = open.last();
                // A list inside an entry holds its children; a list before any entry of its
                // level adds nothing to the nesting.
                if (listDepth > 1 && !current->isEmpty())
                    open.append(&current->last().children);
                else
                    open.append(current);
            } else if (listDepth > 0) {
                --listDepth;
                open.removeLast();
            }
        } else if (name == QLatin1String("object")) {
            if (!closing) {
                inSitemapObject =
                    attribute(rest, QStringLiteral("type"))
                        .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
                pending = SitemapEntry();
            } else if (inSitemapObject) {
                inSitemapObject = false;
                if (!pending.name.isEmpty() || !pending.local.isEmpty())
                    open.last()->append(pending);
            }
        } else if (name == QLatin1String("param") && inSitemapObject) {
            const QString param = attribute(rest, QStringLiteral("name")).toLower();
            const QString value = attribute(rest, QStringLiteral("value"));
            // The first name and the first page count; an index entry may list further pages.
            if (param == QLatin1String("name") && pending.name.isEmpty())
                pending.name = value.trimmed();
            else if (param == QLatin1String("local") && pending.local.isEmpty())
                pending.local = sitemapLocalToPath(value);
        }
    }
    return roots;
}

QList<SitemapEntry> flattenSitemap(const QList<SitemapEntry>& entries)
{
    QList<SitemapEntry> flat;
    for (const SitemapEntry& entry : entries) {
        SitemapEntry copy = entry;
        copy.children.clear();
        flat.append(copy);
        flat.append(flattenSitemap(entry.children));
    }
    return flat;
}

} // namespace dosarium
