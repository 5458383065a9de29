#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/BackupCheck.h"
#include "data/BackupFolder.h"
#include "data/Backups.h"
#include "data/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>

// penginapan --backup and --restore FILE, run from a shell without a screen.
class TestBackupCommand : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    struct Run
    {
        int code;
        QString out;
        QString err;
    };

    Run run(const QStringList &arguments)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM")); // no screen at all
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(PENGINAPAN_PROGRAM), QStringList{QStringLiteral("--data"), platform->dataDir()} + arguments);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
                QString::fromLocal8Bit(p.readAllStandardError())};
    }

    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void helpListsTheBackupCommands()
    {
        const Run r = run({QStringLiteral("--help")});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(QLatin1String("--backup")) && r.out.contains(QLatin1String("--restore <FILE>")), qPrintable(r.out));
    }

    void backupPrintsItsPathAndRestoreTakesItBack()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        const Run backup = run({QStringLiteral("--backup")});
        QCOMPARE(backup.code, 0);
        const QString path = backup.out.trimmed();
        QCOMPARE(BackupFolder::primary().backups(), QStringList({path}));

        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Budi")}});
        const Run restore = run({QStringLiteral("--restore"), path});
        QCOMPARE(restore.code, 0);
        QCOMPARE(restore.out.trimmed(), QStringLiteral("Data sudah dipulihkan dari %1.").arg(QDir::toNativeSeparators(path)));
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT Nama FROM Tamu")).size(), 1);
        QCOMPARE(BackupFolder::primary().backups().size(), 2);
    }

    void startingTheProgramBacksUpIntoBothFolders()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        const QString usb = platform->path(QStringLiteral("usb"));
        QVERIFY(QDir().mkpath(usb));
        Backups::setSecondFolder(usb);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(PENGINAPAN_PROGRAM), {QStringLiteral("--data"), platform->dataDir()});
        QVERIFY(p.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(usb).entryList({QStringLiteral("Zavav-*.mdb")}, QDir::Files).isEmpty(), 20000);
        p.kill();
        p.waitForFinished();
        const QStringList backups = BackupFolder::primary().backups();
        QCOMPARE(backups.size(), 1);
        QCOMPARE(BackupCheck::verify(backups.first()).guests, 1);
        QCOMPARE(QDir(usb).entryList({QStringLiteral("Zavav-*.mdb")}, QDir::Files),
                 QStringList({QFileInfo(backups.first()).fileName()}));
    }

    void failuresExitNonZeroWithAMessage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("backup of a file not ours") << QStringList{QStringLiteral("--backup")} << "bukan database Penginapan";
        QTest::newRow("restore of a text file") << QStringList{QStringLiteral("--restore"), QStringLiteral("TEXT")}
                                                << "bukan database Penginapan";
        QTest::newRow("restore of a missing file") << QStringList{QStringLiteral("--restore"), QStringLiteral("MISSING")}
                                                   << "tidak ada";
    }

    void failuresExitNonZeroWithAMessage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        const QString text = platform->path(QStringLiteral("catatan.txt"));
        {
            QFile f(text);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Catatan harian, bukan database.\r\n");
        }
        if (arguments.first() == QLatin1String("--backup")) {
            QDir().mkpath(QFileInfo(DataFolder::databasePath()).absolutePath());
            QVERIFY(QFile::copy(text, DataFolder::databasePath()));
        } else {
            TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        }
        arguments.replaceInStrings(QStringLiteral("TEXT"), text);
        arguments.replaceInStrings(QStringLiteral("MISSING"), platform->path(QStringLiteral("tidak-ada.mdb")));
        const QByteArray before = bytesOf(DataFolder::databasePath());
        const Run r = run(arguments);
        QVERIFY(r.code > 0);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
        QCOMPARE(r.out, QString());
        QCOMPARE(bytesOf(DataFolder::databasePath()), before);
        QVERIFY(BackupFolder::primary().backups().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBackupCommand)
#include "test_backupcommand.moc"
