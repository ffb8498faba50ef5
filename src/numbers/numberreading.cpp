#include "numbers/numberreading.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace dosarium {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string digitsFrom(std::string_view text, std::size_t& at)
{
    const std::size_t start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return std::string(text.substr(start, at - start));
}

// Out of range either way: tells an underflow, which reads as 0, from an overflow.
bool tooSmall(const std::string& whole, const std::string& exponent)
{
    const auto firstSignificant = whole.find_first_not_of('0');
    const long long wholeDigits =
        firstSignificant == std::string::npos ? 0 : (long long)(whole.size() - firstSignificant);
    long long power = 0;
    for (char digit : exponent) {
        if (digit == '-')
            continue;
        power = std::min(power * 10 + (digit - '0'), 1000000LL);
    }
    if (!exponent.empty() && exponent.front() == '-')
        power = -power;
    return wholeDigits + power <= 0;
}

} // namespace

std::optional<double> readNumber(std::string_view text)
{
    std::size_t at = 0;
    const std::size_t size = text.size();
    while (at < size && isBlank(text[at]))
        ++at;

    bool negative = false;
    if (at < size && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::string whole = digitsFrom(text, at);
    std::string fraction;
    if (at < size && text[at] == '.') {
        ++at;
        fraction = digitsFrom(text, at);
    }
    if (whole.empty() && fraction.empty())
        return 0.0;

    std::string exponent;
    if (at < size && (text[at] == 'E' || text[at] == 'e' || text[at] == 'D' || text[at] == 'd')) {
        std::size_t next = at + 1;
        std::string sign;
        if (next < size && (text[next] == '+' || text[next] == '-'))
            sign = text[next++] == '-' ? "-" : "";
        const std::string digits = digitsFrom(text, next);
        if (!digits.empty())
            exponent = sign + digits;
    }

    const std::string number = (whole.empty() ? "0" : whole) + '.' +
                               (fraction.empty() ? "0" : fraction) +
                               (exponent.empty() ? "" : 'e' + exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return tooSmall(whole, exponent) ? std::optional<double>(negative ? -0.0 : 0.0)
                                         : std::nullopt;
    if (error != std::errc())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace dosarium
