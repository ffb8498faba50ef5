#include "calculator/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace dosarium {

namespace {

struct DecimalDigits {
    bool negative = false;
    std::string digits; // significant digits, trailing zeros dropped, at least one
    int exponent = 0;   // of the first digit
};

// The value rounded to `significant` digits, read back from the locale-free scientific form.
DecimalDigits roundedDigits(double value, int significant)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significant - 1);
    const std::string_view text(buffer, result.ptr - buffer);
    DecimalDigits out;
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
    while (out.digits.size() > 1 && out.digits.back() == '0')
        out.digits.pop_back();
    return out;
}

std::string exponentText(int exponent)
{
    std::string out(1, exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string formatNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return "0";
    const DecimalDigits d = roundedDigits(value, 15);
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
    const DecimalDigits d = roundedDigits(value, 8);
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    out += '.';
    out += d.digits.substr(1);
    out += 'E';
    out += exponentText(d.exponent);
    return out;
}

NumberReading parseNumber(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    std::string number;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool hasDigits = false;
    bool hasPoint = false;
    for (; i < n; ++i) {
        if (isDigit(text[i])) {
            hasDigits = true;
        } else if (text[i] == '.' && !hasPoint) {
            hasPoint = true;
        } else {
            break;
        }
        number += text[i];
    }
    if (!hasDigits)
        return {};
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        const std::size_t firstDigit = j;
        while (j < n && isDigit(text[j]))
            exponent += text[j++];
        if (j > firstDigit)
            number += exponent;
    }
    const double value = strtod_l(number.c_str(), nullptr, cLocale());
    if (std::isinf(value))
        return {0.0, true};
    return {value, false};
}

} // namespace dosarium
