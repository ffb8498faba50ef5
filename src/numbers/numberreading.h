// The lenient reading of number texts, shared by the calculator and the record files: "." is the
// decimal separator whatever the locale.
#pragma once

#include <optional>
#include <string_view>

namespace dosarium {

// Reads the longest numeric prefix after leading blanks (space, tab, carriage return, line feed):
// an optional sign, digits with at most one ".", an optional exponent (letter E or D in either
// case, optional sign, digits). Reading stops at the first character that does not fit, and a text
// without digits reads as 0; so does a value too small for a double. Nothing when the value
// overflows a double.
std::optional<double> readNumber(std::string_view text);

} // namespace dosarium
