#include "TestDatabase.h"
#include "TestPlatform.h"

#include "../records/WindowDriver.h"

#include "data/DataFolder.h"
#include "data/RecordSet.h"
#include "records/DataControl.h"
#include "platform/WindowRegistry.h"
#include "records/RecordWindow.h"
#include "reports/frmcetaklap.h"
#include "reports/frmlaprek.h"
#include "shell/WindowCatalog.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>
#include <memory>
#include <signal.h>
#include <unistd.h>

using namespace WindowDriver;

// Broken files and folders: the program says what is wrong, keeps working
// where it can, and never changes a file it cannot read as its own.
class TestBrokenFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;
    QString mountPoint;
    int broken = 0;

    static QByteArray hashOf(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray();
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }

    static bool run(const QString &program, const QStringList &args)
    {
        QProcess p;
        p.start(program, args);
        return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    // A small tmpfs as the data folder; false when this machine lets no test
    // mount one.
    bool mountDataFolder(const QString &size)
    {
        mountPoint = platform->path(QStringLiteral("mnt"));
        QDir().mkpath(mountPoint);
        if (!run(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                           QStringLiteral("size=") + size, QStringLiteral("tmpfs"), mountPoint})) {
            mountPoint.clear();
            return false;
        }
        DataFolder::setRoot(mountPoint);
        return true;
    }

    // Tambah and a guest typed in; the room picker moves every time, so that
    // it fills the room and price.
    RecordWindow *guestWindowWithOneTry(const QString &name)
    {
        auto *w = open<RecordWindow>(QStringLiteral("frmtamu"));
        if (!w || !click(w, "cmdAdd"))
            return nullptr;
        type(w->box(2), name);
        for (int i : {1, 3, 5, 6})
            w->box(i)->setText(QString(2000, QLatin1Char('x')));
        auto *rooms = w->findChild<QComboBox *>(QStringLiteral("Combo1"));
        choose(rooms, rooms->currentIndex() == 0 ? 1 : 0);
        return w;
    }

    // The store's and the system's own English texts never reach the clerk.
    static void verifyIndonesian(const QString &message)
    {
        for (const char *english : {"Permission denied", "malformed", "unable to open", "is locked", "constraint failed",
                                    "No such file", "Is a directory", "I/O error", "readonly", "not a database",
                                    "Read-only file system", "No space left", "out of memory"})
            QVERIFY2(!message.contains(QLatin1String(english), Qt::CaseInsensitive), qPrintable(message));
    }

    // One message, naming what is wrong; the answer was scripted.
    void expectOneMessage(const QString &mustContain)
    {
        QCOMPARE(platform->messages.calls.size(), 1);
        QVERIFY2(platform->messages.calls.first().text.contains(mustContain),
                 qPrintable(platform->messages.calls.first().text));
        platform->messages.calls.clear();
    }

