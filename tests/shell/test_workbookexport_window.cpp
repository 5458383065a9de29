#include "TestDatabase.h"
#include "TestPlatform.h"
#include "TestServer.h"

#include "data/Connection.h"
#include "data/DataFolder.h"
#include "platform/WindowRegistry.h"
#include "shell/WindowCatalog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <memory>

// "Ekspor ke Excel..." of the main window and penginapan --export-xlsx.
class TestWorkbookExportWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static void addGuests(int count)
    {
        TestDatabase::exec(QStringLiteral("INSERT INTO \"Tamu\" (\"No KTP/KTA\", \"Nama\", \"Checkin\", \"Harga\") "
                                          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                          "SELECT printf('%03d', i), 'Tamu ' || i, '2004-02-28', 60000 FROM n")
                               .arg(count));
    }
    QMainWindow *mainWindow() { return qobject_cast<QMainWindow *>(WindowRegistry::instance().show(QStringLiteral("frmmenu"))); }
    static QStringList entries(const QString &dir)
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    struct Run
    {
        int exitCode;
        QString out;
        QString err;
    };
    static Run program(const QStringList &arguments)
    {
        QProcess p;
        // No screen at all.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(PENGINAPAN_BIN), arguments);
        if (!p.waitForFinished(60000))
            return {-1, QString(), QStringLiteral("(timed out)")};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

private slots:
    void initTestCase() { WindowCatalog::registerAll(); }
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void exportsWithAProgressBarWhileTheWindowRepaints()
    {
        addGuests(50000);
        QMainWindow *window = mainWindow();
        const QString file = platform->path(QStringLiteral("buku"));
        platform->fileDialogs.expect(file);
        platform->messages.expect(Messages::Answer::Ok);

        // A timer that fires while the export runs sees the bar move.
        int seenBar = 0;
        int highest = 0;
        QTimer watch;
        watch.setInterval(0);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (auto *bar = window->findChild<QProgressBar *>(QStringLiteral("prgEkspor"))) {
                ++seenBar;
                highest = qMax(highest, bar->value());
            }
        });
        watch.start();
        window->findChild<QAction *>(QStringLiteral("mnEksporExcel"))->trigger();
        watch.stop();

        QVERIFY2(seenBar > 0, "the event loop did not run during the export");
        QVERIFY(highest > 0);
        // The bar is gone afterwards, and so is the status bar it stood in.
        QVERIFY(!window->findChild<QProgressBar *>(QStringLiteral("prgEkspor")));
        QTRY_VERIFY(!window->findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly));

        QCOMPARE(platform->fileDialogs.calls.size(), 1);
        QCOMPARE(platform->fileDialogs.calls[0].title, QStringLiteral("Ekspor ke Excel..."));
        QCOMPARE(platform->fileDialogs.calls[0].presetName, QStringLiteral("Penginapan 2004-03-01.xlsx"));
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls[0].title, QStringLiteral("Ekspor ke Excel"));
        QCOMPARE(platform->messages.calls[0].icon, Messages::Icon::Information);
        QCOMPARE(platform->messages.calls[0].text,
                 QStringLiteral("Data sudah diekspor ke\r%1.xlsx\r\rTamu: 50000 baris\rTransaksi: 0 baris\rPembelian: 0 baris")
                     .arg(QDir::toNativeSeparators(file)));
        QFile written(file + QStringLiteral(".xlsx"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.read(2), QByteArray("PK"));
    }

    void aFileThatCannotBeWrittenIsTold()
    {
        addGuests(1);
        QMainWindow *window = mainWindow();
        const QString file = platform->path(QStringLiteral("tidak-ada/buku.xlsx"));
        const QStringList before = entries(platform->dataDir());
        platform->fileDialogs.expect(file);
        platform->messages.expect(Messages::Answer::Ok);
        window->findChild<QAction *>(QStringLiteral("mnEksporExcel"))->trigger();
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls[0].title, QStringLiteral("Ekspor Gagal"));
        QCOMPARE(platform->messages.calls[0].icon, Messages::Icon::Critical);
        QVERIFY2(platform->messages.calls[0].text.startsWith(QStringLiteral("Data tidak dapat diekspor ke\r%1\r\rEkspor ke Excel: folder ")
                                                                  .arg(QDir::toNativeSeparators(file))),
                 qPrintable(platform->messages.calls[0].text));
        QCOMPARE(entries(platform->dataDir()), before);
    }

    void aCancelWritesNothing()
    {
        QMainWindow *window = mainWindow();
        const QStringList before = entries(platform->dataDir());
        platform->fileDialogs.expect(QString());
        window->findChild<QAction *>(QStringLiteral("mnEksporExcel"))->trigger();
        QCOMPARE(entries(platform->dataDir()), before);
    }

    void exportsFromAShellWithoutAScreen()
    {
        addGuests(3);
        const QString file = platform->path(QStringLiteral("buku.xlsx"));
        const Run run = program({QStringLiteral("--data"), platform->dataDir(), QStringLiteral("--export-xlsx"), file});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Diekspor ke %1: Tamu 3 baris, Transaksi 0 baris, Pembelian 0 baris.\n")
                              .arg(QDir::toNativeSeparators(file)));
        QVERIFY(QFile::exists(file));
    }

    // With --server the books are the server's: the export reads those, not
    // the file that happens to lie in the data folder.
    void aShellExportReadsTheServersBooks()
    {
        if (TestServer::uri().isEmpty())
            QSKIP("no PostgreSQL server runs for this test run");
        addGuests(3); // the local file
        const QString server = TestServer::createDatabase();
        {
            Connection schema(server); // makes the tables
        }
        TestServer::exec(server, QStringLiteral("INSERT INTO \"Tamu\" (\"Nama\", \"Checkin\") VALUES ('Di Server', '2004-02-28')"));
        const QString file = platform->path(QStringLiteral("server.xlsx"));
        const Run run = program({QStringLiteral("--data"), platform->dataDir(), QStringLiteral("--server"), server,
                                 QStringLiteral("--export-xlsx"), file});
        TestServer::dropDatabase(server);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, QStringLiteral("Diekspor ke %1: Tamu 1 baris, Transaksi 0 baris, Pembelian 0 baris.\n")
                              .arg(QDir::toNativeSeparators(file)));
    }

    // An empty --data name is refused here too, before anything is written.
    void aShellExportRefusesAnEmptyDataFolderName()
    {
        const Run run = program({QStringLiteral("--data"), QString(), QStringLiteral("--export-xlsx"),
                                 platform->path(QStringLiteral("buku.xlsx"))});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QLatin1String("--data")), qPrintable(run.err));
        QCOMPARE(entries(platform->dataDir()), QStringList());
    }

    void aShellExportThatFailsSaysWhyAndWritesNothing_data()
    {
        QTest::addColumn<bool>("withDatabase");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("no database") << false << "buku.xlsx" << "Database tidak ada: ";
        QTest::newRow("folder missing") << true << "tidak-ada/buku.xlsx" << "Ekspor ke Excel: folder ";
    }

    void aShellExportThatFailsSaysWhyAndWritesNothing()
    {
        QFETCH(bool, withDatabase);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QString dir = platform->dataDir();
        if (withDatabase) {
            addGuests(1);
        } else {
            dir = platform->path(QStringLiteral("kosong"));
            QVERIFY(QDir().mkpath(dir));
        }
        const QStringList before = entries(dir);
        const Run run = program({QStringLiteral("--data"), dir, QStringLiteral("--export-xlsx"), QDir(dir).filePath(name)});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(entries(dir), before); // no database made, no file left
    }

    void helpListsTheExport()
    {
        const Run run = program({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("--export-xlsx <FILE>")), qPrintable(run.out));
    }
};

QTEST_MAIN(TestWorkbookExportWindow)
#include "test_workbookexport_window.moc"
