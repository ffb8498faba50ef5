// The families the workbench names. They are Windows families: fontconfig maps them to the
// metric-compatible faces installed (Liberation, DejaVu).
#pragma once

#include <QString>

namespace dosarium::WorkbenchFonts {

// The window's own font, that of its buttons and of the label's kind band.
inline const QString window = QStringLiteral("MS Sans Serif");
// The hint line, the welcome text and the label's lines.
inline const QString text = QStringLiteral("Arial");
// The reagent's name on the label.
inline const QString reagentName = QStringLiteral("Times New Roman");

} // namespace dosarium::WorkbenchFonts