private slots:
    void initTestCase() { WindowCatalog::registerAll(); }
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
        if (!mountPoint.isEmpty())
            run(QStringLiteral("umount"), {QStringLiteral("-l"), mountPoint});
        mountPoint.clear();
    }
    void cleanupTestCase() { qInfo("files and folders broken: %d", broken); }

    void databaseThatIsNotOursIsNamedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("text file") << QStringLiteral("text");
        QTest::newRow("truncated copy") << QStringLiteral("truncated");
        QTest::newRow("cannot be read") << QStringLiteral("unreadable");
        QTest::newRow("a page of Transaksi overwritten") << QStringLiteral("damaged page");
    }

    void databaseThatIsNotOursIsNamedAndLeftAlone()
    {
        QFETCH(QString, how);
        ++broken;
        const QString path = DataFolder::databasePath();
        if (how == QLatin1String("text")) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("No KTP;Nama\r\n1;Budi\r\n");
        } else if (how == QLatin1String("truncated")) {
            for (int i = 0; i < 300; ++i)
                TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QString(300, QLatin1Char('n'))}});
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() / 3));
        } else if (how == QLatin1String("damaged page")) {
            // The header and the other tables are whole; only the stays are not.
            TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
            for (int i = 1; i <= 200; ++i)
                TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))},
                                                                  {QStringLiteral("Nama"), QStringLiteral("Tamu %1").arg(i)}});
            const qint64 root = TestDatabase::rows(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'Transaksi'"))
                                    .first().first().toLongLong();
            const qint64 pageSize = TestDatabase::rows(QStringLiteral("PRAGMA page_size")).first().first().toLongLong();
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.seek((root - 1) * pageSize));
            QByteArray noise(int(pageSize), '\0');
            QRandomGenerator random(20040301);
            for (char &c : noise)
                c = char(random.bounded(256));
            QVERIFY(f.write(noise) == pageSize);
        } else {
            QVERIFY(QDir().mkpath(path)); // a folder where the file should be: no one can read it as a file
        }
        const QByteArray before = hashOf(path);

        // Every window that needs the database says which file is wrong and
        // stays usable; the main window does not need it at all.
        const QString shown = QDir::toNativeSeparators(path);
        for (const char *name : {"frmtamu", "frmtransaksi", "frmpembelian", "frmcetaklap", "frmlaprek"}) {
            platform->messages.expect();
            if (QLatin1String(name) == QLatin1String("frmtransaksi"))
                platform->messages.expect(); // its guest navigator opens the file too
            QWidget *w = WindowRegistry::instance().show(QLatin1String(name));
            QVERIFY(w);
            QVERIFY(!platform->messages.calls.isEmpty());
            for (const auto &call : platform->messages.calls) {
                QVERIFY2(call.text.contains(shown), qPrintable(call.text));
                verifyIndonesian(call.text);
            }
            platform->messages.reset();
        }
        // Nor does a save get into it.
        auto *guests = qobject_cast<RecordWindow *>(WindowRegistry::instance().existing(QStringLiteral("frmtamu")));
        for (int i = 0; i < 3; ++i)
            platform->messages.expect();
        QVERIFY(click(guests, "cmdAdd"));
        type(guests->box(2), QStringLiteral("Baru"));
        click(guests, "cmdUpdate");
        QVERIFY(!platform->messages.calls.isEmpty());
        platform->messages.reset();
        QCOMPARE(hashOf(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
    }

    // A database the clerk's account may not read. Root reads any file, so
    // the program runs as an unprivileged user here.
    void unreadableDatabaseIsNamedAndLeftAlone()
    {
        if (::geteuid() != 0)
            QSKIP("the test makes the file unreadable for another user, which needs root");
        ++broken;
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        const QString path = DataFolder::databasePath();
        for (const QString &dir : {platform->dataDir(), QFileInfo(path).absolutePath()})
            QVERIFY(QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                   | QFileDevice::ReadOther | QFileDevice::ExeOther));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        const QByteArray before = hashOf(path);

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), platform->dataDir());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), platform->dataDir());
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral("setpriv"),
                      {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"),
                       QCoreApplication::applicationDirPath() + QStringLiteral("/reliability_saver"), platform->dataDir(),
                       QStringLiteral("-")});
        QVERIFY(program.waitForStarted());
        program.write("show frmtamu\nguest Budi\n");
        program.closeWriteChannel();
        QVERIFY(program.waitForFinished(30000));
        const QStringList answers = QString::fromUtf8(program.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(!answers.isEmpty() && answers.first().startsWith(QLatin1String("OPEN-FAILED frmtamu ")),
                 qPrintable(answers.join(QLatin1Char('\n'))));
        const QString message = answers.first().section(QLatin1Char(' '), 2);
        qInfo("unreadable database, as user nobody: %s", qPrintable(message));
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("tidak dapat dibaca")), qPrintable(message));
        verifyIndonesian(message);
        for (const QString &line : answers)
            QVERIFY2(!line.startsWith(QLatin1String("ACK")), qPrintable(line));
        QCOMPARE(hashOf(path), before);
    }

    void reportFileThatCannotBeWrittenIsReportedAndTheWindowRecovers()
    {
        ++broken;
        TestDatabase::insertStay(QStringLiteral("001"), QStringLiteral("Budi"));
        QVERIFY(QDir().mkpath(DataFolder::reportFilePath())); // Lap.txt is a folder
        auto *w = open<frmcetaklap>(QStringLiteral("frmcetaklap"));
        platform->messages.expect();
        w->TampilData(QStringLiteral("SEMUA DATA"));
        QCOMPARE(platform->messages.calls.size(), 1);
        QVERIFY(!platform->messages.calls.first().text.trimmed().isEmpty());
        platform->messages.calls.clear();
        QVERIFY(w->findChild<QPlainTextEdit *>(QStringLiteral("rtfLap1"))->isVisible());

        // Once the file can be written again the next build works.
        QVERIFY(QDir().rmdir(DataFolder::reportFilePath()));
        w->TampilData(QStringLiteral("SEMUA DATA"));
        QVERIFY(QFile(DataFolder::reportFilePath()).size() > 0);
    }

    // Lap.txt or Info.txt is a symbolic link to a file that is not ours:
    // the program puts its own file in the link's place and leaves the
    // target as it was.
    void fileThatIsALinkIsReplacedAndItsTargetUntouched_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::newRow("receipts report, Lap.txt") << QStringLiteral("frmcetaklap");
        QTest::newRow("recapitulation, Lap.txt") << QStringLiteral("frmlaprek");
        QTest::newRow("search, Info.txt") << QStringLiteral("search");
    }

    void fileThatIsALinkIsReplacedAndItsTargetUntouched()
    {
        QFETCH(QString, writer);
        ++broken;
        const QString target = platform->path(QStringLiteral("bukan-milik-kita.txt"));
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Catatan orang lain\n");
        }
        const QByteArray before = hashOf(target);
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Jaya")}});
        TestDatabase::insertStay(QStringLiteral("001"), QStringLiteral("Jaya"));
        const QString here = QDir::currentPath();
        const auto back = qScopeGuard([&] { QDir::setCurrent(here); });
        QString link;
        if (writer == QLatin1String("search")) {
            const QString cwd = platform->path(QStringLiteral("cwd"));
            QVERIFY(QDir().mkpath(cwd));
            QVERIFY(QDir::setCurrent(cwd));
            link = cwd + QStringLiteral("/Info.txt");
        } else {
            link = DataFolder::reportFilePath();
        }
        QVERIFY(QFile::link(target, link));

        if (writer == QLatin1String("frmcetaklap")) {
            open<frmcetaklap>(writer)->TampilData(QStringLiteral("SEMUA DATA"));
        } else if (writer == QLatin1String("frmlaprek")) {
            open<frmlaprek>(writer)->TampilData(QStringLiteral("SEMUA DATA"));
        } else {
            QWidget *w = WindowRegistry::instance().show(QStringLiteral("frmtamu"));
            platform->prompt.expect(QStringLiteral("jaya"));
            QVERIFY(click(w, "cmdFindFirst"));
        }
        QVERIFY(platform->messages.calls.isEmpty());
        QCOMPARE(hashOf(target), before);
        QVERIFY2(!QFileInfo(link).isSymLink(), qPrintable(link));
        QVERIFY(QFileInfo(link).isFile());
        if (writer != QLatin1String("frmlaprek")) // the recapitulation empties the file
            QVERIFY(QFileInfo(link).size() > 0);
    }

    void searchWithoutAMirrorFileStillFinds_data()
    {
        QTest::addColumn<bool>("deleteCurrentDirectory");
        QTest::newRow("Info.txt cannot be written") << false;
        QTest::newRow("current directory deleted") << true;
    }

    void searchWithoutAMirrorFileStillFinds()
    {
        QFETCH(bool, deleteCurrentDirectory);
        ++broken;
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Jaya")}});
        const QString here = QDir::currentPath();
        const QString cwd = platform->path(QStringLiteral("cwd"));
        QVERIFY(QDir().mkpath(cwd));
        QVERIFY(QDir::setCurrent(cwd));
        if (deleteCurrentDirectory)
            QVERIFY(QDir().rmdir(cwd));
        else
            QVERIFY(QDir().mkpath(cwd + QStringLiteral("/Info.txt")));
        QWidget *w = WindowRegistry::instance().show(QStringLiteral("frmtamu"));
        platform->prompt.expect(QStringLiteral("jaya"));
        QVERIFY(click(w, "cmdFindFirst"));
        QDir::setCurrent(here);
        QWidget *info = WindowRegistry::instance().existing(QStringLiteral("frminfo"));
        QVERIFY(info && info->isVisible());
        const QString text = info->findChild<QPlainTextEdit *>()->toPlainText();
        QVERIFY2(text.contains(QLatin1String("Isi field : Jaya")), qPrintable(text));
    }

    // A program saving guests is killed, so the last saves are still in the
    // journal beside the database; then the folder becomes read-only.
    void readOnlyDataFolderShowsEverySavedRowOrSaysSo_data()
    {
        QTest::addColumn<bool>("indexKept");
        QTest::newRow("journal with its index") << true;
        QTest::newRow("journal without its index") << false;
    }

    void readOnlyDataFolderShowsEverySavedRowOrSaysSo()
    {
        QFETCH(bool, indexKept);
        if (!mountDataFolder(QStringLiteral("8m")))
            QSKIP("this machine lets no test mount a file system; the read-only data folder is not tried");
        ++broken;
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Lama")}});
        const QString path = DataFolder::databasePath();

        QProcess saver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        saver.setProcessEnvironment(env);
        saver.start(QCoreApplication::applicationDirPath() + QStringLiteral("/reliability_saver"),
                    {mountPoint, QStringLiteral("k"), QStringLiteral("100000")});
        QStringList acknowledged;
        QElapsedTimer t;
        t.start();
        while (acknowledged.size() < 20 && t.elapsed() < 30000 && saver.waitForReadyRead(10000))
            while (saver.canReadLine()) {
                const QString line = QString::fromUtf8(saver.readLine()).trimmed();
                if (line.startsWith(QLatin1String("ACK ")))
                    acknowledged << line.mid(4);
            }
        ::kill(pid_t(saver.processId()), SIGKILL);
        saver.waitForFinished();
        QVERIFY2(acknowledged.size() >= 20, "the saver saved too little");
        QVERIFY(QFileInfo(path + QStringLiteral("-wal")).size() > 0);
        if (!indexKept)
            QVERIFY(QFile::remove(path + QStringLiteral("-shm")));
        QVERIFY(run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro"), mountPoint}));
        const QByteArray before = hashOf(path);

        if (!indexKept) {
            // SQLite cannot read the journal here: the window says so
            // instead of showing fewer rows.
            platform->messages.expect();
            platform->messages.expect();
            QWidget *w = WindowRegistry::instance().show(QStringLiteral("frmtamu"));
            QVERIFY(w);
            QVERIFY(!platform->messages.calls.isEmpty());
            const QString text = platform->messages.calls.first().text;
            qInfo("journal without its index: %s", qPrintable(text));
            QVERIFY2(text.contains(QLatin1String("tidak dapat dibaca utuh")), qPrintable(text));
            platform->messages.reset();
            QCOMPARE(hashOf(path), before);
            return;
        }

        // Every saved row shows, the old one and the ones in the journal.
        auto *w = open<RecordWindow>(QStringLiteral("frmtamu"));
        QVERIFY(w);
        const RecordSet &guests = w->mainData().records();
        QStringList shown;
        for (int row = 0; row < guests.count(); ++row)
            shown << guests.textAt(row, guests.columnOf(QStringLiteral("Nama")));
        int missing = 0;
        for (const QString &name : acknowledged + QStringList{QStringLiteral("Lama")})
            if (shown.count(name) != 1)
                ++missing;
        qInfo("read-only folder: %lld saves acknowledged before the kill, %lld rows shown, rows missing: %d",
              qlonglong(acknowledged.size()), qlonglong(shown.size()), missing);
        QCOMPARE(missing, 0);

        // A save says why it cannot be made and keeps the row pending.
        QVERIFY(click(w, "cmdAdd"));
        type(w->box(2), QStringLiteral("Baru"));
        for (int i : {1, 3, 5, 6})
            w->box(i)->setText(QStringLiteral("x"));
        auto *rooms = w->findChild<QComboBox *>(QStringLiteral("Combo1"));
        choose(rooms, rooms->currentIndex() == 0 ? 1 : 0);
        platform->messages.expect();
        QVERIFY(click(w, "cmdUpdate"));
        QCOMPARE(platform->messages.calls.size(), 1);
        qInfo("read-only data folder: %s", qPrintable(platform->messages.calls.first().text));
        verifyIndonesian(platform->messages.calls.first().text);
        QVERIFY(!platform->messages.calls.first().text.contains(QLatin1String("sudah ada")));
        QVERIFY(button(w, "cmdUpdate")->isEnabled()); // the row is still pending
        QCOMPARE(w->box(2)->text(), QStringLiteral("Baru"));
        platform->messages.reset();
        QCOMPARE(hashOf(path), before);
    }

    void fullDiskSaysSoAndLosesNoEarlierSave()
    {
        if (!mountDataFolder(QStringLiteral("600k")))
            QSKIP("this machine lets no test mount a file system; the full disk is not tried");
        ++broken;
        QStringList saved;
        RecordWindow *w = nullptr;
        for (int i = 0; i < 2000; ++i) {
            const QString name = QStringLiteral("Tamu %1").arg(i);
            w = guestWindowWithOneTry(name);
            QVERIFY(w);
            platform->messages.expect();
            QVERIFY(click(w, "cmdUpdate"));
            if (!platform->messages.calls.isEmpty())
                break;
            platform->messages.reset();
            saved << name;
        }
        QVERIFY2(!platform->messages.calls.isEmpty(), "the disk never filled up");
        const QString text = platform->messages.calls.first().text;
        qInfo("full disk after %lld saves: %s", qlonglong(saved.size()), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("disk penuh")) || text.contains(QLatin1String("baca/tulis")), qPrintable(text));
        verifyIndonesian(text);
        QVERIFY(button(w, "cmdUpdate")->isEnabled());
        platform->messages.reset();
        QVERIFY(click(w, "cmdCancel"));

        const QList<QVariantMap> rows = TestDatabase::rows(QStringLiteral("SELECT Nama FROM Tamu"));
        QStringList stored;
        for (const QVariantMap &r : rows)
            stored << r.value(QStringLiteral("Nama")).toString();
        QCOMPARE(stored, saved);
        QCOMPARE(TestDatabase::rows(QStringLiteral("PRAGMA integrity_check")).first().first().toString(), QStringLiteral("ok"));
    }
};

QTEST_MAIN(TestBrokenFiles)
#include "test_brokenfiles.moc"
