// The viewer of one help file: contents and index tabs beside the page, back and forward.
#pragma once

#include "help/helpbook.h"

#include <QWidget>
#include <memory>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace dosarium {

class HelpBrowser;
class MessageService;

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(MessageService& messages, QWidget* parent = nullptr);

    // Loads the file and shows its first page on the contents tab; a missing or unreadable file
    // is reported with its path and leaves the window as it was.
    bool openFile(const QString& path);
    QString filePath() const;

    // Shows a page of the archive ("/page.html" or "/page.html#anchor").
    void showPage(const QString& path);
    void searchIndex(const QString& query);

    HelpBrowser* browser() const { return m_browser; }
    QTabWidget* tabs() const { return m_tabs; }
    QTreeWidget* contentsTree() const { return m_contentsTree; }
    QListWidget* indexList() const { return m_indexList; }
    QLineEdit* indexSearch() const { return m_indexSearch; }

  private:
    void fillContents(const QList<SitemapEntry>& entries, QTreeWidgetItem* parent);
    void fillIndex();
    void openIndexItem();
    void selectContentsItemFor(const QUrl& url);

    MessageService& m_messages;
    std::unique_ptr<HelpBook> m_book;
    HelpBrowser* m_browser;
    QTabWidget* m_tabs;
    QTreeWidget* m_contentsTree;
    QListWidget* m_indexList;
    QLineEdit* m_indexSearch;
    QToolButton* m_back;
    QToolButton* m_forward;
    QToolButton* m_home;
};

} // namespace dosarium
