#include "help/helpbrowser.h"
#include "help/helpfilerule.h"
#include "help/helpwindow.h"
#include "qstringprinter.h"
#include "scriptedmessageservice.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

QString built(HelpFile file)
{
    return helpFilePath(QStringLiteral(DOSARIUM_BUILD_ROOT), file);
}

QString shownPage(const HelpWindow& window)
{
    return HelpBrowser::pathForUrl(window.browser()->source());
}

// Clicks the link whose text is given, as the student would.
void clickLink(HelpBrowser* browser, const QString& text)
{
    const QTextCursor found = browser->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor middle(browser->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    browser->ensureCursorVisible();
    browser->setTextCursor(middle);
    browser->ensureCursorVisible();
    const QPoint point = browser->cursorRect(middle).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
}

class HelpWindowTest : public testing::Test {
  protected:
    ScriptedMessageService m_messages;
    HelpWindow m_window{m_messages};
};

} // namespace

TEST_F(HelpWindowTest, OpensOnTheContentsWithBothTabsAndTheFirstPage)
{
    ASSERT_TRUE(m_window.openFile(built(HelpFile::Help)));
    EXPECT_TRUE(m_messages.shown.isEmpty());
    EXPECT_EQ(m_window.windowTitle(), "Aide de Dosarium");
    ASSERT_EQ(m_window.tabs()->count(), 2);
    EXPECT_EQ(m_window.tabs()->tabText(0), "Sommaire");
    EXPECT_EQ(m_window.tabs()->tabText(1), "Index");
    EXPECT_EQ(m_window.tabs()->currentIndex(), 0);
    EXPECT_EQ(shownPage(m_window), "/accueil.html");
    EXPECT_TRUE(m_window.browser()->toPlainText().contains("Bienvenue dans Dosarium"));
    EXPECT_GE(m_window.contentsTree()->topLevelItemCount(), 9);
    EXPECT_EQ(m_window.contentsTree()->topLevelItem(0)->text(0), "Bienvenue dans Dosarium");
    EXPECT_GT(m_window.indexList()->count(), 20);
}

TEST_F(HelpWindowTest, PagesTakeTheStyleSheetOfTheFile)
{
    ASSERT_TRUE(m_window.openFile(built(HelpFile::Course)));
    // The first heading is drawn in the blue of the file's style sheet, not in the default black.
    const QTextBlock heading = m_window.browser()->document()->begin();
    ASSERT_EQ(heading.text(), "Préparer une solution");
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor(0, 0, 200));
}

TEST_F(HelpWindowTest, PicturesOfAPageComeFromTheFileAndFitTheWindow)
{
    m_window.resize(1100, 700);
    m_window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    ASSERT_TRUE(m_window.openFile(built(HelpFile::Course)));
    m_window.showPage("/dilution.html");
    // The page names its picture relative to itself, as the document asks the browser for it.
    const QUrl name("images/dilution.svg");
    QVariant resource = m_window.browser()->loadResource(QTextDocument::ImageResource, name);
    ASSERT_EQ(resource.typeId(), QMetaType::QImage);
    QImage picture = resource.value<QImage>();
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(570, 225));
    // Something is drawn: the middle of the first step's beaker holds the blue stock solution.
    const QColor stock = picture.pixelColor(QPoint(75, 150) * picture.devicePixelRatio());
    EXPECT_LT(stock.red(), 100);
    EXPECT_GT(stock.blue(), 200);
    EXPECT_TRUE(
        m_window.browser()->document()->resource(QTextDocument::ImageResource, name).isValid());

    // On a small screen the drawing is shrunk to the page's width, keeping its proportions.
    m_window.resize(560, 500);
    QTest::qWait(50);
    const int width = m_window.browser()->viewport()->width();
    ASSERT_LT(width, 570);
    picture = m_window.browser()->loadResource(QTextDocument::ImageResource, name).value<QImage>();
    EXPECT_LE(picture.deviceIndependentSize().width(), width);
    EXPECT_NEAR(picture.deviceIndependentSize().width() / picture.deviceIndependentSize().height(),
                570.0 / 225.0, 0.05);
}

