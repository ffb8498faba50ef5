#include "protocol/benchnumbers.h"

#include "numbers/decimaldigits.h"

#include <cmath>
#include <cstdlib>

namespace dosarium::benchnumbers {
namespace {

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

QLocale frenchNumbers()
{
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    return french;
}

QString fixed(double value, int decimals, int significantDigits, const QLocale& locale)
{
    const DecimalDigits d = decimalDigits(value, significantDigits);
    if (d.digits.empty())
        return withSeparator("0", decimals, false, locale);
    const int count = d.exponent + 1 + decimals;
    QByteArray kept = roundedDigits(QByteArray::fromStdString(d.digits), count);
    if (kept.isEmpty())
        kept = "0";
    return withSeparator(kept, decimals, d.negative, locale);
}

QString general(double value, int significantDigits, const QLocale& locale)
{
    const DecimalDigits d = decimalDigits(value, significantDigits);
    if (d.digits.empty())
        return QStringLiteral("0");
    const int decimals = std::max(0, int(d.digits.size()) - 1 - d.exponent);
    return fixed(value, decimals, significantDigits, locale);
}

Scientific scientific(double value, int significantDigits, const QLocale& locale)
{
    const DecimalDigits d = decimalDigits(value, significantDigits);
    Scientific result;
    if (d.digits.empty()) {
        result.mantissa = QStringLiteral("0") + locale.decimalPoint() + QStringLiteral("00");
        return result;
    }
    QByteArray kept = roundedDigits(QByteArray::fromStdString(d.digits), 3);
    int exponent = d.exponent;
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

QString superscript(int exponent)
{
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text = exponent < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar digit : QString::number(std::abs(exponent)))
        text += digits[digit.digitValue()];
    return text;
}

} // namespace dosarium::benchnumbers
