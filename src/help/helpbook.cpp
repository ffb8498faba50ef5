#include "help/helpbook.h"

#include "help/indexsearch.h"

#include <QFileInfo>
#include <algorithm>

namespace dosarium {

ChmArchive::OpenResult HelpBook::open(const QString& path)
{
    m_contents.clear();
    m_index.clear();
    const ChmArchive::OpenResult result = m_archive.open(path);
    if (result != ChmArchive::OpenResult::Opened)
        return result;
    if (const auto bytes = m_archive.read(m_archive.contentsFile()))
        m_contents = parseSitemap(*bytes);
    if (const auto bytes = m_archive.read(m_archive.indexFile()))
        m_index = flattenSitemap(parseSitemap(*bytes));
    std::stable_sort(m_index.begin(), m_index.end(),
                     [](const SitemapEntry& a, const SitemapEntry& b) {
                         return foldForSearch(a.name).localeAwareCompare(foldForSearch(b.name)) < 0;
                     });
    // A file that opens but whose first page cannot be read shows nothing at all.
    if (startPage().isEmpty() || !m_archive.read(startPage().section(QLatin1Char('#'), 0, 0))) {
        m_archive.close();
        m_contents.clear();
        m_index.clear();
        return ChmArchive::OpenResult::Unreadable;
    }
    return result;
}

QString HelpBook::title() const
{
    if (!m_archive.title().isEmpty())
        return m_archive.title();
    return QFileInfo(m_archive.path()).fileName();
}

QString HelpBook::startPage() const
{
    if (!m_archive.defaultTopic().isEmpty() && m_archive.contains(m_archive.defaultTopic()))
        return m_archive.defaultTopic();
    for (const SitemapEntry& entry : flattenSitemap(m_contents)) {
        if (!entry.local.isEmpty())
            return entry.local;
    }
    return QString();
}

} // namespace dosarium
