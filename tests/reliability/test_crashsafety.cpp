#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/Connection.h"
#include "data/DataFolder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QHash>
#include <QSqlQuery>
#include <QTest>
#include <algorithm>
#include <memory>
#include <signal.h>

// Saves guests through the real window in other processes, kills them at
// random moments, and checks that the database is whole and holds every save
// that was acknowledged.
class TestCrashSafety : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static QString saverPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/reliability_saver"); }

    struct Saver
    {
        std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
        QStringList acknowledged;
        QStringList refused;
        QStringList answers; // every line, in order
        QByteArray pending;
        bool done = false;

        Saver() = default;
        Saver(const Saver &) = delete;
        Saver &operator=(const Saver &) = delete;
        ~Saver()
        {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }

        void start(const QStringList &arguments)
        {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            process->setProcessEnvironment(env);
            process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process->start(saverPath(), arguments);
        }
        void start(const QString &dir, const QString &prefix, int count, const QString &otherWindows = QString())
        {
            start({dir, prefix, QString::number(count), otherWindows});
        }
        // Sends one command and waits for the line that answers it.
        QString command(const QString &line, int timeout = 30000)
        {
            const qsizetype before = answers.size();
            process->waitForStarted();
            process->write((line + QLatin1Char('\n')).toUtf8());
            QElapsedTimer t;
            t.start();
            while (answers.size() == before && t.elapsed() < timeout && process->state() == QProcess::Running) {
                process->waitForReadyRead(20);
                read();
            }
            read();
            return answers.size() > before ? answers.at(before) : QString();
        }
        void read()
        {
            pending += process->readAllStandardOutput();
            int nl;
            while ((nl = int(pending.indexOf('\n'))) >= 0) {
                const QString line = QString::fromUtf8(pending.left(nl));
                pending.remove(0, nl + 1);
                answers << line;
                if (line.startsWith(QLatin1String("ACK ")))
                    acknowledged << line.mid(4);
                else if (line.startsWith(QLatin1String("REFUSED ")))
                    refused << line.mid(8);
                else if (line == QLatin1String("DONE"))
                    done = true;
            }
        }
    };

    // The names stored in a table, each with how often it is stored.
    static QHash<QString, int> storedNames(QString *integrity, const QString &table = QStringLiteral("Tamu"))
    {
        Connection c(DataFolder::databasePath());
        QSqlQuery q(c.database());
        q.exec(QStringLiteral("PRAGMA integrity_check"));
        q.next();
        *integrity = q.value(0).toString();
        QHash<QString, int> names;
        q.exec(QStringLiteral("SELECT Nama FROM \"%1\"").arg(table));
        while (q.next())
            ++names[q.value(0).toString()];
        return names;
    }

    // Saves lost: acknowledged names not stored once. A name stored twice
    // fails the test at once, acknowledged or not.
    static int lostSaves(const QHash<QString, int> &stored, const QStringList &acknowledged)
    {
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            if (it.value() != 1)
                qWarning("%s stored %d times", qPrintable(it.key()), it.value());
        int lost = 0;
        for (const QString &name : acknowledged)
            if (stored.value(name) != 1)
                ++lost;
        return lost;
    }

    static bool noneTwice(const QHash<QString, int> &stored)
    {
        return std::all_of(stored.cbegin(), stored.cend(), [](int n) { return n == 1; });
    }

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void killedProgramsLoseNoAcknowledgedSave()
    {
        // Two programs at a time, each with more windows open than the one it
        // saves in, both killed at random moments.
        constexpr int rounds = 12;
        QStringList acknowledged;
        QRandomGenerator random(20040301);
        int kills = 0;
        int lost = 0;
        for (int round = 0; round < rounds; ++round) {
            Saver savers[2];
            savers[0].start(platform->dataDir(), QStringLiteral("a%1").arg(round), 100000,
                            QStringLiteral("frmpembelian,frmcetaklap"));
            savers[1].start(platform->dataDir(), QStringLiteral("b%1").arg(round), 100000,
                            QStringLiteral("frmtransaksi,frmlaprek"));
            for (Saver &s : savers)
                QVERIFY(s.process->waitForStarted());
            // Let them save for a while, then kill them mid-flight, one
            // after the other.
            for (Saver &victim : savers) {
                const int wait = 150 + int(random.bounded(600));
                QElapsedTimer t;
                t.start();
                while (t.elapsed() < wait)
                    for (Saver &s : savers) {
                        s.process->waitForReadyRead(5);
                        s.read();
                    }
                // A saver that already ended has no process id left: killing
                // id 0 would kill this test's own process group.
                const qint64 pid = victim.process->processId();
                QVERIFY2(pid > 0, "a saver ended before it could be killed");
                ::kill(pid_t(pid), SIGKILL);
                victim.process->waitForFinished();
                ++kills;
            }
            for (Saver &s : savers) {
                s.read();
                acknowledged << s.acknowledged;
            }

            QString integrity;
            const QHash<QString, int> stored = storedNames(&integrity);
            QCOMPARE(integrity, QStringLiteral("ok"));
            QVERIFY2(noneTwice(stored), "a row is stored twice");
            lost = lostSaves(stored, acknowledged);
        }
        qInfo("programs killed: %d (two at a time, three windows each), acknowledged saves: %lld, rows compared "
              "as a multiset, saves lost: %d",
              kills, qlonglong(acknowledged.size()), lost);
        QVERIFY2(acknowledged.size() > kills, "the savers saved too little to prove anything");
        QCOMPARE(lost, 0);
    }

    // Program A opens a second window (a second connection to the file);
    // program B ends through a record window's close box and so takes itself
    // for the database's last user; A saves and is killed. A's save must be
    // in the file.
    void secondWindowKeepsTheOtherProgramFromRemovingTheJournal_data()
    {
        QTest::addColumn<QStringList>("windowsOfA");
        QTest::addColumn<QString>("windowOfB");
        QTest::addColumn<QString>("save");
        QTest::newRow("guests, then purchases") << QStringList{"frmtamu", "frmpembelian"} << "frmpembelian"
                                                << "purchase Sabun dari A";
        QTest::newRow("purchases, then a report") << QStringList{"frmpembelian", "frmcetaklap", "frmlaprek"}
                                                  << "frmtamu" << "purchase Beras dari A";
        QTest::newRow("stays, then guests") << QStringList{"frmtransaksi", "frmtamu"} << "frmtransaksi"
                                            << "guest Tamu dari A";
    }

    void secondWindowKeepsTheOtherProgramFromRemovingTheJournal()
    {
        QFETCH(QStringList, windowsOfA);
        QFETCH(QString, windowOfB);
        QFETCH(QString, save);
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});

        Saver a;
        Saver b;
        a.start({platform->dataDir(), QStringLiteral("-")});
        b.start({platform->dataDir(), QStringLiteral("-")});
        for (const QString &w : windowsOfA)
            QCOMPARE(a.command(QStringLiteral("show ") + w), QStringLiteral("SHOWN ") + w);
        QCOMPARE(b.command(QStringLiteral("show ") + windowOfB), QStringLiteral("SHOWN ") + windowOfB);
        QCOMPARE(b.command(QStringLiteral("close ") + windowOfB), QStringLiteral("CLOSING ") + windowOfB);
        QVERIFY(b.process->waitForFinished(10000));
        QCOMPARE(b.process->exitCode(), 0);

        const QString name = save.section(QLatin1Char(' '), 1);
        QCOMPARE(a.command(save), QStringLiteral("ACK ") + name);
        QVERIFY2(a.process->processId() > 0, "program A ended before it could be killed");
        ::kill(pid_t(a.process->processId()), SIGKILL);
        a.process->waitForFinished();

        QString integrity;
        const QHash<QString, int> stored
            = storedNames(&integrity, save.startsWith(QLatin1String("purchase")) ? QStringLiteral("Pembelian")
                                                                                  : QStringLiteral("Tamu"));
        QCOMPARE(integrity, QStringLiteral("ok"));
        qInfo("programs: 2, windows of A: %lld, kills: 1, saves lost: %d", qlonglong(windowsOfA.size()),
              stored.value(name) == 1 ? 0 : 1);
        QCOMPARE(stored.value(name), 1);
    }

    // Two programs record stays in turn; each deletes the newest stay now
    // and then. No number is ever given twice.
    void twoProgramsNeverGiveATransactionNumberTwice()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("No KTP/KTA"), QStringLiteral("KTP 1")},
                                                     {QStringLiteral("Nama"), QStringLiteral("Ani")},
                                                     {QStringLiteral("Alamat"), QStringLiteral("Jl. Uji")},
                                                     {QStringLiteral("Kota"), QStringLiteral("Kalisor")},
                                                     {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                                                     {QStringLiteral("NoKamar"), QStringLiteral("PM 01")},
                                                     {QStringLiteral("Harga"), 60000}});
        Saver programs[2];
        for (Saver &p : programs) {
            p.start({platform->dataDir(), QStringLiteral("-")});
            QCOMPARE(p.command(QStringLiteral("show frmtransaksi")), QStringLiteral("SHOWN frmtransaksi"));
        }
        QStringList given;
        QStringList deleted;
        for (int turn = 0; turn < 30; ++turn) {
            Saver &p = programs[turn % 2];
            if (turn % 7 == 6) {
                const QString answer = p.command(QStringLiteral("delete-newest"));
                QVERIFY2(answer.startsWith(QLatin1String("DELETED ")), qPrintable(answer));
                deleted << answer.mid(8);
                continue;
            }
            const QString answer = p.command(QStringLiteral("stay"));
            QVERIFY2(answer.startsWith(QLatin1String("ACK ")), qPrintable(answer));
            const QString number = answer.mid(4);
            QVERIFY2(!given.contains(number), qPrintable(number + QStringLiteral(" was given before")));
            QCOMPARE(number.size(), 3);
            given << number;
        }
        QVERIFY(!deleted.isEmpty());

        QHash<QString, int> stored;
        for (const QVariantMap &row : TestDatabase::rows(QStringLiteral("SELECT NoTransaksi FROM Transaksi")))
            ++stored[row.value(QStringLiteral("NoTransaksi")).toString()];
        QVERIFY2(noneTwice(stored), "a number is stored twice");
        QStringList kept = given;
        for (const QString &d : deleted)
            kept.removeOne(d);
        QCOMPARE(lostSaves(stored, kept), 0);
        QCOMPARE(stored.size(), kept.size());
        qInfo("programs: 2, stays saved: %lld, newest deleted: %lld times, numbers given twice: 0",
              qlonglong(given.size()), qlonglong(deleted.size()));
    }

    void twoProgramsOnOneFolderLoseNothing()
    {
        constexpr int each = 40;
        Saver a;
        Saver b;
        a.start(platform->dataDir(), QStringLiteral("a"), each);
        b.start(platform->dataDir(), QStringLiteral("b"), each);
        QElapsedTimer t;
        t.start();
        while (!(a.done && b.done) && t.elapsed() < 120000) {
            a.process->waitForReadyRead(20);
            b.process->waitForReadyRead(20);
            a.read();
            b.read();
            if (a.process->state() == QProcess::NotRunning && b.process->state() == QProcess::NotRunning)
                break;
        }
        a.process->waitForFinished(5000);
        b.process->waitForFinished(5000);
        a.read();
        b.read();
        QVERIFY2(a.done && b.done, "a saver hung or gave up");
        QCOMPARE(a.acknowledged.size(), each);
        QCOMPARE(b.acknowledged.size(), each);
        for (const QString &r : a.refused + b.refused)
            QVERIFY2(r.contains(QLatin1String("database sedang dipakai program lain")), qPrintable(r));
        QString integrity;
        const QHash<QString, int> stored = storedNames(&integrity);
        QCOMPARE(integrity, QStringLiteral("ok"));
        QVERIFY2(noneTwice(stored), "a row is stored twice");
        QCOMPARE(lostSaves(stored, a.acknowledged + b.acknowledged), 0);
        QCOMPARE(stored.size(), 2 * each);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crashsafety.moc"
