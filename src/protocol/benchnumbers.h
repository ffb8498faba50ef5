// Numbers as the bench writes them: decimal rounding half away from zero, done on the decimal
// digits the value's own type holds, with a locale's decimal separator and no grouping.
#pragma once

#include <QLocale>
#include <QString>

namespace dosarium::benchnumbers {

// The program's texts are French: its numbers take the French decimal comma whatever the system's
// locale (files and the calculator write "." on their own).
QLocale frenchNumbers();

// Significant digits a value of each type is read with before it is rounded for display, so that
// binary noise below that precision never decides a half.
inline constexpr int singleDigits = 7;
inline constexpr int doubleDigits = 15;

// "###0.00", "##0.0": a fixed number of decimals.
QString fixed(double value, int decimals, int significantDigits, const QLocale& locale);

// The shortest plain decimal form, trailing zeros dropped.
QString general(double value, int significantDigits, const QLocale& locale);

// "0.00E+00": the mantissa as "d,dd" and the power of ten.
struct Scientific {
    QString mantissa;
    int exponent = 0;
};
Scientific scientific(double value, int significantDigits, const QLocale& locale);
// A power of ten's exponent in superscript digits, as running text writes it: "⁻¹".
QString superscript(int exponent);

// An integer count of hundredths, written with one decimal ("##0.0" of count / 100).
QString hundredthsWithOneDecimal(int hundredths, const QLocale& locale);
// The count of tenths that text shows, a half rounded away from zero.
int roundedTenths(int hundredths);

} // namespace dosarium::benchnumbers
