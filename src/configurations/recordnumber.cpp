#include "configurations/recordnumber.h"

#include "numbers/numberreading.h"

#include <cmath>
#include <limits>

namespace dosarium {

namespace {

QString withSignPlace(QString digits)
{
    if (digits.startsWith(u'-'))
        return digits;
    return u' ' + digits;
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

} // namespace

QString RecordNumber::fromInteger(qint64 value)
{
    return withSignPlace(QString::number(value));
}

QString RecordNumber::fromReal(float value)
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

std::optional<double> RecordNumber::read(QStringView text)
{
    // A character beyond Latin-1 becomes "?", which ends a number like any other letter.
    const QByteArray latin1 = text.toLatin1();
    return readNumber(std::string_view(latin1.constData(), std::size_t(latin1.size())));
}

std::optional<qint16> RecordNumber::toInt16(double value)
{
    return toInteger<qint16>(value);
}

std::optional<qint32> RecordNumber::toInt32(double value)
{
    return toInteger<qint32>(value);
}

std::optional<float> RecordNumber::toReal(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const float real = float(value);
    if (!std::isfinite(real))
        return std::nullopt;
    return real;
}

} // namespace dosarium
