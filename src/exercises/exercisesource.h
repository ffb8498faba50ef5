// Exercises written as readable files (a description, a statement, a correction) and turned into
// the files the exercise window opens: ".E12", ".C05" and RTF.
#pragma once

#include "configurations/preparationamounts.h"
#include "exercises/exerciseunknown.h"

#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace dosarium {

// One preparation as a teacher writes it: the reagent, the measure and the flask.
struct PreparationSource : PreparationAmounts {
    // The message the bench shows at the end of the preparation (a refusal, a warning), if any.
    QString expectedMessage;
};

struct ExerciseSource {
    QString name; // the folder name, also the base name of the files written
    QString title;
    QString difficulty; // as written, "." for decimals
    QStringList notions;
    QString statement;  // markup
    QString correction; // markup; empty for an exercise without a correction text
    std::optional<PreparationSource> statementPreparation;
    std::optional<PreparationSource> correctionPreparation;
    // Further preparations whose results the correction quotes.
    QList<PreparationSource> checks;
    // The solution the student compares with a range of standards, if the exercise has one.
    std::optional<ExerciseUnknown> unknown;

    QString exerciseFileName() const { return name + QStringLiteral(".E12"); }
    QString statementFileName() const { return name + QStringLiteral("-enonce.rtf"); }
    QString correctionFileName() const { return name + QStringLiteral("-corrige.rtf"); }
    QString statementConfigurationName() const { return name + QStringLiteral(".C05"); }
    QString correctionConfigurationName() const { return name + QStringLiteral("-corrige.C05"); }
    QString unknownFileName() const
    {
        return QFileInfo(ExerciseUnknownFile::pathFor(exerciseFileName())).fileName();
    }
};

struct SourceReading {
    std::optional<ExerciseSource> source;
    QString error; // in French, naming the file and the line
};

class ExerciseSourceReader {
  public:
    static inline const QString descriptionFile = QStringLiteral("exercice.txt");

    // Reads the folder of one exercise: its description and the texts it names.
    static SourceReading read(const QString& folder);
    // Reads a description already loaded; `folder` is where the texts it names are looked for.
    static SourceReading parse(const QString& description, const QString& folder,
                               const QString& name);
};

class ExerciseWriter {
  public:
    // Writes the exercise's files into `directory`; false, with `error` set, on the first failure.
    static bool write(const ExerciseSource& source, const QString& directory, QString* error);
};

} // namespace dosarium
