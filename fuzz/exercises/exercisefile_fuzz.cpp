// Feeds arbitrary bytes to the exercise file reader as a file on disk, reads it as the exercise
// window's preview and its commands do, and checks what the reader promises of each field.
#include "configurations/recordfile.h"
#include "exercises/exercisefile.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace dosarium;

namespace {

// The reader takes paths: every input is written over the same file of the process.
const QString& inputPath()
{
    static const QTemporaryDir dir;
    static const QString path = dir.path() + QStringLiteral("/exercice.E12");
    if (!dir.isValid())
        std::abort();
    return path;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Reads every character, so that a text pointing at freed or foreign memory is caught.
std::uint32_t checksum(const QString& text)
{
    std::uint32_t sum = 0;
    for (const QChar c : text)
        sum = sum * 31 + c.unicode();
    return sum;
}

bool trimmed(const QString& text)
{
    return text == text.trimmed();
}

std::uint32_t checkNames(const std::optional<ExerciseFileNames>& names)
{
    if (!names)
        return 0;
    require(trimmed(names->text) && trimmed(names->configuration));
    require(names->text.size() <= RecordFile::maxTextLength);
    require(names->configuration.size() <= RecordFile::maxTextLength);
    return checksum(names->text) ^ checksum(names->configuration);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QFile file(inputPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    const qint64 length = qint64(size);
    require(file.write(reinterpret_cast<const char*>(data), length) == length);
    file.close();

    const std::optional<ExercisePreview> preview = ExerciseFile::preview(inputPath());
    const std::optional<ExerciseFileNames> statement = ExerciseFile::statement(inputPath());
    const std::optional<ExerciseFileNames> correction = ExerciseFile::correction(inputPath());
    // Reading never changes the file.
    require(QFile(inputPath()).size() == length);

    volatile std::uint32_t sink = checkNames(statement) ^ checkNames(correction);
    require(preview.has_value() == correction.has_value());
    if (!preview)
        return 0;
    require(preview->corrected ==
            (!isBlank(correction->text) || !isBlank(correction->configuration)));
    if (preview->litMarks)
        require(*preview->litMarks >= 0 && *preview->litMarks <= 3);
    const int notionRecords = ExerciseFile::LastNotion - ExerciseFile::FirstNotion + 1;
    require(preview->notions.size() <= notionRecords * RecordFile::maxTextLength);
    sink = sink ^ checksum(preview->notions);
    if (preview->title) {
        require(trimmed(*preview->title) && preview->title->size() <= RecordFile::maxTextLength);
        sink = sink ^ checksum(*preview->title);
    }
    return 0;
}
