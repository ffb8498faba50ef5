// Reading the ".E12" exercise files: the files an exercise names and what its preview shows.
#pragma once

#include <QString>
#include <optional>

namespace dosarium {

// Empty or only spaces: every test on a record is made on its trimmed text.
bool isBlank(const QString& text);

struct ExercisePreview {
    bool corrected = false;
    // How many of the three difficulty marks are lit; empty when the difficulty could not be
    // read, and the marks then stay hidden.
    std::optional<int> litMarks;
    // The notions as stored, blanks included, one after the other.
    QString notions;
    // Trimmed; empty when the record could not be read, and the title then stays as it was.
    std::optional<QString> title;
};

struct ExerciseFileNames {
    QString text;          // statement or correction, rich text
    QString configuration; // blank when there is none
};

class ExerciseFile {
  public:
    enum Record {
        StatementFile = 1,
        StatementConfiguration = 2,
        CorrectionFile = 3,
        CorrectionConfiguration = 4,
        Difficulty = 5,
        Unused = 6,
        FirstNotion = 7,
        LastNotion = 10,
        Title = 11,
    };

    // Nothing when records 3 and 4 cannot be read; any later record that cannot be read is
    // left out.
    static std::optional<ExercisePreview> preview(const QString& path);
    static std::optional<ExerciseFileNames> statement(const QString& path);
    static std::optional<ExerciseFileNames> correction(const QString& path);

    // Mark i (0 to 2) is lit when the difficulty is above i: 1.5 lights two marks.
    static int litMarks(double difficulty);
};

} // namespace dosarium
