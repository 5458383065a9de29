#include "TestPlatform.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/Database.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <memory>

class TestDatabaseFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static QByteArray hashOf(const QString &path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void missingDatabaseIsCreatedWithTheExactFields()
    {
        const QString path = DataFolder::databasePath();
        QVERIFY(!QFile::exists(path));
        Connection c(path);
        QVERIFY(QFile::exists(path));
        const QStringList expected[] = {
            {"NoID", "No KTP/KTA", "Nama", "Alamat", "Kota", "No Telpon", "Checkin", "NoKamar", "Harga", "Status"},
            {"NoTransaksi", "No ID", "No KTP/KTA", "Nama", "Alamat", "Kota", "No Telpon", "Checkin", "No Kamar",
             "HargaSewa", "Checkout", "Lama", "JumlahOrang", "TotalBayar", "Pengeluaran"},
            {"Tanggal", "Nama", "Jenis", "Jumlah", "Harga", "Total"}};
        const char *tables[] = {"Tamu", "Transaksi", "Pembelian"};
        for (int t = 0; t < 3; ++t) {
            QSqlQuery q(c.database());
            QVERIFY(q.exec(QStringLiteral("SELECT * FROM \"%1\"").arg(QLatin1String(tables[t]))));
            QStringList names;
            for (int i = 0; i < q.record().count(); ++i)
                names << q.record().fieldName(i);
            QCOMPARE(names, expected[t]);
        }
    }

    void fileThatIsNotOursIsReportedAndLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("number");
        QTest::newRow("text file") << QByteArray("Daftar tamu\r\n") << int(DataError::NotOurDatabase);
        QByteArray foreign("SQLite format 3");
        foreign.append('\0');
        foreign.append(QByteArray(4096 - foreign.size(), '\0'));
        QTest::newRow("someone else's SQLite file") << foreign << int(DataError::NotOurDatabase);
        QTest::newRow("empty file") << QByteArray() << int(DataError::NotOurDatabase);
    }

    void fileThatIsNotOursIsReportedAndLeftAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        const QString path = DataFolder::databasePath();
        write(path, content);
        const QByteArray before = hashOf(path);
        try {
            Connection c(path);
            QFAIL("opened a file that is not ours");
        } catch (const DataError &e) {
            QCOMPARE(e.number(), number);
            QVERIFY2(e.description().contains(QDir::toNativeSeparators(path)), qPrintable(e.description()));
        }
        QCOMPARE(hashOf(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
    }

    void truncatedDatabaseIsReportedAndLeftAlone()
    {
        const QString path = DataFolder::databasePath();
        {
            Connection c(path);
            QSqlQuery q(c.database());
            for (int i = 0; i < 500; ++i)
                QVERIFY(q.exec(QStringLiteral("INSERT INTO Tamu (Nama) VALUES ('%1')").arg(QString(200, QLatin1Char('x')))));
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(f.size() / 2));
        f.close();
        const QByteArray before = hashOf(path);
        try {
            Connection c(path);
            QFAIL("opened a truncated file");
        } catch (const DataError &e) {
            QCOMPARE(e.number(), int(DataError::NotOurDatabase));
        }
        QCOMPARE(hashOf(path), before);
    }

    // The database was deleted or moved away, its journal was left behind.
    void newDatabaseNeverTakesPagesFromALeftoverJournal()
    {
        const QString path = DataFolder::databasePath();
        const QString wal = path + QStringLiteral("-wal");
        QByteArray journal;
        {
            Connection c(path);
            QSqlQuery q(c.database());
            for (int i = 0; i < 20; ++i)
                QVERIFY(q.exec(QStringLiteral("INSERT INTO Tamu (Nama) VALUES ('Tamu lama %1')").arg(i)));
            QFile f(wal);
            QVERIFY(f.open(QIODevice::ReadOnly));
            journal = f.readAll();
        }
        QVERIFY(journal.size() > 0);
        QVERIFY(QFile::remove(path));
        write(wal, journal);

        Connection c(path);
        QSqlQuery q(c.database());
        QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM Tamu")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0);
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        // The old journal is kept aside, whole, for whoever looks for it.
        const QStringList aside = QDir(QFileInfo(path).absolutePath())
                                      .entryList({QStringLiteral("Zavav.mdb-wal.sisa-*")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(hashOf(QFileInfo(path).absolutePath() + QLatin1Char('/') + aside.first()),
                 QCryptographicHash::hash(journal, QCryptographicHash::Sha256));
    }

    void unreadableFileIsReported()
    {
        // A folder where the file should be cannot be read as a file, even
        // by root.
        const QString path = DataFolder::databasePath();
        QVERIFY(QDir().mkpath(path));
        try {
            Connection c(path);
            QFAIL("opened something that cannot be read");
        } catch (const DataError &e) {
            QCOMPARE(e.number(), int(DataError::CannotOpen));
            QVERIFY(e.description().contains(QDir::toNativeSeparators(path)));
        }
        QVERIFY(QFileInfo(path).isDir());
    }
};

QTEST_GUILESS_MAIN(TestDatabaseFile)
#include "test_database.moc"
