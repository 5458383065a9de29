#include "data/WorkbookExport.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Schema.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryFile>
#include <cstdio>
#include <xlsxwriter.h>

#if defined(Q_OS_UNIX)
#include <locale.h>
#endif

namespace {

const QString kContext = QStringLiteral("Ekspor ke Excel");

DataError writeError(const QString &detail)
{
    return DataError(DataError::WriteFailed, kContext + QStringLiteral(": ") + detail);
}

QString columnList(const TableDef &table)
{
    QStringList names;
    for (const FieldDef &f : table.fields)
        names << TableDef::quoted(f.name);
    return names.join(QStringLiteral(", "));
}

qint64 rowCount(Connection &connection, const TableDef &table)
{
    QSqlQuery q(connection.database());
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(TableDef::quoted(table.name))) || !q.next())
        throw DataError::fromSql(q.lastError(), kContext);
    return q.value(0).toLongLong();
}

// A stored day (yyyy-MM-dd) as a spreadsheet date; nothing when the text is
// not a day.
bool toDay(const QVariant &value, lxw_datetime *out)
{
    if (value.typeId() != QMetaType::QString)
        return false;
    const QDate d = QDate::fromString(value.toString(), Qt::ISODate);
    if (!d.isValid() || d.year() < 1900)
        return false;
    *out = lxw_datetime{d.year(), d.month(), d.day(), 0, 0, 0};
    return true;
}

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

// The library writes numbers with the C library's printf, which follows the
// process's locale: under id_ID "18750.25" would come out as "18750,25", a
// number no spreadsheet reads. While one lives, this thread formats numbers
// the C way.
class CNumbers
{
public:
    CNumbers()
    {
#if defined(Q_OS_UNIX)
        m_c = newlocale(LC_NUMERIC_MASK, "C", duplocale(uselocale(nullptr)));
        if (m_c)
            m_previous = uselocale(m_c);
#endif
    }
    ~CNumbers()
    {
#if defined(Q_OS_UNIX)
        if (m_c) {
            uselocale(m_previous);
            freelocale(m_c);
        }
#endif
    }
    CNumbers(const CNumbers &) = delete;
    CNumbers &operator=(const CNumbers &) = delete;

private:
#if defined(Q_OS_UNIX)
    locale_t m_c = nullptr;
    locale_t m_previous = nullptr;
#endif
};

class Workbook
{
public:
    explicit Workbook(const QString &path)
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE; // rows go straight to disk
        m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
        if (!m_book)
            throw writeError(QStringLiteral("buku kerja tidak dapat dibuat."));
        m_header = workbook_add_format(m_book);
        format_set_bold(m_header);
        m_date = workbook_add_format(m_book);
        format_set_num_format(m_date, "dd/mm/yyyy");
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    lxw_worksheet *addSheet(const TableDef &table)
    {
        lxw_worksheet *sheet = workbook_add_worksheet(m_book, table.name.toUtf8().constData());
        if (!sheet)
            throw writeError(QStringLiteral("lembar %1 tidak dapat dibuat.").arg(table.name));
        for (int c = 0; c < table.fields.size(); ++c) {
            const FieldDef &f = table.fields.at(c);
            const double width = f.type == FieldType::Date ? 11 : qMax(10.0, f.name.size() + 2.0);
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), width, nullptr);
        }
        worksheet_freeze_panes(sheet, 1, 0);
        for (int c = 0; c < table.fields.size(); ++c)
            check(worksheet_write_string(sheet, 0, lxw_col_t(c), table.fields.at(c).name.toUtf8().constData(), m_header),
                  table, 0, c);
        return sheet;
    }

    void writeCell(lxw_worksheet *sheet, const TableDef &table, lxw_row_t row, int column, const QVariant &value)
    {
        if (value.isNull())
            return;
        const lxw_col_t col = lxw_col_t(column);
        lxw_error result = LXW_NO_ERROR;
        lxw_datetime day;
        switch (table.fields.at(column).type) {
        case FieldType::Date:
            result = toDay(value, &day) ? worksheet_write_datetime(sheet, row, col, &day, m_date)
                                        : writeText(sheet, row, col, value);
            break;
        case FieldType::WholeNumber:
        case FieldType::Number:
        case FieldType::Counter:
            result = isNumber(value) ? worksheet_write_number(sheet, row, col, value.toDouble(), nullptr)
                                     : writeText(sheet, row, col, value);
            break;
        case FieldType::Text:
        case FieldType::Serial:
            result = writeText(sheet, row, col, value);
            break;
        }
        check(result, table, row, column);
    }

    void close()
    {
        const lxw_error result = workbook_close(m_book);
        m_book = nullptr;
        if (result != LXW_NO_ERROR)
            throw writeError(QStringLiteral("berkas tidak dapat ditulis sampai selesai (%1).")
                                 .arg(QString::fromUtf8(lxw_strerror(result))));
    }

