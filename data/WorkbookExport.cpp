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
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>
#include <xlsxwriter.h>

#include <dlfcn.h>
#include <minizip/zip.h>

#if defined(Q_OS_UNIX)
#include <locale.h>
#endif

namespace {

const QString kContext = QStringLiteral("Ekspor ke Excel");

DataError writeError(const QString &detail)
{
    return DataError(DataError::WriteFailed, kContext + QStringLiteral(": ") + detail);
}

qint64 rowCount(Connection &connection, const TableDef &table)
{
    QSqlQuery q(connection.database());
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(TableDef::quoted(table.name))) || !q.next())
        throw DataError::fromSql(q.lastError(), kContext);
    return q.value(0).toLongLong();
}

// A stored day (a server's date, or the file's yyyy-MM-dd text) as a
// spreadsheet date; nothing when the value is not a day.
bool toDay(const QVariant &value, lxw_datetime *out)
{
    QDate d;
    if (value.typeId() == QMetaType::QDate)
        d = value.toDate();
    else if (value.typeId() == QMetaType::QString)
        d = QDate::fromString(value.toString(), Qt::ISODate);
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
// number no spreadsheet reads. While one lives, the thread that writes the
// workbook formats numbers the C way.
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

// A field's value as the writing thread needs it, decided by the reading one.
struct Cell
{
    enum class Kind : quint8 { Empty, Number, Day, Text };
    Kind kind = Kind::Empty;
    double number = 0;  // a number
    int ymd = 0;        // a day, as yyyymmdd
    qint32 text = 0;    // a text: where its UTF-8 bytes, ended by a nul, start in the batch's texts
};

// Rows of one sheet on their way from the reading thread to the writing one.
struct Batch
{
    const TableDef *table = nullptr; // the sheet's
    int rows = 0;
    std::vector<Cell> cells; // row after row, a cell per field
    QByteArray texts;
};

constexpr int kBatchRows = 512;

Cell cellOf(const FieldDef &field, const QVariant &value, QByteArray &texts)
{
    Cell cell;
    if (value.isNull())
        return cell;
    switch (field.type) {
    case FieldType::Date: {
        lxw_datetime day;
        if (toDay(value, &day)) {
            cell.kind = Cell::Kind::Day;
            cell.ymd = day.year * 10000 + day.month * 100 + day.day;
            return cell;
        }
        break;
    }
    case FieldType::WholeNumber:
    case FieldType::Number:
    case FieldType::Counter:
        if (isNumber(value)) {
            cell.kind = Cell::Kind::Number;
            cell.number = value.toDouble();
            return cell;
        }
        break;
    case FieldType::Text:
    case FieldType::Serial:
        break;
    }
    cell.kind = Cell::Kind::Text;
    cell.text = qint32(texts.size());
    texts.append(value.toString().toUtf8()).append('\0');
    return cell;
}

// Hands batches from the reader to the writer. Only a few wait at a time, so
// a slow disk holds the reader back instead of filling memory.
class BatchQueue
{
public:
    // False once the writer has stopped taking batches.
    bool push(Batch &&batch)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_stopped || m_batches.size() < kWaiting; });
        if (m_stopped)
            return false;
        m_batches.push_back(std::move(batch));
        m_changed.notify_all();
        return true;
    }
    // The next batch; nothing once the reader is done and all are taken.
    std::optional<Batch> pop()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_done || !m_batches.empty(); });
        if (m_batches.empty())
            return std::nullopt;
        Batch batch = std::move(m_batches.front());
        m_batches.pop_front();
        m_changed.notify_all();
        return batch;
    }
    // The reader sends no more.
    void done()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_done = true;
        m_changed.notify_all();
    }
    // The writer takes no more.
    void stop()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopped = true;
        m_batches.clear();
        m_changed.notify_all();
    }

