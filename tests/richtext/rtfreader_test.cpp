#include "namedcase.h"
#include "richtext/rtfreader.h"
#include "rtftestsupport.h"

#include <QBuffer>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::test;

namespace {

QString plainText(const QByteArray& rtf)
{
    QTextDocument doc;
    if (!RtfReader::read(rtf, &doc))
        return QStringLiteral("<not read>");
    return blockText(doc);
}

QByteArray wrap(const QByteArray& body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}" +
           body + "}";
}

QByteArray pngHex(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toHex();
}

struct TextCase : test::NamedCase {
    QByteArray rtf;
    QString text;
};

class RtfReaderText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RtfReaderText, GivesThePlainText)
{
    EXPECT_EQ(plainText(wrap(GetParam().rtf)), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RtfReaderText, ::testing::Values(
    TextCase{"OnlyOneSpaceIsTheDelimiter", "\\b  deux\\b0   trois\\par", " deux  trois"},
    TextCase{"DigitsEndTheParameter", "\\fs20x\\par", "x"},
    TextCase{"TrailingParLeavesNoEmptyParagraph", "un\\par deux\\par", "un\ndeux"},
    TextCase{"EmptyParagraphsAreKept", "un\\par\\par\\par deux\\par", "un\n\n\ndeux"},
    TextCase{"TextAfterTheLastParIsAParagraph", "un\\par deux", "un\ndeux"},
    TextCase{"LineBreakStaysInTheParagraph", "a\\line b\\par", QString("a") + QChar(0x2028) + "b"},
    TextCase{"TabAndEscapes", "a\\tab b \\{c\\} \\\\d", "a\tb {c} \\d"},
    TextCase{"SpecialCharacters",
             "\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~\\-\\_",
             QString::fromUtf8("—–•‘’“”\u00a0\u00ad\u2011")},
    TextCase{"HexInWindows1252", "caf\\'e9 \\'80 \\'9c", QString::fromUtf8("café € œ")},
    TextCase{"UppercaseHex", "\\'C9t\\'C9", QString::fromUtf8("ÉtÉ")},
    TextCase{"UnicodeSkipsOneFallback", "\\u233?t\\u233?", QString::fromUtf8("été")},
    TextCase{"NegativeUnicode", "\\u-4064?", QString(QChar(0xF020))},
    TextCase{"FallbackMayBeHex", "\\u8364\\'80 euro", QString::fromUtf8("€ euro")},
    TextCase{"FallbackMayBeControls", "\\uc2\\u233\\emdash\\~x", QString::fromUtf8("éx")},
    TextCase{"SkipCountBelongsToTheGroup", "{\\uc2\\u8800 xxA}\\u8801?B",
             QString::fromUtf8("≠A≡B")},
    TextCase{"ZeroSkipCount", "\\uc0\\u945\\u946 x", QString::fromUtf8("αβx")},
    TextCase{"SurrogatePair", "\\uc0 \\u-10187\\u-8452 ", QString::fromUtf8("𝛼")},
    TextCase{"GroupEndStopsTheSkip", "{\\uc3\\u945}abc", QString::fromUtf8("αabc")},
    TextCase{"StarDestinationSkipped", "a{\\*\\unknown hidden {nested} text}b", "ab"},
    TextCase{"KnownDestinationsSkipped",
             "{\\info{\\title Titre}{\\author Moi}}{\\stylesheet{\\s0 Normal;}}"
             "{\\header en-t\\'eate}{\\footnote note}a",
             "a"},
    TextCase{"FieldShowsItsResult",
             "{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt lien}} fin",
             "lien fin"},
    TextCase{"FieldInstructionWithoutStar", "{\\field{\\fldinst PAGE}{\\fldrslt 3}}", "3"},
    TextCase{"BinaryDataMayHoldBraces", "a{\\*\\blob\\bin6 }}{{\\x}b", "ab"},
    TextCase{"BinaryLengthBeyondTheEnd", "a{\\*\\blob\\bin99999 }}", "a"},
    TextCase{"HiddenTextIsDropped", "a{\\v cach\\'e9}b\\v c\\v0 d", "abd"},
    TextCase{"WmfPictureOutsideStarLeavesNoText",
             "a{\\pict\\wmetafile8\\picw100\\pich100 0102030405}b", "ab"},
    TextCase{"NonShapePictureSkipped", "a{\\nonshppict{\\pict\\wmetafile8 0102}}b", "ab"},
    TextCase{"ListTextIsShown", "{\\pntext\\f0 1.\\tab}Premier\\par", "1.\tPremier"},
    TextCase{"UnknownWordsIgnored", "\\foo\\bar12 a\\baz-3 b", "ab"},
    TextCase{"ControlCharactersDropped", QByteArray("a\x01\x02" "b\x00" "c", 6), "abc"},
    TextCase{"BackslashNewlineIsAParagraph", "a\\\nb", "a\nb"},
    TextCase{"PageBreakEndsTheParagraph", "a\\page b\\par", "a\nb"},
    TextCase{"SectionEndsTheParagraph", "a\\sect b", "a\nb"}
));
// clang-format on

TEST(RtfReader, RefusesWhatIsNotRtfAndLeavesTheDocument)
{
    QTextDocument doc;
    doc.setPlainText("avant");
    QString error;
    for (const QByteArray& data : {QByteArray(), QByteArray("Bonjour"), QByteArray("{\\rt"),
                                   QByteArray("<html>{\\rtf1}"), QByteArray("\x89PNG\r\n\x1a\n")}) {
        EXPECT_FALSE(RtfReader::read(data, &doc, &error)) << data.constData();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(doc.toPlainText(), "avant");
    }
    EXPECT_TRUE(RtfReader::read(" \r\n{\\rtf1 x}", &doc));
    EXPECT_EQ(doc.toPlainText(), "x");
}

TEST(RtfReader, DamagedFilesAreReadAsFarAsTheyGo)
{
    EXPECT_EQ(plainText("{\\rtf1 un\\par {\\b deux"), "un\ndeux");
    EXPECT_EQ(plainText("{\\rtf1 un\\'e"), "un");
    EXPECT_EQ(plainText("{\\rtf1 un\\"), "un");
    EXPECT_EQ(plainText("{\\rtf1 un}} deux}"), "un");
    EXPECT_EQ(plainText("{\\rtf1 {\\pict\\pngblip 89504e"), "");
}

TEST(RtfReader, DeepNestingIsBounded)
{
    const int depth = 100000;
    const QByteArray rtf =
        "{\\rtf1 avant" + QByteArray(depth, '{') + "dedans" + QByteArray(depth, '}') + "apr\\'e8s}";
    EXPECT_EQ(plainText(rtf), QString::fromUtf8("avantaprès"));

    const QByteArray shallow = "{\\rtf1 " + QByteArray(RtfReader::maxGroupDepth - 2, '{') + "ok" +
                               QByteArray(RtfReader::maxGroupDepth - 2, '}') + "}";
    EXPECT_EQ(plainText(shallow), "ok");
}

TEST(RtfReader, CharacterFormats)
{
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::read(
        wrap("\\f0\\fs20 normal {\\b gras} {\\i ital} {\\ul soul} {\\strike barr} "
             "{\\super exp} {\\sub ind} {\\up6 haut} {\\dn4 bas} {\\super sup1\\nosupersub nor1} "
             "{\\cf1 rouge} {\\cb2 fond} {\\highlight1 surl} {\\f1\\fs36 times} "
             "{\\b\\i\\plain plat} {\\ulwave vague} {\\uld point} {\\b1 bun\\b0 bzero}\\par"),
        &doc));

