#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/BackupFolder.h"
#include "data/Backups.h"
#include "data/DataFolder.h"
#include "data/Settings.h"
#include "platform/WindowRegistry.h"
#include "shell/AutoBackup.h"
#include "shell/WindowCatalog.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QUrl>
#include <memory>

// The main window's Utilitas menu, driven through its items, and the
// backups at start and end.
class TestUtilitas : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static QAction *item(const char *name)
    {
        QWidget *menu = WindowRegistry::instance().show(QStringLiteral("frmmenu"));
        return menu->findChild<QAction *>(QLatin1String(name));
    }

    static QStringList guests()
    {
        QStringList names;
        for (const QVariantMap &row : TestDatabase::rows(QStringLiteral("SELECT Nama FROM Tamu ORDER BY NoID")))
            names << row.value(QStringLiteral("Nama")).toString();
        return names;
    }

    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString lastMessage() const { return platform->messages.calls.isEmpty() ? QString() : platform->messages.calls.last().text; }

public slots:
    void openUrl(const QUrl &url) { opened << url; }

public:
    QList<QUrl> opened;

private slots:
    void initTestCase() { WindowCatalog::registerAll(); }
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void backUpNowTellsWhereTheBackupIs()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        platform->messages.expect(Messages::Answer::Ok);
        item("mnCadangkan")->trigger();
        const QString path = DataFolder::root() + QStringLiteral("/Cadangan/Zavav-20040301-100000.mdb");
        QCOMPARE(lastMessage(), QStringLiteral("Cadangan tersimpan di %1.").arg(QDir::toNativeSeparators(path)));
        QCOMPARE(platform->messages.calls.last().icon, Messages::Icon::Information);
        QVERIFY(QFile::exists(path));
    }

    void restoreThroughTheMenuShowsTheRestoredBooks()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        TestDatabase::insert(QStringLiteral("Pembelian"), {{QStringLiteral("Nama"), QStringLiteral("Sabun")}});
        Backups::run(platform->clock.now(), false);
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Budi")}});
        platform->clock.set(platform->clock.now().addSecs(3600));

        // A record window holds the database open in this program.
        QWidget *guestWindow = WindowRegistry::instance().show(QStringLiteral("frmtamu"));
        QVERIFY(guestWindow);
        QWidget *menuBefore = WindowRegistry::instance().existing(QStringLiteral("frmmenu"));

        platform->choice.expect(0);
        platform->messages.expect(Messages::Answer::Yes);
        platform->messages.expect(Messages::Answer::Ok);
        item("mnPulihkan")->trigger();
        QTRY_COMPARE(platform->messages.calls.size(), 2);

        const ScriptedChoice::Call &offered = platform->choice.calls.first();
        QCOMPARE(offered.items, QStringList({QStringLiteral("01/03/2004 10:00:00   1 tamu, 0 transaksi, 1 pembelian"),
                                             QStringLiteral("Berkas lain...")}));
        QCOMPARE(platform->messages.calls.first().buttons, Messages::Buttons::YesNo);
        QVERIFY2(lastMessage().startsWith(QLatin1String("Data sudah dipulihkan dari ")), qPrintable(lastMessage()));

        // Every window closed; the main window shows again, a fresh one.
        QVERIFY(!WindowRegistry::instance().existing(QStringLiteral("frmtamu")));
        QWidget *menuAfter = WindowRegistry::instance().existing(QStringLiteral("frmmenu"));
        QVERIFY(menuAfter && menuAfter->isVisible());
        QVERIFY(menuAfter != menuBefore || !menuBefore);
        QCOMPARE(guests(), QStringList({QStringLiteral("Ani")}));
        // The books before the restore are the newest backup now.
        QCOMPARE(BackupFolder::primary().backups().size(), 2);
    }

    void restoreOfAFileThatIsNoBackupChangesNothing()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        const QString text = platform->path(QStringLiteral("catatan.mdb"));
        {
            QFile f(text);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("bukan database\r\n");
        }
        const QByteArray before = bytesOf(DataFolder::databasePath());
        WindowRegistry::instance().show(QStringLiteral("frmtamu"));
        platform->choice.expect(0); // only "Berkas lain..." is offered
        platform->fileDialogs.expect(text);
        platform->messages.expect(Messages::Answer::Yes);
        platform->messages.expect(Messages::Answer::Ok);
        item("mnPulihkan")->trigger();
        QTRY_COMPARE(platform->messages.calls.size(), 2);
        QCOMPARE(platform->messages.calls.last().icon, Messages::Icon::Critical);
        QVERIFY2(lastMessage().contains(QLatin1String("bukan database Penginapan")), qPrintable(lastMessage()));
        QCOMPARE(bytesOf(DataFolder::databasePath()), before);
        // Nothing was closed.
        QVERIFY(WindowRegistry::instance().existing(QStringLiteral("frmtamu")));
    }

    void secondFolderIsChosenKeptAndLetGo()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        const QString usb = platform->path(QStringLiteral("usb"));
        QVERIFY(QDir().mkpath(usb));
        platform->fileDialogs.expect(usb);
        platform->messages.expect(Messages::Answer::Ok);
        item("mnFolderKedua")->trigger();
        QCOMPARE(platform->fileDialogs.calls.last().folder, true);
        QVERIFY2(lastMessage().contains(QLatin1String("sudah disalin")), qPrintable(lastMessage()));
        QCOMPARE(Settings::value(QStringLiteral("Cadangan/FolderKedua")).toString(), usb);
        QCOMPARE(QDir(usb).entryList(QDir::Files), QStringList({QStringLiteral("Zavav-20040301-100000.mdb")}));

        // Cancel, then Yes: copies stop.
        platform->fileDialogs.expect(QString());
        platform->messages.expect(Messages::Answer::Yes);
        item("mnFolderKedua")->trigger();
        QCOMPARE(platform->fileDialogs.calls.last().presetName, usb);
        QCOMPARE(Backups::secondFolder(), QString());
    }

    void openDataFolderHandsTheFolderToTheDesktop()
    {
        opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        item("mnFolderData")->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(DataFolder::root())}));
    }

    void secondFolderTroubleIsToldOncePerStart()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        Backups::setSecondFolder(platform->path(QStringLiteral("usb-tidak-ada")));
        platform->messages.expect(Messages::Answer::Ok);
        AutoBackup::atStart();
        QTRY_COMPARE(platform->messages.calls.size(), 1);
        QVERIFY2(lastMessage().contains(QLatin1String("folder cadangan kedua gagal")), qPrintable(lastMessage()));
        // Told already this run: the end keeps quiet, and so does the next start's notice.
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Budi")}});
        platform->clock.set(platform->clock.now().addSecs(60));
        AutoBackup::atEnd();
        QCOMPARE(BackupFolder::primary().backups().size(), 2);
        platform->messages.expect(Messages::Answer::Ok); // the next start tells once more
        AutoBackup::atStart();
        QTRY_COMPARE(platform->messages.calls.size(), 2);
    }

    void backupFailedAtTheEndIsToldAtTheNextStart()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
        // A file where the backup folder should be.
        {
            QFile blocker(DataFolder::root() + QStringLiteral("/Cadangan"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        AutoBackup::atEnd();
        QVERIFY(platform->messages.calls.isEmpty());
        QVERIFY(QFile::remove(DataFolder::root() + QStringLiteral("/Cadangan")));

        platform->messages.expect(Messages::Answer::Ok);
        AutoBackup::atStart();
        AutoBackup::waitForStart();
        QCoreApplication::processEvents();
        QCOMPARE(platform->messages.calls.size(), 1);
        QVERIFY2(lastMessage().startsWith(QLatin1String("Saat program ditutup 01/03/2004 10:00, cadangan otomatis gagal dibuat.")),
                 qPrintable(lastMessage()));
        QCOMPARE(platform->messages.calls.last().icon, Messages::Icon::Critical);
        // The start's own backup was made, and the notice is told only once.
        QCOMPARE(BackupFolder::primary().backups().size(), 1);
        QCOMPARE(Backups::takeNotice(), QString());
    }
};

QTEST_MAIN(TestUtilitas)
#include "test_utilitas.moc"
