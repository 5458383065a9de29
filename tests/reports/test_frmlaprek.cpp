#include "ReportFixture.h"
#include "ReportGoldens.h"
#include "TestPlatform.h"

#include "platform/WindowRegistry.h"
#include "reports/frmcetaklap.h"
#include "reports/frmlaprek.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>
#include <memory>

using namespace ReportFixture;
using namespace ReportGoldens;

class TestFrmlaprek : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static frmlaprek *window()
    {
        return WindowRegistry::instance().window<frmlaprek>(QStringLiteral("frmlaprek"));
    }
    static void build()
    {
        QAction *a = window()->findChild<QAction *>(QStringLiteral("mncetak"));
        QVERIFY(a);
        a->trigger();
    }

private slots:
    void initTestCase()
    {
        WindowRegistry::instance().registerWindow(QStringLiteral("frmlaprek"), [] { return new frmlaprek; });
        WindowRegistry::instance().registerWindow(QStringLiteral("frmcetaklap"), [] { return new frmcetaklap; });
    }
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void buildsTheWorkedExample()
    {
        addExampleStays();
        // A transaction report fills the report file first; the
        // recapitulation leaves it empty.
        WindowRegistry::instance().window<frmcetaklap>(QStringLiteral("frmcetaklap"))->TampilData(QStringLiteral("SEMUA DATA"));
        QVERIFY(!reportFile().isEmpty());

        WindowRegistry::instance().show(QStringLiteral("frmlaprek"));
        window()->findChild<QLabel *>(QStringLiteral("Panels_3"))->setText(QStringLiteral("NAMA"));
        build();
        QCOMPARE(window()->paneText(), recapitulationExample());
        QCOMPARE(reportFile(), QByteArray());
        QCOMPARE(window()->findChild<QLabel *>(QStringLiteral("Panels_3"))->text(), QString());
        QVERIFY(window()->findChild<QPlainTextEdit *>(QStringLiteral("rtfLap1"))->isVisible());
        QCOMPARE(window()->findChild<QProgressBar *>(QStringLiteral("prgBar1"))->value(), 0);

        // Building again gives the same text.
        build();
        QCOMPARE(window()->paneText(), recapitulationExample());
    }

    void showsANegativeBalanceAsZero()
    {
        add({QStringLiteral("001"), QStringLiteral("Rugi"), QStringLiteral("2004-01-05"), QString(), 1, 1, 10000, 25000});
        build();
        QCOMPARE(window()->paneText(), recapitulation("       10,000", "       25,000", "            0"));
    }

    void findsNothingInAnEmptyTable()
    {
        platform->messages.expect();
        build();
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls[0].text, QStringLiteral("Data tidak ditemukan!"));
        QCOMPARE(platform->messages.calls[0].title, QStringLiteral("NIHIL"));
        QCOMPARE(platform->messages.calls[0].icon, Messages::Icon::Critical);
        QCOMPARE(window()->paneText(), QString());
    }

    void reportsAnOverflowAndRecovers()
    {
        add({QStringLiteral("001"), QStringLiteral("Lama Sekali"), QStringLiteral("2004-01-05"), QString(), 30000, 1,
             90000, 0});
        platform->messages.expect();
        build();
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls[0].text, QStringLiteral("6 Luapan bilangan (overflow)"));
        QCOMPARE(platform->messages.calls[0].icon, Messages::Icon::None);
        QCOMPARE(window()->findChild<QProgressBar *>(QStringLiteral("prgBar1"))->value(), 0);
        QCOMPARE(window()->findChild<QPlainTextEdit *>(QStringLiteral("rtfLap1"))->isHidden(), false);
    }

    void sumsAMillionRowsBeyond32Bits()
    {
        // 1,000,000 stays of 2 days x 1 person x 3,000 with 1,000 spent:
        // income 6,000,000,000, expenses 1,000,000,000.
        TestDatabase::exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000) "
            "INSERT INTO \"Transaksi\" (\"NoTransaksi\", \"Nama\", \"Checkin\", \"Lama\", \"JumlahOrang\", "
            "\"HargaSewa\", \"Pengeluaran\") SELECT substr(CAST(10000000 + i AS TEXT), 2), 'Tamu', '2004-03-01', 2, 1, 3000, 1000 FROM n"));
        build();
        QCOMPARE(window()->paneText(), recapitulation("6,000,000,000", "1,000,000,000", "5,000,000,000"));
    }
};

QTEST_MAIN(TestFrmlaprek)
#include "test_frmlaprek.moc"
