// One student's hand-in, a configuration file, replayed on a bench of its own and judged against
// the correction: the row the class's table shows and exports.
#pragma once

#include "configurations/configurationtrial.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

namespace dosarium {

enum HandInColumn {
    FileColumn,
    ReagentColumn,
    SampleColumn,
    FlaskColumn,
    ConcentrationColumn,
    MassConcentrationColumn,
    UncertaintyColumn,
    VerdictColumn,
    RemarksColumn,
    HandInColumnCount
};

// In the order the summary counts them.
enum class HandInVerdict {
    SameMorePrecise,
    SameAsPrecise,
    SameLessPrecise,
    DifferentReagent,
    DifferentConcentration,
    DifferentReagentAndConcentration,
    NoCorrection,
    Refused,
    Unfinished,
    Unreadable,
};
inline constexpr int handInVerdictCount = int(HandInVerdict::Unreadable) + 1;

struct HandInRow {
    HandInVerdict verdict = HandInVerdict::Unreadable;
    // One per column, as the table shows them and the exports write them.
    QStringList cells;
    // The numbers behind the concentration, mass concentration and uncertainty (in %) cells.
    std::optional<double> concentration;
    std::optional<double> massConcentration;
    std::optional<double> uncertaintyPercent;
};

QStringList handInHeader();
QString verdictText(HandInVerdict verdict);

// Reads the file as opening it would, never changing it. `correction` is the correction's
// configuration replayed once for the class; a refused or unread one judges nothing.
HandInRow handInRow(const QString& path, const ConfigurationTrial& correction,
                    const QLocale& locale);

} // namespace dosarium
