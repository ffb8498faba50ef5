// "Corriger les préparations d'une classe": a folder of hand-ins judged against an exercise's
// correction, in a table the teacher sorts, exports and prints.
#pragma once

#include "classwork/classtablemodel.h"
#include "configurations/configurationtrial.h"

#include <QDialog>
#include <functional>

class QLabel;
class QTextDocument;
class QSortFilterProxyModel;
class QTableView;

namespace dosarium {

class MessageService;
class TextDialogs;

class ClassTableWindow : public QDialog {
    Q_OBJECT

  public:
    // The correction configuration of the exercise chosen, empty when it has none.
    using CorrectionOf = std::function<QString(const QString& exerciseFile)>;

    // `correctionPath` is the open exercise's correction configuration, empty when there is none.
    ClassTableWindow(MessageService& messages, TextDialogs& dialogs, const QString& correctionPath,
                     CorrectionOf correctionOf, QWidget* parent = nullptr);

    // Reads every hand-in of `folder` into the table.
    void readFolder(const QString& folder);

  private:
    void chooseFolder();
    void chooseExercise();
    void setCorrection(const QString& path);
    void exportTable();
    void printTable();
    // The rows in the order the table shows them.
    QList<QStringList> shownRows() const;
    void fillDocument(QTextDocument& document) const;
    void showSummary();

    MessageService& m_messages;
    TextDialogs& m_dialogs;
    CorrectionOf m_correctionOf;
    QString m_correctionPath;
    ConfigurationTrial m_correction;
    QString m_folder;
    ClassTableModel m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_view;
    QLabel* m_folderLabel;
    QLabel* m_correctionLabel;
    QLabel* m_summary;
};

} // namespace dosarium
