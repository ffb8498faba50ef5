#include "configurations/recordfile.h"
#include "exercises/exercisefile.h"
#include "exercises/exercisemarkup.h"
#include "exercises/exercisesource.h"
#include "exercisetestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

class SourceTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        QFile statement(dir.filePath(QStringLiteral("enonce.txt")));
        ASSERT_TRUE(statement.open(QIODevice::WriteOnly));
        statement.write("# Titre\n\nTexte de l'énoncé.\n");
    }

    SourceReading parse(const QString& description)
    {
        return ExerciseSourceReader::parse(description, dir.path(), QStringLiteral("essai"));
    }

    QTemporaryDir dir;
};

const QString header = QStringLiteral("titre = Un essai\ndifficulte = 1,5\nenonce = enonce.txt\n");

TEST_F(SourceTest, DescriptionWithNotionsKeepsQuotedBlanks)
{
    const SourceReading reading = parse(
        header + QStringLiteral("notion = pH\nnotion = \" dilution\"\n[configuration-corrige]\n"
                                "reactif = acide-chlorhydrique\nmesure = pipette-graduee\n"
                                "volume = 2.5\nfiole = 50\n"));
    ASSERT_TRUE(reading.source) << reading.error.toStdString();
    EXPECT_EQ(reading.source->notions,
              (QStringList{QStringLiteral("pH"), QStringLiteral(" dilution")}));
    EXPECT_EQ(reading.source->difficulty, QStringLiteral(" 1.5"));
    EXPECT_FALSE(reading.source->statementPreparation);
    ASSERT_TRUE(reading.source->correctionPreparation);

    const std::optional<ConfigurationValues> values =
        configurationFor(*reading.source->correctionPreparation, nullptr);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->reagentIndex, 8);
    EXPECT_EQ(values->samplingTool, 4);
    EXPECT_EQ(values->samplePosition, 15); // (15 + 10) / 10 = 2.5 mL
    EXPECT_EQ(values->flaskPosition, 1);
    EXPECT_FLOAT_EQ(values->sampledVolume, 2.5f);
    EXPECT_EQ(values->massPosition, 0);
}

struct BadPreparation {
    const char* lines;
    const char* error;
};

class RefusedPreparation : public SourceTest,
                           public ::testing::WithParamInterface<BadPreparation> {};

TEST_P(RefusedPreparation, IsReportedWithItsReason)
{
    const SourceReading reading = parse(header + QStringLiteral("[configuration-enonce]\n") +
                                        QString::fromUtf8(GetParam().lines));
    EXPECT_FALSE(reading.source);
    EXPECT_TRUE(reading.error.contains(QString::fromUtf8(GetParam().error)))
        << reading.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedPreparation,
    ::testing::Values(
        BadPreparation{"reactif = glucose\nmesure = pipette-jaugee\nvolume = 10\nfiole = 100\n",
                       "un solide se pèse"},
        BadPreparation{"reactif = glucose\nmesure = balance\nmasse = 3.605\nfiole = 100\n",
                       "au centième"},
        BadPreparation{"reactif = glucose\nmesure = balance\nmasse = 250\nfiole = 100\n",
                       "200.00 g"},
        BadPreparation{"reactif = sulfate-de-cuivre\nmesure = balance\nmasse = 1\nfiole = 100\n",
                       "se prélève en volume"},
        BadPreparation{"reactif = sulfate-de-cuivre\nmesure = pipette-jaugee\nvolume = 15\n"
                       "fiole = 100\n",
                       "prélever 15 mL"},
        BadPreparation{"reactif = sulfate-de-cuivre\nmesure = eprouvette-graduee\nvolume = 5\n"
                       "fiole = 100\n",
                       "prélever 5 mL"},
        BadPreparation{"reactif = ethanol\nmesure = balance\nmasse = 1\nfiole = 150\n",
                       "fiole de 25"},
        BadPreparation{"reactif = eau\n", "réactif inconnu « eau »"},
        BadPreparation{"reactif = ethanol\nmesure = seringue\n", "mesure inconnue"},
        BadPreparation{"mesure = balance\nmasse = 1\nfiole = 100\n", "réactif manquant"},
        BadPreparation{"couleur = rouge\n", "ligne 5 : clé inconnue « couleur »"}));

TEST_F(SourceTest, DescriptionErrorsNameTheLine)
{
    EXPECT_TRUE(parse(QStringLiteral("titre = A\nenonce = enonce.txt\n"))
                    .error.contains(QStringLiteral("difficulte manquante")));
    EXPECT_TRUE(parse(QStringLiteral("titre = A\ndifficulte = 4\n"))
                    .error.contains(QStringLiteral("ligne 2 : difficulté entre 0 et 3")));
    EXPECT_TRUE(
        parse(header + QStringLiteral("cinq notions\n")).error.contains(QStringLiteral("ligne 4")));
    EXPECT_TRUE(parse(header + QStringLiteral(
                                   "notion = a\nnotion = b\nnotion = c\nnotion = d\nnotion = e\n"))
                    .error.contains(QStringLiteral("quatre notions au plus")));
    EXPECT_TRUE(parse(QStringLiteral("titre = A\ndifficulte = 1\nenonce = absent.txt\n"))
                    .error.contains(QStringLiteral("absent.txt : fichier illisible")));
}

