#include "workbench/welcometext.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

struct StyledChar {
    QString text;
    QTextCharFormat format;
    QTextBlockFormat block;
};

// Every character with the formats that apply to it, in document order.
QList<StyledChar> characters(const QTextDocument& document)
{
    QList<StyledChar> all;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (QChar c : fragment.text())
                all.append({QString(c), fragment.charFormat(), block.blockFormat()});
        }
        if (block.next().isValid())
            all.append({QStringLiteral("\n"), block.charFormat(), block.blockFormat()});
    }
    return all;
}

} // namespace

TEST(WelcomeText, EachSegmentAndOnlyItGetsItsStyle)
{
    QTextDocument document;
    WelcomeText::build(document);
    const QList<StyledChar> runs = characters(document);

    int position = 0;
    for (const WelcomeText::Segment& segment : WelcomeText::segments()) {
        QString text = segment.text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        for (QChar expected : text) {
            ASSERT_LT(position, runs.size());
            const StyledChar& run = runs[position++];
            ASSERT_EQ(run.text, QString(expected)) << segment.text.toStdString();
            if (expected == QLatin1Char('\n'))
                continue;
            const QColor colour = run.format.foreground().color();
            EXPECT_EQ(colour,
                      segment.style == WelcomeText::Body ? QColor(0, 0, 0) : QColor(0, 0, 200))
                << segment.text.toStdString();
            EXPECT_EQ(run.format.fontPointSize(), segment.style == WelcomeText::Title ? 18 : 10);
            EXPECT_EQ(run.format.fontFamilies().toStringList(), QStringList{"Arial"});
            EXPECT_NE(run.format.fontWeight(), QFont::Bold);
            EXPECT_FALSE(run.format.fontItalic());
            EXPECT_FALSE(run.format.fontUnderline());
            EXPECT_EQ(run.format.verticalAlignment(), QTextCharFormat::AlignNormal);
            const bool title = segment.style == WelcomeText::Title;
            EXPECT_EQ(run.block.alignment() & Qt::AlignHorizontal_Mask,
                      title ? Qt::AlignHCenter : Qt::AlignLeft);
            EXPECT_EQ(run.block.leftMargin(), title ? 0 : 20);
        }
    }
    EXPECT_EQ(position, runs.size());
}

TEST(WelcomeText, TitleLineAloneIsCentredAndTheLinesBreakWhereWritten)
{
    QTextDocument document;
    WelcomeText::build(document);
    const QTextBlock first = document.firstBlock();
    EXPECT_EQ(first.text(), QStringLiteral("Dosarium"));
    EXPECT_EQ(first.next().text(), QString());
    EXPECT_EQ(first.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_TRUE(document.toPlainText().contains(
        QStringLiteral("en fonction de votre\nprotocole :\n\n- précision de la balance : 0,01 g")));
}

TEST(WelcomeText, BuildingAgainGivesTheSameDocument)
{
    QTextDocument document;
    WelcomeText::build(document);
    const QString html = document.toHtml();
    const QString plain = document.toPlainText();
    QTextCursor(&document).insertText(QStringLiteral("texte d'un exercice"));
    WelcomeText::build(document);
    EXPECT_EQ(document.toPlainText(), plain);
    EXPECT_EQ(document.toHtml(), html);
}
