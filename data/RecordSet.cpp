#include "data/RecordSet.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Store.h"
#include "data/TextForms.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

QString typeName(FieldType type)
{
    switch (type) {
    case FieldType::Date: return QStringLiteral("tanggal");
    case FieldType::WholeNumber:
    case FieldType::Counter: return QStringLiteral("bilangan bulat");
    case FieldType::Number: return QStringLiteral("bilangan");
    case FieldType::Text:
    case FieldType::Serial: return QStringLiteral("teks");
    }
    return QString();
}

// One write transaction, taken at once (so that two programs never both
// read a counter before either writes it), rolled back unless committed.
class WriteTransaction
{
public:
    WriteTransaction(QSqlDatabase db, const QString &table) : m_db(std::move(db)), m_table(table)
    {
        QSqlQuery q(m_db);
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
            throw DataError::fromSql(q.lastError(), QStringLiteral("Menyimpan ke tabel %1").arg(m_table));
    }
    ~WriteTransaction()
    {
        if (!m_done)
            QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    }
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;

    void commit()
    {
        QSqlQuery q(m_db);
        if (!q.exec(QStringLiteral("COMMIT")))
            throw DataError::fromSql(q.lastError(), QStringLiteral("Menyimpan ke tabel %1").arg(m_table));
        m_done = true;
    }

private:
    QSqlDatabase m_db;
    QString m_table;
    bool m_done = false;
};

} // namespace

RecordSet::RecordSet(const TableDef &table, QObject *parent) : QObject(parent), m_table(table)
{
}

RecordSet::~RecordSet() = default;

void RecordSet::open(const QString &location)
{
    close();
    m_connection = std::make_unique<Connection>(location);
    try {
        load();
    } catch (...) {
        m_statements.clear();
        m_connection.reset();
        throw;
    }
}

void RecordSet::close()
{
    if (!m_connection && m_rowids.empty())
        return;
    emit aboutToReset();
    m_statements.clear();
    m_connection.reset();
    m_cells.clear();
    m_rowids.clear();
    m_pos = -1;
    m_currentDeleted = false;
    m_mode = EditMode::None;
    m_rawTexts.clear();
    emit wasReset();
    emit currentChanged();
}

void RecordSet::requireOpen() const
{
    if (!m_connection)
        throw DataError(DataError::StoreFailure,
                        QStringLiteral("Tabel %1 belum terbuka karena database tidak dapat dibuka.").arg(m_table.name));
}

void RecordSet::requireCurrent() const
{
    requireOpen();
    if (!hasCurrent())
        throw DataError(DataError::NoCurrentRecord,
                        QStringLiteral("Tidak ada record aktif: posisi di awal atau akhir data, atau record sudah dihapus."));
}

void RecordSet::reconnectIfLost()
{
    if (!m_connection->isLost())
        return;
    // Queries of the broken connection go first; what is pending stays.
    m_statements.clear();
    m_connection->reconnect();
}

void RecordSet::load()
{
    reconnectIfLost();
    QSqlQuery q(m_connection->database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                    .arg(m_table.columnList(), TableDef::quoted(m_table.name))))
        throw m_connection->error(q.lastError(), QStringLiteral("Membaca tabel %1").arg(m_table.name));

    emit aboutToReset();
    m_cells.clear();
    m_rowids.clear();
    m_rawTexts.clear();
    m_mode = EditMode::None;
    m_currentDeleted = false;
    const int columns = columnCount();
    while (q.next()) {
        m_rowids.push_back(q.value(0).toLongLong());
        for (int c = 0; c < columns; ++c)
            m_cells.push_back(q.value(c + 1));
    }
    const bool failed = q.lastError().isValid();
    m_pos = 0; // the first row, or the end of an empty set
    emit wasReset();
    emit currentChanged();
    if (failed)
        throw m_connection->error(q.lastError(), QStringLiteral("Membaca tabel %1").arg(m_table.name));
}

void RecordSet::requery()
{
    requireOpen();
    load();
}

int RecordSet::absolutePosition() const
{
    return hasCurrent() ? m_pos + 1 : -1;
}

void RecordSet::writePendingBeforeMove()
{
    if (m_mode != EditMode::None)
        update();
}

void RecordSet::setCurrent(int pos)
{
    m_pos = pos;
    m_currentDeleted = false;
    emit currentChanged();
}

void RecordSet::moveFirst()
{
    requireOpen();
    writePendingBeforeMove();
    if (count() == 0)
        throw DataError(DataError::NoCurrentRecord, QStringLiteral("Tabel %1 tidak berisi record.").arg(m_table.name));
    setCurrent(0);
}

void RecordSet::moveLast()
{
    requireOpen();
    writePendingBeforeMove();
    if (count() == 0)
        throw DataError(DataError::NoCurrentRecord, QStringLiteral("Tabel %1 tidak berisi record.").arg(m_table.name));
    setCurrent(count() - 1);
}

void RecordSet::moveNext()
{
    requireOpen();
    if (isEof() && !m_currentDeleted)
        throw DataError(DataError::NoCurrentRecord, QStringLiteral("Sudah di akhir data tabel %1.").arg(m_table.name));
    writePendingBeforeMove();
    // After a deletion the next row has already moved into this place.
    setCurrent(m_currentDeleted ? m_pos : m_pos + 1);
}

