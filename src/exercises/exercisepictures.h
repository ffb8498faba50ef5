// The compiled-in pictures of the exercise window.
#pragma once

#include <QString>

namespace dosarium::ExercisePictures {

inline const QString markLit = QStringLiteral(":/pictures/exercises/mark-lit.svg");   // Imagalu
inline const QString markDark = QStringLiteral(":/pictures/exercises/mark-dark.svg"); // Imagenoir
inline const QString openButton = QStringLiteral(":/pictures/exercises/open-button.svg");
inline const QString closeButton = QStringLiteral(":/pictures/exercises/close-button.svg");
inline const QString loading = QStringLiteral(":/pictures/exercises/loading.svg");

} // namespace dosarium::ExercisePictures
