// Measures the program on years of data, each case beside a reference made
// in the same run, and prints one table (medians of several runs).
//   penginapan_bench [--runs N] [--out FILE] [--only TEXT] [--server URI]
// With --server, URI names an empty PostgreSQL database that the suite fills
// for the server cases.

#include "BenchData.h"
#include "BenchTable.h"

#include "data/BackupFolder.h"
#include "data/BackupWriter.h"
#include "data/Connection.h"
#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/ReportQuery.h"
#include "data/ServerStore.h"
#include "data/TableDef.h"
#include "data/TextForms.h"
#include "data/Schema.h"
#include "data/WorkbookExport.h"
#include "platform/FixedClock.h"
#include "platform/Platform.h"
#include "platform/QtKeystrokes.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedMessages.h"
#include "platform/ScriptedPrinter.h"
#include "platform/ScriptedPrompt.h"
#include "platform/WindowRegistry.h"
#include "records/ListPicker.h"
#include "records/RecordWindow.h"
#include "reports/BarisLaporan.h"
#include "reports/ReceiptsReport.h"
#include "reports/frmcetaklap.h"
#include "reports/frmlaprek.h"
#include "shell/WindowCatalog.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <memory>
#include <vector>

namespace {

volatile qint64 g_sink = 0;

// Reads a whole table with one prepared SELECT * into memory.
void readTable(QSqlDatabase &db, const QString &table)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT * FROM \"%1\"").arg(table));
    q.exec();
    std::vector<QVariant> cells;
    const int columns = q.record().count();
    while (q.next())
        for (int c = 0; c < columns; ++c)
            cells.push_back(q.value(c));
    g_sink += qint64(cells.size());
}

// The same from the database file.
void readTable(const QString &table)
{
    const QString name = QStringLiteral("bench-reference");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(DataFolder::databasePath());
        db.open();
        readTable(db, table);
    }
    QSqlDatabase::removeDatabase(name);
}

qint64 peakKilobytes(qint64 pid = 0)
{
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

class BenchPlatform
{
public:
    BenchPlatform() : clock(QDateTime(QDate(2004, 3, 1), QTime(10, 0)))
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        Platform::setMessages(&messages);
        Platform::setPrompt(&prompt);
        Platform::setFileDialogs(&files);
        Platform::setKeystrokes(&keys);
        Platform::setClock(&clock);
        Platform::setPrinter(&printer);
    }
    ScriptedMessages messages;
    ScriptedPrompt prompt;
    ScriptedFileDialogs files;
    QtKeystrokes keys;
    FixedClock clock;
    ScriptedPrinter printer;
};

QTableView *gridOf(QWidget *w)
{
    return w->findChild<QTableView *>();
}