void RecordSet::movePrevious()
{
    requireOpen();
    if (m_pos < 0)
        throw DataError(DataError::NoCurrentRecord, QStringLiteral("Sudah di awal data tabel %1.").arg(m_table.name));
    writePendingBeforeMove();
    setCurrent(m_pos - 1);
}

void RecordSet::moveTo(int row)
{
    requireOpen();
    if (row < 0 || row >= count())
        throw DataError(DataError::NoCurrentRecord, QStringLiteral("Record ke-%1 tidak ada.").arg(row + 1));
    if (row == m_pos && !m_currentDeleted)
        return;
    writePendingBeforeMove();
    setCurrent(row);
}

void RecordSet::addNew()
{
    requireOpen();
    writePendingBeforeMove();
    const int row = count();
    emit rowAboutToBeInserted(row);
    m_rowids.push_back(0);
    m_cells.resize(m_cells.size() + std::size_t(columnCount()));
    emit rowInserted();
    m_mode = EditMode::Adding;
    m_dirty.assign(std::size_t(columnCount()), false);
    m_rawTexts.clear();
    setCurrent(row);
}

void RecordSet::update()
{
    requireOpen();
    if (m_mode == EditMode::None)
        return;
    reconnectIfLost();
    if (!m_rawTexts.isEmpty()) {
        const int column = m_rawTexts.constBegin().key();
        const FieldDef &f = m_table.fields.at(column);
        throw DataError(DataError::TypeMismatch,
                        QStringLiteral("Teks \"%1\" tidak dapat disimpan di field %2 (%3).")
                            .arg(m_rawTexts.value(column), f.name, typeName(f.type)));
    }

    if (m_mode == EditMode::Adding) {
        // A row that takes a serial number from the store is written in one
        // transaction with the counter that gives it.
        std::unique_ptr<WriteTransaction> transaction;
        QStringList names;
        QStringList values;
        QVariantList bound;
        const Store &store = m_connection->store();
        for (int c = 0; c < columnCount(); ++c) {
            const FieldDef &f = m_table.fields.at(c);
            const QVariant &v = cell(m_pos, c);
            if (v.isNull() && f.type == FieldType::Serial) {
                if (store.numbersInATransaction())
                    transaction = std::make_unique<WriteTransaction>(m_connection->database(), m_table.name);
                names << TableDef::quoted(f.name);
                values << QStringLiteral("?");
                bound << store.nextSerial(m_connection->database(), m_table, f);
                continue;
            }
            if (v.isNull())
                continue;
            names << TableDef::quoted(f.name);
            values << QStringLiteral("?");
            bound << v;
        }
        const QString sql = (names.isEmpty()
                                 ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(TableDef::quoted(m_table.name))
                                 : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                       .arg(TableDef::quoted(m_table.name), names.join(QStringLiteral(", ")),
                                            values.join(QStringLiteral(", "))))
                            + store.returningRowKey();
        QSqlQuery &q = prepared(sql);
        for (int i = 0; i < bound.size(); ++i)
            q.bindValue(i, bound.at(i));
        bool written = q.exec();
        qint64 rowid = 0;
        if (written && store.returningRowKey().isEmpty())
            rowid = q.lastInsertId().toLongLong();
        else if (written && (written = q.next()))
            rowid = q.value(0).toLongLong();
        const QSqlError error = q.lastError();
        q.finish();
        if (!written)
            throw m_connection->error(error, QStringLiteral("Menyimpan ke tabel %1").arg(m_table.name));
        if (transaction)
            transaction->commit();
        m_rowids[std::size_t(m_pos)] = rowid;
    } else {
        QStringList sets;
        QVariantList bound;
        for (int c = 0; c < columnCount(); ++c) {
            if (!m_dirty[std::size_t(c)])
                continue;
            sets << TableDef::quoted(m_table.fields.at(c).name) + QStringLiteral(" = ?");
            bound << cell(m_pos, c);
        }
        if (!sets.isEmpty()) {
            // Optimistic: the row is written only while it still holds what
            // this record set read, so a change another program saved in
            // between is never overwritten.
            bound << m_rowids[std::size_t(m_pos)];
            QStringList same;
            for (int c = 0; c < columnCount(); ++c) {
                same << QStringLiteral("%1 %2 ?").arg(TableDef::quoted(m_table.fields.at(c).name),
                                                      m_connection->store().sameAs());
                bound << m_original.at(std::size_t(c));
            }
            QSqlQuery &q = prepared(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ? AND %3")
                                        .arg(TableDef::quoted(m_table.name), sets.join(QStringLiteral(", ")),
                                             same.join(QStringLiteral(" AND "))));
            for (int i = 0; i < bound.size(); ++i)
                q.bindValue(i, bound.at(i));
            const bool written = q.exec();
            const QSqlError error = q.lastError();
            const int affected = q.numRowsAffected();
            q.finish();
            if (!written)
                throw m_connection->error(error, QStringLiteral("Menyimpan ke tabel %1").arg(m_table.name));
            if (affected == 0) {
                if (rowExists(m_rowids[std::size_t(m_pos)]))
                    throw DataError(DataError::Conflict,
                                    QStringLiteral("Record ini sudah diubah di tabel %1 oleh program lain sejak dibaca. "
                                                   "Perubahan ini belum disimpan; tekan Batal untuk melihat data terbaru.")
                                        .arg(m_table.name));
                throw DataError(DataError::NoCurrentRecord,
                                QStringLiteral("Record ini sudah dihapus dari tabel %1 oleh program lain.").arg(m_table.name));
            }
        }
    }
    m_mode = EditMode::None;
    m_rawTexts.clear();
    readRow(m_rowids[std::size_t(m_pos)], m_pos);
    emit rowChanged(m_pos);
    emit currentChanged();
}

