#include "rack/calibration.h"

#include <gtest/gtest.h>

namespace dosarium {
namespace {

constexpr int permanganate = 6;
constexpr int copper = 7;

std::vector<Tube> range(int reagent, std::initializer_list<std::pair<double, double>> tubes)
{
    std::vector<Tube> result;
    for (const auto& [c, u] : tubes)
        result.push_back(Tube{std::nullopt, reagent, c, u, QString()});
    return result;
}

TEST(Calibration, ReadsTheUnknownOnTheLineOfTheStandards)
{
    EXPECT_EQ(bandMaximum(Chromophore::CopperAqua), highestWavelength);
    EXPECT_NEAR(bandMaximum(Chromophore::Permanganate), 526, 4);

    struct Case {
        int reagent;
        std::vector<Tube> standards;
        double unknown;
        bool outside;
    };
    const Case cases[] = {
        {copper, range(copper, {{0.02, 0.012}, {0.05, 0.02}, {0.1, 0.011}, {0.2, 0.011}}), 0.08,
         false},
        {permanganate, range(permanganate, {{2e-5, 0.03}, {5e-5, 0.025}, {1e-4, 0.02}}), 1.5e-4,
         true},
    };
    for (const Case& c : cases) {
        const Chromophore species = chromophoreOf(c.reagent);
        const int wavelength = bandMaximum(species);
        const Calibration line = calibrate(c.standards, wavelength);
        ASSERT_EQ(line.fault, CalibrationFault::None);
        // Beer–Lambert: the slope is ε(λ)·ℓ and every standard lies on the line.
        EXPECT_NEAR(line.slope, molarAbsorption(species, wavelength) * cellPathLength,
                    1e-9 * line.slope);
        EXPECT_NEAR(line.relativeSlopeError, 0.0, 1e-9);
        const std::optional<UnknownReading> reading =
            readUnknown(line, UnknownSolution{c.reagent, c.unknown});
        ASSERT_TRUE(reading);
        EXPECT_NEAR(reading->concentration, c.unknown, 1e-9 * c.unknown);
        EXPECT_NEAR(reading->absorbance, line.slope * c.unknown, 1e-9);
        // The least precise standard sets the reading's uncertainty.
        double largest = 0.0;
        for (const Tube& t : c.standards)
            largest = std::max(largest, t.relativeUncertainty);
        EXPECT_DOUBLE_EQ(reading->relativeUncertainty, largest);
        EXPECT_EQ(reading->outsideRange, c.outside);
    }
}

TEST(Calibration, RefusesALineThatSaysNothing)
{
    const std::vector<Tube> permanganateRange = range(permanganate, {{2e-5, 0.03}, {1e-4, 0.02}});
    EXPECT_EQ(calibrate(permanganateRange, 800).fault, CalibrationFault::NoAbsorption);
    EXPECT_EQ(calibrate(range(copper, {{0.1, 0.01}}), 800).fault,
              CalibrationFault::TooFewStandards);
    EXPECT_FALSE(
        readUnknown(calibrate(permanganateRange, 800), UnknownSolution{permanganate, 5e-5}));
}

} // namespace
} // namespace dosarium
