#include "protocol/resulttext.h"

#include <QTextBlock>
#include <QTextFragment>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

struct StyledRun {
    QString text;
    double pointSize;
    bool raised;
    bool bold;
};

// The styled runs of one paragraph.
QList<StyledRun> runsOf(const QTextBlock& block)
{
    QList<StyledRun> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const QTextCharFormat format = f.charFormat();
        runs.append({f.text(), format.fontPointSize(), format.baselineOffset() > 0,
                     format.fontWeight() == QFont::Bold});
    }
    return runs;
}

QList<QTextBlock> blocksOf(const QTextDocument& document)
{
    QList<QTextBlock> blocks;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        blocks.append(b);
    return blocks;
}

const QString phrase = QStringLiteral("d'éthanol de concentration :");

} // namespace

TEST(ResultText, ParagraphsAndRaisedExponents)
{
    QTextDocument document;
    PreparationResult r;
    r.concentration = 0.0394499991;
    r.singlePrecision = false;
    r.computedUncertainty = 456;
    r.uncertainty = 456;
    resulttext::write(document, phrase, r, QLocale(QLocale::French, QLocale::France));

    const QList<QTextBlock> blocks = blocksOf(document);
    ASSERT_EQ(blocks.size(), 5);
    EXPECT_EQ(blocks[0].text(),
              QStringLiteral("Après avoir complété jusqu'au trait de jauge avec de l'eau "
                             "distillée, vous avez préparé une solution aqueuse ") +
                  phrase);
    EXPECT_TRUE(blocks[1].text().isEmpty());
    EXPECT_TRUE(blocks[3].text().isEmpty());
    EXPECT_EQ(blocks[4].text(),
              QStringLiteral("Estimation de l'incertitude relative sur la concentration avec ce "
                             "protocole : 4,6 %"));
    for (int i : {0, 1, 3, 4})
        EXPECT_EQ(blocks[i].blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft)
            << i;
    EXPECT_EQ(blocks[2].blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    const QList<StyledRun> runs = runsOf(blocks[2]);
    ASSERT_EQ(runs.size(), 5);
    EXPECT_EQ(runs[0].text, QStringLiteral("C = "));
    EXPECT_TRUE(runs[0].bold);
    EXPECT_EQ(runs[1].text, QStringLiteral("3,94 \u00b7 10"));
    EXPECT_FALSE(runs[1].bold);
    EXPECT_EQ(runs[2].text, QStringLiteral("-2"));
    EXPECT_EQ(runs[3].text, QStringLiteral(" mol \u00b7 L"));
    EXPECT_EQ(runs[4].text, QStringLiteral("-1"));
    for (int i : {2, 4}) {
        EXPECT_TRUE(runs[i].raised) << i;
        EXPECT_EQ(runs[i].pointSize, 8.0) << i;
    }
    for (int i : {1, 3}) {
        EXPECT_FALSE(runs[i].raised) << i;
        EXPECT_EQ(runs[i].pointSize, 10.0) << i;
    }
    // After "-1" the text is back on the baseline at 10 points.
    for (const StyledRun& run : runsOf(blocks[4])) {
        EXPECT_FALSE(run.raised);
        EXPECT_EQ(run.pointSize, 10.0);
    }
}

TEST(ResultText, NoPowerOfTenForAnExponentOfZeroAndNoPlusSign)
{
    QTextDocument document;
    PreparationResult r;
    r.concentration = 8.576086956521738;
    r.uncertainty = 220;
    resulttext::write(document, phrase, r, QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(blocksOf(document)[2].text(), QStringLiteral("C = 8,58 mol \u00b7 L-1"));

    r.concentration = 11.52;
    r.singlePrecision = true;
    resulttext::write(document, phrase, r, QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(blocksOf(document)[2].text(), QStringLiteral("C = 1.15 \u00b7 101 mol \u00b7 L-1"));
    EXPECT_EQ(runsOf(blocksOf(document)[2])[2].text, QStringLiteral("1"));
}
