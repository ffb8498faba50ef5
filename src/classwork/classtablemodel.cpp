#include "classwork/classtablemodel.h"

#include "classwork/classworktexts.h"

#include <QDir>
#include <array>

namespace dosarium {

QStringList handInFiles(const QString& folder)
{
    QStringList files;
    const QFileInfoList entries =
        QDir(folder).entryInfoList({QStringLiteral("*.C05")}, QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries)
        files << entry.filePath();
    return files;
}

ClassTableModel::ClassTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int ClassTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ClassTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : HandInColumnCount;
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const HandInRow& row = m_rows[index.row()];
    if (role == Qt::DisplayRole)
        return row.cells.value(index.column());
    if (role != SortRole)
        return {};
    // A row without a number sorts before every number.
    const auto number = [](const std::optional<double>& value) { return value.value_or(-1.0); };
    switch (index.column()) {
    case ConcentrationColumn:
        return number(row.concentration);
    case MassConcentrationColumn:
        return number(row.massConcentration);
    case UncertaintyColumn:
        return number(row.uncertaintyPercent);
    case VerdictColumn:
        return int(row.verdict);
    default:
        break;
    }
    return row.cells.value(index.column());
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return handInHeader().value(section);
}

void ClassTableModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ClassTableModel::append(const HandInRow& row)
{
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size()));
    m_rows.append(row);
    endInsertRows();
}

QList<QStringList> ClassTableModel::cells() const
{
    QList<QStringList> cells;
    for (const HandInRow& row : m_rows)
        cells << row.cells;
    return cells;
}

QString ClassTableModel::summary() const
{
    std::array<int, handInVerdictCount> counts{};
    for (const HandInRow& row : m_rows)
        ++counts[std::size_t(row.verdict)];
    QStringList parts;
    for (int verdict = 0; verdict < handInVerdictCount; ++verdict)
        if (counts[std::size_t(verdict)] > 0)
            parts << classworktexts::summaryCount.arg(verdictText(HandInVerdict(verdict)))
                         .arg(counts[std::size_t(verdict)]);
    const QString files = classworktexts::summaryFiles.arg(m_rows.size());
    return parts.isEmpty() ? files
                           : classworktexts::summaryCount.arg(
                                 files, parts.join(classworktexts::summarySeparator));
}

} // namespace dosarium
