#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/BackupCheck.h"
#include "data/BackupFolder.h"
#include "data/BackupWriter.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/Restorer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QThread>
#include <memory>
#include <signal.h>

// Backups and restores beside other programs: a backup killed half-way, a
// backup while another program saves, a restore while another program has
// the books open, and a restore over the log a killed program left.
class TestBackupSafety : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static QString program() { return QStringLiteral(PENGINAPAN_PROGRAM); }
    static QString saverPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/reliability_saver"); }

    // A program that registers guests one after the other through the guest
    // window and says ACK <name> for each save it saw acknowledged.
    struct Saver
    {
        QProcess process;
        QStringList acknowledged;
        QByteArray pending;

        void start(const QString &dir, const QString &prefix)
        {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            process.setProcessEnvironment(env);
            process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process.start(saverPath(), {dir, prefix, QStringLiteral("1000000")});
            process.waitForStarted();
        }
        ~Saver()
        {
            if (process.state() != QProcess::NotRunning)
                kill();
        }
        void read()
        {
            pending += process.readAllStandardOutput();
            int nl;
            while ((nl = int(pending.indexOf('\n'))) >= 0) {
                const QString line = QString::fromUtf8(pending.left(nl));
                pending.remove(0, nl + 1);
                if (line.startsWith(QLatin1String("ACK ")))
                    acknowledged << line.mid(4);
            }
        }
        // Waits until at least `count` saves were acknowledged.
        bool waitFor(int count)
        {
            QElapsedTimer t;
            t.start();
            while (acknowledged.size() < count && t.elapsed() < 60000 && process.state() == QProcess::Running) {
                process.waitForReadyRead(50);
                read();
            }
            return acknowledged.size() >= count;
        }
        void kill()
        {
            ::kill(pid_t(process.processId()), SIGKILL);
            process.waitForFinished();
            read();
        }
    };

    // Every row of the three tables, one text per row, sorted: a row stored
    // twice shows twice.
    static QStringList allRows(const QString &path)
    {
        QStringList rows;
        Connection c(path);
        for (const char *table : {"Tamu", "Transaksi", "Pembelian"}) {
            QSqlQuery q(c.database());
            q.exec(QStringLiteral("SELECT * FROM \"%1\"").arg(QLatin1String(table)));
            while (q.next()) {
                QStringList cells{QLatin1String(table)};
                for (int i = 0; i < q.record().count(); ++i)
                    cells << q.value(i).toString();
                rows << cells.join(QLatin1Char('|'));
            }
        }
        rows.sort();
        return rows;
    }

    static QString integrity(const QString &path)
    {
        Connection c(path);
        QSqlQuery q(c.database());
        q.exec(QStringLiteral("PRAGMA integrity_check"));
        q.next();
        return q.value(0).toString();
    }

    static void addGuests(int count)
    {
        TestDatabase::exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                          "INSERT INTO Tamu (\"No KTP/KTA\", Nama, Alamat, Kota, Status) SELECT 'KTP ' || i, "
                                          "'Tamu nomor ' || i, 'Jalan Lembursari nomor ' || i, 'Kalisor', 'Isi' FROM n").arg(count));
    }

    static QProcessEnvironment offscreen()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void killedBackupLeavesNoHalfFile()
    {
        addGuests(100000);
        const QStringList before = allRows(DataFolder::databasePath());
        const QString folder = BackupFolder::primary().path();
        QRandomGenerator random(20040301);
        constexpr int kills = 16;
        int caughtHalfWay = 0;
        for (int round = 0; round < kills; ++round) {
            QProcess p;
            p.setProcessEnvironment(offscreen());
            p.start(program(), {QStringLiteral("--data"), platform->dataDir(), QStringLiteral("--backup")});
            QVERIFY(p.waitForStarted());
            // Kill it once its temporary copy has appeared, a little later.
            QElapsedTimer t;
            t.start();
            while (QDir(folder).entryList({QStringLiteral(".Zavav-*")}, QDir::Files | QDir::Hidden).isEmpty()
                   && p.state() == QProcess::Running && t.elapsed() < 10000)
                QThread::usleep(200);
            QThread::usleep(random.bounded(40000));
            if (!QDir(folder).entryList({QStringLiteral(".Zavav-*")}, QDir::Files | QDir::Hidden).isEmpty())
                ++caughtHalfWay;
            ::kill(pid_t(p.processId()), SIGKILL);
            p.waitForFinished();
            for (const QString &backup : BackupFolder(folder).backups())
                BackupCheck::verify(backup); // throws for a half file
        }
        qInfo("backups killed: %d, of them while the copy was half-made: %d", kills, caughtHalfWay);
        QVERIFY2(caughtHalfWay >= kills / 2, "too few kills came during a copy to prove anything");
        QCOMPARE(integrity(DataFolder::databasePath()), QStringLiteral("ok"));
        QCOMPARE(allRows(DataFolder::databasePath()), before);

        // The next backup clears what the killed ones left and is whole.
        const QString next = BackupWriter::backUp(DataFolder::databasePath(), BackupFolder(folder), platform->clock.now(), false);
        QCOMPARE(allRows(next), before);
        QVERIFY(QDir(folder).entryList({QStringLiteral(".Zavav-*")}, QDir::Files | QDir::Hidden).isEmpty());
    }

    void backupWhileAnotherProgramSaves()
    {
        TestDatabase::exec(QStringLiteral("SELECT 1")); // the database exists before the saver starts
        Saver saver;
        saver.start(platform->dataDir(), QStringLiteral("s"));
        QVERIFY(saver.waitFor(3));
        const BackupFolder folder = BackupFolder::primary();
        constexpr int backups = 12;
        int largest = 0;
        for (int i = 0; i < backups; ++i) {
            saver.read();
            const QStringList seen = saver.acknowledged;
            const QString path = BackupWriter::backUp(DataFolder::databasePath(), folder, platform->clock.now().addSecs(i), false);
            BackupCheck::verify(path);
            QCOMPARE(integrity(path), QStringLiteral("ok"));
            // A consistent set: the first n saves, no gap, none twice, and
            // every save acknowledged before the backup began.
            QStringList names;
            {
                Connection c(path);
                QSqlQuery q(c.database());
                q.exec(QStringLiteral("SELECT Nama FROM Tamu ORDER BY NoID"));
                while (q.next())
                    names << q.value(0).toString();
            }
            for (int n = 0; n < names.size(); ++n)
                QCOMPARE(names.at(n), QStringLiteral("s-%1").arg(n));
            QVERIFY2(names.size() >= seen.size(), qPrintable(QStringLiteral("%1 < %2").arg(names.size()).arg(seen.size())));
            largest = int(names.size());
            QTest::qWait(30);
        }
        saver.kill();
        qInfo("backups taken while another program saved: %d, guests in the last: %d, saves acknowledged: %lld", backups,
              largest, qlonglong(saver.acknowledged.size()));
        QVERIFY(saver.acknowledged.size() > backups);
    }

    void restoreRefusedWhileAnotherProgramHasTheBooksOpen()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        const QString backup = BackupWriter::backUp(DataFolder::databasePath(), BackupFolder::primary(), platform->clock.now(), false);
        Saver saver;
        saver.start(platform->dataDir(), QStringLiteral("o"));
        QVERIFY(saver.waitFor(2));
        bool closed = false;
        try {
            Restorer::restore(backup, platform->clock.now().addSecs(60), [&] { closed = true; });
            QFAIL("restored under another program");
        } catch (const DataError &e) {
            QCOMPARE(e.number(), int(DataError::Locked));
            QVERIFY2(e.description().contains(QLatin1String("sedang dibuka oleh program Penginapan lain")), qPrintable(e.description()));
        }
        QVERIFY(closed);
        QVERIFY(saver.waitFor(int(saver.acknowledged.size()) + 3)); // it saves on, undisturbed
        saver.kill();
        QStringList names;
        for (const QVariantMap &row : TestDatabase::rows(QStringLiteral("SELECT Nama FROM Tamu")))
            names << row.value(QStringLiteral("Nama")).toString();
        QVERIFY(names.contains(QStringLiteral("Ani")));
        for (const QString &name : std::as_const(saver.acknowledged))
            QVERIFY2(names.contains(name), qPrintable(name));
    }

    void restoreThenStartShowsExactlyTheBackup()
    {
        addGuests(50);
        TestDatabase::insert(QStringLiteral("Pembelian"), {{QStringLiteral("Nama"), QStringLiteral("Sabun")}, {QStringLiteral("Total"), 5000}});
        const QString backup = BackupWriter::backUp(DataFolder::databasePath(), BackupFolder::primary(), platform->clock.now(), false);
        const QStringList inBackup = allRows(backup);

        // Another program saves and is killed: its saves live in the log it left.
        Saver saver;
        saver.start(platform->dataDir(), QStringLiteral("k"));
        QVERIFY(saver.waitFor(5));
        saver.kill();
        QVERIFY(QFileInfo(DataFolder::databasePath() + QStringLiteral("-wal")).size() > 0);

        QProcess p;
        p.setProcessEnvironment(offscreen());
        p.start(program(), {QStringLiteral("--data"), platform->dataDir(), QStringLiteral("--restore"), backup});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(p.readAllStandardOutput().contains("Data sudah dipulihkan"), "no word of the restore");
        QVERIFY(!QFileInfo::exists(DataFolder::databasePath() + QStringLiteral("-wal")));
        QVERIFY(!QFileInfo::exists(DataFolder::databasePath() + QStringLiteral("-shm")));

        // The next start reads exactly the backup's rows, nothing of the old log.
        QCOMPARE(integrity(DataFolder::databasePath()), QStringLiteral("ok"));
        QCOMPARE(allRows(DataFolder::databasePath()), inBackup);
        // The books as they were, killed saves included, became a backup first.
        const QStringList backups = BackupFolder::primary().backups();
        QCOMPARE(backups.size(), 2);
        const QStringList before = allRows(backups.first());
        for (const QString &name : std::as_const(saver.acknowledged))
            QVERIFY2(before.filter(QStringLiteral("|%1|").arg(name)).size() == 1, qPrintable(name));
        qInfo("rows compared after the restore: %lld; killed program's saves kept in the backup before it: %lld",
              qlonglong(inBackup.size()), qlonglong(saver.acknowledged.size()));
    }
};

QTEST_GUILESS_MAIN(TestBackupSafety)
#include "test_backupsafety.moc"
