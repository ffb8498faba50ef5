#include "exercises/exercisefile.h"
#include "exercisetestsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;
using dosarium::testing::writeExerciseFile;

namespace {

QStringList records(const QString& correction, const QString& correctionConfiguration,
                    const QString& difficulty, const QStringList& notions = {},
                    const QString& title = QStringLiteral("Titre"))
{
    QStringList list{QStringLiteral("enonce.rtf"), QString(),  correction,
                     correctionConfiguration,      difficulty, QStringLiteral("ignoré")};
    for (int i = 0; i < 4; ++i)
        list.append(i < notions.size() ? notions[i] : QString());
    list.append(title);
    return list;
}

struct DifficultyCase {
    const char* stored;
    int lit;
};

class DifficultyMarks : public ::testing::TestWithParam<DifficultyCase> {};

TEST_P(DifficultyMarks, LightTheMarksBelowTheValue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ex.E12"));
    writeExerciseFile(path, records({}, {}, QString::fromLatin1(GetParam().stored)));
    const std::optional<ExercisePreview> preview = ExerciseFile::preview(path);
    ASSERT_TRUE(preview);
    ASSERT_TRUE(preview->litMarks);
    EXPECT_EQ(*preview->litMarks, GetParam().lit);
}

void PrintTo(const DifficultyCase& value, std::ostream* out)
{
    *out << '"' << value.stored << "\" -> " << value.lit;
}

INSTANTIATE_TEST_SUITE_P(Stored, DifficultyMarks,
                         ::testing::Values(DifficultyCase{" 0", 0}, DifficultyCase{" 1", 1},
                                           DifficultyCase{" 1.5", 2}, DifficultyCase{" 2", 2},
                                           DifficultyCase{"2", 2}, DifficultyCase{" 3", 3},
                                           DifficultyCase{" 7", 3}, DifficultyCase{"", 0},
                                           DifficultyCase{"   ", 0}, DifficultyCase{"-1", 0},
                                           DifficultyCase{" 2,5", 2}, DifficultyCase{" .5", 1}));

struct CorrectionCase {
    const char* correctionFile;
    const char* correctionConfiguration;
    bool corrected;
};

void PrintTo(const CorrectionCase& value, std::ostream* out)
{
    *out << '"' << value.correctionFile << "\", \"" << value.correctionConfiguration << '"';
}

class CorrectedExercise : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(CorrectedExercise, CountsEitherCorrectionRecord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ex.E12"));
    writeExerciseFile(path, records(QString::fromLatin1(GetParam().correctionFile),
                                    QString::fromLatin1(GetParam().correctionConfiguration),
                                    QStringLiteral(" 1")));
    const std::optional<ExercisePreview> preview = ExerciseFile::preview(path);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->corrected, GetParam().corrected);
}

INSTANTIATE_TEST_SUITE_P(Records, CorrectedExercise,
                         ::testing::Values(CorrectionCase{"corrige.rtf", "corrige.C05", true},
                                           CorrectionCase{"corrige.rtf", "", true},
                                           CorrectionCase{"", "corrige.C05", true},
                                           CorrectionCase{"", "", false},
                                           CorrectionCase{"   ", " ", false}));

TEST(ExercisePreview, ConcatenatesNotionsAsStoredAndTrimsTheTitle)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ex.E12"));
    writeExerciseFile(path, records({}, {}, QStringLiteral(" 2"),
                                    {QStringLiteral("pH"), QStringLiteral(" dilution"),
                                     QStringLiteral("   "), QStringLiteral(" fiole jaugée ")},
                                    QStringLiteral("  Préparer une solution  ")));
    const std::optional<ExercisePreview> preview = ExerciseFile::preview(path);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->notions, QStringLiteral("pH dilution fiole jaugée "));
    ASSERT_TRUE(preview->title);
    EXPECT_EQ(*preview->title, QStringLiteral("Préparer une solution"));
}

TEST(ExercisePreview, MissingFileIsNotCreated)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("absent.E12"));
    EXPECT_FALSE(ExerciseFile::preview(path));
    EXPECT_FALSE(ExerciseFile::statement(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ExercisePreview, FileCutShortKeepsWhatWasRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("court.E12"));
    // Only the first two records: the correction records cannot be read.
    writeExerciseFile(path, {QStringLiteral("enonce.rtf"), QString()});
    EXPECT_FALSE(ExerciseFile::preview(path));
    EXPECT_TRUE(ExerciseFile::statement(path));

    // Up to the difficulty: the marks are known, the notions empty, the title unknown.
    writeExerciseFile(path, records(QStringLiteral("c.rtf"), {}, QStringLiteral(" 3")).mid(0, 5));
    const std::optional<ExercisePreview> preview = ExerciseFile::preview(path);
    ASSERT_TRUE(preview);
    EXPECT_TRUE(preview->corrected);
    EXPECT_EQ(preview->litMarks, 3);
    EXPECT_TRUE(preview->notions.isEmpty());
    EXPECT_FALSE(preview->title);
}

TEST(ExercisePreview, DamagedRecordIsUnreadable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("abime.E12"));
    writeExerciseFile(path, records(QStringLiteral("c.rtf"), {}, QStringLiteral(" 1")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(2 * 128);
    file.write("\xff\x00", 2); // a length above 126
    file.close();
    EXPECT_FALSE(ExerciseFile::preview(path));
}

TEST(ExerciseFile, NamesAreTrimmed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ex.E12"));
    writeExerciseFile(path, {QStringLiteral(" enonce.rtf "), QStringLiteral("  "),
                             QStringLiteral("corrige.rtf"), QStringLiteral(" corrige.C05")});
    const std::optional<ExerciseFileNames> statement = ExerciseFile::statement(path);
    ASSERT_TRUE(statement);
    EXPECT_EQ(statement->text, QStringLiteral("enonce.rtf"));
    EXPECT_TRUE(statement->configuration.isEmpty());
    const std::optional<ExerciseFileNames> correction = ExerciseFile::correction(path);
    ASSERT_TRUE(correction);
    EXPECT_EQ(correction->configuration, QStringLiteral("corrige.C05"));
}

} // namespace