    const QTextCharFormat normal = runWith(doc, "normal").format;
    EXPECT_EQ(family(normal), "Arial");
    EXPECT_DOUBLE_EQ(normal.fontPointSize(), 10.0);
    EXPECT_EQ(normal.fontWeight(), QFont::Normal);
    EXPECT_FALSE(normal.fontItalic());

    EXPECT_EQ(runWith(doc, "gras").format.fontWeight(), QFont::Bold);
    EXPECT_TRUE(runWith(doc, "ital").format.fontItalic());
    EXPECT_EQ(runWith(doc, "soul").format.underlineStyle(), QTextCharFormat::SingleUnderline);
    EXPECT_TRUE(runWith(doc, "barr").format.fontStrikeOut());
    EXPECT_EQ(runWith(doc, "exp").format.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(runWith(doc, "ind").format.verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(runWith(doc, "haut").format.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(runWith(doc, "bas").format.verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(runWith(doc, "sup1").format.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(runWith(doc, "nor1").format.verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_EQ(runWith(doc, "rouge").format.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(runWith(doc, "fond").format.background().color(), QColor(0, 0, 255));
    EXPECT_EQ(runWith(doc, "surl").format.background().color(), QColor(255, 0, 0));
    EXPECT_FALSE(runWith(doc, "normal").format.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(family(runWith(doc, "times").format), "Times New Roman");
    EXPECT_DOUBLE_EQ(runWith(doc, "times").format.fontPointSize(), 18.0);

    // \plain goes back to the default font at 12 points, without attributes.
    const QTextCharFormat plain = runWith(doc, "plat").format;
    EXPECT_EQ(plain.fontWeight(), QFont::Normal);
    EXPECT_FALSE(plain.fontItalic());
    EXPECT_EQ(family(plain), "Arial");
    EXPECT_DOUBLE_EQ(plain.fontPointSize(), 12.0);

    EXPECT_EQ(runWith(doc, "vague").format.underlineStyle(), QTextCharFormat::WaveUnderline);
    EXPECT_EQ(runWith(doc, "point").format.underlineStyle(), QTextCharFormat::DotLine);
    EXPECT_EQ(runWith(doc, "bun").format.fontWeight(), QFont::Bold);
    EXPECT_EQ(runWith(doc, "bzero").format.fontWeight(), QFont::Normal);
}

TEST(RtfReader, ColorIndexOutsideTheTableIsAutomatic)
{
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::read(wrap("{\\cf9 a}{\\cf0 b}{\\cf-1 c}"), &doc));
    for (const TextRun& run : runs(doc))
        EXPECT_FALSE(run.format.hasProperty(QTextFormat::ForegroundBrush))
            << run.text.toStdString();
}

TEST(RtfReader, ParagraphFormats)
{
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::read(
        wrap("\\pard\\qc centre\\par \\qr droite\\par \\pard\\qj justifie\\par "
             "\\pard\\li720\\ri360\\fi-360\\sb240\\sa120 retraits\\par "
             "\\pard gauche\\par \\pard\\pagebb saut\\par \\pard avant\\page apres\\par "
             "\\pard fin\\qc\\par"),
        &doc));
    EXPECT_EQ(blockWith(doc, "centre").blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(blockWith(doc, "droite").blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(blockWith(doc, "justifie").blockFormat().alignment(), Qt::AlignJustify);
    const QTextBlockFormat indents = blockWith(doc, "retraits").blockFormat();
    EXPECT_DOUBLE_EQ(indents.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(indents.rightMargin(), 24.0);
    EXPECT_DOUBLE_EQ(indents.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(indents.topMargin(), 16.0);
    EXPECT_DOUBLE_EQ(indents.bottomMargin(), 8.0);
    const QTextBlockFormat left = blockWith(doc, "gauche").blockFormat();
    EXPECT_EQ(left.alignment(), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(left.leftMargin(), 0.0);
    EXPECT_EQ(blockWith(doc, "saut").blockFormat().pageBreakPolicy(),
              QTextFormat::PageBreak_AlwaysBefore);
    EXPECT_EQ(blockWith(doc, "avant").blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_Auto);
    EXPECT_EQ(blockWith(doc, "apres").blockFormat().pageBreakPolicy(),
              QTextFormat::PageBreak_AlwaysBefore);
    // Properties given just before \par still apply to the paragraph it ends.
    EXPECT_EQ(blockWith(doc, "fin").blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(doc.blockCount(), 9);
}

TEST(RtfReader, CodePages)
{
    EXPECT_EQ(plainText("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1\\'e2}"), QString::fromUtf8("Абв"));
    EXPECT_EQ(plainText("{\\rtf1\\ansi\\ansicpg1250 \\'9a\\'e8}"), QString::fromUtf8("šč"));
    EXPECT_EQ(plainText("{\\rtf1\\ansi\\ansicpg1253 \\'e1}"), QString::fromUtf8("α"));
    EXPECT_EQ(plainText("{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0}"), QString::fromUtf8("あ"));
    EXPECT_EQ(plainText("{\\rtf1\\ansi\\ansicpg936 \\'bb\\'af}"), QString::fromUtf8("化"));
    EXPECT_EQ(plainText("{\\rtf1\\mac \\'8e}"), QString::fromUtf8("é"));
    EXPECT_EQ(plainText("{\\rtf1\\pc \\'82}"), QString::fromUtf8("é"));
    // An unknown code page reads as Windows-1252.
    EXPECT_EQ(plainText("{\\rtf1\\ansi\\ansicpg4242 \\'e9}"), QString::fromUtf8("é"));
    // A font's charset decides for the text in that font.
    EXPECT_EQ(plainText("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 "
                        "Arial Cyr;}}\\f0\\'e9\\f1\\'e9}"),
              QString::fromUtf8("éй"));
}

TEST(RtfReader, FontTableWithoutGroupsAndWithAlternatives)
{
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::read("{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1\\froman Times{\\*\\falt "
                                "Liberation Serif};}\\f1 a\\f0 b\\f7 c}",
                                &doc));
    EXPECT_EQ(family(runWith(doc, "a").format), "Times");
    EXPECT_EQ(family(runWith(doc, "b").format), "Arial");
    EXPECT_EQ(family(runWith(doc, "c").format), "");
}

TEST(RtfReader, TableBecomesATextTable)
{
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::read(
        wrap("avant\\par\\trowd\\cellx1500\\cellx4500\\pard\\intbl {\\b A1}\\cell A2\\cell\\row"
             "\\trowd\\cellx1500\\cellx4500\\pard\\intbl B1\\par suite\\cell\\pard\\intbl B2\\cell"
             "\\row\\pard apr\\'e8s\\par"),
        &doc));
    const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
    ASSERT_EQ(frames.size(), 1);
    auto* table = qobject_cast<QTextTable*>(frames[0]);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    auto cellText = [&](int r, int c) {
        QTextCursor cursor = table->cellAt(r, c).firstCursorPosition();
        cursor.setPosition(table->cellAt(r, c).lastCursorPosition().position(),
                           QTextCursor::KeepAnchor);
        return cursor.selectedText();
    };
    EXPECT_EQ(cellText(0, 0), "A1");
    EXPECT_EQ(cellText(0, 1), "A2");
    EXPECT_EQ(cellText(1, 0), QString("B1") + QChar::ParagraphSeparator + "suite");
    EXPECT_EQ(cellText(1, 1), "B2");
    EXPECT_EQ(runWith(doc, "A1").format.fontWeight(), QFont::Bold);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 2);
    EXPECT_DOUBLE_EQ(widths[0].rawValue(), 100.0);
    EXPECT_DOUBLE_EQ(widths[1].rawValue(), 200.0);
    EXPECT_EQ(blockText(doc), QString::fromUtf8("avant\nA1\nA2\nB1\nsuite\nB2\naprès"));
}

TEST(RtfReader, TableLimits)
{
    QByteArray wide = "\\trowd\\pard\\intbl ";
    for (int i = 0; i < 200; ++i)
        wide += "c\\cell ";
    wide += "\\row";
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::read(wrap(wide), &doc));
    auto* table = qobject_cast<QTextTable*>(doc.rootFrame()->childFrames().value(0));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columns(), RtfReader::maxTableColumns);
    EXPECT_EQ(blockText(doc).count('c'), 200);

    QByteArray tall;
    for (int i = 0; i < RtfReader::maxTableRows + 10; ++i)
        tall += "\\trowd\\cellx1000\\pard\\intbl r\\cell\\row";
    ASSERT_TRUE(RtfReader::read(wrap(tall), &doc));
    const QList<QTextFrame*> tables = doc.rootFrame()->childFrames();
    ASSERT_EQ(tables.size(), 2);
    EXPECT_EQ(qobject_cast<QTextTable*>(tables[0])->rows(), RtfReader::maxTableRows);
    EXPECT_EQ(qobject_cast<QTextTable*>(tables[1])->rows(), 10);
}

TEST(RtfReader, PngAndJpegPictures)
{
    QImage jpegImage(8, 4, QImage::Format_RGB32);
    jpegImage.fill(Qt::blue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    jpegImage.save(&buffer, "JPEG");

    QTextDocument doc;
    ASSERT_TRUE(RtfReader::read(
        wrap("a{\\*\\shppict{\\pict\\pngblip\\picw3\\pich2\\picwgoal900\\pichgoal600\n" +
             pngHex(3, 2) + "}}b{\\pict\\jpegblip\\picscalex50\\picscaley200\\picwgoal1200" +
             "\\pichgoal600 " + jpeg.toHex() + "}c{\\pict\\pngblip 0011}d"),
        &doc));
    const QList<QTextImageFormat> images = test::images(doc);
    ASSERT_EQ(images.size(), 2);
    test::expectDisplaySizes(images, {{60.0, 40.0}, {40.0, 80.0}});
    const QImage first = picture(doc, images[0]);
    EXPECT_EQ(first.size(), QSize(3, 2));
    EXPECT_EQ(first.pixelColor(0, 0), QColor(Qt::green));
    const QImage second = picture(doc, images[1]);
    EXPECT_EQ(second.size(), QSize(8, 4));
    EXPECT_EQ(doc.toPlainText().remove(QChar::ObjectReplacementCharacter), "abcd");
}

TEST(RtfReader, PictureAboveThePixelLimitIsNotDecoded)
{
    // 7000 x 7000 one-bit pixels compress to a few kilobytes but would take 196 MB decoded.
    QImage huge(7000, 7000, QImage::Format_Mono);
    huge.fill(0);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(huge.save(&buffer, "PNG"));
    ASSERT_GT(qint64(huge.width()) * huge.height(), RtfReader::maxPicturePixels);
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::read(wrap("x{\\pict\\pngblip " + png.toHex() + "}y"), &doc));
    EXPECT_EQ(blockText(doc), "xy");
}

TEST(RtfReader, ReadingLeavesNoUndoHistory)
{
    QTextDocument doc;
    doc.setPlainText("avant");
    QTextCursor(&doc).insertText("modifie");
    ASSERT_TRUE(doc.isUndoAvailable());
    ASSERT_TRUE(RtfReader::read(wrap("lu\\par"), &doc));
    EXPECT_FALSE(doc.isUndoAvailable());
    EXPECT_TRUE(doc.isUndoRedoEnabled());
    QTextCursor(&doc).insertText("x");
    EXPECT_TRUE(doc.isUndoAvailable());
}

TEST(RtfReader, InsertsAtTheCursor)
{
    QTextDocument doc;
    doc.setPlainText("debut fin");
    QTextCursor cursor(&doc);
    cursor.setPosition(6);
    ASSERT_TRUE(RtfReader::insert(wrap("{\\b gras} \\par nouveau "), cursor));
    EXPECT_EQ(doc.toPlainText(), "debut gras \nnouveau fin");
    EXPECT_EQ(runWith(doc, "gras").format.fontWeight(), QFont::Bold);
    EXPECT_EQ(cursor.position(), QString("debut gras \nnouveau ").size());

    QTextCursor null;
    EXPECT_FALSE(RtfReader::insert(wrap("x"), null));
    EXPECT_FALSE(RtfReader::insert("pas du RTF", cursor));
    EXPECT_EQ(doc.toPlainText(), "debut gras \nnouveau fin");
}

} // namespace
