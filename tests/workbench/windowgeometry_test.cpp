#include "workbench/windowgeometry.h"

#include <gtest/gtest.h>

using namespace dosarium;

TEST(NarrowScreenRule, PinsTheWindowInTheCentreOfNarrowScreens)
{
    EXPECT_EQ(WindowGeometry::narrowScreenGeometry(QSize(800, 600)), QRect(0, 0, 800, 600));
    EXPECT_EQ(WindowGeometry::narrowScreenGeometry(QSize(849, 700)), QRect(24, 50, 800, 600));
    EXPECT_EQ(WindowGeometry::narrowScreenGeometry(QSize(850, 700)), std::nullopt);
    EXPECT_EQ(WindowGeometry::narrowScreenGeometry(QSize(1024, 768)), std::nullopt);
}

TEST(Gradients, EndsAndHalvesRoundToEven)
{
    EXPECT_EQ(WindowGeometry::backgroundLine(0), QColor(255, 255, 255));
    EXPECT_EQ(WindowGeometry::backgroundLine(600), QColor(200, 200, 180));
    // y = 60: r = 255 - 5.5 = 249.5 -> 250 (even), b = 255 - 7.5 = 247.5 -> 248.
    EXPECT_EQ(WindowGeometry::backgroundLine(60), QColor(250, 250, 248));
    // y = 180: r = 255 - 16.5 = 238.5 -> 238, b = 255 - 22.5 = 232.5 -> 232.
    EXPECT_EQ(WindowGeometry::backgroundLine(180), QColor(238, 238, 232));

    EXPECT_EQ(WindowGeometry::cupboardLine(0, 225), QColor(255, 200, 155));
    EXPECT_EQ(WindowGeometry::cupboardLine(225, 225), QColor(255, 255, 255));
    // y = 45: b = 0.2 * 100 + 155 = 175, g = 0.2 * 55 + 200 = 211.
    EXPECT_EQ(WindowGeometry::cupboardLine(45, 225), QColor(255, 211, 175));
    EXPECT_EQ(WindowGeometry::roundHalfEven(2.5), 2);
    EXPECT_EQ(WindowGeometry::roundHalfEven(3.5), 4);
}
