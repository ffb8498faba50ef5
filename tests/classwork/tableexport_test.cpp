// The exports as a spreadsheet and a word processor in a French setting read them.
#include "classwork/tableexport.h"

#include <QTextDocument>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

TEST(TableExport, QuotesOnlyTheFieldsThatNeedIt)
{
    const struct {
        QString cell;
        QString field;
    } cases[] = {
        {"eleve.C05", "eleve.C05"},
        {"2,2", "2,2"},
        {"Dupont;Marie.C05", "\"Dupont;Marie.C05\""},
        {"l'\"essai\".C05", "\"l'\"\"essai\"\".C05\""},
        {"ligne\nsuivante", "\"ligne\nsuivante\""},
        {" espace", "\" espace\""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(csvField(c.cell), c.field) << c.cell.toStdString();
}

TEST(TableExport, WritesUtf8WithAByteOrderMarkAndOneLinePerRow)
{
    const QByteArray bytes =
        csvBytes({"Fichier", "C (mol/L)"}, {{"Léa;B.C05", "3,00E-3"}, {"Zoé", ""}});
    EXPECT_EQ(bytes, QByteArray("\xEF\xBB\xBF"
                                "Fichier;C (mol/L)\r\n"
                                "\"L\xC3\xA9"
                                "a;B.C05\";3,00E-3\r\n"
                                "Zo\xC3\xA9;\r\n"));
}

TEST(TableExport, OpenDocumentHoldsTheTable)
{
    QTextDocument document;
    fillTableDocument(document, "Préparations", {"Fichier", "Verdict"},
                      {{"eleve.C05", "Autre réactif"}}, "1 fichier(s)");
    const QByteArray odt = odtBytes(document);
    // A zip whose first, stored entry names the OpenDocument text type.
    EXPECT_TRUE(odt.startsWith("PK"));
    EXPECT_TRUE(odt.contains("mimetypeapplication/vnd.oasis.opendocument.text"));
    EXPECT_EQ(document.toPlainText().count("Autre réactif"), 1);
}

} // namespace
