#include "catalogue/labellayout.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

// A font where each character is as wide as its point size: positions can be computed by hand.
double fixedWidth(const QString& text, double pointSize, bool italic)
{
    return text.size() * pointSize + (italic ? 1 : 0);
}

QString joined(const QList<LabelPiece>& pieces)
{
    QString all;
    for (const LabelPiece& p : pieces)
        all += QLatin1Char('[') + p.text + QLatin1Char(']');
    return all;
}

const LabelPiece* find(const QList<LabelPiece>& pieces, const QString& text, int occurrence = 0)
{
    for (const LabelPiece& p : pieces)
        if (p.text == text && occurrence-- == 0)
            return &p;
    return nullptr;
}

} // namespace

TEST(LabelLayout, LiquidPrintsFormulaMassAndDensity)
{
    const auto pieces = LabelLayout::pieces(0, fixedWidth);
    EXPECT_EQ(joined(pieces),
              "[Formule brute : ][C][2][H][6][O][Masse molaire : ][M = ][46,0][ g.mol][-1]"
              "[Densité par rapport à l'eau : ][d = ][0,789]"
              "[Masse volumique : ][ρ = ][0,789 g · mL][-1]");
    // "Formule brute : " is 16 characters at size 10, starting at x = 10.
    const LabelPiece& carbonCount = pieces[2];
    EXPECT_DOUBLE_EQ(carbonCount.x, 10 + 160 + 10);
    EXPECT_DOUBLE_EQ(carbonCount.y, 110);
    EXPECT_DOUBLE_EQ(carbonCount.pointSize, 8);
    EXPECT_DOUBLE_EQ(pieces[3].y, 104);
    EXPECT_DOUBLE_EQ(pieces[3].pointSize, 10);
    EXPECT_TRUE(find(pieces, "M = ")->italic);
    EXPECT_FALSE(find(pieces, "46,0")->italic);
    const LabelPiece* exponent = find(pieces, "-1");
    EXPECT_DOUBLE_EQ(exponent->y, 122);
    EXPECT_DOUBLE_EQ(exponent->pointSize, 8);
    EXPECT_DOUBLE_EQ(find(pieces, "Densité par rapport à l'eau : ")->y, 152);
    // The masse volumique comes under the three lines, its exponent small.
    EXPECT_DOUBLE_EQ(find(pieces, "Masse volumique : ")->y, 176);
    EXPECT_DOUBLE_EQ(pieces.last().y, 170);
    EXPECT_DOUBLE_EQ(pieces.last().pointSize, 8);
}

TEST(LabelLayout, SolidPrintsSolubilityWithSmallExponent)
{
    const auto pieces = LabelLayout::pieces(4, fixedWidth);
    EXPECT_EQ(joined(pieces),
              "[Formule brute : ][C][6][H][12][O][6][Masse molaire : ][M = ][180,0][ g.mol][-1]"
              "[Solubilité dans l'eau à 20 °C : ][2 kg.L][-1]");
    const LabelPiece* solubilityExponent = find(pieces, "-1", 1);
    EXPECT_DOUBLE_EQ(solubilityExponent->y, 146);
    EXPECT_DOUBLE_EQ(solubilityExponent->pointSize, 8);
    EXPECT_DOUBLE_EQ(solubilityExponent->x, 10 + 32 * 10 + 60);
}

TEST(LabelLayout, AnionWithSubscriptPutsItUnderTheCharge)
{
    for (int index : {6, 7}) {
        const auto pieces = LabelLayout::pieces(index, fixedWidth);
        const LabelPiece* four = find(pieces, "4");
        ASSERT_NE(four, nullptr) << index;
        const LabelPiece& charge = pieces[pieces.indexOf(*four) - 1];
        EXPECT_DOUBLE_EQ(charge.x, four->x) << index;
        EXPECT_DOUBLE_EQ(charge.y, 122) << index;
        EXPECT_DOUBLE_EQ(four->y, 134) << index;
        EXPECT_DOUBLE_EQ(four->pointSize, 8) << index;
    }
    EXPECT_EQ(joined(LabelLayout::pieces(6, fixedWidth)),
              "[Solution aqueuse contenant les ions : ][K][+][ et MnO][-][4]"
              "[Concentration : ][C = ][0,50][ mol.L][-1]"
              "[Concentration en masse : ][Cm = ][79,0 g · L][-1]");
}

TEST(LabelLayout, SubscriptPositionIsRoundedLikeTheDrawingSurface)
{
    // Half-pixel widths leave x at .5 before the charge; the subscript goes back to the rounded x.
    const auto halfWidths = [](const QString& text, double size, bool) {
        return text.size() * size + 0.5;
    };
    const auto pieces = LabelLayout::pieces(7, halfWidths);
    const LabelPiece* charge = find(pieces, "2-");
    const LabelPiece* four = find(pieces, "4");
    EXPECT_DOUBLE_EQ(charge->x - std::floor(charge->x), 0.5);
    EXPECT_DOUBLE_EQ(four->x, std::round(charge->x));
}

TEST(LabelLayout, AnionWithoutSubscriptAndTheNormalSizeConcentrationExponent)
{
    const auto pieces = LabelLayout::pieces(5, fixedWidth);
    EXPECT_EQ(joined(pieces), "[Solution aqueuse contenant les ions : ][Na][+][ et HO][-]"
                              "[Concentration : ][C = ][6,0][ mol.L][-1]"
                              "[Concentration en masse : ][Cm = ][240 g · L][-1]");
    const LabelPiece* cation = find(pieces, "Na");
    EXPECT_DOUBLE_EQ(cation->x, 81);
    EXPECT_DOUBLE_EQ(cation->y, 128);
    const LabelPiece* anionCharge = find(pieces, "-");
    EXPECT_DOUBLE_EQ(anionCharge->y, 122);
    EXPECT_DOUBLE_EQ(anionCharge->pointSize, 8);
    const LabelPiece& concentrationExponent = *find(pieces, "-1");
    EXPECT_DOUBLE_EQ(concentrationExponent.pointSize, 10);
    EXPECT_DOUBLE_EQ(concentrationExponent.y, 146);
    // The concentration en masse's exponent has the small size.
    EXPECT_DOUBLE_EQ(pieces.last().pointSize, 8);
    EXPECT_DOUBLE_EQ(pieces.last().y, 170);
}

TEST(LabelLayout, NoPiecesOutsideTheCatalogue)
{
    EXPECT_TRUE(LabelLayout::pieces(9, fixedWidth).isEmpty());
    EXPECT_TRUE(LabelLayout::pieces(-1, fixedWidth).isEmpty());
}
