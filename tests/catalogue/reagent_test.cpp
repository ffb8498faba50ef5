#include "catalogue/reagent.h"

#include <gtest/gtest.h>

using namespace dosarium;

TEST(Catalogue, IndexesOutsideTheCupboardHaveNoEntry)
{
    EXPECT_EQ(Catalogue::reagent(-1), nullptr);
    EXPECT_EQ(Catalogue::reagent(9), nullptr);
    for (int i = 0; i < Catalogue::reagentCount; ++i) {
        ASSERT_NE(Catalogue::reagent(i), nullptr);
        EXPECT_EQ(Catalogue::reagent(i)->index, i);
    }
}

TEST(Catalogue, KindsFollowTheIndexRanges)
{
    for (int i = 0; i < Catalogue::reagentCount; ++i) {
        const Reagent& r = *Catalogue::reagent(i);
        const int kindsMatched = int(Catalogue::isPureLiquid(i)) + int(Catalogue::isPureSolid(i)) +
                                 int(Catalogue::isAqueousSolution(i));
        EXPECT_EQ(kindsMatched, 1) << i;
        EXPECT_EQ(r.kind == ReagentKind::PureLiquid, Catalogue::isPureLiquid(i)) << i;
        EXPECT_EQ(r.kind == ReagentKind::PureSolid, Catalogue::isPureSolid(i)) << i;
        EXPECT_EQ(r.kind == ReagentKind::AqueousSolution, Catalogue::isAqueousSolution(i)) << i;
    }
    EXPECT_EQ(Catalogue::kindText(ReagentKind::PureLiquid), QStringLiteral("Liquide pur"));
    EXPECT_EQ(Catalogue::kindText(ReagentKind::PureSolid), QStringLiteral("Solide pur"));
    EXPECT_EQ(Catalogue::kindText(ReagentKind::AqueousSolution),
              QStringLiteral("Solution aqueuse"));
}

TEST(Catalogue, HazardsOfEachBottle)
{
    const Hazard expected[] = {Hazard::Flammable, Hazard::Flammable, Hazard::Corrosive,
                               Hazard::None,      Hazard::None,      Hazard::Corrosive,
                               Hazard::Harmful,   Hazard::Harmful,   Hazard::Corrosive};
    for (int i = 0; i < Catalogue::reagentCount; ++i)
        EXPECT_EQ(Catalogue::reagent(i)->hazard, expected[i]) << i;
}

TEST(Catalogue, NumbersUsedByThePreparation)
{
    const double molarMasses[] = {46, 58, 60, 342, 180};
    for (int i = 0; i < 5; ++i)
        EXPECT_DOUBLE_EQ(Catalogue::reagent(i)->molarMass, molarMasses[i]) << i;
    EXPECT_DOUBLE_EQ(Catalogue::reagent(0)->density, 0.789);
    EXPECT_DOUBLE_EQ(Catalogue::reagent(1)->density, 0.786);
    EXPECT_DOUBLE_EQ(Catalogue::reagent(2)->density, 1.05);
    const double concentrations[] = {6, 0.5, 1, 12};
    for (int i = 5; i < 9; ++i)
        EXPECT_DOUBLE_EQ(Catalogue::reagent(i)->concentration, concentrations[i - 5]) << i;
}

TEST(Catalogue, NamesAndResultPhrasesDiffer)
{
    EXPECT_EQ(Catalogue::reagent(0)->name, QStringLiteral("Ethanol absolu"));
    EXPECT_EQ(Catalogue::reagent(0)->resultPhrase, QStringLiteral("d'éthanol de concentration :"));
    EXPECT_EQ(Catalogue::reagent(2)->name, QStringLiteral("Acide acétique (acide éthanoïque)"));
    EXPECT_EQ(Catalogue::reagent(7)->resultPhrase,
              QStringLiteral("de sulfate de cuivre II de concentration :"));
    for (int i = 3; i < 5; ++i) {
        EXPECT_EQ(Catalogue::reagent(i)->solubilityText, QStringLiteral("2 kg.L"));
        EXPECT_EQ(Catalogue::reagent(i)->solubilityExponent, QStringLiteral("-1"));
    }
}