// The same driver the program uses, on the server, for the references.
template<typename Work>
void onServer(const QString &uri, Work work)
{
    const QString name = QStringLiteral("bench-server-reference");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        ServerStore::configure(db, uri);
        if (!db.open())
            qFatal("server: %s", qPrintable(db.lastError().text()));
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// frmtamu on 100,000 guests and the recapitulation over 1,000,000 stays,
// on a PostgreSQL server over its socket, beside the server's own reading.
void serverCases(BenchTable &table, const QString &uri, QTextStream &out)
{
    WindowRegistry &registry = WindowRegistry::instance();
    out << "filling the server database (100,000 guests, 1,000,000 stays)...\n";
    out.flush();
    { Connection made(uri); } // the schema
    onServer(uri, [](QSqlDatabase &db) {
        QSqlQuery q(db);
        const bool filled =
            q.exec(QStringLiteral("INSERT INTO \"Tamu\" (\"No KTP/KTA\", \"Nama\", \"Alamat\", \"Kota\", \"No Telpon\","
                                  " \"Checkin\", \"NoKamar\", \"Harga\", \"Status\") SELECT 'KTP-' || i, 'Tamu ' || i,"
                                  " 'Jl. Mawar ' || i, 'Kalisor', '0341-' || i, DATE '2004-02-28' + (i % 700),"
                                  " CASE WHEN i % 2 = 0 THEN 'PM 01' ELSE 'PT 11' END,"
                                  " CASE WHEN i % 2 = 0 THEN 60000 ELSE 75000 END, 'Isi' FROM generate_series(1, 100000) AS i"))
            && q.exec(QStringLiteral("INSERT INTO \"Transaksi\" (\"NoTransaksi\", \"No ID\", \"Nama\", \"Checkin\","
                                     " \"No Kamar\", \"HargaSewa\", \"Checkout\", \"Lama\", \"JumlahOrang\","
                                     " \"TotalBayar\", \"Pengeluaran\") SELECT lpad(i::text, 7, '0'), i::text,"
                                     " 'Tamu ' || i, DATE '2004-02-28' + (i % 700), 'PM 01', 60000,"
                                     " DATE '2004-03-01' + (i % 700), 1 + i % 5, 1 + i % 3, 60000.0 * (1 + i % 5) * (1 + i % 3),"
                                     " (i % 40000) * 0.25 FROM generate_series(1, 1000000) AS i"))
            && q.exec(QStringLiteral("ANALYZE"));
        if (!filled)
            qFatal("server fill: %s", qPrintable(q.lastError().text()));
    });
    DataFolder::setServer(uri);

    table.add(QStringLiteral("Server: open frmtamu on 100,000 guests"), [&] { registry.unload(QStringLiteral("frmtamu")); },
              [&] {
                  QWidget *shown = registry.show(QStringLiteral("frmtamu"));
                  QCoreApplication::processEvents();
                  if (gridOf(shown)->model()->rowCount() != 100000)
                      qFatal("frmtamu shows the wrong number of rows");
              },
              [&] {
                  onServer(uri, [](QSqlDatabase &db) { readTable(db, QStringLiteral("Tamu")); });
              },
              2.0, QStringLiteral("QPSQL over the local socket; reference: SELECT * through the same driver"));
    registry.unload(QStringLiteral("frmtamu"));

    auto *w = qobject_cast<frmlaprek *>(registry.show(QStringLiteral("frmlaprek")));
    table.add(QStringLiteral("Server: recapitulation, 1,000,000 stays"), nullptr,
              [&] { w->TampilData(QStringLiteral("SEMUA DATA")); },
              [&] {
                  onServer(uri, [](QSqlDatabase &db) {
                      QSqlQuery q(db);
                      q.exec(QStringLiteral("SELECT sum(\"Lama\" * \"JumlahOrang\" * \"HargaSewa\"), sum(\"Pengeluaran\"),"
                                            " sum(\"Lama\" * \"JumlahOrang\" * \"HargaSewa\" - \"Pengeluaran\") FROM \"Transaksi\""));
                      q.next();
                      g_sink += q.value(0).toLongLong();
                  });
              },
              1.5, QStringLiteral("reference: the server's own SUM query"));
    registry.unloadAll();
    DataFolder::setServer(QString());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per case."), QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Write the table to FILE."), QStringLiteral("FILE"));
    const QCommandLineOption onlyOption(QStringLiteral("only"), QStringLiteral("Run only the cases whose name holds TEXT."),
                                        QStringLiteral("TEXT"));
    const QCommandLineOption serverOption(QStringLiteral("server"),
                                          QStringLiteral("Also measure on this empty PostgreSQL database."), QStringLiteral("URI"));
    parser.addOptions({runsOption, outOption, onlyOption, serverOption});
    parser.addHelpOption();
    parser.process(app);
    const int runs = qMax(1, parser.value(runsOption).toInt());

    BenchPlatform platform;
    WindowCatalog::registerAll();
    WindowRegistry &registry = WindowRegistry::instance();
    BenchTable table(runs, parser.value(onlyOption));
    QTextStream out(stdout);

    // Record windows, search and saving on 100,000 rows a table.
    QTemporaryDir big;
    DataFolder::setRoot(big.path());
    out << "making 100,000 rows in each table...\n";
    out.flush();
    BenchData::guests(99999);
    BenchData::lastGuestNamed(QStringLiteral("Zulaikha Terakhir"));
    BenchData::stays(100000);
    BenchData::purchases(100000);

    // What start-up adds on a large file: the checks of the database the
    // program makes before anything is written, damage included, on a copy
    // that this process has never opened.
    table.addAbsolute(QStringLiteral("Start-up checks of a database with 100,000 rows a table"), [&] {
        QTemporaryDir copy;
        const QString path = copy.filePath(QStringLiteral("Database/Zavav.mdb"));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::copy(DataFolder::databasePath(), path);
        QElapsedTimer t;
        t.start();
        Database::ensure(path);
        return double(t.nsecsElapsed()) / 1e6;
    }, 500.0, QStringLiteral("plus the start-up below"));

    const QList<QPair<QString, QString>> windows = {{QStringLiteral("frmtamu"), QStringLiteral("Tamu")},
                                                    {QStringLiteral("frmtransaksi"), QStringLiteral("Transaksi")},
                                                    {QStringLiteral("frmpembelian"), QStringLiteral("Pembelian")}};
    for (const auto &[window, tableName] : windows) {
        table.add(QStringLiteral("Open %1 on 100,000 rows").arg(window), [&, w = window] { registry.unload(w); },
                  [&, w = window] {
                      QWidget *shown = registry.show(w);
                      QCoreApplication::processEvents();
                      if (gridOf(shown)->model()->rowCount() == 0)
                          qFatal("%s shows no rows", qPrintable(w));
                  },
                  [&, t = tableName] { readTable(t); }, 2.0,
                  window == QLatin1String("frmtransaksi") ? QStringLiteral("reads Tamu too, for the guest navigator")
                                                          : QString());
        registry.unload(window);
    }

    {
        // The texts the search examines, read beforehand for the plain loop.
        QStringList texts;
        {
            Connection c(DataFolder::databasePath());
            QSqlQuery q(c.database());
            q.exec(QStringLiteral("SELECT NoKamar, \"No KTP/KTA\", Nama, Alamat, Checkin FROM Tamu ORDER BY rowid"));
            while (q.next()) {
                texts << q.value(0).toString() << q.value(1).toString() << q.value(2).toString() << q.value(3).toString()
                      << TextForms::displayText(FieldType::Date, q.value(4));
            }
        }
        table.add(QStringLiteral("Find First matching the last of 100,000 guests"),
                  [&] {
                      registry.unload(QStringLiteral("frmtamu"));
                      registry.unload(QStringLiteral("frminfo"));
                      registry.show(QStringLiteral("frmtamu"));
                      platform.prompt.expect(QStringLiteral("zulaikha"));
                  },
                  [&] {
                      QWidget *w = registry.existing(QStringLiteral("frmtamu"));
                      w->findChild<QPushButton *>(QStringLiteral("cmdFindFirst"))->click();
                      if (!registry.existing(QStringLiteral("frminfo")))
                          qFatal("the search found nothing");
                  },
                  [&] {
                      int found = -1;
                      for (int i = 0; i < texts.size() && found < 0; ++i)
                          if (texts.at(i).toUpper().contains(QStringLiteral("ZULAIKHA")))
                              found = i;
                      g_sink += found;
                  },
                  2.0);
        registry.unloadAll();
    }

    {
        // The books as a workbook, beside reading the same rows.
        const QString workbook = big.filePath(QStringLiteral("buku.xlsx"));
        table.addWithLimit(QStringLiteral("Export 100,000 rows a table to .xlsx"), nullptr,
                           [&] {
                               Connection c(DataFolder::databasePath());
                               const QList<qint64> rows = WorkbookExport::write(c, workbook);
                               if (rows != QList<qint64>{100000, 100000, 100000})
                                   qFatal("the workbook misses rows");
                           },
                           [&] {
                               for (const TableDef *t : Schema::tables())
                                   readTable(t->name);
                           },
                           3000.0, QStringLiteral("reference: the three tables read into memory"));
    }

    {
        auto *guests = qobject_cast<RecordWindow *>(registry.show(QStringLiteral("frmtamu")));
        int n = 0;
        // The reference: one connection and one prepared INSERT, each run in
        // a transaction of its own (the connection writes with synchronous FULL).
        Connection reference(DataFolder::databasePath());
        QSqlQuery insert(reference.database());
        insert.prepare(QStringLiteral("INSERT INTO Tamu (\"No KTP/KTA\", Nama, Alamat, Kota, \"No Telpon\", Checkin, NoKamar, Harga, Status)"
                                      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const QVariantList values = {QStringLiteral("K"), QStringLiteral("N"), QStringLiteral("A"), QStringLiteral("Kota"),
                                     QStringLiteral("0812"), QStringLiteral("2004-03-01"), QStringLiteral("PM 04"), 60000,
                                     QStringLiteral("Isi")};
        for (int i = 0; i < values.size(); ++i)
            insert.bindValue(i, values.at(i));
        table.add(QStringLiteral("Save one new guest (durable) beside 100,000"), nullptr,
                  [&] {
                      guests->button(QStringLiteral("cmdAdd"))->click();
                      for (int box = 1; box <= 6; ++box)
                          guests->box(box)->setText(box == 4 ? QStringLiteral("01/03/2004") : QStringLiteral("Baru %1").arg(n));
                      auto *rooms = guests->findChild<ListPicker *>(QStringLiteral("Combo1"));
                      rooms->setCurrentIndex(3);
                      emit rooms->chosen(3);
                      guests->button(QStringLiteral("cmdUpdate"))->click();
                      if (!guests->button(QStringLiteral("cmdAdd"))->isEnabled())
                          qFatal("the save did not land");
                      ++n;
                  },
                  [&] {
                      QSqlDatabase db = reference.database();
                      db.transaction();
                      insert.exec(); // the values stay bound from run to run
                      db.commit();
                  },
                  1.5);
        registry.unloadAll();
    }

    {
        // A verified backup (copy, sync, integrity check, rename) beside the
        // sqlite3 shell's plain .backup of the same file.
        QTemporaryDir copies;
        const BackupFolder folder(copies.path());
        const QString reference = copies.filePath(QStringLiteral("reference.mdb"));
        QDateTime stamp(QDate(2004, 3, 1), QTime(10, 0));
        auto clear = [&] {
            for (const QString &f : QDir(copies.path()).entryList(QDir::Files))
                QFile::remove(copies.filePath(f));
        };
        auto ours = [&] {
            stamp = stamp.addSecs(1);
            if (BackupWriter::backUp(DataFolder::databasePath(), folder, stamp, false).isEmpty())
                qFatal("no backup written");
        };
        auto shellBackup = [&] {
            QProcess shell;
            shell.start(QStringLiteral("sqlite3"), {DataFolder::databasePath(), QStringLiteral(".backup '%1'").arg(reference)});
            if (!shell.waitForFinished(60000) || shell.exitCode() != 0)
                qFatal("sqlite3 .backup failed");
        };
        table.add(QStringLiteral("Backup of 100,000 rows a table"), clear, ours, shellBackup, 1.5,
                  QStringLiteral("reference: sqlite3 shell .backup"));
        // The same work done by the shell: the copy, then its check.
        table.add(QStringLiteral("Backup of 100,000 rows a table, beside .backup and integrity_check"), clear, ours,
                  [&] {
                      shellBackup();
                      QProcess check;
                      check.start(QStringLiteral("sqlite3"), {reference, QStringLiteral("PRAGMA integrity_check")});
                      if (!check.waitForFinished(60000) || check.readAllStandardOutput().trimmed() != "ok")
                          qFatal("sqlite3 integrity_check of the copy failed");
                  },
                  1.5, QStringLiteral("reference: sqlite3 shell .backup, then PRAGMA integrity_check of the copy"));
    }

    // The receipts report at the most rows its layout holds.
    QTemporaryDir report;
    DataFolder::setRoot(report.path());
    BenchData::stays(999);
    {
        auto *w = qobject_cast<frmcetaklap *>(registry.show(QStringLiteral("frmcetaklap")));
        table.add(QStringLiteral("Receipts report \"Semua Data\", 999 rows"), nullptr,
                  [&] { w->TampilData(QStringLiteral("SEMUA DATA")); },
                  [&] {
                      Connection c(DataFolder::databasePath());
                      ReportQuery q(c, ReportQuery::Category::All);
                      ReceiptsReport text(QString(), QStringLiteral("SEMUA DATA"), QStringLiteral("Senin"), QDate(2004, 3, 1));
                      QString all = text.header();
                      while (q.next()) {
                          all += text.startRow();
                          all += text.row(BarisLaporan::fromRecord([&](const QString &f) { return q.value(f); }));
                      }
                      all += text.closing();
                      QFile f(report.filePath(QStringLiteral("reference.txt")));
                      f.open(QIODevice::WriteOnly);
                      f.write(all.toUtf8());
                  },
                  3.0);
        registry.unloadAll();
    }

    // The recapitulation over a million stays.
    QTemporaryDir million;
    DataFolder::setRoot(million.path());
    out << "making 1,000,000 stays...\n";
    out.flush();
    BenchData::stays(1000000);
    {
        auto *w = qobject_cast<frmlaprek *>(registry.show(QStringLiteral("frmlaprek")));
        qint64 growth = 0;
        table.add(QStringLiteral("Recapitulation, 1,000,000 stays"), [&] { resetPeak(); },
                  [&] {
                      const qint64 before = peakKilobytes();
                      w->TampilData(QStringLiteral("SEMUA DATA"));
                      growth = qMax(growth, peakKilobytes() - before);
                  },
                  [&] {
                      Connection c(DataFolder::databasePath());
                      QSqlQuery q(c.database());
                      q.exec(QStringLiteral("SELECT sum(Lama * JumlahOrang * HargaSewa), sum(Pengeluaran),"
                                            " sum(Lama * JumlahOrang * HargaSewa - Pengeluaran) FROM Transaksi"));
                      q.next();
                      g_sink += q.value(0).toLongLong();
                  },
                  2.0);
        out << "recapitulation peak memory growth: " << growth / 1024.0 << " MB\n";
        registry.unloadAll();
    }

    if (parser.isSet(serverOption))
        serverCases(table, parser.value(serverOption), out);

    // Start-up of the real program on an empty data folder, until its main
    // window shows (the program makes its database right after showing it).
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../shell/penginapan");
    qint64 startupPeak = 0;
    table.addAbsolute(QStringLiteral("Start-up until the main window shows"), [&] {
        QTemporaryDir empty;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(program, {QStringLiteral("--data"), empty.path()});
        const QString db = empty.filePath(QStringLiteral("Database/Zavav.mdb"));
        while (!QFile::exists(db) && t.elapsed() < 10000)
            QThread::usleep(500);
        const double ms = double(t.nsecsElapsed()) / 1e6;
        startupPeak = qMax(startupPeak, peakKilobytes(p.processId()));
        p.kill();
        p.waitForFinished();
        return ms;
    }, 500.0);
    out << "start-up peak memory: " << startupPeak / 1024.0 << " MB\n\n";

    QString result;
    QTextStream r(&result);
    r << table.markdown() << "\n";
    r << "Start-up peak memory (VmHWM): " << QString::number(startupPeak / 1024.0, 'f', 1) << " MB.\n";
    r << "Machine: " << QSysInfo::prettyProductName() << ", " << QThread::idealThreadCount() << " cores; medians of "
      << runs << " runs.\n";
    out << result;
    if (parser.isSet(outOption)) {
        QSaveFile f(parser.value(outOption));
        f.open(QIODevice::WriteOnly);
        f.write(result.toUtf8());
        f.commit();
    }
    return table.allMet() ? 0 : 1;
}
