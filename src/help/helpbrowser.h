// Text browser whose pages, pictures and style sheets come from a help file.
#pragma once

#include <QTextBrowser>

namespace dosarium {

class ChmArchive;

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The archive must outlive the browser or be replaced before it goes.
    void setArchive(const ChmArchive* archive);
    // The address of a page of the archive, "/page.html#anchor" given as an archive path.
    static QUrl urlForPath(const QString& path);
    static QString pathForUrl(const QUrl& url);

    QVariant loadResource(int type, const QUrl& name) override;

  protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

  private:
    int availableWidth() const;

    const ChmArchive* m_archive = nullptr;
    QUrl m_page;
};

} // namespace dosarium
