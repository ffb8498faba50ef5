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
// The lines added after the result are in the window's own text size, so that all of it shows in
// the box without scrolling.
inline constexpr double addedPointSize = 8.0;
inline constexpr double addedRaisedPointSize = 6.5;
// How far raised text sits above the baseline, in percent of the font height.
inline constexpr double raisedOffset = 40.0;
inline constexpr double paragraphIndent = 10.0;
// Inside the box's frame: narrower than the usual 4 pixels, for the lines added after the result.
inline constexpr double documentMargin = 2.0;
inline const QString fontFamily = QStringLiteral("Arial");

// Replaces the content of document. Without a result only the opening and "C = " are written.
void write(QTextDocument& document, const QString& reagentPhrase,
           const std::optional<PreparationResult>& result, const QLocale& locale);

// Adds, after what write() wrote, the concentration en masse of the reagent's solute and the
// writing of both concentrations with their uncertainty.
void appendMassConcentrationAndWriting(QTextDocument& document, const PreparationResult& result,
                                       int reagentIndex, const QLocale& locale);

// Adds the mother solution a dilution was taken from, and how its uncertainty adds to the
// dilution's.
void appendMotherSolution(QTextDocument& document, const PreparationResult& result,
                          const MotherSolution& mother, const QString& reagentPhrase,
                          const QLocale& locale);

} // namespace dosarium::resulttext
