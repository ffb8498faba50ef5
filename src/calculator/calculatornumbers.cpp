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

// "1.5E+20"; a lone digit takes the point only when asked ("1E+15", "1.E+15").
void appendExponentForm(std::string& out, const DecimalDigits& d, bool pointAfterLoneDigit)
{
    out += d.digits[0];
    if (d.digits.size() > 1 || pointAfterLoneDigit) {
        out += '.';
        out += d.digits.substr(1);
    }
    out += 'E';
    out += exponentText(d.exponent);
}

} // namespace

std::string formatNumber(double value)
{
    const DecimalDigits d = decimalDigits(value, 15);
    if (d.digits.empty())
        return std::isfinite(value) ? "0" : "";
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
    appendExponentForm(out, d, false);
    return out;
}

std::string formatScientific(double value)
{
    const DecimalDigits d = decimalDigits(value, 8);
    if (d.digits.empty())
        return std::isfinite(value) ? "0.E+00" : "";
    std::string out = d.negative ? "-" : "";
    appendExponentForm(out, d, true);
    return out;
}

} // namespace dosarium
