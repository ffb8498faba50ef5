// Number texts of the calculator: "." as decimal separator whatever the locale.
#pragma once

#include <string>
#include <string_view>

namespace dosarium {

struct NumberReading {
    double value = 0.0;
    bool overflow = false;
};

// 15 significant digits, plain when it fits in 15 digit places, otherwise "1.5E+20" / "3.3E-03".
// The value must be finite; a non-finite value gives an empty text.
std::string formatNumber(double value);

// The "#.#######E+00" display: one digit, the point, up to seven more digits, an exponent of at
// least two digits ("5.E+00", "1.2345679E+08"). Zero is written "0.E+00". Empty for a non-finite
// value.
std::string formatScientific(double value);

// Reads the longest numeric prefix after leading spaces: sign, digits with one ".", exponent letter
// E or D in either case with its sign and digits. No numeric prefix reads as 0.
NumberReading parseNumber(std::string_view text);

} // namespace dosarium
