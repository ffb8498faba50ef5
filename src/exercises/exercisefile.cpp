#include "exercises/exercisefile.h"

#include "configurations/recordfile.h"

#include <QFile>
#include <cmath>
#include <cstdlib>
#include <string>

namespace dosarium {
namespace {

// Leading blanks, a sign, digits, a "." with digits and an exponent ("E" or "D"); reading stops
// at the first character that does not fit and a text without digits is 0.
std::optional<double> numberValue(const QString& text)
{
    const QByteArray latin = text.toLatin1();
    qsizetype i = 0;
    while (i < latin.size() && (latin[i] == ' ' || latin[i] == '\t'))
        ++i;
    std::string number;
    if (i < latin.size() && (latin[i] == '+' || latin[i] == '-'))
        number += latin[i++];
    bool digits = false;
    while (i < latin.size() && std::isdigit(static_cast<unsigned char>(latin[i]))) {
        number += latin[i++];
        digits = true;
    }
    if (i < latin.size() && latin[i] == '.') {
        number += latin[i++];
        while (i < latin.size() && std::isdigit(static_cast<unsigned char>(latin[i]))) {
            number += latin[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < latin.size() &&
        (latin[i] == 'E' || latin[i] == 'e' || latin[i] == 'D' || latin[i] == 'd')) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        if (j < latin.size() && (latin[j] == '+' || latin[j] == '-'))
            exponent += latin[j++];
        bool exponentDigits = false;
        while (j < latin.size() && std::isdigit(static_cast<unsigned char>(latin[j]))) {
            exponent += latin[j++];
            exponentDigits = true;
        }
        if (exponentDigits)
            number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<ExerciseFileNames> namesAt(const QString& path, int textRecord,
                                         int configurationRecord)
{
    // A file that is missing must not be created by reading it.
    if (!QFile::exists(path))
        return std::nullopt;
    const std::optional<QString> text = RecordFile::readRecord(path, textRecord);
    const std::optional<QString> configuration = RecordFile::readRecord(path, configurationRecord);
    if (!text || !configuration)
        return std::nullopt;
    return ExerciseFileNames{text->trimmed(), configuration->trimmed()};
}

} // namespace

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

int ExerciseFile::litMarks(double difficulty)
{
    int lit = 0;
    for (int mark = 0; mark < 3; ++mark) {
        if (difficulty > mark)
            ++lit;
    }
    return lit;
}

std::optional<ExercisePreview> ExerciseFile::preview(const QString& path)
{
    const std::optional<ExerciseFileNames> correction = ExerciseFile::correction(path);
    if (!correction)
        return std::nullopt;
    ExercisePreview preview;
    preview.corrected = !isBlank(correction->text) || !isBlank(correction->configuration);
    if (const std::optional<QString> difficulty = RecordFile::readRecord(path, Difficulty)) {
        if (const std::optional<double> value = numberValue(*difficulty))
            preview.litMarks = litMarks(*value);
    }
    for (int record = FirstNotion; record <= LastNotion; ++record) {
        const std::optional<QString> notion = RecordFile::readRecord(path, record);
        if (notion && !isBlank(*notion))
            preview.notions += *notion;
    }
    if (const std::optional<QString> title = RecordFile::readRecord(path, Title))
        preview.title = title->trimmed();
    return preview;
}

std::optional<ExerciseFileNames> ExerciseFile::statement(const QString& path)
{
    return namesAt(path, StatementFile, StatementConfiguration);
}

std::optional<ExerciseFileNames> ExerciseFile::correction(const QString& path)
{
    return namesAt(path, CorrectionFile, CorrectionConfiguration);
}

} // namespace dosarium