private:
    static lxw_error writeText(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const QVariant &value)
    {
        return worksheet_write_string(sheet, row, col, value.toString().toUtf8().constData(), nullptr);
    }

    static void check(lxw_error result, const TableDef &table, lxw_row_t row, int column)
    {
        if (result != LXW_NO_ERROR)
            throw writeError(QStringLiteral("lembar %1, baris %2, kolom %3 tidak dapat ditulis (%4).")
                                 .arg(table.name)
                                 .arg(row + 1)
                                 .arg(table.fields.at(column).name)
                                 .arg(QString::fromUtf8(lxw_strerror(result))));
    }

    lxw_workbook *m_book = nullptr;
    lxw_format *m_header = nullptr;
    lxw_format *m_date = nullptr;
};

} // namespace

QList<const TableDef *> WorkbookExport::tables()
{
    return {&Schema::tamu(), &Schema::transaksi(), &Schema::pembelian()};
}

QList<qint64> WorkbookExport::write(Connection &connection, const QString &fileName, const Progress &progress)
{
    const QFileInfo target(fileName);
    if (target.isDir())
        throw writeError(QStringLiteral("nama itu sudah dipakai sebuah folder."));
    if (!target.dir().exists())
        throw writeError(QStringLiteral("folder %1 tidak ada.").arg(QDir::toNativeSeparators(target.absolutePath())));

    qint64 total = 0;
    for (const TableDef *table : tables())
        total += rowCount(connection, *table);

    QTemporaryFile temporary(target.dir().filePath(QStringLiteral(".%1-XXXXXX").arg(target.fileName())));
    if (!temporary.open())
        throw writeError(QStringLiteral("berkas tidak dapat dibuat di folder itu (tidak boleh ditulisi?)."));
    temporary.close();
    const QString temporaryName = temporary.fileName();
    // The workbook gets the permissions the file it replaces had, or a new
    // file's.
    QFile::setPermissions(temporaryName, target.exists() ? target.permissions()
                                                         : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                               | QFileDevice::ReadGroup | QFileDevice::ReadOther);

    QList<qint64> counts;
    {
        const CNumbers cNumbers;
        Workbook book(temporaryName);
        qint64 done = 0;
        for (const TableDef *table : tables()) {
            lxw_worksheet *sheet = book.addSheet(*table);
            QSqlQuery q(connection.database());
            q.setForwardOnly(true);
            if (!q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                            .arg(columnList(*table), TableDef::quoted(table->name))))
                throw DataError::fromSql(q.lastError(), kContext);
            const int columns = int(table->fields.size());
            lxw_row_t row = 0;
            while (q.next()) {
                ++row;
                for (int c = 0; c < columns; ++c)
                    book.writeCell(sheet, *table, row, c, q.value(c));
                if (progress && (++done & 1023) == 0)
                    progress(done, total);
            }
            if (q.lastError().isValid())
                throw DataError::fromSql(q.lastError(), kContext);
            counts << qint64(row);
        }
        book.close();
    }
    // The whole workbook takes the chosen name in one step.
    if (std::rename(QFile::encodeName(temporaryName).constData(), QFile::encodeName(fileName).constData()) != 0)
        throw writeError(QStringLiteral("berkas tidak dapat diberi nama %1.").arg(QDir::toNativeSeparators(fileName)));
    temporary.setAutoRemove(false);
    if (progress)
        progress(total, total);
    return counts;
}
