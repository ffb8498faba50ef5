// The contents (.hhc) and index (.hhk) of a help file: HTML lists of sitemap objects.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace dosarium {

struct SitemapEntry {
    QString name;
    // Path inside the archive, from its root and with any "#anchor" kept; empty for a heading
    // that opens no page.
    QString local;
    QList<SitemapEntry> children;

    bool operator==(const SitemapEntry&) const = default;
};

// Reads the nested lists of "text/sitemap" objects; tags are matched in any case, unbalanced
// lists are closed at the end, and objects of other types (site properties) are skipped.
QList<SitemapEntry> parseSitemap(const QByteArray& bytes);

// Every entry of the tree, parents before their children.
QList<SitemapEntry> flattenSitemap(const QList<SitemapEntry>& entries);

// A link as the help compiler's sources write it ("page.htm", "sub\page.htm",
// "ms-its:file.chm::/page.htm") as an archive path from the root.
QString sitemapLocalToPath(const QString& local);

} // namespace dosarium
