#include "help/helpwindow.h"

#include "help/helpbrowser.h"
#include "help/helptexts.h"
#include "help/indexsearch.h"
#include "ui/messageservice.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dosarium {

namespace {
constexpr int kPathRole = Qt::UserRole;

QToolButton* makeButton(const QString& text, const QString& tip, QStyle::StandardPixmap icon,
                        QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

QString withoutFragment(const QString& path)
{
    return path.section(QLatin1Char('#'), 0, 0);
}
} // namespace

HelpWindow::HelpWindow(MessageService& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), m_messages(messages)
{
    setObjectName(QStringLiteral("helpWindow"));
    // The program is laid out for 800 x 600 screens: the viewer never grows past the screen.
    const QRect available = screen()->availableGeometry();
    resize(QSize(900, 640).boundedTo(available.size() * 0.95));

    m_back = makeButton(helptexts::back, helptexts::backTip, QStyle::SP_ArrowBack, this);
    m_forward =
        makeButton(helptexts::forward, helptexts::forwardTip, QStyle::SP_ArrowForward, this);
    m_home = makeButton(helptexts::home, helptexts::homeTip, QStyle::SP_DirHomeIcon, this);
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_home->setObjectName(QStringLiteral("helpHome"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_home);
    bar->addStretch();

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("helpTabs"));
    m_contentsTree = new QTreeWidget;
    m_contentsTree->setObjectName(QStringLiteral("contentsTree"));
    m_contentsTree->setHeaderHidden(true);
    // Titles are shown whole: the pane is wide enough for them, and scrolls if narrowed.
    m_contentsTree->header()->setStretchLastSection(false);
    m_contentsTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_contentsTree->setAccessibleName(helptexts::contentsTab);
    m_tabs->addTab(m_contentsTree, helptexts::contentsTab);

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* searchLabel = new QLabel(helptexts::searchLabel);
    m_indexSearch = new QLineEdit;
    m_indexSearch->setObjectName(QStringLiteral("indexSearch"));
    m_indexSearch->setClearButtonEnabled(true);
    searchLabel->setBuddy(m_indexSearch);
    m_indexList = new QListWidget;
    m_indexList->setObjectName(QStringLiteral("indexList"));
    m_indexList->setAccessibleName(helptexts::indexTab);
    indexLayout->addWidget(searchLabel);
    indexLayout->addWidget(m_indexSearch);
    indexLayout->addWidget(m_indexList);
    m_tabs->addTab(indexPage, helptexts::indexTab);

    m_browser = new HelpBrowser;
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(helptexts::pageName);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({width() * 4 / 10, width() * 6 / 10});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(splitter);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, [this] {
        if (m_book)
            showPage(m_book->startPage());
    });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { selectContentsItemFor(url); });
    connect(m_contentsTree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString path = item->data(0, kPathRole).toString();
        if (!path.isEmpty())
            showPage(path);
        else
            item->setExpanded(!item->isExpanded());
    });
    connect(m_contentsTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString path = item->data(0, kPathRole).toString();
        if (!path.isEmpty())
            showPage(path);
    });
    connect(m_indexSearch, &QLineEdit::textChanged, this,
            [this](const QString& text) { searchIndex(text); });
    connect(m_indexSearch, &QLineEdit::returnPressed, this, [this] { openIndexItem(); });
    connect(m_indexList, &QListWidget::itemActivated, this, [this] { openIndexItem(); });
    connect(m_indexList, &QListWidget::itemClicked, this, [this] { openIndexItem(); });
}

QString HelpWindow::filePath() const
{
    return m_book ? m_book->archive().path() : QString();
}

bool HelpWindow::openFile(const QString& path)
{
    auto book = std::make_unique<HelpBook>();
    switch (book->open(path)) {
    case ChmArchive::OpenResult::Opened:
        break;
    case ChmArchive::OpenResult::Missing:
        m_messages.inform(helptexts::missingFile.arg(path), helptexts::messageTitle,
                          MessageIcon::Critical);
        return false;
    case ChmArchive::OpenResult::Unreadable:
        m_messages.inform(helptexts::unreadableFile.arg(path), helptexts::messageTitle,
                          MessageIcon::Critical);
        return false;
    }
    m_browser->setArchive(&book->archive());
    m_book = std::move(book);
    setWindowTitle(m_book->title());

    m_contentsTree->clear();
    fillContents(m_book->contents(), nullptr);
    m_contentsTree->expandToDepth(0);
    m_indexSearch->clear();
    fillIndex();
    m_tabs->setCurrentIndex(0);
    showPage(m_book->startPage());
    m_browser->clearHistory();
    return true;
}

void HelpWindow::fillContents(const QList<SitemapEntry>& entries, QTreeWidgetItem* parent)
{
    for (const SitemapEntry& entry : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contentsTree);
        item->setText(0, entry.name);
        item->setToolTip(0, entry.name);
        item->setData(0, kPathRole, entry.local);
        item->setIcon(0, style()->standardIcon(entry.children.isEmpty() ? QStyle::SP_FileIcon
                                                                        : QStyle::SP_DirIcon));
        fillContents(entry.children, item);
    }
}

void HelpWindow::fillIndex()
{
    m_indexList->clear();
    for (const SitemapEntry& entry : m_book->index()) {
        auto* item = new QListWidgetItem(entry.name, m_indexList);
        item->setData(kPathRole, entry.local);
    }
}

void HelpWindow::searchIndex(const QString& query)
{
    if (m_indexSearch->text() != query)
        m_indexSearch->setText(query);
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < m_indexList->count(); ++row) {
        QListWidgetItem* item = m_indexList->item(row);
        const bool matches = indexKeywordMatches(item->text(), query);
        item->setHidden(!matches);
        if (matches && first == nullptr)
            first = item;
    }
    m_indexList->setCurrentItem(first);
}

void HelpWindow::openIndexItem()
{
    QListWidgetItem* item = m_indexList->currentItem();
    if (item != nullptr && !item->isHidden())
        showPage(item->data(kPathRole).toString());
}

void HelpWindow::showPage(const QString& path)
{
    if (!path.isEmpty())
        m_browser->setSource(HelpBrowser::urlForPath(path));
}

void HelpWindow::selectContentsItemFor(const QUrl& url)
{
    const QString page = HelpBrowser::pathForUrl(url);
    QTreeWidgetItemIterator it(m_contentsTree);
    QTreeWidgetItem* fallback = nullptr;
    while (*it) {
        const QString local = (*it)->data(0, kPathRole).toString();
        QUrl entryUrl = HelpBrowser::urlForPath(local);
        if (!local.isEmpty() && entryUrl == url) {
            fallback = *it;
            break;
        }
        if (fallback == nullptr && !local.isEmpty() && withoutFragment(local) == page)
            fallback = *it;
        ++it;
    }
    if (fallback != nullptr) {
        const QSignalBlocker blocker(m_contentsTree);
        m_contentsTree->setCurrentItem(fallback);
    }
}

} // namespace dosarium