private:
    static constexpr size_t kWaiting = 4;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Batch> m_batches;
    bool m_done = false;
    bool m_stopped = false;
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

    void write(const Batch &batch)
    {
        if (batch.table != m_table)
            addSheet(*batch.table);
        const TableDef &table = *m_table;
        const int columns = int(table.fields.size());
        const Cell *cell = batch.cells.data();
        for (int r = 0; r < batch.rows; ++r) {
            ++m_row;
            for (int c = 0; c < columns; ++c, ++cell)
                writeCell(table, c, *cell, batch.texts);
        }
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
    void addSheet(const TableDef &table)
    {
        m_sheet = workbook_add_worksheet(m_book, table.name.toUtf8().constData());
        if (!m_sheet)
            throw writeError(QStringLiteral("lembar %1 tidak dapat dibuat.").arg(table.name));
        m_table = &table;
        m_row = 0;
        for (int c = 0; c < table.fields.size(); ++c) {
            const FieldDef &f = table.fields.at(c);
            const double width = f.type == FieldType::Date ? 11 : qMax(10.0, f.name.size() + 2.0);
            worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), width, nullptr);
        }
        worksheet_freeze_panes(m_sheet, 1, 0);
        for (int c = 0; c < table.fields.size(); ++c)
            check(worksheet_write_string(m_sheet, 0, lxw_col_t(c), table.fields.at(c).name.toUtf8().constData(), m_header),
                  table, c);
    }

    void writeCell(const TableDef &table, int column, const Cell &cell, const QByteArray &texts)
    {
        const lxw_col_t col = lxw_col_t(column);
        lxw_error result = LXW_NO_ERROR;
        switch (cell.kind) {
        case Cell::Kind::Empty:
            return;
        case Cell::Kind::Number:
            result = worksheet_write_number(m_sheet, m_row, col, cell.number, nullptr);
            break;
        case Cell::Kind::Day: {
            lxw_datetime day{cell.ymd / 10000, cell.ymd / 100 % 100, cell.ymd % 100, 0, 0, 0};
            result = worksheet_write_datetime(m_sheet, m_row, col, &day, m_date);
            break;
        }
        case Cell::Kind::Text:
            result = worksheet_write_string(m_sheet, m_row, col, texts.constData() + cell.text, nullptr);
            break;
        }
        check(result, table, column);
    }

    void check(lxw_error result, const TableDef &table, int column) const
    {
        if (result != LXW_NO_ERROR)
            throw writeError(QStringLiteral("lembar %1, baris %2, kolom %3 tidak dapat ditulis (%4).")
                                 .arg(table.name)
                                 .arg(m_row + 1)
                                 .arg(table.fields.at(column).name)
                                 .arg(QString::fromUtf8(lxw_strerror(result))));
    }

    lxw_workbook *m_book = nullptr;
    lxw_format *m_header = nullptr;
    lxw_format *m_date = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    const TableDef *m_table = nullptr;
    lxw_row_t m_row = 0;
};

// The workbook is written on a thread of its own while the caller reads the
// rows: formatting and zipping the sheets take most of an export's time, and
// reading meanwhile costs next to nothing on a second core.
class WorkbookWriter
{
public:
    explicit WorkbookWriter(const QString &path) : m_thread([this, path] { run(path); }) {}
    ~WorkbookWriter()
    {
        m_queue.done();
        if (m_thread.joinable())
            m_thread.join();
    }
    WorkbookWriter(const WorkbookWriter &) = delete;
    WorkbookWriter &operator=(const WorkbookWriter &) = delete;

    // Throws what stopped the writer, if anything did.
    void add(Batch &&batch)
    {
        if (!m_queue.push(std::move(batch)))
            finish();
    }
    // Waits until the workbook is whole, calling meanwhile now and then (the
    // last step, zipping the sheets, takes a while); throws what went wrong.
    void finish(const std::function<void()> &meanwhile = {})
    {
        m_queue.done();
        if (meanwhile)
            while (m_ended.wait_for(std::chrono::milliseconds(20)) == std::future_status::timeout)
                meanwhile();
        if (m_thread.joinable())
            m_thread.join();
        if (m_failure)
            throw *m_failure;
    }

private:
    void run(const QString &path)
    {
        try {
            const CNumbers cNumbers;
            Workbook book(path);
            while (std::optional<Batch> batch = m_queue.pop())
                book.write(*batch);
            book.close();
        } catch (const DataError &e) {
            m_failure = e;
        } catch (const std::exception &) {
            m_failure = writeError(QStringLiteral("memori tidak cukup."));
        }
        if (m_failure)
            m_queue.stop();
        m_end.set_value();
    }

