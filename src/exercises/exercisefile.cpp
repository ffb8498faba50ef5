#include "exercises/exercisefile.h"

#include "configurations/recordfile.h"
#include "configurations/recordnumber.h"

#include <QFile>

namespace dosarium {
namespace {

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
        if (const std::optional<double> value = RecordNumber::read(*difficulty))
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
