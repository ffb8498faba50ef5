// Number texts of the calculator: "." as decimal separator whatever the locale.
#pragma once

#include <string>

namespace dosarium {

// 15 significant digits, plain when it fits in 15 digit places, otherwise "1.5E+20" / "3.3E-03".
// The value must be finite; a non-finite value gives an empty text.
std::string formatNumber(double value);

// The "#.#######E+00" display: one digit, the point, up to seven more digits, an exponent of at
// least two digits ("5.E+00", "1.2345679E+08"). Zero is written "0.E+00". Empty for a non-finite
// value.
std::string formatScientific(double value);

} // namespace dosarium
