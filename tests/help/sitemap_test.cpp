#include "help/htmltext.h"
#include "help/sitemap.h"
#include "qstringprinter.h"

#include <gtest/gtest.h>

using namespace dosarium;

namespace {

QByteArray object(const char* name, const char* local)
{
    return QByteArray("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"") + name +
           "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>\n";
}

} // namespace

TEST(Sitemap, NestedListsBecomeATreeAndSiblingsFollowTheirNestedList)
{
    const QByteArray hhc = "<HTML><BODY><OBJECT type=\"text/site properties\">"
                           "<param name=\"Name\" value=\"ignored\"></OBJECT><UL>" +
                           object("A", "a.html") + "<UL>" + object("A1", "a1.html") + "<UL>" +
                           object("A1x", "sub\\x.html#top") + "</UL>" + object("A2", "a2.html") +
                           "</UL>" + object("B", "b.html") + "</UL></BODY></HTML>";
    const QList<SitemapEntry> tree = parseSitemap(hhc);

    ASSERT_EQ(tree.size(), 2);
    EXPECT_EQ(tree[0].name, "A");
    EXPECT_EQ(tree[0].local, "/a.html");
    ASSERT_EQ(tree[0].children.size(), 2);
    EXPECT_EQ(tree[0].children[0].name, "A1");
    ASSERT_EQ(tree[0].children[0].children.size(), 1);
    EXPECT_EQ(tree[0].children[0].children[0].local, "/sub/x.html#top");
    EXPECT_EQ(tree[0].children[1].name, "A2");
    EXPECT_EQ(tree[1].name, "B");
    EXPECT_TRUE(tree[1].children.isEmpty());

    QStringList order;
    for (const SitemapEntry& entry : flattenSitemap(tree))
        order << entry.name;
    EXPECT_EQ(order, QStringList({"A", "A1", "A1x", "A2", "B"}));
}

TEST(Sitemap, ToleratesCaseUnquotedValuesHeadingsAndUnclosedLists)
{
    const QByteArray hhc = "<ul><li><object TYPE='text/sitemap'><PARAM NAME=name VALUE='Chapitre'>"
                           "</object><ul><li><object type=\"text/sitemap\">"
                           "<param name=\"Local\" value=\"p.html\">"
                           "<param name=\"Name\" value=\"Page &amp; suite\">"
                           "<param name=\"Local\" value=\"other.html\"></object>";
    const QList<SitemapEntry> tree = parseSitemap(hhc);
    ASSERT_EQ(tree.size(), 1);
    EXPECT_EQ(tree[0].name, "Chapitre");
    EXPECT_TRUE(tree[0].local.isEmpty());
    ASSERT_EQ(tree[0].children.size(), 1);
    EXPECT_EQ(tree[0].children[0].name, "Page & suite");
    EXPECT_EQ(tree[0].children[0].local, "/p.html");
}

TEST(Sitemap, StrayClosingTagsAndGarbageGiveNoEntriesAndNoCrash)
{
    EXPECT_TRUE(parseSitemap("</UL></UL><UL>").isEmpty());
    EXPECT_TRUE(parseSitemap("").isEmpty());
    EXPECT_TRUE(parseSitemap(QByteArray("\x00\xff<<>>", 6)).isEmpty());
    const QList<SitemapEntry> tree =
        parseSitemap("</UL></UL>" + object("Seul", "seul.html") + "</OBJECT></UL>");
    ASSERT_EQ(tree.size(), 1);
    EXPECT_EQ(tree[0].local, "/seul.html");
}

// A text as a help file writes it, and as the viewer must read it: a contents or index entry's
// Local value becomes a path inside the archive; character references are replaced, an unknown or
// invalid one kept as written.
struct TextCase {
    QString (*read)(const QString&);
    const char* written;
    const char* meant;
};

class HelpText : public testing::TestWithParam<TextCase> {};

TEST_P(HelpText, IsReadAsMeant)
{
    EXPECT_EQ(GetParam().read(QString::fromUtf8(GetParam().written)),
              QString::fromUtf8(GetParam().meant));
}

INSTANTIATE_TEST_SUITE_P(
    LocalsAndReferences, HelpText,
    testing::Values(TextCase{sitemapLocalToPath, "page.html", "/page.html"},
                    TextCase{sitemapLocalToPath, "/page.html", "/page.html"},
                    TextCase{sitemapLocalToPath, "  sous\\page.html#a ", "/sous/page.html#a"},
                    TextCase{sitemapLocalToPath, "ms-its:Aide.chm::/images/x.svg", "/images/x.svg"},
                    TextCase{sitemapLocalToPath, "", ""},
                    TextCase{decodeCharacterReferences, "Sel &amp; sucre", "Sel & sucre"},
                    TextCase{decodeCharacterReferences, "&eacute;prouvette", "éprouvette"},
                    TextCase{decodeCharacterReferences, "&#233;t&#xE9;", "été"},
                    TextCase{decodeCharacterReferences, "&#x1F9EA;", "🧪"},
                    TextCase{decodeCharacterReferences, "&inconnu; &", "&inconnu; &"},
                    TextCase{decodeCharacterReferences, "&#0; &#xD800; &#99999999;",
                             "&#0; &#xD800; &#99999999;"},
                    TextCase{decodeCharacterReferences, "a&;b", "a&;b"},
                    TextCase{decodeCharacterReferences, "&amp;amp;", "&amp;"}));

TEST(HtmlBytes, DecodesUtf8AndFallsBackOnWindows1252)
{
    EXPECT_EQ(decodeHtmlBytes("<meta charset=\"utf-8\">\xc3\xa9"), "<meta charset=\"utf-8\">é");
    EXPECT_EQ(decodeHtmlBytes("\xef\xbb\xbf"
                              "b\xc3\xa9"
                              "cher"),
              "bécher");
    // No declaration: valid UTF-8 is taken as such, anything else as Windows-1252.
    EXPECT_EQ(decodeHtmlBytes("pr\xc3\xa9parer"), "préparer");
    EXPECT_EQ(decodeHtmlBytes("pr\xe9parer \x80"), QString::fromUtf8("préparer €"));
    EXPECT_EQ(decodeHtmlBytes("<meta content=\"text/html; charset=windows-1252\">\xe9"),
              QString::fromUtf8("<meta content=\"text/html; charset=windows-1252\">é"));
}
