#include "TestDatabase.h"
#include "TestPlatform.h"
#include "TestServer.h"
#include "../records/WindowDriver.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "data/ServerStore.h"
#include "platform/WindowRegistry.h"
#include "records/frmtamu.h"
#include "reports/frmcetaklap.h"
#include "shell/WindowCatalog.h"

#include <QProcess>
#include <QSet>
#include <QTest>
#include <memory>

// Two desks on one set of books: two programs (or two connections) on one
// store at once, the server database or one Zavav.mdb.
class TestTwoDesks : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static int errorOf(const std::function<void()> &work)
    {
        try {
            work();
        } catch (const DataError &e) {
            return e.number();
        }
        return 0;
    }

    static void addStay(const QString &number, const QString &name, int price, double expense)
    {
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), number},
                                                          {QStringLiteral("No ID"), QStringLiteral("1")},
                                                          {QStringLiteral("Nama"), name},
                                                          {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                                                          {QStringLiteral("Checkout"), QStringLiteral("2004-03-01")},
                                                          {QStringLiteral("Lama"), 2},
                                                          {QStringLiteral("JumlahOrang"), 2},
                                                          {QStringLiteral("HargaSewa"), price},
                                                          {QStringLiteral("TotalBayar"), 4.0 * price},
                                                          {QStringLiteral("Pengeluaran"), expense}});
    }

    static QString program(const QString &relative)
    {
        return QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative;
    }

