// Files this project did not write: RTF from LibreOffice, and statements in the WordPad style.
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "rtftestsupport.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::test;

namespace {

bool load(const QString& name, QTextDocument& doc)
{
    const QByteArray rtf = fixture(name);
    return !rtf.isEmpty() && RtfReader::read(rtf, &doc);
}

class LibreOfficeFixture : public ::testing::TestWithParam<const char*> {};

// LibreOffice's own plain-text export of each file is the text the reader must find.
TEST_P(LibreOfficeFixture, GivesTheTextLibreOfficeExports)
{
    const QString name = QString("libreoffice/") + GetParam();
    QTextDocument doc;
    ASSERT_TRUE(load(name + ".rtf", doc));
    QString expected = QString::fromUtf8(fixture(name + ".txt"));
    ASSERT_FALSE(expected.isEmpty());
    if (expected.endsWith('\n'))
        expected.chop(1);
    QString text = blockText(doc);
    text.replace(QChar::LineSeparator, u'\n');
    text.remove(QChar::ObjectReplacementCharacter);
    EXPECT_EQ(text, expected);
}

INSTANTIATE_TEST_SUITE_P(Files, LibreOfficeFixture,
                         ::testing::Values("lo-formats", "lo-table", "lo-pictures", "lo-unicode"));

TEST(LibreOfficeFixtures, CharacterAndParagraphFormats)
{
    QTextDocument doc;
    ASSERT_TRUE(load("libreoffice/lo-formats.rtf", doc));
    EXPECT_EQ(describe(runWith(doc, "Texte normal").format), "Times New Roman 12");
    EXPECT_EQ(describe(runWith(doc, "gras").format), "Times New Roman 12 bold");
    EXPECT_EQ(describe(runWith(doc, "italique").format), "Times New Roman 12 italic");
    EXPECT_EQ(runWith(doc, QString::fromUtf8("souligné")).format.underlineStyle(),
              QTextCharFormat::SingleUnderline);
    EXPECT_TRUE(runWith(doc, QString::fromUtf8("barré")).format.fontStrikeOut());
    EXPECT_EQ(runAfter(doc, "Formule : H").format.verticalAlignment(),
              QTextCharFormat::AlignSubScript);
    EXPECT_EQ(runWith(doc, "-3").format.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    // Raised and lowered text written as {\*\updnprop}\upN and \dnN.
    const TextRun raised = runAfter(doc, QString::fromUtf8("exposant décalé m"));
    EXPECT_EQ(raised.text, "2");
    EXPECT_EQ(raised.format.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const TextRun lowered = runAfter(doc, QString::fromUtf8("indice décalé x"));
    EXPECT_EQ(lowered.text, "i");
    EXPECT_EQ(lowered.format.verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(runWith(doc, "rouge").format.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(runWith(doc, QString::fromUtf8("surligné")).format.background().color(),
              QColor(255, 255, 0));
    EXPECT_EQ(describe(runWith(doc, "Titre").format), "Arial 16");
    EXPECT_EQ(describe(runWith(doc, "Courier").format), "Courier New 9 bold italic fg#0000ff");

    EXPECT_EQ(blockWith(doc, "Titre").blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(blockWith(doc, QString::fromUtf8("Aligné")).blockFormat().alignment(),
              Qt::AlignRight);
    EXPECT_EQ(blockWith(doc, "Paragraphe").blockFormat().alignment(), Qt::AlignJustify);
    EXPECT_EQ(describe(blockWith(doc, "Retrait").blockFormat()),
              "align1 l96 r48 fi-24 sb16 sa8 page0");
    EXPECT_EQ(blockWith(doc, "Page suivante").blockFormat().pageBreakPolicy(),
              QTextFormat::PageBreak_AlwaysBefore);
    EXPECT_EQ(blockWith(doc, QString::fromUtf8("Première ligne")).text(),
              QString::fromUtf8("Première ligne\u2028deuxième ligne après un saut de "
                                "ligne\tet une tabulation."));
    EXPECT_EQ(doc.blockCount(), 10);
}

TEST(LibreOfficeFixtures, Table)
{
    QTextDocument doc;
    ASSERT_TRUE(load("libreoffice/lo-table.rtf", doc));
    auto* table = qobject_cast<QTextTable*>(doc.rootFrame()->childFrames().value(0));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 3);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(table->cellAt(0, 0).firstCursorPosition().block().text(),
              QString::fromUtf8("Espèce"));
    EXPECT_EQ(table->cellAt(2, 1).lastCursorPosition().block().text(), "deuxième paragraphe");
    EXPECT_EQ(table->cellAt(2, 1).firstCursorPosition().block().text(), "159,6 g/mol");
    EXPECT_EQ(runWith(doc, QString::fromUtf8("Espèce")).format.fontWeight(), QFont::Bold);
    EXPECT_EQ(runAfter(doc, "CuSO").format.verticalAlignment(), QTextCharFormat::AlignSubScript);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 2);
    EXPECT_DOUBLE_EQ(widths[0].rawValue(), 144.0);
    EXPECT_DOUBLE_EQ(widths[1].rawValue(), 240.0);
    EXPECT_EQ(blockWith(doc, "Avant").next().text(), QString::fromUtf8("Espèce"));
}

TEST(LibreOfficeFixtures, PicturesKeepTheirDisplaySize)
{
    QTextDocument doc;
    ASSERT_TRUE(load("libreoffice/lo-pictures.rtf", doc));
    const QList<QTextImageFormat> images = test::images(doc);
    ASSERT_EQ(images.size(), 2);
    test::expectDisplaySizes(images, {{96.0, 48.0}, {48.0, 48.0}});
    const QImage png = picture(doc, images[0]);
    EXPECT_EQ(png.size(), QSize(40, 20));
    EXPECT_EQ(png.pixelColor(5, 5), QColor(255, 0, 0));
    const QImage jpeg = picture(doc, images[1]);
    EXPECT_EQ(jpeg.size(), QSize(30, 30));
    EXPECT_GT(jpeg.pixelColor(15, 15).blue(), 200);
    EXPECT_LT(jpeg.pixelColor(15, 15).red(), 50);
}

TEST(WordPadFixtures, Statement)
{
    QTextDocument doc;
    ASSERT_TRUE(load("wordpad/enonce.rtf", doc));
    const QStringList expected = {
        QString::fromUtf8("Préparation d'une solution"),
        "",
        QString::fromUtf8("On dispose d'une solution mère de sulfate de cuivre CuSO4 de "
                          "concentration C0 = 1,0.10-1 mol.L-1."),
        QString::fromUtf8("\tPrélever 10,0 mL avec une pipette jaugée\u00a0; ne pas compléter à 50 "
                          "mL.\u2028Nouvelle ligne € 12 – — • ‘a’ “b”"),
        "Dosarium",
        "",
    };
    EXPECT_EQ(blockText(doc), expected.join('\n'));

    EXPECT_EQ(describe(runWith(doc, QString::fromUtf8("Préparation")).format),
              "Times New Roman 16 bold");
    EXPECT_EQ(blockWith(doc, QString::fromUtf8("Préparation")).blockFormat().alignment(),
              Qt::AlignHCenter);
    EXPECT_EQ(describe(runWith(doc, "On dispose").format), "Arial 10");
    EXPECT_EQ(describe(runWith(doc, "CuSO").format), "Arial 10 fg#0000ff");
    EXPECT_EQ(describe(runAfter(doc, "CuSO").format), "Arial 10 vertical2 fg#0000ff");
    EXPECT_EQ(describe(runAfter(doc, "concentration ").format), "Arial 10 italic");
    EXPECT_EQ(describe(runAfter(doc, "1,0.10").format), "Arial 10 vertical1");
    EXPECT_EQ(runWith(doc, "10,0 mL").format.underlineStyle(), QTextCharFormat::SingleUnderline);
    EXPECT_TRUE(runWith(doc, "ne pas").format.fontStrikeOut());
    EXPECT_EQ(runWith(doc, QString::fromUtf8("compléter")).format.background().color(),
              QColor(255, 255, 0));
    EXPECT_EQ(describe(runWith(doc, "Dosarium").format), "MS Sans Serif 8 fg#ff0000");
    EXPECT_EQ(blockWith(doc, "Dosarium").blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(describe(blockWith(doc, "On dispose").blockFormat()),
              "align1 l24 r0 fi-24 sb8 sa4 page0");
    // The metafile picture is not shown, and its hex digits do not leak into the text.
    EXPECT_EQ(doc.lastBlock().blockFormat().alignment(), Qt::AlignJustify);
}

TEST(WordPadFixtures, CodePageOfTheDocumentAndOfFonts)
{
    QTextDocument doc;
    ASSERT_TRUE(load("wordpad/cyrillique-1251.rtf", doc));
    EXPECT_EQ(blockText(doc), QString::fromUtf8("Раствор αετα café"));
}

TEST(WordPadFixtures, UnicodeWithSkipCounts)
{
    QTextDocument doc;
    ASSERT_TRUE(load("wordpad/unicode-skip.rtf", doc));
    EXPECT_EQ(blockText(doc), QString::fromUtf8("A\uf0b7B ≠C≡D€E"));
}

// Inputs that once crashed or hung the reader or the writer.
class CrashFixture : public ::testing::TestWithParam<const char*> {};

TEST_P(CrashFixture, ReadsAndWritesWithoutFault)
{
    const QByteArray rtf = fixture(QString("crashes/") + GetParam());
    ASSERT_FALSE(rtf.isEmpty());
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::read(rtf, &doc));
    const QByteArray written = RtfWriter::write(doc);
    QTextDocument again;
    ASSERT_TRUE(RtfReader::read(written, &again));
    EXPECT_EQ(blockText(again), blockText(doc));
}

INSTANTIATE_TEST_SUITE_P(Files, CrashFixture, ::testing::Values("cellx-overflow.rtf"));

} // namespace
