// What "Comparer ma préparation au corrigé" tells the student: the bench's preparation and the one
// the correction's configuration makes side by side, in the workbench's number formats, then the
// verdict in sentences.
#pragma once

#include "configurations/configurationtrial.h"
#include "protocol/preparationcomparison.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace dosarium {

struct ComparisonRow {
    QString label;
    QString student;
    QString correction;
};

struct ComparisonReport {
    PreparationComparison comparison;
    // Empty while the student has nothing to compare: the correction is not shown then.
    QList<ComparisonRow> rows;
    QStringList sentences;
};

ComparisonReport buildComparisonReport(const BenchPreparation& student,
                                       const ConfigurationTrial& correction, const QLocale& locale);

// The message box's text: the rows as a table under the two column headings, then the sentences.
QString comparisonMessageText(const ComparisonReport& report);

} // namespace dosarium
