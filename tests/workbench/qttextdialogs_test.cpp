#include "workbench/qttextdialogs.h"

#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

using namespace dosarium;

// The name given to Qt's printer dialog is the Title of the PDF file printed through it.
TEST(QtTextDialogs, DocumentNameIsTheTitleOfThePrintedFile)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("exercice.pdf"));
    const QString title = QStringLiteral("Le simulateur et le laboratoire");
    QtTextDialogs dialogs;
    QObject context;
    QTimer::singleShot(0, &context, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    auto* printer = dynamic_cast<QPrinter*>(dialogs.choosePrinter(title));
    ASSERT_NE(printer, nullptr);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    QTextDocument document;
    document.setPlainText(QStringLiteral("Énoncé"));
    document.print(printer);

    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(pdfinfo.waitForFinished(10000));
    static const QRegularExpression titleLine(QStringLiteral("^Title: *(.*)$"),
                                              QRegularExpression::MultilineOption);
    EXPECT_EQ(titleLine.match(QString::fromUtf8(pdfinfo.readAllStandardOutput())).captured(1),
              title);
}