private slots:
    void initTestCase()
    {
        WindowCatalog::registerAll();
    }

    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    // Two programs save 200 stays each at the same time: every save is
    // acknowledged with its own number, and the store holds exactly those.
    void twoProgramsSavingAtOnceNeverShareANumber()
    {
        const QString location = DataFolder::databaseLocation();
        { Connection made(location); } // both programs find the books made
        std::unique_ptr<QProcess> desks[2];
        for (int d = 0; d < 2; ++d) {
            desks[d] = std::make_unique<QProcess>();
            desks[d]->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            desks[d]->start(program(QStringLiteral("reliability_staysaver")),
                            {location, QStringLiteral("meja%1").arg(d + 1), QStringLiteral("200")});
        }
        QHash<QString, QString> acknowledged; // name -> number
        int refused = 0;
        for (auto &desk : desks) {
            QVERIFY(desk->waitForFinished(240000));
            QCOMPARE(desk->exitCode(), 0);
            for (const QByteArray &line : desk->readAllStandardOutput().split('\n')) {
                const QStringList words = QString::fromUtf8(line).split(QLatin1Char(' '));
                if (words.first() == QLatin1String("ACK"))
                    acknowledged.insert(words.at(1), words.at(2));
                else if (words.first() == QLatin1String("REFUSED"))
                    ++refused;
            }
        }
        QCOMPARE(acknowledged.size(), 400);
        const auto rows = TestDatabase::rows(QStringLiteral("SELECT \"NoTransaksi\", \"Nama\" FROM \"Transaksi\""));
        QCOMPARE(rows.size(), 400);
        QSet<QString> numbers;
        for (const QVariantMap &row : rows) {
            const QString number = row.value(QStringLiteral("NoTransaksi")).toString();
            numbers.insert(number);
            QCOMPARE(acknowledged.value(row.value(QStringLiteral("Nama")).toString()), number);
        }
        QCOMPARE(numbers.size(), 400);
        qInfo("400 stays saved by two programs, 400 distinct numbers, %d saves refused and tried again", refused);
    }

    // Two desks edit one row: the second save is refused, not written over
    // the first; its change stays pending, and a requery shows the first.
    void secondSaveOfAnEditedRowIsRefused()
    {
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("KTP Satu"));
        RecordSet first(Schema::tamu());
        RecordSet second(Schema::tamu());
        first.open(DataFolder::databaseLocation());
        second.open(DataFolder::databaseLocation());
        first.setText(QStringLiteral("Kota"), QStringLiteral("Malang"));
        first.update();
        second.setText(QStringLiteral("Alamat"), QStringLiteral("Jl. Kenari 9"));
        QCOMPARE(errorOf([&] { second.update(); }), int(DataError::Conflict));
        QCOMPARE(second.editMode(), RecordSet::EditMode::Editing);
        QCOMPARE(second.text(QStringLiteral("Alamat")), QStringLiteral("Jl. Kenari 9"));
        const auto stored = TestDatabase::rows(QStringLiteral("SELECT \"Alamat\", \"Kota\" FROM \"Tamu\""));
        QCOMPARE(stored.first().value(QStringLiteral("Kota")).toString(), QStringLiteral("Malang"));
        QCOMPARE(stored.first().value(QStringLiteral("Alamat")).toString(), QStringLiteral("Jl. Mawar 1"));
        second.requery();
        QCOMPARE(second.text(QStringLiteral("Kota")), QStringLiteral("Malang"));
        // Read afresh, the row saves.
        second.setText(QStringLiteral("Alamat"), QStringLiteral("Jl. Kenari 9"));
        second.update();
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT \"Alamat\" FROM \"Tamu\"")).first().value(QStringLiteral("Alamat")).toString(),
                 QStringLiteral("Jl. Kenari 9"));
    }

    // The same through the guest window: Simpan tells the number and the
    // description; Batal brings the row as the other desk saved it.
    void guestWindowTellsTheConflictAndBatalShowsTheOtherDesksRow()
    {
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("KTP Satu"));
        auto *w = WindowDriver::open<frmtamu>(QStringLiteral("frmtamu"));
        QVERIFY(w);
        QVERIFY(WindowDriver::click(w, "cmdEdit"));
        w->box(3)->selectAll();
        WindowDriver::type(w->box(3), QStringLiteral("Jl. Kenari 9"));

        RecordSet otherDesk(Schema::tamu());
        otherDesk.open(DataFolder::databaseLocation());
        otherDesk.setText(QStringLiteral("Nama"), QStringLiteral("Satu Dua"));
        otherDesk.update();

        platform->messages.expect();
        QVERIFY(WindowDriver::click(w, "cmdUpdate"));
        QCOMPARE(platform->messages.calls.size(), 1);
        QVERIFY2(platform->messages.calls.at(0).text.startsWith(QStringLiteral("%1 - Record ini sudah diubah").arg(int(DataError::Conflict))),
                 qPrintable(platform->messages.calls.at(0).text));
        QCOMPARE(w->box(3)->text(), QStringLiteral("Jl. Kenari 9"));
        QCOMPARE(w->box(2)->text(), QStringLiteral("Satu"));
        QVERIFY(WindowDriver::click(w, "cmdCancel"));
        QCOMPARE(w->box(2)->text(), QStringLiteral("Satu Dua"));
        QCOMPARE(w->box(3)->text(), QStringLiteral("Jl. Mawar 1"));
    }

    // A desk's rows are a snapshot; a requery brings the other desk's rows.
    void otherDesksRowsComeWithARequery()
    {
        RecordSet mine(Schema::tamu());
        mine.open(DataFolder::databaseLocation());
        TestDatabase::insertGuest(QStringLiteral("Dari meja lain"), QStringLiteral("KTP Dari meja lain"));
        QCOMPARE(mine.count(), 0);
        mine.requery();
        QCOMPARE(mine.count(), 1);
        QCOMPARE(mine.text(QStringLiteral("Nama")), QStringLiteral("Dari meja lain"));
    }

    // The server drops the connection in the middle of the work: the save
    // fails with its own number, the row stays pending, and the next save
    // opens the connection again and writes it.
    void lostServerConnectionKeepsTheRowAndTheNextSaveReconnects()
    {
        if (!TestPlatform::onServer())
            QSKIP("Only a server connection can be lost.");
        RecordSet purchases(Schema::pembelian());
        purchases.open(DataFolder::databaseLocation());
        purchases.addNew();
        purchases.setText(QStringLiteral("Nama"), QStringLiteral("Sabun"));
        purchases.setText(QStringLiteral("Jumlah"), QStringLiteral("2"));
        // The server ends every connection to this database, as when it stops.
        TestServer::exec(TestServer::uri(),
                         QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '%1'")
                             .arg(ServerStore::databaseName(platform->server())));
        DataError lost(0, QString());
        try {
            purchases.update();
            QFAIL("the save on a dropped connection succeeded");
        } catch (const DataError &e) {
            lost = e;
        }
        QCOMPARE(lost.number(), int(DataError::ConnectionLost));
        QVERIFY2(lost.description().contains(QStringLiteral("terputus")), qPrintable(lost.description()));
        QCOMPARE(purchases.editMode(), RecordSet::EditMode::Adding);
        QCOMPARE(purchases.text(QStringLiteral("Nama")), QStringLiteral("Sabun"));
        purchases.update();
        QCOMPARE(purchases.editMode(), RecordSet::EditMode::None);
        const auto rows = TestDatabase::rows(QStringLiteral("SELECT \"Nama\", \"Jumlah\" FROM \"Pembelian\""));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().value(QStringLiteral("Jumlah")).toDouble(), 2.0);
    }

    // The books of a file moved to the server with the program's
    // --copy-to-server: the receipts report from the server is the report
    // from the file, byte for byte; a second copy into it is refused.
    void copyToServerGivesTheSameReport()
    {
        if (!TestPlatform::onServer())
            QSKIP("Needs the test server.");
        const QString target = platform->server();
        DataFolder::setServer(QString()); // seed the file
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("KTP Satu"));
        TestDatabase::insertGuest(QStringLiteral("O'Neil"), QStringLiteral("KTP O'Neil"));
        for (int i = 1; i <= 23; ++i)
            addStay(QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("Tamu %1").arg(i),
                    i % 2 ? 60000 : 75000, i * 1250.5);
        TestDatabase::insert(QStringLiteral("Pembelian"), {{QStringLiteral("Tanggal"), QStringLiteral("2004-02-28")},
                                                          {QStringLiteral("Nama"), QStringLiteral("Sabun")},
                                                          {QStringLiteral("Jumlah"), 2.5},
                                                          {QStringLiteral("Harga"), 1000.0},
                                                          {QStringLiteral("Total"), 2500.0}});
        auto *report = qobject_cast<frmcetaklap *>(WindowRegistry::instance().show(QStringLiteral("frmcetaklap")));
        report->TampilData(QStringLiteral("SEMUA DATA"));
        const QString fromFile = report->paneText();
        WindowRegistry::instance().unloadAll();

        QProcess copy;
        copy.start(program(QStringLiteral("../../shell/penginapan")),
                   {QStringLiteral("--data"), platform->dataDir(), QStringLiteral("--copy-to-server"), target});
        QVERIFY(copy.waitForFinished(60000));
        const QString said = QString::fromUtf8(copy.readAllStandardOutput());
        QVERIFY2(copy.exitCode() == 0, qPrintable(said + QString::fromUtf8(copy.readAllStandardError())));
        QVERIFY2(said.contains(QStringLiteral("Tamu: 2 baris")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("Transaksi: 23 baris")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("Pembelian: 1 baris")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("Pengeluaran 345138")), qPrintable(said)); // 1250.5 x (1 + ... + 23)

        DataFolder::setServer(target);
        report = qobject_cast<frmcetaklap *>(WindowRegistry::instance().show(QStringLiteral("frmcetaklap")));
        report->TampilData(QStringLiteral("SEMUA DATA"));
        QCOMPARE(report->paneText(), fromFile);
        WindowRegistry::instance().unloadAll();

        // The server's numbers go on after the copied ones.
        RecordSet stays(Schema::transaksi());
        stays.open(target);
        stays.addNew();
        stays.setText(QStringLiteral("Nama"), QStringLiteral("Baru"));
        stays.update();
        QCOMPARE(stays.text(QStringLiteral("NoTransaksi")), QStringLiteral("024"));
        stays.close();

        // A target that holds books already is refused, and nothing is written.
        QProcess again;
        again.start(program(QStringLiteral("../../shell/penginapan")),
                    {QStringLiteral("--data"), platform->dataDir(), QStringLiteral("--copy-to-server"), target});
        QVERIFY(again.waitForFinished(60000));
        QCOMPARE(again.exitCode(), 1);
        const QString refused = QString::fromUtf8(again.readAllStandardError());
        QVERIFY2(refused.contains(QStringLiteral("tidak kosong")), qPrintable(refused));
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT 1 FROM \"Transaksi\"")).size(), 24);
    }
};

QTEST_MAIN(TestTwoDesks)
#include "test_twodesks.moc"
