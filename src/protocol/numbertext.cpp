#include "protocol/numbertext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dosarium::numbertext {
namespace {

// value = (-1)^negative × 0.digits × 10^exponent, digits without leading zeros (empty for zero).
struct Decimal {
    bool negative = false;
    QByteArray digits;
    int exponent = 0;
};

Decimal decimalOf(double value, int significantDigits)
{
    Decimal d;
    if (value == 0.0 || !std::isfinite(value))
        return d;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, value);
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits.append(*p);
    }
    d.exponent = std::atoi(p + 1) + 1;
    return d;
}

// Keeps the first count digits, rounding half away from zero on the next one; returns the kept
// digits, which may have gained one digit by the carry.
QByteArray roundedDigits(const QByteArray& digits, int count)
{
    if (count < 0)
        return QByteArray();
    QByteArray kept = digits.left(count);
    if (kept.size() < count)
        kept.append(QByteArray(count - kept.size(), '0'));
    if (count < digits.size() && digits[count] >= '5') {
        int i = count - 1;
        for (; i >= 0; --i) {
            if (kept[i] == '9') {
                kept[i] = '0';
            } else {
                ++kept[i];
                break;
            }
        }
        if (i < 0)
            kept.prepend('1');
    }
    return kept;
}

QString withSeparator(QByteArray integerDigits, int decimals, bool negative, const QLocale& locale)
{
    // integerDigits holds the value times 10^decimals.
    if (integerDigits.size() < decimals + 1)
        integerDigits.prepend(QByteArray(decimals + 1 - integerDigits.size(), '0'));
    const qsizetype point = integerDigits.size() - decimals;
    qsizetype first = 0;
    while (first + 1 < point && integerDigits[first] == '0')
        ++first;
    QString text = QString::fromLatin1(integerDigits.mid(first, point - first));
    if (decimals > 0)
        text += locale.decimalPoint() + QString::fromLatin1(integerDigits.mid(point));
    const bool zero = integerDigits.count('0') == integerDigits.size();
    return negative && !zero ? QStringLiteral("-") + text : text;
}

} // namespace

QString fixed(double value, int decimals, int significantDigits, const QLocale& locale)
{
    const Decimal d = decimalOf(value, significantDigits);
    if (d.digits.isEmpty())
        return withSeparator("0", decimals, false, locale);
    const int count = d.exponent + decimals;
    QByteArray kept = roundedDigits(d.digits, count);
    if (kept.isEmpty())
        kept = "0";
    return withSeparator(kept, decimals, d.negative, locale);
}

QString general(double value, int significantDigits, const QLocale& locale)
{
    Decimal d = decimalOf(value, significantDigits);
    while (d.digits.endsWith('0'))
        d.digits.chop(1);
    if (d.digits.isEmpty())
        return QStringLiteral("0");
    const int decimals = std::max(0, int(d.digits.size()) - d.exponent);
    return fixed(value, decimals, significantDigits, locale);
}

Scientific scientific(double value, int significantDigits, const QLocale& locale)
{
    const Decimal d = decimalOf(value, significantDigits);
    Scientific result;
    if (d.digits.isEmpty()) {
        result.mantissa = QStringLiteral("0") + locale.decimalPoint() + QStringLiteral("00");
        return result;
    }
    QByteArray kept = roundedDigits(d.digits, 3);
    int exponent = d.exponent - 1;
    if (kept.size() > 3) {
        kept.chop(1);
        ++exponent;
    }
    result.mantissa = (d.negative ? QStringLiteral("-") : QString()) + QChar::fromLatin1(kept[0]) +
                      locale.decimalPoint() + QString::fromLatin1(kept.mid(1));
    result.exponent = exponent;
    return result;
}

QString hundredthsWithOneDecimal(int hundredths, const QLocale& locale)
{
    return withSeparator(QByteArray::number(std::abs(roundedTenths(hundredths))), 1, hundredths < 0,
                         locale);
}

int roundedTenths(int hundredths)
{
    const int tenths = (std::abs(hundredths) + 5) / 10;
    return hundredths < 0 ? -tenths : tenths;
}

} // namespace dosarium::numbertext
