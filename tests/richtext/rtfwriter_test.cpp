#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "rtftestsupport.h"

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::test;

namespace {

QTextDocument* roundTrip(const QTextDocument& doc, QTextDocument& into)
{
    const QByteArray rtf = RtfWriter::write(doc);
    EXPECT_TRUE(RtfReader::read(rtf, &into)) << rtf.constData();
    return &into;
}

QTextCharFormat font(const QString& family, double size)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(size);
    return format;
}

// A statement as a teacher would type it in the program: every format the codec carries.
void buildStatement(QTextDocument& doc)
{
    doc.setDefaultFont(QFont("Arial", 10));
    QTextCursor cursor(&doc);
    QTextBlockFormat title;
    title.setAlignment(Qt::AlignHCenter);
    title.setBottomMargin(8);
    cursor.setBlockFormat(title);
    QTextCharFormat bold = font("Times New Roman", 16);
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QString::fromUtf8("Préparation {exacte} \\ ½"), bold);

    QTextBlockFormat body;
    body.setAlignment(Qt::AlignJustify);
    body.setLeftMargin(48);
    body.setRightMargin(24);
    body.setTextIndent(-24);
    body.setTopMargin(16);
    cursor.insertBlock(body);
    cursor.insertText("Solution de CuSO", font("Arial", 10));
    QTextCharFormat sub = font("Arial", 10);
    sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    cursor.insertText("4", sub);
    cursor.insertText(" à 10", font("Arial", 10));
    QTextCharFormat super = font("Arial", 10);
    super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText("-2", super);
    cursor.insertText(" mol", font("Arial", 10));
    QTextCharFormat styled = font("MS Sans Serif", 8);
    styled.setFontItalic(true);
    styled.setFontUnderline(true);
    styled.setFontStrikeOut(true);
    styled.setForeground(QColor(200, 10, 30));
    styled.setBackground(QColor(255, 255, 0));
    cursor.insertText(QString::fromUtf8(" αβ → 𝛼 — «\u00a0»\tfin"), styled);
    cursor.insertText(QString(QChar::LineSeparator) + "ligne", font("Arial", 10));

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(right);
    cursor.insertText("droite", font("Arial", 12));
    cursor.insertBlock(QTextBlockFormat());

    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    doc.addResource(QTextDocument::ImageResource, QUrl("figure"), image);
    QTextImageFormat picture;
    picture.setName("figure");
    picture.setWidth(40);
    picture.setHeight(30);
    cursor.insertImage(picture);
    cursor.insertBlock(QTextBlockFormat());
}

TEST(RtfWriter, RoundTripKeepsTextAndFormats)
{
    QTextDocument doc;
    buildStatement(doc);
    QTextDocument read;
    roundTrip(doc, read);
    EXPECT_EQ(describe(read), describe(doc));
    EXPECT_EQ(blockText(read), blockText(doc));

    const QList<QTextImageFormat> found = images(read);
    ASSERT_FALSE(found.isEmpty());
    const QImage pixels = picture(read, found.last());
    EXPECT_EQ(pixels.size(), QSize(4, 3));
    EXPECT_EQ(pixels.pixelColor(1, 1), QColor(0, 0, 255));
}

TEST(RtfWriter, RoundTripOfTables)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText("avant", font("Arial", 12));
    QTextTableFormat format;
    format.setBorder(1);
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::FixedLength, 100), QTextLength(QTextLength::FixedLength, 200)});
    QTextTable* table = cursor.insertTable(2, 2, format);
    QTextCharFormat bold = font("Arial", 12);
    bold.setFontWeight(QFont::Bold);
    table->cellAt(0, 0).firstCursorPosition().insertText("A1", bold);
    table->cellAt(0, 1).firstCursorPosition().insertText("A2", font("Arial", 12));
    QTextCursor cell = table->cellAt(1, 0).firstCursorPosition();
    cell.insertText("B1", font("Arial", 12));
    cell.insertBlock();
    cell.insertText("suite", font("Arial", 12));
    cursor.setPosition(table->lastPosition() + 1);
    cursor.insertText(QString::fromUtf8("après"), font("Arial", 12));

    QTextDocument read;
    roundTrip(doc, read);
    EXPECT_EQ(blockText(read), blockText(doc));
    EXPECT_EQ(describe(read), describe(doc));
    auto* readTable = qobject_cast<QTextTable*>(read.rootFrame()->childFrames().value(0));
    ASSERT_NE(readTable, nullptr);
    EXPECT_EQ(readTable->rows(), 2);
    EXPECT_EQ(readTable->columns(), 2);
    EXPECT_EQ(readTable->cellAt(1, 1).firstCursorPosition().block().text(), "");
    const QList<QTextLength> widths = readTable->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 2);
    EXPECT_DOUBLE_EQ(widths[1].rawValue(), 200.0);
}

TEST(RtfWriter, EmptyAndTrailingParagraphsSurvive)
{
    for (const QString& text : {QString(), QString("un"), QString("un\n"), QString("\n\nun\n\n")}) {
        QTextDocument doc;
        doc.setPlainText(text);
        QTextDocument read;
        roundTrip(doc, read);
        EXPECT_EQ(read.blockCount(), doc.blockCount()) << text.toStdString();
        EXPECT_EQ(blockText(read), blockText(doc));
    }
}

TEST(RtfWriter, TextIsAsciiWithWindows1252HexAndUnicode)
{
    QTextDocument doc;
    doc.setPlainText(QString::fromUtf8("é€œ α 𝛼 {\\}"));
    const QByteArray rtf = RtfWriter::write(doc);
    for (const char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.contains("\\'e9\\'80\\'9c \\u945? \\u-10187?\\u-8452? \\{\\\\\\}"))
        << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0"));
    EXPECT_EQ(rtf.count('{'), rtf.count('}') + rtf.count("\\{") - rtf.count("\\}"));
}

TEST(RtfWriter, RoundTripOfTheFixtures)
{
    for (const char* name :
         {"libreoffice/lo-formats.rtf", "libreoffice/lo-table.rtf", "libreoffice/lo-pictures.rtf",
          "libreoffice/lo-unicode.rtf", "wordpad/enonce.rtf", "wordpad/cyrillique-1251.rtf"}) {
        QTextDocument doc;
        ASSERT_TRUE(RtfReader::read(fixture(name), &doc)) << name;
        QTextDocument read;
        roundTrip(doc, read);
        EXPECT_EQ(describe(read), describe(doc)) << name;
    }
}

} // namespace
