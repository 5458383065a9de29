#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/WorkbookExport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>

// The workbook export, read back cell by cell by openpyxl, an independent
// reader of the format.
class TestWorkbookExport : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    // Every sheet and non-empty cell: "Sheet!A1<TAB>kind<TAB>value<TAB>format".
    static QStringList readBack(const QString &file)
    {
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(READ_WORKBOOK_PY), file});
        if (!p.waitForFinished(120000) || p.exitCode() != 0)
            return {QStringLiteral("(reader failed: %1)").arg(QString::fromUtf8(p.readAllStandardError()))};
        QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
        lines.removeAll(QString());
        return lines;
    }
    static QStringList entries(const QString &dir)
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    static QList<qint64> exportTo(const QString &file)
    {
        Connection connection(DataFolder::databaseLocation());
        return WorkbookExport::write(connection, file);
    }

    static void seed()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("No KTP/KTA"), QStringLiteral("001")},
                                                     {QStringLiteral("Nama"), QStringLiteral("Tamu Satu")},
                                                     {QStringLiteral("Alamat"), QStringLiteral("Jl. Mawar 1")},
                                                     {QStringLiteral("Kota"), QStringLiteral("Kalisor")},
                                                     {QStringLiteral("No Telpon"), QStringLiteral("0812 345")},
                                                     {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                                                     {QStringLiteral("NoKamar"), QStringLiteral("PM 01")},
                                                     {QStringLiteral("Harga"), 60000},
                                                     {QStringLiteral("Status"), QStringLiteral("Isi")}});
        // Empty fields stay empty cells.
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ñandú O'Brien")}});
        // Stored out of key order: the sheet keeps the store's order.
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("002")},
                                                          {QStringLiteral("No ID"), QStringLiteral("2")},
                                                          {QStringLiteral("Nama"), QStringLiteral("Tamu Dua")},
                                                          {QStringLiteral("Checkin"), QStringLiteral("2004-02-29")},
                                                          {QStringLiteral("Checkout"), QStringLiteral("2004-03-02")},
                                                          {QStringLiteral("HargaSewa"), 40000},
                                                          {QStringLiteral("Lama"), 2},
                                                          {QStringLiteral("JumlahOrang"), 3},
                                                          {QStringLiteral("TotalBayar"), 240000.0},
                                                          {QStringLiteral("Pengeluaran"), 18750.25}});
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("001")},
                                                          {QStringLiteral("No ID"), QStringLiteral("1")},
                                                          {QStringLiteral("No KTP/KTA"), QStringLiteral("007")},
                                                          {QStringLiteral("Nama"), QStringLiteral("Tamu Satu")},
                                                          {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                                                          {QStringLiteral("No Kamar"), QStringLiteral("PM 01")},
                                                          {QStringLiteral("HargaSewa"), 75000},
                                                          {QStringLiteral("Checkout"), QStringLiteral("2004-03-01")},
                                                          {QStringLiteral("Lama"), 2},
                                                          {QStringLiteral("JumlahOrang"), 1},
                                                          {QStringLiteral("TotalBayar"), 150000.0},
                                                          {QStringLiteral("Pengeluaran"), 0.0}});
        TestDatabase::insert(QStringLiteral("Pembelian"), {{QStringLiteral("Tanggal"), QStringLiteral("2004-03-01")},
                                                          {QStringLiteral("Nama"), QStringLiteral("Sabun")},
                                                          {QStringLiteral("Jenis"), QStringLiteral("001 PERLENGKAPAN")},
                                                          {QStringLiteral("Jumlah"), 2.5},
                                                          {QStringLiteral("Harga"), 3000.0},
                                                          {QStringLiteral("Total"), 7500.0}});
    }

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void readsBackCellByCell()
    {
        seed();
        const QStringList before = entries(platform->dataDir());
        const QString file = platform->path(QStringLiteral("buku.xlsx"));
        QCOMPARE(exportTo(file), (QList<qint64>{2, 2, 1}));

        const QString date = QStringLiteral("dd/mm/yyyy");
        const auto text = [](const char *cell, const char *value) {
            return QStringLiteral("%1\ttext\t%2\tGeneral").arg(QLatin1String(cell), QString::fromUtf8(value));
        };
        const auto number = [](const char *cell, const char *value) {
            return QStringLiteral("%1\tnumber\t%2\tGeneral").arg(QLatin1String(cell), QLatin1String(value));
        };
        const auto day = [&](const char *cell, const char *value) {
            return QStringLiteral("%1\tdate\t%2 00:00:00\t%3").arg(QLatin1String(cell), QLatin1String(value), date);
        };
        const auto header = [&](const char *sheet, const QStringList &names) {
            QStringList cells;
            for (int i = 0; i < names.size(); ++i)
                cells << QStringLiteral("%1!%2%3\ttext\t%4\tGeneral")
                             .arg(QLatin1String(sheet), QString(QChar('A' + i)), QStringLiteral("1"), names.at(i));
            return cells;
        };
        QStringList expected;
        expected << QStringLiteral("sheets\tTamu\tTransaksi\tPembelian") << QStringLiteral("Tamu\tdimensions\tA1:J3");
        expected << header("Tamu", {"NoID", "No KTP/KTA", "Nama", "Alamat", "Kota", "No Telpon", "Checkin", "NoKamar",
                                    "Harga", "Status"});
        expected << number("Tamu!A2", "1") << text("Tamu!B2", "001") << text("Tamu!C2", "Tamu Satu")
                 << text("Tamu!D2", "Jl. Mawar 1") << text("Tamu!E2", "Kalisor") << text("Tamu!F2", "0812 345")
                 << day("Tamu!G2", "2004-02-28") << text("Tamu!H2", "PM 01") << number("Tamu!I2", "60000")
                 << text("Tamu!J2", "Isi");
        expected << number("Tamu!A3", "2") << text("Tamu!C3", "Ñandú O'Brien");
        expected << QStringLiteral("Transaksi\tdimensions\tA1:O3");
        expected << header("Transaksi", {"NoTransaksi", "No ID", "No KTP/KTA", "Nama", "Alamat", "Kota", "No Telpon",
                                         "Checkin", "No Kamar", "HargaSewa", "Checkout", "Lama", "JumlahOrang",
                                         "TotalBayar", "Pengeluaran"});
        expected << text("Transaksi!A2", "002") << text("Transaksi!B2", "2") << text("Transaksi!D2", "Tamu Dua")
                 << day("Transaksi!H2", "2004-02-29") << number("Transaksi!J2", "40000")
                 << day("Transaksi!K2", "2004-03-02") << number("Transaksi!L2", "2") << number("Transaksi!M2", "3")
                 << number("Transaksi!N2", "240000") << number("Transaksi!O2", "18750.25");
        expected << text("Transaksi!A3", "001") << text("Transaksi!B3", "1") << text("Transaksi!C3", "007")
                 << text("Transaksi!D3", "Tamu Satu") << day("Transaksi!H3", "2004-02-28")
                 << text("Transaksi!I3", "PM 01") << number("Transaksi!J3", "75000")
                 << day("Transaksi!K3", "2004-03-01") << number("Transaksi!L3", "2") << number("Transaksi!M3", "1")
                 << number("Transaksi!N3", "150000") << number("Transaksi!O3", "0");
        expected << QStringLiteral("Pembelian\tdimensions\tA1:F2");
        expected << header("Pembelian", {"Tanggal", "Nama", "Jenis", "Jumlah", "Harga", "Total"});
        expected << day("Pembelian!A2", "2004-03-01") << text("Pembelian!B2", "Sabun")
                 << text("Pembelian!C2", "001 PERLENGKAPAN") << number("Pembelian!D2", "2.5")
                 << number("Pembelian!E2", "3000") << number("Pembelian!F2", "7500");

        const QStringList actual = readBack(file);
        for (int i = 0; i < qMin(actual.size(), expected.size()); ++i)
            QCOMPARE(actual.at(i), expected.at(i));
        QCOMPARE(actual.size(), expected.size());
        // Nothing but the workbook is left in the folder.
        QStringList after = before;
        after << QStringLiteral("buku.xlsx");
        after.sort();
        QStringList now = entries(platform->dataDir());
        now.sort();
        QCOMPARE(now, after);
    }

    void emptyBooksGiveHeadersOnly()
    {
        const QString file = platform->path(QStringLiteral("kosong.xlsx"));
        QCOMPARE(exportTo(file), (QList<qint64>{0, 0, 0}));
        const QStringList actual = readBack(file);
        QCOMPARE(actual.filter(QStringLiteral("dimensions")),
                 (QStringList{QStringLiteral("Tamu\tdimensions\tA1:J1"), QStringLiteral("Transaksi\tdimensions\tA1:O1"),
                              QStringLiteral("Pembelian\tdimensions\tA1:F1")}));
    }

    // Rows travel to the thread that writes the workbook in batches: a table
    // of exactly two batches and one that ends in a part batch keep every row
    // once, in order.
    void rowsCrossingBatchesKeepTheirOrder()
    {
        const QString numbers = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ");
        TestDatabase::exec(numbers.arg(1024) + QStringLiteral("INSERT INTO \"Tamu\" (\"Nama\", \"Harga\") SELECT 'Tamu ' || i, i FROM n"));
        TestDatabase::exec(numbers.arg(1300)
                           + QStringLiteral("INSERT INTO \"Pembelian\" (\"Nama\", \"Jumlah\") SELECT 'Barang ' || i, i FROM n"));
        const QString file = platform->path(QStringLiteral("banyak.xlsx"));
        QCOMPARE(exportTo(file), (QList<qint64>{1024, 0, 1300}));

        const QStringList actual = readBack(file);
        const auto column = [&](const QString &prefix) {
            QStringList values;
            for (const QString &line : actual)
                if (line.startsWith(prefix))
                    values << line.section(QLatin1Char('\t'), 2, 2);
            return values;
        };
        QStringList guests{QStringLiteral("Nama")}, prices{QStringLiteral("Harga")};
        for (int i = 1; i <= 1024; ++i)
            guests << QStringLiteral("Tamu %1").arg(i), prices << QString::number(i);
        QCOMPARE(column(QStringLiteral("Tamu!C")), guests);
        QCOMPARE(column(QStringLiteral("Tamu!I")), prices);
        QStringList goods{QStringLiteral("Nama")}, amounts{QStringLiteral("Jumlah")};
        for (int i = 1; i <= 1300; ++i)
            goods << QStringLiteral("Barang %1").arg(i), amounts << QString::number(i);
        QCOMPARE(column(QStringLiteral("Pembelian!B")), goods);
        QCOMPARE(column(QStringLiteral("Pembelian!D")), amounts);
        QCOMPARE(actual.filter(QStringLiteral("Transaksi!")).size(), 15);

        // Every part of the file is deflated at a fast level (general purpose
        // flag bits 1 and 2: "fast"), which keeps a large export quick.
        QProcess zip;
        zip.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral("-c"),
                   QStringLiteral("import sys, zipfile; print(sorted({(i.compress_type, i.flag_bits & 6)"
                                  " for i in zipfile.ZipFile(sys.argv[1]).infolist()}))"),
                   file});
        QVERIFY(zip.waitForFinished(60000));
        QCOMPARE(zip.readAllStandardOutput().trimmed(), QByteArray("[(8, 4)]"));
    }

    void aFailedExportLeavesNothingUnderTheName_data()
    {
        QTest::addColumn<QString>("name"); // within the data folder
        QTest::addColumn<bool>("overOlder"); // a cell no workbook can hold, over an older workbook
        QTest::addColumn<int>("guestsAfter"); // 0: that cell is in the last sheet; else in the first, before these
        QTest::newRow("folder missing") << "tidak-ada/buku.xlsx" << false << 0;
        QTest::newRow("a file stands where the folder should") << "catatan.txt/buku.xlsx" << false << 0;
        QTest::newRow("the name is a folder") << "Arsip" << false << 0;
        QTest::newRow("a text too long for a cell, in the last sheet") << "buku.xlsx" << true << 0;
        QTest::newRow("the same, with thousands of rows still to read") << "buku.xlsx" << true << 5000;
    }

    void aFailedExportLeavesNothingUnderTheName()
    {
        QFETCH(QString, name);
        QFETCH(bool, overOlder);
        QFETCH(int, guestsAfter);
        seed();
        QFile note(platform->path(QStringLiteral("catatan.txt")));
        QVERIFY(note.open(QIODevice::WriteOnly));
        note.close();
        QVERIFY(QDir(platform->dataDir()).mkdir(QStringLiteral("Arsip")));
        const QString file = platform->path(name);
        if (overOlder) {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("lama");
            old.close();
            TestDatabase::insert(guestsAfter ? QStringLiteral("Tamu") : QStringLiteral("Pembelian"),
                                 {{QStringLiteral("Nama"), QString(40000, QLatin1Char('x'))}});
            if (guestsAfter)
                TestDatabase::exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
                                                  " INSERT INTO \"Tamu\" (\"Nama\") SELECT 'Tamu ' || i FROM n")
                                       .arg(guestsAfter));
        }
        const QStringList before = entries(platform->dataDir());
        try {
            exportTo(file);
            QFAIL("the export did not fail");
        } catch (const DataError &e) {
            QCOMPARE(e.number(), int(DataError::WriteFailed));
            QVERIFY2(e.description().startsWith(QStringLiteral("Ekspor ke Excel: ")), qPrintable(e.description()));
        }
        QCOMPARE(entries(platform->dataDir()), before);
        if (overOlder) {
            QFile old(file);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("lama"));
        } else {
            QVERIFY(!QFileInfo(file).isFile());
        }
    }
};

QTEST_MAIN(TestWorkbookExport)
#include "test_workbookexport.moc"
