#include "data/RecordSetModel.h"

#include "data/RecordSet.h"

RecordSetModel::RecordSetModel(RecordSet *records, QObject *parent)
    : QAbstractTableModel(parent), m_records(records)
{
    connect(records, &RecordSet::aboutToReset, this, [this] { beginResetModel(); });
    connect(records, &RecordSet::wasReset, this, [this] { endResetModel(); });
    connect(records, &RecordSet::rowChanged, this, [this](int row) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(records, &RecordSet::rowAboutToBeInserted, this, [this](int row) { beginInsertRows(QModelIndex(), row, row); });
    connect(records, &RecordSet::rowInserted, this, [this] { endInsertRows(); });
    connect(records, &RecordSet::rowAboutToBeRemoved, this, [this](int row) { beginRemoveRows(QModelIndex(), row, row); });
    connect(records, &RecordSet::rowRemoved, this, [this] { endRemoveRows(); });
}

int RecordSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_records->count();
}

int RecordSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_records->columnCount();
}

QVariant RecordSetModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return m_records->textAt(index.row(), index.column());
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return m_records->table().fields.value(section).name;
    return section + 1;
}
