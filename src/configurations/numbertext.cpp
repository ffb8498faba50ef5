#include "configurations/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace dosarium {

namespace {

QString withSignPlace(QString digits)
{
    if (digits.startsWith(u'-'))
        return digits;
    return u' ' + digits;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

template <typename Int> std::optional<Int> toInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(rounded);
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

QString NumberText::fromInteger(qint64 value)
{
    return withSignPlace(QString::number(value));
}

QString NumberText::fromReal(float value)
{
    if (value == 0.0f)
        return QStringLiteral(" 0");
    QString text = QString::number(double(value), 'g', 7);
    const qsizetype exponent = text.indexOf(u'e');
    if (exponent >= 0)
        text[exponent] = u'E';
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return withSignPlace(text);
}

std::optional<double> NumberText::read(QStringView text)
{
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (at < size && isBlank(text[at]))
        ++at;

    bool negative = false;
    if (at < size && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    std::string whole;
    while (at < size && isDigit(text[at]))
        whole += char(text[at++].unicode());
    std::string fraction;
    if (at < size && text[at] == u'.') {
        ++at;
        while (at < size && isDigit(text[at]))
            fraction += char(text[at++].unicode());
    }
    if (whole.empty() && fraction.empty())
        return 0.0;

    std::string exponent;
    if (at < size &&
        (text[at] == u'E' || text[at] == u'e' || text[at] == u'D' || text[at] == u'd')) {
        qsizetype next = at + 1;
        std::string sign;
        if (next < size && (text[next] == u'+' || text[next] == u'-'))
            sign = text[next++] == u'-' ? "-" : "";
        std::string digits;
        while (next < size && isDigit(text[next]))
            digits += char(text[next++].unicode());
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
        return tooSmall(whole, exponent) ? std::optional<double>(0.0) : std::nullopt;
    if (error != std::errc())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<qint16> NumberText::toInt16(double value)
{
    return toInteger<qint16>(value);
}

std::optional<qint32> NumberText::toInt32(double value)
{
    return toInteger<qint32>(value);
}

std::optional<float> NumberText::toReal(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const float real = float(value);
    if (!std::isfinite(real))
        return std::nullopt;
    return real;
}

} // namespace dosarium
