// The student's report, "Compte rendu": who, when, the exercise, the protocol as steps, the result
// as the bench shows it, the verdict against the correction and the student's own text, on one A4
// page.
#pragma once

#include "protocol/preparationcomparison.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace dosarium {

struct StudentIdentity {
    QString lastName;
    QString firstName;
    QString className;
};

struct StudentReport {
    StudentIdentity student;
    QDate date;
    // Empty for a free preparation.
    QString exerciseTitle;
    BenchPreparation preparation;
    // The bench's result box, copied with its raised exponents; none while nothing is prepared.
    const QTextDocument* result = nullptr;
    // The comparison's sentences; empty when the exercise has no correction configuration.
    QStringList verdict;
    QString studentText;
};

QString reportTitle(const StudentReport& report);
// The reagent with its label's data, the sample and the flask; empty before the preparation ends.
QStringList protocolSteps(const BenchPreparation& preparation, const QLocale& locale);
void fillReportDocument(QTextDocument& document, const StudentReport& report,
                        const QLocale& locale);
// The document as an A4 PDF file whose Title is `title`.
QByteArray reportPdf(QTextDocument& document, const QString& title);

} // namespace dosarium
