#include "colour/colourspaces.h"

#include <gtest/gtest.h>

using namespace dosarium;

// Pairs from G. Sharma, W. Wu and E. N. Dalal, "The CIEDE2000 color-difference formula:
// implementation notes, supplementary test data, and mathematical observations", Color Res. Appl.
// 30 (2005) 21. They were chosen to reach the branches that are easy to get wrong: a zero chroma,
// hue differences either side of 180°, the mean hue crossing 0°, and the rotation term.
TEST(DeltaE2000, MatchesThePublishedTestData)
{
    struct Row {
        Lab first;
        Lab second;
        double expected;
    };
    const Row rows[] = {
        {{50.0, 2.6772, -79.7751}, {50.0, 0.0, -82.7485}, 2.0425},
        {{50.0, 2.8361, -74.0200}, {50.0, 0.0, -82.7485}, 3.4412},
        {{50.0, -1.3802, -84.2814}, {50.0, 0.0, -82.7485}, 1.0000},
        {{50.0, 0.0, 0.0}, {50.0, -1.0, 2.0}, 2.3669},
        {{50.0, 2.4900, -0.0010}, {50.0, -2.4900, 0.0009}, 7.1792},
        {{50.0, 2.4900, -0.0010}, {50.0, -2.4900, 0.0011}, 7.2195},
        {{50.0, -0.0010, 2.4900}, {50.0, 0.0009, -2.4900}, 4.8045},
        {{50.0, -0.0010, 2.4900}, {50.0, 0.0011, -2.4900}, 4.7461},
        {{50.0, 2.5000, 0.0}, {50.0, 0.0, -2.5000}, 4.3065},
        {{50.0, 2.5000, 0.0}, {73.0, 25.0, -18.0}, 27.1492},
        {{50.0, 2.5000, 0.0}, {56.0, -27.0, -3.0}, 31.9030},
        {{50.0, 2.5000, 0.0}, {50.0, 3.2592, 0.3350}, 1.0000},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
        {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
        {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(deltaE2000(row.first, row.second), row.expected, 5e-5) << row.expected;
        EXPECT_NEAR(deltaE2000(row.second, row.first), row.expected, 5e-5) << row.expected;
    }
}

// XYZ of the sRGB primaries, of a mid grey and of a grey dark enough to be on the linear
// segment of the transfer curve; colours outside the gamut are clipped, not wrapped.
TEST(Srgb, EncodesThePrimariesAndBothSegmentsOfTheTransferCurve)
{
    const Xyz white{0.95047, 1.0, 1.08883};
    const auto grey = [&white](double y) { return Xyz{white.x * y, y, white.z * y}; };
    EXPECT_EQ(toSrgb({0.4124564, 0.2126729, 0.0193339}), (Srgb{255, 0, 0}));
    EXPECT_EQ(toSrgb({0.3575761, 0.7151522, 0.1191920}), (Srgb{0, 255, 0}));
    EXPECT_EQ(toSrgb({0.1804375, 0.0721750, 0.9503041}), (Srgb{0, 0, 255}));
    EXPECT_EQ(toSrgb(grey(0.2158605)), (Srgb{128, 128, 128}));
    EXPECT_EQ(toSrgb(grey(0.002)), (Srgb{7, 7, 7}));
    EXPECT_EQ(toSrgb(grey(1.5)), (Srgb{255, 255, 255}));
    EXPECT_EQ(toSrgb({0.0, 0.5, 0.0}), (Srgb{0, 248, 0}));
}
