#include "catalogue/reagent.h"
#include "colour/tubecolour.h"

#include <gtest/gtest.h>
#include <vector>

using namespace dosarium;

namespace {

const ColourTables& tables()
{
    return ColourTables::standard();
}

// Hue angles h_ab of the sRGB anchors: cyan 196.4°, blue 306.3°, magenta 328.2°, red 40.0°.
// A blue is on the blue side of cyan and short of sRGB blue; purple to pink runs from sRGB blue
// through magenta to red.
bool isBlue(double hue)
{
    return hue > 196.4 && hue < 306.3;
}

bool isPurpleToPink(double hue)
{
    return hue > 306.3 || hue < 40.0;
}

struct Range {
    const char* name;
    Chromophore chromophore;
    std::vector<double> standards; // mol/L
    bool (*hueIsRight)(double);
};

// Standards a teacher prepares for an échelle de teintes in a 16 mm tube.
const Range ranges[] = {
    {"copper", Chromophore::CopperAqua, {0.020, 0.050, 0.10, 0.15, 0.20}, isBlue},
    {"permanganate",
     Chromophore::Permanganate,
     {1.0e-5, 2.0e-5, 5.0e-5, 1.0e-4, 1.5e-4, 2.0e-4},
     isPurpleToPink},
};

} // namespace

// The cupboard's coloured solutions are the ones whose ions are permanganate and copper(II);
// every other reagent, and water, looks like the white ground.
TEST(TubeColour, OnlyPermanganateAndCopperAreColoured)
{
    ASSERT_TRUE(tables().isValid());
    for (int i = 0; i < Catalogue::reagentCount; ++i) {
        const Reagent& reagent = *Catalogue::reagent(i);
        const Chromophore expected =
            reagent.anion.symbol == QStringLiteral("MnO") && reagent.anion.subscript == "4"
                ? Chromophore::Permanganate
            : reagent.cation.symbol == QStringLiteral("Cu") && reagent.cation.charge == "2+"
                ? Chromophore::CopperAqua
                : Chromophore::None;
        EXPECT_EQ(chromophoreOf(i), expected) << i;
        if (expected == Chromophore::None) {
            EXPECT_EQ(tubeColour(tables(), chromophoreOf(i), 1.0).srgb, (Srgb{255, 255, 255})) << i;
        }
    }
    EXPECT_EQ(chromophoreOf(-1), Chromophore::None);
    EXPECT_EQ(chromophoreOf(Catalogue::reagentCount), Chromophore::None);
    const TubeColour water = tubeColour(tables(), Chromophore::None, 0.0);
    EXPECT_EQ(water.srgb, (Srgb{255, 255, 255}));
    EXPECT_NEAR(water.lab.l, 100.0, 1e-9);
    EXPECT_NEAR(water.lab.a, 0.0, 1e-9);
    EXPECT_NEAR(water.lab.b, 0.0, 1e-9);
}

// What a student sees in a usual range: the hue of the solution, a tube darker than the one
// before it, and neighbours far enough apart to tell by eye (ΔE00 > 2).
TEST(TubeColour, UsualRangesHaveTheirHueAndNeighboursThatDiffer)
{
    ASSERT_TRUE(tables().isValid());
    for (const Range& range : ranges) {
        Lab previous = tubeColour(tables(), range.chromophore, 0.0).lab;
        for (double c : range.standards) {
            const Lab lab = tubeColour(tables(), range.chromophore, c).lab;
            EXPECT_TRUE(range.hueIsRight(hueAngle(lab)))
                << range.name << ' ' << c << ' ' << hueAngle(lab);
            EXPECT_LT(lab.l, previous.l) << range.name << ' ' << c;
            EXPECT_GT(deltaE2000(previous, lab), 2.0) << range.name << ' ' << c;
            previous = lab;
        }
        // Darker all the way to the stock bottle's strength and beyond, in small steps.
        const double top = range.standards.back() * 10.0;
        double lightness = previous.l;
        for (double c = range.standards.back(); c <= top; c += top / 200.0) {
            const double next = tubeColour(tables(), range.chromophore, c + top / 200.0).lab.l;
            EXPECT_LT(next, lightness) << range.name << ' ' << c;
            lightness = next;
        }
    }
}

// The fitted spectra keep the landmarks of the measured ones.
TEST(TubeColour, SpectraKeepTheirMeasuredLandmarks)
{
    const auto mn = [](double nm) { return molarAbsorption(Chromophore::Permanganate, nm); };
    EXPECT_NEAR(mn(526.0), 2.4e3, 1.0);
    for (double peak : {526.0, 546.0})
        EXPECT_TRUE(mn(peak) > mn(peak - 8.0) && mn(peak) > mn(peak + 8.0)) << peak;
    for (double nm = 380.0; nm <= 780.0; nm += 5.0)
        if (nm < 450.0 || nm > 600.0) {
            EXPECT_LT(mn(nm), 0.02 * mn(526.0)) << nm;
        }

    const auto cu = [](double nm) { return molarAbsorption(Chromophore::CopperAqua, nm); };
    EXPECT_NEAR(cu(800.0), 12.0, 0.1);
    const double measured[][2] = {{540.0, 0.16}, {560.0, 0.29}, {600.0, 0.92}, {660.0, 3.7}};
    for (const auto& [nm, epsilon] : measured)
        EXPECT_NEAR(cu(nm), epsilon, 0.1 * epsilon) << nm;

    EXPECT_NEAR(absorbance(Chromophore::Permanganate, 526.0, 1.0, 1.0e-4), 0.24, 1e-9);
    EXPECT_DOUBLE_EQ(absorbance(Chromophore::None, 526.0, 1.0, 1.0), 0.0);
}
