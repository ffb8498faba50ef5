// CIE XYZ, CIE L*a*b*, sRGB and the CIEDE2000 colour difference.
#pragma once

namespace dosarium {

struct Xyz {
    double x = 0.0;
    double y = 0.0; // 1 for the white ground
    double z = 0.0;
};

struct Lab {
    double l = 0.0;
    double a = 0.0;
    double b = 0.0;
};

// 8-bit sRGB with its transfer curve; colours outside the gamut are clipped channel by channel.
struct Srgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Srgb&, const Srgb&) = default;
};

Lab toLab(const Xyz& colour, const Xyz& white);
// The sRGB primaries and their D65 white (IEC 61966-2-1).
Srgb toSrgb(const Xyz& colour);
// Degrees in [0, 360).
double hueAngle(const Lab& colour);
// Sharma, Wu and Dalal's formulation, with kL = kC = kH = 1.
double deltaE2000(const Lab& first, const Lab& second);

} // namespace dosarium
