#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/BackupCheck.h"
#include "data/BackupFolder.h"
#include "data/BackupWriter.h"
#include "data/Backups.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/Restorer.h"
#include "data/Schema.h"
#include "data/RetentionPlan.h"
#include "data/Settings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlQuery>
#include <QTest>
#include <memory>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// Backups in DATA/Cadangan and the second folder, the retention plan, and
// restoring a backup, on real files in a temporary data folder.
class TestBackups : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static void addGuest(const QString &name)
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), name}, {QStringLiteral("Status"), QStringLiteral("Isi")}});
    }

    static QStringList guestsIn(const QString &path)
    {
        Connection c(path);
        QSqlQuery q(c.database());
        q.exec(QStringLiteral("SELECT Nama FROM Tamu ORDER BY NoID"));
        QStringList names;
        while (q.next())
            names << q.value(0).toString();
        return names;
    }

    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray();
        return f.readAll();
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QStringList filesIn(const QString &dir)
    {
        return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    static void addGuests(int count)
    {
        TestDatabase::exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                          "INSERT INTO Tamu (Nama, Alamat, Status) SELECT 'Tamu nomor ' || i, "
                                          "'Jalan yang cukup panjang untuk mengisi halaman nomor ' || i, 'Isi' FROM n").arg(count));
    }

    QDateTime now() const { return platform->clock.now(); }

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void backupIsVerifiedAndTakenWhenTheBooksChanged()
    {
        addGuest(QStringLiteral("Ani"));
        addGuest(QStringLiteral("Budi"));
        const Backups::Outcome first = Backups::run(now(), true);
        const QString expected = DataFolder::root() + QStringLiteral("/Cadangan/Zavav-20040301-100000.mdb");
        QCOMPARE(first.written, expected);
        QCOMPARE(first.newest, expected);
        QCOMPARE(guestsIn(expected), QStringList({QStringLiteral("Ani"), QStringLiteral("Budi")}));
        QCOMPARE(BackupCheck::verify(expected).guests, 2);
        // Only the backup itself is left: no temporary file, no side files.
        QCOMPARE(filesIn(DataFolder::root() + QStringLiteral("/Cadangan")), QStringList({QStringLiteral("Zavav-20040301-100000.mdb")}));

        // Unchanged books need no new backup; a change of one field does.
        platform->clock.set(now().addSecs(60));
        QCOMPARE(Backups::run(now(), true).written, QString());
        TestDatabase::exec(QStringLiteral("UPDATE Tamu SET Kota = 'Kalisor' WHERE Nama = 'Budi'"));
        QCOMPARE(Backups::run(now(), true).written, DataFolder::root() + QStringLiteral("/Cadangan/Zavav-20040301-100100.mdb"));

        // Asked for explicitly, a backup is written even when nothing
        // changed; a name already taken moves on by a second.
        QCOMPARE(Backups::run(now(), false).written, DataFolder::root() + QStringLiteral("/Cadangan/Zavav-20040301-100101.mdb"));
    }

    void missingDatabaseIsReportedAndLeavesNoBackup()
    {
        try {
            Backups::run(now(), true);
            QFAIL("a backup of no database succeeded");
        } catch (const DataError &e) {
            QVERIFY2(e.description().contains(QLatin1String("tidak ada")), qPrintable(e.description()));
        }
        QVERIFY(BackupFolder::primary().backups().isEmpty());
    }

    void badFilesAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("text file") << "text" << "rusak atau bukan database Penginapan";
        QTest::newRow("truncated copy") << "truncated" << "rusak";
        QTest::newRow("foreign SQLite file") << "foreign" << "bukan database Penginapan";
        QTest::newRow("a field missing") << "field" << "tidak memiliki field Pengeluaran di tabel Transaksi";
        QTest::newRow("no such file") << "missing" << "tidak ada";
    }

    void badFilesAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        addGuests(300);
        const QString good = Backups::run(now(), false).written;
        const QString bad = platform->path(QStringLiteral("pilihan.mdb"));
        if (kind == QLatin1String("text")) {
            write(bad, "Ini hanya catatan, bukan database.\r\n");
        } else if (kind == QLatin1String("truncated")) {
            const QByteArray whole = bytesOf(good);
            write(bad, whole.left(whole.size() / 2));
        } else if (kind == QLatin1String("foreign") || kind == QLatin1String("field")) {
            const QString name = QStringLiteral("foreign-%1").arg(kind);
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(bad);
                QVERIFY(db.open());
                QSqlQuery q(db);
                if (kind == QLatin1String("foreign")) {
                    QVERIFY(q.exec(QStringLiteral("CREATE TABLE Tamu (Nama TEXT)")));
                } else {
                    // Ours in every way but one field.
                    QVERIFY(q.exec(QStringLiteral("ATTACH '%1' AS good").arg(good)));
                    QVERIFY(q.exec(QStringLiteral("PRAGMA application_id = %1").arg(Schema::applicationId)));
                    QVERIFY(q.exec(QStringLiteral("CREATE TABLE Tamu AS SELECT * FROM good.Tamu")));
                    QVERIFY(q.exec(QStringLiteral("CREATE TABLE Pembelian AS SELECT * FROM good.Pembelian")));
                    QVERIFY(q.exec(QStringLiteral("CREATE TABLE Transaksi AS SELECT * FROM good.Transaksi")));
                    QVERIFY(q.exec(QStringLiteral("ALTER TABLE Transaksi DROP COLUMN Pengeluaran")));
                }
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }

        const QString database = DataFolder::databasePath();
        const QByteArray before = bytesOf(database);
        const QStringList filesBefore = filesIn(QFileInfo(database).absolutePath());
        const QStringList backupsBefore = BackupFolder::primary().backups();
        bool closed = false;
        try {
            Restorer::restore(bad, now().addSecs(3600), [&] { closed = true; });
            QFAIL("a bad file was restored");
        } catch (const DataError &e) {
            QVERIFY2(e.description().contains(said), qPrintable(e.description()));
            QVERIFY2(e.description().contains(QDir::toNativeSeparators(bad)), qPrintable(e.description()));
        }
        QVERIFY(!closed);
        QCOMPARE(bytesOf(database), before);
        QCOMPARE(BackupFolder::primary().backups(), backupsBefore);
        QCOMPARE(filesIn(QFileInfo(database).absolutePath()), filesBefore);
    }

    void restorePutsTheBackupsRowsInPlace()
    {
        addGuest(QStringLiteral("Ani"));
        const QString chosen = Backups::run(now(), true).written;
        addGuest(QStringLiteral("Budi"));

        int closes = 0;
        platform->clock.set(now().addSecs(3600));
        {
            // A connection of this program is open until everything closes.
            auto open = std::make_unique<Connection>(DataFolder::databasePath());
            Restorer::restore(chosen, now(), [&] {
                ++closes;
                open.reset();
            });
        }
        QCOMPARE(closes, 1);
        QCOMPARE(guestsIn(DataFolder::databasePath()), QStringList({QStringLiteral("Ani")}));
        // The books as they were became a backup first.
        const QString before = DataFolder::root() + QStringLiteral("/Cadangan/Zavav-20040301-110000.mdb");
        QCOMPARE(guestsIn(before), QStringList({QStringLiteral("Ani"), QStringLiteral("Budi")}));
        QCOMPARE(filesIn(QFileInfo(DataFolder::databasePath()).absolutePath()), QStringList({QStringLiteral("Zavav.mdb")}));
    }

    void restoreIsRefusedWhileAConnectionStaysOpen()
    {
        addGuest(QStringLiteral("Ani"));
        const QString chosen = Backups::run(now(), true).written;
        addGuest(QStringLiteral("Budi"));
        Connection stays(DataFolder::databasePath());
        QSqlQuery q(stays.database());
        QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM Tamu")));
        q.finish();
        try {
            Restorer::restore(chosen, now().addSecs(60), [] {});
            QFAIL("restored under an open connection");
        } catch (const DataError &e) {
            QCOMPARE(e.number(), int(DataError::Locked));
            QVERIFY2(e.description().contains(QLatin1String("sedang dibuka oleh program Penginapan lain")), qPrintable(e.description()));
        }
        QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM Tamu")) && q.next());
        QCOMPARE(q.value(0).toInt(), 2);
    }

    void damagedDatabaseIsSetAsideWhole()
    {
        addGuest(QStringLiteral("Ani"));
        const QString chosen = Backups::run(now(), true).written;
        const QByteArray damaged = "bukan database lagi";
        write(DataFolder::databasePath(), damaged);
        const QByteArray log = "log yang ditinggalkan";
        write(DataFolder::databasePath() + QStringLiteral("-wal"), log);
        Restorer::restore(chosen, now().addSecs(60), [] {});
        QCOMPARE(guestsIn(DataFolder::databasePath()), QStringList({QStringLiteral("Ani")}));
        const QString aside = DataFolder::root() + QStringLiteral("/Cadangan/Zavav-rusak-20040301-100100.mdb");
        QCOMPARE(bytesOf(aside), damaged);
        QCOMPARE(bytesOf(aside + QStringLiteral("-wal")), log);
        QCOMPARE(BackupFolder::primary().backups(), QStringList({chosen}));
    }

    void retentionOverFourHundredDays()
    {
        // A backup every six hours for 400 days, the plan applied after each.
        QList<QDateTime> kept;
        const QDateTime start(QDate(2023, 11, 20), QTime(1, 30));
        QDateTime at = start;
        for (int step = 0; step < 400 * 4; ++step, at = at.addSecs(6 * 3600)) {
            kept << at;
            for (const QDateTime &gone : RetentionPlan::toDelete(kept, at))
                kept.removeOne(gone);
        }
        const QDateTime last = at.addSecs(-6 * 3600);
        std::sort(kept.begin(), kept.end());
        QCOMPARE(kept.last(), last);
        // Every backup of the last 24 hours.
        for (QDateTime t = last; t.secsTo(last) < 24 * 3600; t = t.addSecs(-6 * 3600))
            QVERIFY2(kept.contains(t), qPrintable(t.toString(Qt::ISODate)));
        // The newest of each of the last 30 days: the day's 19:30 backup.
        for (int d = 1; d < 30; ++d) {
            const QDate day = last.date().addDays(-d);
            QVERIFY2(kept.contains(QDateTime(day, QTime(19, 30))), qPrintable(day.toString(Qt::ISODate)));
        }
        // The newest of each of the last 12 months and of each year.
        QDate month(last.date().year(), last.date().month(), 1);
        for (int m = 0; m < 12; ++m, month = month.addMonths(-1)) {
            const QDateTime newest(month.addMonths(1).addDays(-1), QTime(19, 30));
            if (newest < last)
                QVERIFY2(kept.contains(newest), qPrintable(newest.toString(Qt::ISODate)));
        }
        QVERIFY(kept.contains(QDateTime(QDate(2023, 12, 31), QTime(19, 30))));
        // Nothing else: 4 of the last day, 29 more days (back to 24
        // November), 10 more months (January to October), 1 more year.
        QCOMPARE(last, QDateTime(QDate(2024, 12, 23), QTime(19, 30)));
        QCOMPARE(kept.size(), 4 + 29 + 10 + 1);
        QCOMPARE(kept.first(), QDateTime(QDate(2023, 12, 31), QTime(19, 30)));

        // The newest one stays even when it is years old.
        const QList<QDateTime> old = {QDateTime(QDate(2001, 5, 1), QTime(8, 0)), QDateTime(QDate(2001, 5, 1), QTime(9, 0))};
        QCOMPARE(RetentionPlan::toDelete(old, QDateTime(QDate(2010, 1, 1), QTime(0, 0))), QList<QDateTime>({old.first()}));
    }

    void pruningDeletesOnlyBackupsThePlanLetsGo()
    {
        const QString dir = DataFolder::root() + QStringLiteral("/Cadangan");
        const QStringList names = {QStringLiteral("Zavav-20040101-080000.mdb"), QStringLiteral("Zavav-20040101-090000.mdb"),
                                   QStringLiteral("Zavav-20040301-090000.mdb"), QStringLiteral("Zavav-rusak-20040101-070000.mdb"),
                                   QStringLiteral("catatan.txt")};
        for (const QString &name : names)
            write(dir + QLatin1Char('/') + name, "x");
        const QStringList deleted = BackupFolder(dir).prune(now());
        QCOMPARE(deleted, QStringList({dir + QStringLiteral("/Zavav-20040101-080000.mdb")}));
        QCOMPARE(filesIn(dir).size(), names.size() - 1);
    }

    void secondFolderGetsAVerifiedCopy()
    {
        addGuest(QStringLiteral("Ani"));
        const QString second = platform->path(QStringLiteral("usb"));
        QVERIFY(QDir().mkpath(second));
        Backups::setSecondFolder(second);
        QVERIFY(bytesOf(Settings::path()).contains("FolderKedua="));
        const Backups::Outcome outcome = Backups::run(now(), true);
        QCOMPARE(outcome.secondProblem, QString());
        QCOMPARE(filesIn(second), QStringList({QStringLiteral("Zavav-20040301-100000.mdb")}));
        QCOMPARE(bytesOf(second + QStringLiteral("/Zavav-20040301-100000.mdb")), bytesOf(outcome.written));
    }

    void secondFolderThatFailsNeverBlocks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << "missing" << "tidak ada";
        QTest::newRow("read-only") << "read-only" << "tidak ada izin";
        QTest::newRow("full") << "full" << "disk penuh";
    }

    void secondFolderThatFailsNeverBlocks()
    {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        addGuests(2000);
        const QString second = platform->path(QStringLiteral("usb"));
        if (kind != QLatin1String("missing"))
            QVERIFY(QDir().mkpath(second));
        // The backup in DATA/Cadangan is there already; only the copy is to be made.
        const QString newest = Backups::run(now(), true).written;
        Backups::setSecondFolder(second);

        Backups::Outcome outcome;
        if (kind == QLatin1String("read-only")) {
            QVERIFY(QFile::setPermissions(second, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
            // Root writes into any folder: try as an ordinary user then.
            const bool root = ::geteuid() == 0;
            if (root) {
                QStringList all = {platform->dataDir()};
                QDirIterator it(platform->dataDir(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
                while (it.hasNext())
                    all << it.next();
                for (const QString &path : all)
                    QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
                QVERIFY(::seteuid(65534) == 0);
            }
            outcome = Backups::run(now(), true);
            if (root)
                QVERIFY(::seteuid(0) == 0);
        } else if (kind == QLatin1String("full")) {
            // No room for a file as large as the backup (but for the
            // database's own 32 KB index of its log).
            rlimit previous;
            QVERIFY(::getrlimit(RLIMIT_FSIZE, &previous) == 0);
            rlimit small = previous;
            small.rlim_cur = 64 * 1024;
            QVERIFY(QFileInfo(newest).size() > 2 * qint64(small.rlim_cur));
            const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
            outcome = Backups::run(now(), true);
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &previous) == 0);
            ::signal(SIGXFSZ, oldHandler);
        } else {
            outcome = Backups::run(now(), true);
        }
        QCOMPARE(outcome.newest, newest);
        QVERIFY2(outcome.secondProblem.contains(said), qPrintable(outcome.secondProblem));
        QVERIFY2(outcome.secondProblem.contains(QDir::toNativeSeparators(second)), qPrintable(outcome.secondProblem));
        QVERIFY(filesIn(second).isEmpty());
        QVERIFY(kind != QLatin1String("missing") || !QFileInfo::exists(second));
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "test_backups.moc"
