// Numbers as the record files hold them: text with "." as decimal separator, whatever the locale.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace dosarium {

class RecordNumber {
  public:
    // " 200", "-3": a leading space stands where a minus sign would be.
    static QString fromInteger(qint64 value);
    // At most 7 significant digits, no trailing zeros, no "0" before the point (" .5"), an
    // exponent ("E+07", "E-05") only for very large or very small values.
    static QString fromReal(float value);

    // The lenient reading of numberreading.h; nothing when the value overflows a double.
    static std::optional<double> read(QStringView text);

    // Nearest integer of the type, halves to even; nothing outside its range.
    static std::optional<qint16> toInt16(double value);
    static std::optional<qint32> toInt32(double value);
    // Nearest 32-bit real; nothing beyond its range.
    static std::optional<float> toReal(double value);
};

} // namespace dosarium
