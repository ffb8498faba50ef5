// One help file ready to show: its archive, its contents tree and its sorted index.
#pragma once

#include "help/chmarchive.h"
#include "help/sitemap.h"

namespace dosarium {

class HelpBook {
  public:
    ChmArchive::OpenResult open(const QString& path);

    const ChmArchive& archive() const { return m_archive; }
    QString title() const;
    const QList<SitemapEntry>& contents() const { return m_contents; }
    // Keywords sorted alphabetically, accents ignored.
    const QList<SitemapEntry>& index() const { return m_index; }
    // The page the viewer shows first: the default topic, else the first page of the contents.
    QString startPage() const;

  private:
    ChmArchive m_archive;
    QList<SitemapEntry> m_contents;
    QList<SitemapEntry> m_index;
};

} // namespace dosarium
