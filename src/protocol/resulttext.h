// The result box's text: what was prepared, the concentration and the uncertainty.
#pragma once

#include "protocol/mothersolution.h"
#include "protocol/resultcomputation.h"

#include <QLocale>
#include <QString>
#include <QTextDocument>
#include <optional>

namespace dosarium::resulttext {

inline constexpr double normalPointSize = 10.0;
inline constexpr double raisedPointSize = 8.0;
// How far raised text sits above the baseline, in percent of the font height.
inline constexpr double raisedOffset = 40.0;
inline constexpr double paragraphIndent = 10.0;
inline const QString fontFamily = QStringLiteral("Arial");

// Replaces the content of document. Without a result only the opening and "C = " are written.
void write(QTextDocument& document, const QString& reagentPhrase,
           const std::optional<PreparationResult>& result, const QLocale& locale);

// Replaces the content of document with the lines that follow the result, in their own box: the
// concentration en masse of the reagent's solute and both concentrations written with their
// uncertainty. Empty when the reagent has no molar mass to give Cm.
void writeMassConcentrationAndWriting(QTextDocument& document, const PreparationResult& result,
                                      int reagentIndex, const QLocale& locale);

// Adds, after the lines of writeMassConcentrationAndWriting(), the mother solution a dilution was
// taken from and how its uncertainty adds to the dilution's.
void appendMotherSolution(QTextDocument& document, const PreparationResult& result,
                          const MotherSolution& mother, const QLocale& locale);

} // namespace dosarium::resulttext
