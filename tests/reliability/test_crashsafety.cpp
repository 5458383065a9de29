#include "TestPlatform.h"

#include "data/Connection.h"
#include "data/DataFolder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlQuery>
#include <QTest>
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
        QByteArray pending;
        bool done = false;

        void start(const QString &dir, const QString &prefix, int count)
        {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            process->setProcessEnvironment(env);
            process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process->start(saverPath(), {dir, prefix, QString::number(count)});
        }
        void read()
        {
            pending += process->readAllStandardOutput();
            int nl;
            while ((nl = int(pending.indexOf('\n'))) >= 0) {
                const QString line = QString::fromUtf8(pending.left(nl));
                pending.remove(0, nl + 1);
                if (line.startsWith(QLatin1String("ACK ")))
                    acknowledged << line.mid(4);
                else if (line.startsWith(QLatin1String("REFUSED ")))
                    refused << line.mid(8);
                else if (line == QLatin1String("DONE"))
                    done = true;
            }
        }
    };

    static QSet<QString> storedNames(QString *integrity)
    {
        Connection c(DataFolder::databaseLocation());
        QSqlQuery q(c.database());
        q.exec(QStringLiteral("PRAGMA integrity_check"));
        q.next();
        *integrity = q.value(0).toString();
        QSet<QString> names;
        q.exec(QStringLiteral("SELECT Nama FROM Tamu"));
        while (q.next())
            names << q.value(0).toString();
        return names;
    }

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void killedProgramLosesNoAcknowledgedSave()
    {
        constexpr int kills = 24;
        QStringList acknowledged;
        QRandomGenerator random(20040301);
        int lost = 0;
        for (int round = 0; round < kills; ++round) {
            Saver saver;
            saver.start(platform->dataDir(), QStringLiteral("r%1").arg(round), 100000);
            QVERIFY(saver.process->waitForStarted());
            // Let it save for a while, then kill it mid-flight.
            const int wait = 150 + int(random.bounded(600));
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < wait) {
                saver.process->waitForReadyRead(10);
                saver.read();
            }
            ::kill(pid_t(saver.process->processId()), SIGKILL);
            saver.process->waitForFinished();
            saver.read();
            acknowledged << saver.acknowledged;

            QString integrity;
            const QSet<QString> stored = storedNames(&integrity);
            QCOMPARE(integrity, QStringLiteral("ok"));
            for (const QString &name : std::as_const(acknowledged))
                if (!stored.contains(name))
                    ++lost;
        }
        qInfo("kills survived: %d, acknowledged saves: %lld, saves lost: %d", kills, qlonglong(acknowledged.size()), lost);
        QVERIFY2(acknowledged.size() > kills, "the savers saved too little to prove anything");
        QCOMPARE(lost, 0);
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
        const QSet<QString> stored = storedNames(&integrity);
        QCOMPARE(integrity, QStringLiteral("ok"));
        for (const QString &name : a.acknowledged + b.acknowledged)
            QVERIFY2(stored.contains(name), qPrintable(name));
        QCOMPARE(stored.size(), 2 * each);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crashsafety.moc"
