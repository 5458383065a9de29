#include "TestDatabase.h"
#include "JayaExample.h"
#include "TestPlatform.h"

#include "platform/WindowRegistry.h"
#include "records/RecordWindow.h"
#include "records/frmpembelian.h"
#include "records/frmtamu.h"
#include "records/frmtransaksi.h"
#include "search/InfoMirror.h"
#include "search/frminfo.h"
#include "search/frminfo2.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

// The search as the clerk meets it in the real record windows.
class TestSearchWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;
    QString startDir;

    static void addGuest(const QString &nama, const QString &alamat)
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("No KTP/KTA"), QStringLiteral("KTP-1")},
                                                     {QStringLiteral("Nama"), nama},
                                                     {QStringLiteral("Alamat"), alamat},
                                                     {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                                                     {QStringLiteral("NoKamar"), QStringLiteral("PM 01")},
                                                     {QStringLiteral("Harga"), 60000},
                                                     {QStringLiteral("Status"), QStringLiteral("Isi")}});
    }

    static RecordWindow *show(const QString &name)
    {
        return qobject_cast<RecordWindow *>(WindowRegistry::instance().show(name));
    }
    static SearchResultWindow *resultWindow(const QString &name)
    {
        return WindowRegistry::instance().window<SearchResultWindow>(name);
    }
    static QPushButton *buttonOf(QWidget *window, const char *name)
    {
        return window->findChild<QPushButton *>(QLatin1String(name));
    }
    static void click(QWidget *window, const char *name)
    {
        QPushButton *b = buttonOf(window, name);
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        WindowRegistry &r = WindowRegistry::instance();
        r.registerWindow(QStringLiteral("frmtamu"), [] { return new frmtamu; });
        r.registerWindow(QStringLiteral("frmtransaksi"), [] { return new frmtransaksi; });
        r.registerWindow(QStringLiteral("frmpembelian"), [] { return new frmpembelian; });
        r.registerWindow(QStringLiteral("frminfo"), [] { return new frminfo; });
        r.registerWindow(QStringLiteral("frminfo2"), [] { return new frminfo2; });
    }
    void init()
    {
        platform.reset(); // left over when a failed check ended cleanup() early
        platform = std::make_unique<TestPlatform>();
        startDir = QDir::currentPath();
        QDir::setCurrent(platform->dataDir());
    }
    void cleanup()
    {
        WindowRegistry::instance().unloadAll();
        QDir::setCurrent(startDir);
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void guestWindowFindsTheJayaExample()
    {
        addGuest(QStringLiteral("Budi"), QStringLiteral("Jl. Mawar 1"));
        addGuest(QStringLiteral("Jaya Abadi"), QStringLiteral("Jl. Jaya 5"));
        addGuest(QStringLiteral("Siti"), QStringLiteral("Jl. Melati 3"));
        addGuest(QStringLiteral("Ani"), QStringLiteral("Jl. Kenari 4"));
        addGuest(QStringLiteral("Toko Jaya"), QStringLiteral("Jl. Kenari 5"));
        RecordWindow *tamu = show(QStringLiteral("frmtamu"));
        QVERIFY(tamu);
        platform->prompt.expect(QStringLiteral("jaya"));
        click(tamu, "cmdFindFirst");

        SearchResultWindow *info = resultWindow(QStringLiteral("frminfo"));
        QCOMPARE(info->resultText(), jayaGolden());
        QCOMPARE(QFile(InfoMirror::path()).size(), jayaGolden().size());
        QVERIFY(info->isVisible());
        QCOMPARE(tamu->box(2)->text(), QStringLiteral("Jaya Abadi"));
        QVERIFY(!buttonOf(tamu, "cmdFindFirst")->isEnabled());
        QVERIFY(!buttonOf(info, "cmdFindFirst")->isEnabled());

        click(tamu, "cmdFindNext");
        QCOMPARE(tamu->box(2)->text(), QStringLiteral("Toko Jaya"));
        QCOMPARE(info->resultText(), jayaGolden() + QStringLiteral("\r\n"
                                                                 "  Record ke-5\r\n"
                                                                 "  - Nama field: Nama\r\n"
                                                                 "  - Isi field : Toko Jaya\r\n"
                                                                 "  - Kolom ke  : 3 di tabel.\r\n"));
    }

    void findFirstFollowsTheSearchBarInTheEditCycle()
    {
        addGuest(QStringLiteral("Jaya"), QStringLiteral("Jl. Mawar 1"));
        RecordWindow *tamu = show(QStringLiteral("frmtamu"));
        platform->prompt.expect(QStringLiteral("jaya"));
        click(tamu, "cmdFindFirst");
        QVERIFY(!buttonOf(tamu, "cmdFindFirst")->isEnabled());

        click(tamu, "cmdEdit");
        for (const char *name : {"cmdFindFirst", "cmdFindNext", "cmdView", "cmdClearSearch"})
            QVERIFY2(!buttonOf(tamu, name)->isEnabled(), name);
        click(tamu, "cmdCancel");
        for (const char *name : {"cmdFindFirst", "cmdFindNext", "cmdView", "cmdClearSearch"})
            QVERIFY2(buttonOf(tamu, name)->isEnabled(), name);
        // The result window's Cari keeps what the search gave it.
        QVERIFY(!buttonOf(resultWindow(QStringLiteral("frminfo")), "cmdFindFirst")->isEnabled());
    }

    void guestWindowFindsTheLastOf100000Guests()
    {
        TestDatabase::exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 99999) "
            "INSERT INTO \"Tamu\" (\"NoKamar\", \"No KTP/KTA\", \"Nama\", \"Alamat\", \"Checkin\", \"Harga\", \"Status\") "
            "SELECT 'PM 01', 'KTP-' || i, 'Tamu ' || i, 'Jl. Mawar ' || i, '2004-02-28', 60000, 'Isi' FROM n"));
        addGuest(QStringLiteral("Jaya"), QStringLiteral("Jl. Kenari 5"));
        RecordWindow *tamu = show(QStringLiteral("frmtamu"));
        platform->prompt.expect(QStringLiteral("jaya"));
        click(tamu, "cmdFindFirst");
        QCOMPARE(tamu->box(2)->text(), QStringLiteral("Jaya"));
        QVERIFY(resultWindow(QStringLiteral("frminfo"))->resultText().contains(QStringLiteral("  Record ke-100000\r\n")));
    }

    void transactionAndPurchaseWindowsShareOneResultText()
    {
        // The guest the transaction window's boxes show is not the one the
        // transaction copied: the search reports the transaction's own copies.
        addGuest(QStringLiteral("Budi"), QStringLiteral("Jl. Mawar 1"));
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("001")},
                                                          {QStringLiteral("No ID"), QStringLiteral("9")},
                                                          {QStringLiteral("No KTP/KTA"), QStringLiteral("KTP-9")},
                                                          {QStringLiteral("Nama"), QStringLiteral("Jaya Abadi")},
                                                          {QStringLiteral("Alamat"), QStringLiteral("Jl. Jaya 5")}});
        TestDatabase::insert(QStringLiteral("Pembelian"), {{QStringLiteral("Tanggal"), QStringLiteral("2004-03-01")},
                                                          {QStringLiteral("Nama"), QStringLiteral("Sabun")},
                                                          {QStringLiteral("Jenis"), QStringLiteral("Toko Jaya")},
                                                          {QStringLiteral("Jumlah"), 2}});
        const QString purchase = QStringLiteral("Ditemukan data 'JAYA' pada:\r\n"
                                                "---------------------------\r\n"
                                                "\r\n"
                                                "  Record ke-1\r\n"
                                                "  - Nama field: Jenis\r\n"
                                                "  - Isi field : Toko Jaya\r\n"
                                                "  - Kolom ke  : 4 di tabel.\r\n");
        const QString transaction = QStringLiteral("Ditemukan data 'JAYA' pada:\r\n"
                                                   "---------------------------\r\n"
                                                   "\r\n"
                                                   "  Record ke-1\r\n"
                                                   "  - Nama field: Nama\r\n"
                                                   "  - Isi field : Jaya Abadi\r\n"
                                                   "  - Kolom ke  : 4 di tabel.\r\n"
                                                   "\r\n"
                                                   "  Record ke-1\r\n"
                                                   "  - Nama field: Alamat\r\n"
                                                   "  - Isi field : Jl. Jaya 5\r\n"
                                                   "  - Kolom ke  : 5 di tabel.\r\n");

        RecordWindow *pembelian = show(QStringLiteral("frmpembelian"));
        QVERIFY(pembelian);
        platform->prompt.expect(QStringLiteral("jaya"));
        click(pembelian, "cmdFindFirst");
        SearchResultWindow *info2 = resultWindow(QStringLiteral("frminfo2"));
        QCOMPARE(info2->resultText(), purchase);

        RecordWindow *transaksi = show(QStringLiteral("frmtransaksi"));
        QVERIFY(transaksi);
        QCOMPARE(transaksi->box(3)->text(), QStringLiteral("Budi"));
        platform->prompt.expect(QStringLiteral("jaya"));
        click(transaksi, "cmdFindFirst");
        QCOMPARE(info2->resultText(), purchase + transaction);

        platform->messages.expect(Messages::Answer::Yes);
        click(pembelian, "cmdClearSearch");
        QCOMPARE(info2->resultText(), QString());
    }
};

QTEST_MAIN(TestSearchWindows)
#include "test_searchwindows.moc"
