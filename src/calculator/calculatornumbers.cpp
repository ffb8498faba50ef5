#include "calculator/calculatornumbers.h"

#include "numbers/decimaldigits.h"

#include <cmath>
#include <cstdlib>

namespace dosarium {

namespace {

std::string exponentText(int exponent)
{
    std::string out(1, exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

} // namespace

std::string formatNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return "0";
    const DecimalDigits d = decimalDigits(value, 15);
    const int count = int(d.digits.size());
    std::string out = d.negative ? "-" : "";
    if (d.exponent >= 0 && d.exponent <= 14) {
        const int integerDigits = d.exponent + 1;
        if (count <= integerDigits) {
            out += d.digits;
            out.append(std::size_t(integerDigits - count), '0');
        } else {
            out += d.digits.substr(0, std::size_t(integerDigits));
            out += '.';
            out += d.digits.substr(std::size_t(integerDigits));
        }
        return out;
    }
    if (d.exponent < 0) {
        const int zeros = -d.exponent - 1;
        if (zeros + count <= 15) {
            out += '.';
            out.append(std::size_t(zeros), '0');
            out += d.digits;
            return out;
        }
    }
    out += d.digits[0];
    if (count > 1) {
        out += '.';
        out += d.digits.substr(1);
    }
    out += 'E';
    out += exponentText(d.exponent);
    return out;
}

std::string formatScientific(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return "0.E+00";
    const DecimalDigits d = decimalDigits(value, 8);
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    out += '.';
    out += d.digits.substr(1);
    out += 'E';
    out += exponentText(d.exponent);
    return out;
}

} // namespace dosarium
