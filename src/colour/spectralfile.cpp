#include "colour/spectralfile.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace dosarium {
namespace {

SpectralTable malformed()
{
    SpectralTable table;
    table.fault = ColourTableFault::Malformed;
    return table;
}

bool toNumber(const QByteArray& token, double& value)
{
    bool ok = false;
    value = token.toDouble(&ok);
    return ok && std::isfinite(value);
}

// Each token, after its prefix, read as a number onto the end of values; false when one is not.
bool appendNumbers(const QList<QByteArray>& tokens, const QByteArray& prefix,
                   std::vector<double>& values)
{
    for (const QByteArray& token : tokens) {
        double value = 0.0;
        if (!token.startsWith(prefix) || !toNumber(token.mid(prefix.size()), value))
            return false;
        values.push_back(value);
    }
    return true;
}

} // namespace

SpectralTable parseSpectralText(const QByteArray& text)
{
    enum class Section { Header, Format, Data, Done } section = Section::Header;
    long long declaredSets = -1;
    std::vector<double> wavelengths;
    std::vector<double> numbers;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> tokens = line.simplified().split(' ');
        switch (section) {
        case Section::Header:
            if (tokens[0] == "BEGIN_DATA_FORMAT") {
                if (!wavelengths.empty())
                    return malformed();
                section = Section::Format;
            } else if (tokens[0] == "BEGIN_DATA") {
                if (wavelengths.empty())
                    return malformed();
                section = Section::Data;
            } else if (tokens[0] == "NUMBER_OF_SETS" && tokens.size() == 2) {
                bool ok = false;
                declaredSets = tokens[1].toLongLong(&ok);
                if (!ok || declaredSets < 1)
                    return malformed();
            }
            break;
        case Section::Format:
            if (tokens[0] == "END_DATA_FORMAT")
                section = Section::Header;
            else if (!appendNumbers(tokens, "SPEC_", wavelengths))
                return malformed();
            break;
        case Section::Data:
            if (tokens[0] == "END_DATA")
                section = Section::Done;
            else if (!appendNumbers(tokens, "", numbers))
                return malformed();
            break;
        case Section::Done:
            break;
        }
    }
    if (section != Section::Done || numbers.empty() || numbers.size() % wavelengths.size() != 0)
        return malformed();
    const std::size_t setCount = numbers.size() / wavelengths.size();
    if (declaredSets >= 0 && static_cast<std::size_t>(declaredSets) != setCount)
        return malformed();
    SpectralTable table;
    table.wavelengths = std::move(wavelengths);
    for (std::size_t s = 0; s < setCount; ++s) {
        const auto first = numbers.begin() + static_cast<long>(s * table.wavelengths.size());
        table.sets.emplace_back(first, first + static_cast<long>(table.wavelengths.size()));
    }
    return table;
}

SpectralTable readSpectralFile(const QString& path)
{
    SpectralTable table;
    const QFileInfo info(path);
    if (!info.exists()) {
        table.fault = ColourTableFault::Missing;
        return table;
    }
    if (info.size() > spectralFileLimit)
        return malformed();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        table.fault = ColourTableFault::Unreadable;
        return table;
    }
    const QByteArray text = file.read(spectralFileLimit + 1);
    if (file.error() != QFileDevice::NoError) {
        table.fault = ColourTableFault::Unreadable;
        return table;
    }
    if (text.size() > spectralFileLimit)
        return malformed();
    return parseSpectralText(text);
}

} // namespace dosarium
