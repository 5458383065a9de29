#pragma once

#include <QAbstractTableModel>

class RecordSet;

// A grid's view of a record set: one row per record, one column per field,
// texts formed as the boxes show them. Rows are formatted only when the
// grid asks for them.
class RecordSetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RecordSetModel(RecordSet *records, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    RecordSet *m_records;
};
