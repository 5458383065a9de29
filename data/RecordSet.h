#pragma once

#include "data/TableDef.h"

#include <QHash>
#include <QObject>
#include <QSqlQuery>
#include <QVariant>
#include <memory>
#include <vector>

class Connection;

// An updatable set of all rows of one table, in the store's order, with one
// current row. Changes to the current row are pending until update() writes
// them, or until the current row moves away, which writes them first. A
// requery re-reads the table and drops what is pending.
class RecordSet : public QObject
{
    Q_OBJECT

public:
    enum class EditMode { None, Editing, Adding };

    explicit RecordSet(const TableDef &table, QObject *parent = nullptr);
    ~RecordSet() override;

    // Opens a connection to the store (a file path or a server URI) and
    // reads every row.
    void open(const QString &location);
    void close();
    bool isOpen() const { return bool(m_connection); }
    const TableDef &table() const { return m_table; }

    void requery();

    int count() const { return int(m_rowids.size()); }
    int columnCount() const { return int(m_table.fields.size()); }
    // The current row's index; -1 before the first row, count() after the last.
    int position() const { return m_pos; }
    bool isBof() const { return m_pos < 0 || count() == 0; }
    bool isEof() const { return m_pos >= count(); }
    bool hasCurrent() const { return m_pos >= 0 && m_pos < count() && !m_currentDeleted; }
    // 1-based number of the current row.
    int absolutePosition() const;

    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    void moveTo(int row);

    void addNew();
    void update();
    void deleteCurrent();
    EditMode editMode() const { return m_mode; }

    // The current row's fields.
    QVariant value(const QString &field) const;
    void setValue(const QString &field, const QVariant &value);
    QString text(int column) const;
    QString text(const QString &field) const { return text(columnOf(field)); }
    void setText(int column, const QString &text);
    void setText(const QString &field, const QString &text) { setText(columnOf(field), text); }

    // Any row, as stored (or pending) and as a box shows it.
    const QVariant &valueAt(int row, int column) const { return m_cells[std::size_t(row) * m_table.fields.size() + std::size_t(column)]; }
    QString textAt(int row, int column) const;

    int columnOf(const QString &field) const;

signals:
    // Another row became current, or the current row was re-read.
    void currentChanged();
    void aboutToReset();
    void wasReset();
    void rowChanged(int row);
    void rowAboutToBeInserted(int row);
    void rowInserted();
    void rowAboutToBeRemoved(int row);
    void rowRemoved();

private:
    void requireOpen() const;
    void requireCurrent() const;
    void load();
    // After a broken server connection, the next action opens it again.
    void reconnectIfLost();
    void startEditing();
    bool rowExists(qint64 rowid);
    void readRow(qint64 rowid, int row);
    void writePendingBeforeMove();
    void setCurrent(int pos);
    void removeRow(int row);
    // A statement prepared once per connection and kept for reuse.
    QSqlQuery &prepared(const QString &sql);
    QVariant &cell(int row, int column) { return m_cells[std::size_t(row) * m_table.fields.size() + std::size_t(column)]; }

    TableDef m_table;
    std::unique_ptr<Connection> m_connection;
    std::vector<QVariant> m_cells; // row after row
    std::vector<qint64> m_rowids;  // 0 for the pending new row
    int m_pos = -1;
    bool m_currentDeleted = false;
    EditMode m_mode = EditMode::None;
    std::vector<bool> m_dirty;      // per column of the current row
    std::vector<QVariant> m_original; // the current row as read, while Editing
    QHash<int, QString> m_rawTexts; // texts the field's type cannot hold
    QHash<QString, QSqlQuery> m_statements;
};
