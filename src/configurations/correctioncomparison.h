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
    // What is compared, said before the rows when it is not the preparation the workbench shows.
    QString subject;
    // Empty while the student has nothing to compare: the correction is not shown then.
    QList<ComparisonRow> rows;
    QStringList sentences;
};

// The student's preparation compared: the one the workbench shows, or the one kept aside when the
// correction's took its place on the workbench.
enum class ComparedPreparation { OnTheWorkbench, KeptBeforeCorrection };

ComparisonReport
buildComparisonReport(const BenchPreparation& student, const ConfigurationTrial& correction,
                      const QLocale& locale,
                      ComparedPreparation compared = ComparedPreparation::OnTheWorkbench);

// The workbench shows the correction's preparation and none of the student's was kept before it.
ComparisonReport nothingKeptReport();

// The message box's text: the rows as a table under the two column headings, then the sentences.
QString comparisonMessageText(const ComparisonReport& report);

// The messages a bench showed, each in French quotes, as the comparison quotes them.
QString quotedMessages(const QList<Message>& messages);

} // namespace dosarium
