#include "rack/bracket.h"

#include <gtest/gtest.h>

namespace dosarium {
namespace {

constexpr int copper = 7;
constexpr int permanganate = 6;

std::vector<Tube> range(std::initializer_list<double> concentrations)
{
    std::vector<Tube> tubes;
    for (double c : concentrations)
        tubes.push_back(Tube{std::nullopt, copper, c, 0.01, QString()});
    return tubes;
}

TEST(Bracket, JudgesTheUnknownBetweenTwoTubes)
{
    const std::vector<Tube> usual = range({0.02, 0.04, 0.05, 0.10, 0.20});
    const std::vector<Tube> repeated = range({0.02, 0.05, 0.05, 0.08});
    struct Case {
        const std::vector<Tube>& tubes;
        int first;
        int second;
        UnknownSolution unknown;
        BracketVerdict verdict;
    };
    const Case cases[] = {
        {usual, 2, 3, {copper, 0.08}, BracketVerdict::Right},
        {usual, 3, 2, {copper, 0.08}, BracketVerdict::Right}, // either order
        {usual, 0, 1, {copper, 0.02}, BracketVerdict::Right}, // the ends count
        {usual, 0, 1, {copper, 0.04}, BracketVerdict::Right},
        {usual, 1, 2, {copper, 0.08}, BracketVerdict::Wrong},
        {usual, 3, 4, {copper, 0.08}, BracketVerdict::Wrong},
        {usual, 0, 1, {copper, 0.019}, BracketVerdict::Wrong},
        {usual, 1, 3, {copper, 0.08}, BracketVerdict::NotNeighbours},
        {usual, 0, 4, {copper, 0.03}, BracketVerdict::NotNeighbours},
        {usual, 1, 3, {copper, 0.03}, BracketVerdict::Wrong}, // wrong before too wide
        {usual, 3, 4, {copper, 0.15}, BracketVerdict::Right}, // twice exactly is not coarse
        {range({0.02, 0.10}), 0, 1, {copper, 0.05}, BracketVerdict::TooCoarse},
        {usual, 0, 1, {permanganate, 0.03}, BracketVerdict::OtherSolution},
        {usual, 2, 2, {copper, 0.05}, BracketVerdict::SameTube},
        // A tube equal to one of the two does not make the bracket narrower.
        {repeated, 0, 2, {copper, 0.03}, BracketVerdict::TooCoarse},
        {repeated, 1, 3, {copper, 0.06}, BracketVerdict::Right},
    };
    for (const Case& c : cases)
        EXPECT_EQ(judgeBracket(c.tubes, c.first, c.second, c.unknown), c.verdict)
            << "tubes " << c.first << " and " << c.second << ", unknown at "
            << c.unknown.concentration;
}

} // namespace
} // namespace dosarium