    BatchQueue m_queue;
    std::optional<DataError> m_failure;
    std::promise<void> m_end;
    std::future<void> m_ended = m_end.get_future();
    std::thread m_thread; // last: it starts once the rest is ready
};

} // namespace

QList<qint64> WorkbookExport::write(Connection &connection, const QString &fileName, const Progress &progress)
{
    const QFileInfo target(fileName);
    if (target.isDir())
        throw writeError(QStringLiteral("nama itu sudah dipakai sebuah folder."));
    if (!target.dir().exists())
        throw writeError(QStringLiteral("folder %1 tidak ada.").arg(QDir::toNativeSeparators(target.absolutePath())));

    qint64 total = 0;
    for (const TableDef *table : Schema::tables())
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
        WorkbookWriter writer(temporaryName);
        qint64 done = 0;
        for (const TableDef *sheet : Schema::tables()) {
            const TableDef &table = *sheet;
            QSqlQuery q(connection.database());
            q.setForwardOnly(true);
            if (!q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(table.columnList(), TableDef::quoted(table.name))))
                throw DataError::fromSql(q.lastError(), kContext);
            const int columns = int(table.fields.size());
            qint64 rows = 0;
            Batch batch;
            batch.table = sheet;
            while (q.next()) {
                for (int c = 0; c < columns; ++c)
                    batch.cells.push_back(cellOf(table.fields.at(c), q.value(c), batch.texts));
                ++rows;
                if (++batch.rows == kBatchRows) {
                    writer.add(std::exchange(batch, Batch{sheet, 0, {}, {}}));
                    batch.cells.reserve(size_t(kBatchRows) * size_t(columns));
                }
                if (progress && (++done & 1023) == 0)
                    progress(done, total);
            }
            if (q.lastError().isValid())
                throw DataError::fromSql(q.lastError(), kContext);
            // Sent even when empty: an empty table still gets its sheet.
            writer.add(std::move(batch));
            counts << rows;
        }
        writer.finish([&] {
            if (progress)
                progress(done, total);
        });
    }
    // The whole workbook takes the chosen name in one step.
    if (std::rename(QFile::encodeName(temporaryName).constData(), QFile::encodeName(fileName).constData()) != 0)
        throw writeError(QStringLiteral("berkas tidak dapat diberi nama %1.").arg(QDir::toNativeSeparators(fileName)));
    temporary.setAutoRemove(false);
    if (progress)
        progress(total, total);
    return counts;
}

// libxlsxwriter zips the workbook through minizip at zlib's default level (6)
// and has no setting for another. At that level deflating the sheets took
// more time than all the rest of an export together. Level 2 deflates sheet
// XML four times as fast, as fast as level 1 and into a tenth less; the
// workbook comes out about a fifth larger. The program's own definition
// comes first for the dynamic linker, so the library's calls arrive here and
// go on to minizip with that level.
namespace {
constexpr int kZipLevel = 2;
} // namespace

extern "C" int ZEXPORT zipOpenNewFileInZip4_64(zipFile file, const char *filename, const zip_fileinfo *zipfi,
                                               const void *extrafield_local, uInt size_extrafield_local,
                                               const void *extrafield_global, uInt size_extrafield_global,
                                               const char *comment, int method, int level, int raw, int windowBits,
                                               int memLevel, int strategy, const char *password, uLong crcForCrypting,
                                               uLong versionMadeBy, uLong flagBase, int zip64)
{
    using Open = decltype(&zipOpenNewFileInZip4_64);
    static const auto minizip = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "zipOpenNewFileInZip4_64"));
    if (!minizip)
        return ZIP_INTERNALERROR;
    return minizip(file, filename, zipfi, extrafield_local, size_extrafield_local, extrafield_global,
                   size_extrafield_global, comment, method, level == Z_DEFAULT_COMPRESSION ? kZipLevel : level,
                   raw, windowBits, memLevel, strategy, password, crcForCrypting, versionMadeBy, flagBase, zip64);
}