TEST_F(HelpWindowTest, FollowsLinksAndGoesBackAndForward)
{
    m_window.resize(900, 700);
    m_window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    ASSERT_TRUE(m_window.openFile(built(HelpFile::Help)));
    auto* back = m_window.findChild<QToolButton*>("helpBack");
    auto* forward = m_window.findChild<QToolButton*>("helpForward");
    ASSERT_TRUE(back && forward);
    EXPECT_FALSE(back->isEnabled());

    clickLink(m_window.browser(), "Les boutons de la fenêtre");
    EXPECT_EQ(shownPage(m_window), "/boutons.html");
    EXPECT_TRUE(back->isEnabled());
    clickLink(m_window.browser(), "Une préparation pas à pas");
    EXPECT_EQ(shownPage(m_window), "/preparation.html");

    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(shownPage(m_window), "/boutons.html");
    EXPECT_TRUE(forward->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(shownPage(m_window), "/accueil.html");
    EXPECT_FALSE(back->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(shownPage(m_window), "/boutons.html");
    // The contents follow the page shown.
    ASSERT_NE(m_window.contentsTree()->currentItem(), nullptr);
    EXPECT_EQ(m_window.contentsTree()->currentItem()->text(0), "Les boutons de la fenêtre");
}

TEST_F(HelpWindowTest, ContentsEntryOpensItsPageAndAnchor)
{
    ASSERT_TRUE(m_window.openFile(built(HelpFile::Help)));
    QTreeWidgetItem* steps = nullptr;
    for (int i = 0; i < m_window.contentsTree()->topLevelItemCount(); ++i) {
        if (m_window.contentsTree()->topLevelItem(i)->text(0) == "Une préparation pas à pas")
            steps = m_window.contentsTree()->topLevelItem(i);
    }
    ASSERT_NE(steps, nullptr);
    ASSERT_GT(steps->childCount(), 2);
    emit m_window.contentsTree()->itemClicked(steps->child(2), 0);
    EXPECT_EQ(m_window.browser()->source().fragment(), "fiole");
    EXPECT_EQ(shownPage(m_window), "/preparation.html");
}

TEST_F(HelpWindowTest, IndexSearchKeepsMatchingKeywordsAndEnterOpensTheFirst)
{
    ASSERT_TRUE(m_window.openFile(built(HelpFile::Help)));
    m_window.tabs()->setCurrentIndex(1);
    QTest::keyClicks(m_window.indexSearch(), "pipette ja");
    int visible = 0;
    for (int row = 0; row < m_window.indexList()->count(); ++row)
        visible += m_window.indexList()->item(row)->isHidden() ? 0 : 1;
    EXPECT_EQ(visible, 1);
    ASSERT_NE(m_window.indexList()->currentItem(), nullptr);
    EXPECT_EQ(m_window.indexList()->currentItem()->text(), "Pipette jaugée");
    QTest::keyClick(m_window.indexSearch(), Qt::Key_Return);
    EXPECT_EQ(shownPage(m_window), "/instruments.html");

    m_window.searchIndex("aucun mot");
    EXPECT_EQ(m_window.indexList()->currentItem(), nullptr);
    QTest::keyClick(m_window.indexSearch(), Qt::Key_Return);
    EXPECT_EQ(shownPage(m_window), "/instruments.html");
    m_window.searchIndex("");
    for (int row = 0; row < m_window.indexList()->count(); ++row)
        EXPECT_FALSE(m_window.indexList()->item(row)->isHidden());
}

TEST_F(HelpWindowTest, PageMissingFromTheFileIsSaidInThePage)
{
    ASSERT_TRUE(m_window.openFile(built(HelpFile::Help)));
    m_window.showPage("/absente.html");
    EXPECT_TRUE(m_window.browser()->toPlainText().contains("Page introuvable"));
    EXPECT_TRUE(m_window.browser()->toPlainText().contains("/absente.html"));
}

TEST_F(HelpWindowTest, MissingFileIsReportedWithItsPath)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("HX4.chm");
    EXPECT_FALSE(m_window.openFile(path));
    ASSERT_EQ(m_messages.shown.size(), 1);
    EXPECT_EQ(m_messages.shown[0].text, "Le fichier d'aide est introuvable :\n" + path);
    EXPECT_EQ(m_messages.shown[0].title, "Aide indisponible");
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Critical);
}

TEST_F(HelpWindowTest, DamagedFileIsReportedAndTheOpenFileStaysShown)
{
    ASSERT_TRUE(m_window.openFile(built(HelpFile::Course)));
    QTemporaryDir dir;
    const QString path = dir.filePath("Voirlecours.chm");
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("ITSF pas vraiment un fichier d'aide");
    damaged.close();

    EXPECT_FALSE(m_window.openFile(path));
    ASSERT_EQ(m_messages.shown.size(), 1);
    EXPECT_TRUE(m_messages.shown[0].text.startsWith("Le fichier d'aide ne peut pas être lu :\n" +
                                                    path + "\n"));
    EXPECT_EQ(m_window.filePath(), built(HelpFile::Course));
    m_window.showPage("/solution.html");
    EXPECT_TRUE(m_window.browser()->toPlainText().contains("Solution, soluté, solvant"));
}
