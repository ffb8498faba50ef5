// The class's table: one row per hand-in of a folder, sortable by any column, and the summary
// that counts each verdict.
#pragma once

#include "classwork/handinrow.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace dosarium {

// The configuration files of a folder, by name; nothing else in it is read.
QStringList handInFiles(const QString& folder);

class ClassTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // The role sorting reads: numbers for the numeric columns, text for the others.
    static constexpr int SortRole = Qt::UserRole;

    explicit ClassTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void clear();
    void append(const HandInRow& row);
    const QList<HandInRow>& rows() const { return m_rows; }
    // The cells of every row, in file order.
    QList<QStringList> cells() const;
    // "6 fichier(s) : Même solution, aussi précise : 1 ; Fichier illisible : 2"
    QString summary() const;

  private:
    QList<HandInRow> m_rows;
};

} // namespace dosarium
