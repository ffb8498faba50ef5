// A value as its decimal digits, the one place where a double is split into them.
#pragma once

#include <string>

namespace dosarium {

// value = ±d.ddd × 10^exponent, rounded to the digits asked for (exact binary value, halves to
// even); trailing zeros are dropped. No digits for zero or a non-finite value.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0; // of the first digit
};

DecimalDigits decimalDigits(double value, int significantDigits);

} // namespace dosarium