TEST_F(SourceTest, WrittenFilesAreReadBackByTheProgram)
{
    SourceReading reading =
        parse(header + QStringLiteral("notion = Dilution\ncorrige = enonce.txt\n"
                                      "[configuration-enonce]\nreactif = saccharose\n"
                                      "mesure = balance\nmasse = 12.5\nfiole = 25\n"));
    ASSERT_TRUE(reading.source) << reading.error.toStdString();
    QTemporaryDir out;
    QString error;
    ASSERT_TRUE(ExerciseWriter::write(*reading.source, out.path(), &error)) << error.toStdString();

    const QString exercise = out.filePath(QStringLiteral("essai.E12"));
    EXPECT_EQ(QFileInfo(exercise).size(), 11 * 128);
    const std::optional<ExerciseFileNames> statement = ExerciseFile::statement(exercise);
    ASSERT_TRUE(statement);
    EXPECT_EQ(statement->text, QStringLiteral("essai-enonce.rtf"));
    EXPECT_EQ(statement->configuration, QStringLiteral("essai.C05"));
    const std::optional<ExercisePreview> preview = ExerciseFile::preview(exercise);
    ASSERT_TRUE(preview);
    EXPECT_TRUE(preview->corrected);
    EXPECT_EQ(preview->litMarks, 2);
    EXPECT_EQ(preview->title, QStringLiteral("Un essai"));
    EXPECT_EQ(RecordFile::readRecord(exercise, ExerciseFile::CorrectionConfiguration), QString());

    const ConfigurationReading configuration =
        ConfigurationFile::read(out.filePath(QStringLiteral("essai.C05")));
    ASSERT_EQ(configuration.status, ConfigurationStatus::Read);
    EXPECT_EQ(configuration.values.reagentIndex, 3);
    EXPECT_EQ(configuration.values.massPosition, 1250);
    EXPECT_FLOAT_EQ(configuration.values.sampledMass, 12.5f);
    EXPECT_EQ(configuration.values.flaskPosition, 0);

    // Writing into a folder that does not exist fails with the file's name.
    EXPECT_FALSE(
        ExerciseWriter::write(*reading.source, out.filePath(QStringLiteral("absent")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("essai-enonce.rtf : écriture impossible")));
}

TEST(ExerciseMarkup, RtfEscapesAndFormats)
{
    const QByteArray rtf = ExerciseMarkup::toRtf(
        QStringLiteral("# Titre\n\nUn **gras** et *italique* {x} \\ C_{6}H^{+} ≤ é\n- item"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.contains("{\\b gras}"));
    EXPECT_TRUE(rtf.contains("{\\i italique}"));
    EXPECT_TRUE(rtf.contains("\\{x\\} \\\\"));
    EXPECT_TRUE(rtf.contains("C{\\sub 6}H{\\super +}"));
    EXPECT_TRUE(rtf.contains("\\u8804?")); // ≤ has no Windows-1252 byte
    EXPECT_TRUE(rtf.contains("\\'e9"));
    EXPECT_TRUE(rtf.contains("\\'95 item"));
    EXPECT_EQ(rtf.count('{'), rtf.count('}'));
    const QByteArray numbered = ExerciseMarkup::toRtf(QStringLiteral("1. Calculer\n2. Conclure"));
    EXPECT_TRUE(numbered.contains(" 1. Calculer\\par"));
    EXPECT_TRUE(numbered.contains(" 2. Conclure\\par"));
    EXPECT_FALSE(numbered.contains("\\'95"));
    EXPECT_EQ(ExerciseMarkup::toPlainText(QStringLiteral("Un **gras**\nsuite\n\n- C_{6}")),
              QStringLiteral("Un gras suite\n• C6"));
}

} // namespace

// The teacher's unknown, in g/L or mol/L, is written beside the exercise and read back from there;
// one the bench cannot make is refused at its section's line.
TEST_F(SourceTest, UnknownSolutionIsWrittenBesideTheExercise)
{
    SourceReading reading =
        parse(header + QStringLiteral("[inconnue]\nreactif = sulfate-de-cuivre\n"
                                      "concentration-en-masse = 12,0\n"));
    ASSERT_TRUE(reading.source) << reading.error.toStdString();
    QTemporaryDir out;
    QString error;
    ASSERT_TRUE(ExerciseWriter::write(*reading.source, out.path(), &error)) << error.toStdString();
    EXPECT_EQ(QFileInfo(out.filePath(QStringLiteral("essai.E12"))).size(), 11 * 128);
    QString message;
    const std::optional<ExerciseUnknown> unknown =
        ExerciseUnknownFile::read(out.filePath(QStringLiteral("essai.E12")), &message);
    ASSERT_TRUE(unknown) << message.toStdString();
    EXPECT_EQ(unknown->reagentIndex, 7);
    EXPECT_DOUBLE_EQ(unknown->concentration, 12.0 / 159.6);

    reading = parse(header + QStringLiteral("[inconnue]\nreactif = permanganate-de-potassium\n"
                                            "concentration = 7.0e-5\n"));
    ASSERT_TRUE(reading.source) << reading.error.toStdString();
    EXPECT_EQ(reading.source->unknown, (ExerciseUnknown{6, 7.0e-5}));

    const struct {
        const char* section;
        const char* error;
    } refused[] = {
        {"[inconnue]\nreactif = permanganate-de-potassium\nconcentration = 0.6\n", "ligne 4"},
        {"[inconnue]\nreactif = glucose\nconcentration = 0.1\n", "ligne 4"},
        {"[inconnue]\nreactif = sulfate-de-cuivre\n", "ligne 4 : [inconnue]"},
        {"[inconnue]\nconcentration = 0.1\nconcentration = 0.2\n", "ligne 6"},
        {"[inconnue]\nmesure = balance\n", "ligne 5 : clé inconnue"},
    };
    for (const auto& bad : refused) {
        const SourceReading failed = parse(header + QString::fromUtf8(bad.section));
        EXPECT_FALSE(failed.source) << bad.section;
        EXPECT_TRUE(failed.error.contains(QString::fromUtf8(bad.error)))
            << failed.error.toStdString();
    }
}
