// The unknown solution an exercise may hold: a reagent and its concentration, set by the teacher
// and kept in a small text file beside the exercise's ".E12", whose records stay as they are.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace dosarium {

struct ExerciseUnknown {
    int reagentIndex = 0;
    double concentration = 0.0; // mol/L

    bool operator==(const ExerciseUnknown&) const = default;
};

class ExerciseUnknownFile {
  public:
    // "03-cuivre.E12" → "03-cuivre-inconnue.txt", in the same folder.
    static QString pathFor(const QString& exercisePath);

    // The file's whole content; numbers with "." whatever the locale.
    static QByteArray encode(const ExerciseUnknown& unknown);

    // The unknown of the exercise at exercisePath. Nothing, and no message, when the exercise has
    // no unknown (no companion file); nothing, with a French message naming the file, when the
    // file cannot be read or does not hold an unknown the bench can make.
    static std::optional<ExerciseUnknown> read(const QString& exercisePath,
                                               QString* message = nullptr);
    // The same check on bytes already read; `fileName` names the file in the message.
    static std::optional<ExerciseUnknown> decode(const QByteArray& bytes, const QString& fileName,
                                                 QString* message = nullptr);

    // A concentration the bench can make: above 0 and at most the cupboard's strongest stock.
    static bool acceptable(const ExerciseUnknown& unknown);
};

} // namespace dosarium