void RecordSet::readRow(qint64 rowid, int row)
{
    QSqlQuery &q = prepared(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(m_table.columnList(), TableDef::quoted(m_table.name)));
    q.bindValue(0, rowid);
    if (!q.exec())
        throw m_connection->error(q.lastError(), QStringLiteral("Membaca tabel %1").arg(m_table.name));
    if (q.next())
        for (int c = 0; c < columnCount(); ++c)
            cell(row, c) = q.value(c);
    q.finish();
}

bool RecordSet::rowExists(qint64 rowid)
{
    QSqlQuery &q = prepared(QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ?").arg(TableDef::quoted(m_table.name)));
    q.bindValue(0, rowid);
    if (!q.exec())
        throw m_connection->error(q.lastError(), QStringLiteral("Membaca tabel %1").arg(m_table.name));
    const bool found = q.next();
    q.finish();
    return found;
}

QSqlQuery &RecordSet::prepared(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery q(m_connection->database());
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            throw m_connection->error(q.lastError(), QStringLiteral("Tabel %1").arg(m_table.name));
        it = m_statements.insert(sql, q);
    }
    return *it;
}

void RecordSet::removeRow(int row)
{
    emit rowAboutToBeRemoved(row);
    m_rowids.erase(m_rowids.begin() + row);
    const auto first = m_cells.begin() + std::ptrdiff_t(row) * columnCount();
    m_cells.erase(first, first + columnCount());
    emit rowRemoved();
}

void RecordSet::deleteCurrent()
{
    requireCurrent();
    if (m_mode != EditMode::Adding) {
        reconnectIfLost();
        QSqlQuery &q = prepared(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(TableDef::quoted(m_table.name)));
        q.bindValue(0, m_rowids[std::size_t(m_pos)]);
        const bool deleted = q.exec();
        const QSqlError error = q.lastError();
        q.finish();
        if (!deleted)
            throw m_connection->error(error, QStringLiteral("Menghapus dari tabel %1").arg(m_table.name));
    }
    m_mode = EditMode::None;
    m_rawTexts.clear();
    removeRow(m_pos);
    m_currentDeleted = true;
    emit currentChanged();
}

int RecordSet::columnOf(const QString &field) const
{
    const int c = m_table.indexOf(field);
    if (c < 0)
        throw DataError(DataError::StoreFailure,
                        QStringLiteral("Field %1 tidak ada di tabel %2.").arg(field, m_table.name));
    return c;
}

QVariant RecordSet::value(const QString &field) const
{
    const int c = columnOf(field);
    requireCurrent();
    return valueAt(m_pos, c);
}

void RecordSet::setValue(const QString &field, const QVariant &value)
{
    const int c = columnOf(field);
    requireCurrent();
    if (m_mode == EditMode::None)
        startEditing();
    cell(m_pos, c) = value;
    m_dirty[std::size_t(c)] = true;
    m_rawTexts.remove(c);
    emit rowChanged(m_pos);
}

void RecordSet::startEditing()
{
    m_mode = EditMode::Editing;
    m_dirty.assign(std::size_t(columnCount()), false);
    const auto first = m_cells.begin() + std::ptrdiff_t(m_pos) * columnCount();
    m_original.assign(first, first + columnCount());
}

QString RecordSet::text(int column) const
{
    requireCurrent();
    return textAt(m_pos, column);
}

void RecordSet::setText(int column, const QString &text)
{
    requireCurrent();
    const FieldDef &f = m_table.fields.at(column);
    if (m_mode == EditMode::None) {
        if (text == textAt(m_pos, column))
            return; // showing the row again changes nothing
        startEditing();
    }
    const std::optional<QVariant> stored = TextForms::storedValue(f.type, text);
    if (stored) {
        cell(m_pos, column) = *stored;
        m_rawTexts.remove(column);
    } else {
        m_rawTexts.insert(column, text);
    }
    m_dirty[std::size_t(column)] = true;
    emit rowChanged(m_pos);
}

QString RecordSet::textAt(int row, int column) const
{
    if (row == m_pos && m_mode != EditMode::None) {
        const auto raw = m_rawTexts.constFind(column);
        if (raw != m_rawTexts.constEnd())
            return *raw;
    }
    return TextForms::displayText(m_table.fields.at(column).type, valueAt(row, column));
}
