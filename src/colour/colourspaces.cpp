#include "colour/colourspaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dosarium {
namespace {

constexpr double degrees = 180.0 / std::numbers::pi;

double labCurve(double ratio)
{
    constexpr double epsilon = 216.0 / 24389.0;
    constexpr double kappa = 24389.0 / 27.0;
    return ratio > epsilon ? std::cbrt(ratio) : (kappa * ratio + 16.0) / 116.0;
}

int encode(double linear)
{
    const double clipped = std::clamp(linear, 0.0, 1.0);
    const double encoded =
        clipped <= 0.0031308 ? 12.92 * clipped : 1.055 * std::pow(clipped, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::lround(encoded * 255.0));
}

double seventhPowerRatio(double chroma)
{
    const double c7 = std::pow(chroma, 7.0);
    return std::sqrt(c7 / (c7 + std::pow(25.0, 7.0)));
}

} // namespace

Lab toLab(const Xyz& colour, const Xyz& white)
{
    const double fx = labCurve(colour.x / white.x);
    const double fy = labCurve(colour.y / white.y);
    const double fz = labCurve(colour.z / white.z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

Srgb toSrgb(const Xyz& c)
{
    return {encode(3.2404542 * c.x - 1.5371385 * c.y - 0.4985314 * c.z),
            encode(-0.9692660 * c.x + 1.8760108 * c.y + 0.0415560 * c.z),
            encode(0.0556434 * c.x - 0.2040259 * c.y + 1.0572252 * c.z)};
}

double hueAngle(const Lab& colour)
{
    const double h = std::atan2(colour.b, colour.a) * degrees;
    return h < 0.0 ? h + 360.0 : h;
}

double deltaE2000(const Lab& first, const Lab& second)
{
    const double meanChroma = (std::hypot(first.a, first.b) + std::hypot(second.a, second.b)) / 2.0;
    const double g = 0.5 * (1.0 - seventhPowerRatio(meanChroma));
    const double a1 = (1.0 + g) * first.a;
    const double a2 = (1.0 + g) * second.a;
    const double c1 = std::hypot(a1, first.b);
    const double c2 = std::hypot(a2, second.b);
    const auto hue = [](double b, double a) {
        if (a == 0.0 && b == 0.0)
            return 0.0;
        const double h = std::atan2(b, a) * degrees;
        return h < 0.0 ? h + 360.0 : h;
    };
    const double h1 = hue(first.b, a1);
    const double h2 = hue(second.b, a2);

    const double deltaL = second.l - first.l;
    const double deltaC = c2 - c1;
    double deltaH = 0.0;
    double meanHue = h1 + h2;
    if (c1 * c2 != 0.0) {
        double dh = h2 - h1;
        if (dh > 180.0)
            dh -= 360.0;
        else if (dh < -180.0)
            dh += 360.0;
        deltaH = 2.0 * std::sqrt(c1 * c2) * std::sin(dh / 2.0 / degrees);
        if (std::abs(h1 - h2) <= 180.0)
            meanHue = (h1 + h2) / 2.0;
        else
            meanHue = (h1 + h2 < 360.0 ? h1 + h2 + 360.0 : h1 + h2 - 360.0) / 2.0;
    }

    const double meanL = (first.l + second.l) / 2.0;
    const double meanC = (c1 + c2) / 2.0;
    const double t = 1.0 - 0.17 * std::cos((meanHue - 30.0) / degrees) +
                     0.24 * std::cos(2.0 * meanHue / degrees) +
                     0.32 * std::cos((3.0 * meanHue + 6.0) / degrees) -
                     0.20 * std::cos((4.0 * meanHue - 63.0) / degrees);
    const double lightnessOffset = (meanL - 50.0) * (meanL - 50.0);
    const double sl = 1.0 + 0.015 * lightnessOffset / std::sqrt(20.0 + lightnessOffset);
    const double sc = 1.0 + 0.045 * meanC;
    const double sh = 1.0 + 0.015 * meanC * t;
    const double rotation = 30.0 * std::exp(-std::pow((meanHue - 275.0) / 25.0, 2.0));
    const double rt = -2.0 * seventhPowerRatio(meanC) * std::sin(2.0 * rotation / degrees);

    const double l = deltaL / sl;
    const double c = deltaC / sc;
    const double h = deltaH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

} // namespace dosarium
