// The unknown solution beside an exercise: what the tool writes is read back, and any other file
// gives nothing with a French message, never a wrong solution.
#include "exercises/exerciseunknown.h"
#include "filebytes.h"
#include "namedcase.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

struct BadUnknown : test::NamedCase {
    QByteArray bytes;
};

class ExerciseUnknownTest : public ::testing::Test {
  protected:
    QString exercise() const { return dir.filePath(QStringLiteral("13-cuivre.E12")); }
    QString companion() const { return dir.filePath(QStringLiteral("13-cuivre-inconnue.txt")); }
    QTemporaryDir dir;
};

class BadUnknownFile : public ExerciseUnknownTest,
                       public ::testing::WithParamInterface<BadUnknown> {};

} // namespace

TEST_F(ExerciseUnknownTest, WrittenThenReadBesideTheExercise)
{
    EXPECT_EQ(ExerciseUnknownFile::pathFor(exercise()), companion());
    QString message = QStringLiteral("ancien");
    EXPECT_FALSE(ExerciseUnknownFile::read(exercise(), &message)) << "no companion file";
    EXPECT_EQ(message, QStringLiteral("ancien")) << "an exercise without an unknown is no fault";

    const ExerciseUnknown unknown{7, 12.0 / 159.6};
    ASSERT_TRUE(test::writeBytes(companion(), ExerciseUnknownFile::encode(unknown)));
    const std::optional<ExerciseUnknown> read = ExerciseUnknownFile::read(exercise(), &message);
    ASSERT_TRUE(read) << message.toStdString();
    EXPECT_EQ(*read, unknown) << "every digit of the concentration comes back";
    EXPECT_TRUE(message.isEmpty());
}

TEST_P(BadUnknownFile, GivesNothingAndSaysWhy)
{
    ASSERT_TRUE(test::writeBytes(companion(), GetParam().bytes));
    QString message;
    EXPECT_FALSE(ExerciseUnknownFile::read(exercise(), &message));
    EXPECT_TRUE(message.startsWith(QStringLiteral("La solution inconnue de l'exercice n'a pas pu "
                                                  "être lue (« 13-cuivre-inconnue.txt »)")))
        << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadUnknownFile,
    ::testing::Values(
        BadUnknown{"empty", QByteArray()},
        BadUnknown{"another program's file", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        BadUnknown{"truncated", "DOSARIUM-INCONNUE\nreactif = 7\nconcentr"},
        BadUnknown{"without its concentration", "DOSARIUM-INCONNUE\nreactif = 7\n"},
        BadUnknown{"a key twice",
                   "DOSARIUM-INCONNUE\nreactif = 7\nreactif = 6\nconcentration = 0.1\n"},
        BadUnknown{"a pure liquid", "DOSARIUM-INCONNUE\nreactif = 0\nconcentration = 0.1\n"},
        BadUnknown{"no bottle", "DOSARIUM-INCONNUE\nreactif = 9\nconcentration = 0.1\n"},
        BadUnknown{"half a bottle", "DOSARIUM-INCONNUE\nreactif = 6.5\nconcentration = 0.1\n"},
        BadUnknown{"above the stock", "DOSARIUM-INCONNUE\nreactif = 6\nconcentration = 0.6\n"},
        BadUnknown{"zero", "DOSARIUM-INCONNUE\nreactif = 6\nconcentration = 0\n"},
        BadUnknown{"not a number", "DOSARIUM-INCONNUE\nreactif = 6\nconcentration = nan\n"},
        BadUnknown{"huge", "DOSARIUM-INCONNUE\nreactif = 7\nconcentration = 0.1\n" +
                               QByteArray(8192, '\n')}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        std::replace(name.begin(), name.end(), '\'', '_');
        return name;
    });
