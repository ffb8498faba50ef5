#include "numbers/decimaldigits.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace dosarium {

DecimalDigits decimalDigits(double value, int significantDigits)
{
    DecimalDigits out;
    if (value == 0.0 || !std::isfinite(value))
        return out;
    // The locale-free scientific form: "-d.ddde+XX".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer, std::size_t(result.ptr - buffer));
    std::size_t i = 0;
    if (text[i] == '-') {
        out.negative = true;
        ++i;
    }
    const std::size_t e = text.find('e');
    for (; i < e; ++i) {
        if (text[i] != '.')
            out.digits += text[i];
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    out.exponent);
    while (out.digits.back() == '0')
        out.digits.pop_back();
    return out;
}

} // namespace dosarium
