#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/Connection.h"
#include "data/DataFolder.h"
#include "data/ReportQuery.h"
#include "data/TransaksiTotals.h"
#include "reports/BarisLaporan.h"
#include "reports/Recapitulation.h"
#include "reports/ReportError.h"

#include <QRandomGenerator>
#include <QTest>
#include <memory>

// The store's one-pass sums agree with reading the rows one by one: when
// the store calls a table clean, the rows read without an error and give the
// same sums; a table with a row that fails is never called clean.
class TestTransaksiTotals : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static bool add(const QVariantMap &changes)
    {
        QVariantMap row{{QStringLiteral("NoTransaksi"), QStringLiteral("%1").arg(QRandomGenerator::global()->generate())},
                        {QStringLiteral("Nama"), QStringLiteral("Tamu")},
                        {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                        {QStringLiteral("Lama"), 2},
                        {QStringLiteral("JumlahOrang"), 3},
                        {QStringLiteral("HargaSewa"), 60000},
                        {QStringLiteral("Pengeluaran"), 90000.0}};
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            row.insert(it.key(), it.value());
        return TestDatabase::tryInsert(QStringLiteral("Transaksi"), row);
    }

    // The sums row by row, or the number of the error that stops them.
    static std::pair<int, Recapitulation> rowByRow()
    {
        Connection c(DataFolder::databaseLocation());
        ReportQuery q(c, ReportQuery::Category::All);
        Recapitulation recap;
        try {
            while (q.next())
                recap.add(BarisLaporan::fromRecord([&](const QString &f) { return q.value(f); },
                                                   BarisLaporan::CheckoutField::NotRead));
        } catch (const ReportError &e) {
            return {e.number(), recap};
        }
        return {0, recap};
    }

    static TransaksiTotals totals()
    {
        Connection c(DataFolder::databaseLocation());
        return TransaksiTotals::read(c);
    }

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void agreesWithTheRows_data()
    {
        QTest::addColumn<QVariantMap>("odd");
        QTest::addColumn<bool>("clean");
        const auto v = [](const char *field, const QVariant &value) { return QVariantMap{{QLatin1String(field), value}}; };
        QTest::newRow("plain") << QVariantMap() << true;
        QTest::newRow("expense with a quarter") << v("Pengeluaran", 18750.25) << true;
        QTest::newRow("expense with three quarters") << v("Pengeluaran", 18750.75) << true;
        QTest::newRow("expense with a half: to the even neighbour") << v("Pengeluaran", 18750.5) << true;
        QTest::newRow("odd half") << v("Pengeluaran", 18751.5) << true;
        QTest::newRow("negative half") << v("Pengeluaran", -2.5) << true;
        QTest::newRow("nearly a half") << v("Pengeluaran", 2.4999999999) << true;
        QTest::newRow("day zero") << v("Checkin", QStringLiteral("2004-02-00")) << false;
        QTest::newRow("check-in as a number") << v("Checkin", 20040228) << false;
        QTest::newRow("whole number stored as real") << v("Lama", 2.0) << true;
        QTest::newRow("number given as text is stored as a number") << v("HargaSewa", QStringLiteral("60000")) << true;
        QTest::newRow("text that is no number") << v("HargaSewa", QStringLiteral("enam")) << false;
        QTest::newRow("empty name") << v("Nama", QVariant()) << false;
        QTest::newRow("empty check-in") << v("Checkin", QVariant()) << false;
        QTest::newRow("no such day") << v("Checkin", QStringLiteral("2004-02-30")) << false;
        QTest::newRow("income beyond 32 bits") << QVariantMap{{QStringLiteral("Lama"), 1000}, {QStringLiteral("JumlahOrang"), 1000}} << false;
        QTest::newRow("expense beyond 32 bits") << v("Pengeluaran", 3e9) << false;
        QTest::newRow("balance at the 32-bit edge") << QVariantMap{{QStringLiteral("Lama"), 0}, {QStringLiteral("Pengeluaran"), -2147483647.0}} << true;
        QTest::newRow("balance beyond 32 bits") << QVariantMap{{QStringLiteral("Lama"), 0}, {QStringLiteral("Pengeluaran"), -2147483648.0}} << false;
    }

    void agreesWithTheRows()
    {
        QFETCH(QVariantMap, odd);
        QFETCH(bool, clean);
        QVERIFY(add({}));
        if (!add(odd)) {
            QVERIFY(TestPlatform::onServer());
            QVERIFY(!clean);
            QSKIP("The server's typed columns refuse such a row.");
        }
        QVERIFY(add({{QStringLiteral("Pengeluaran"), 0.0}}));
        const TransaksiTotals t = totals();
        const auto [error, recap] = rowByRow();
        QCOMPARE(t.rows, 3);
        QCOMPARE(t.clean, clean);
        if (t.clean) {
            QCOMPARE(error, 0);
            QCOMPARE(t.income, recap.income());
            QCOMPARE(t.expenses, recap.expenses());
            QCOMPARE(t.balance, recap.balance());
        }
    }

    void agreesOnManyRows()
    {
        QRandomGenerator random(42);
        for (int i = 0; i < 300; ++i) {
            const int lama = int(random.bounded(-3, 30));
            const int orang = int(random.bounded(1, 5));
            const int harga = random.bounded(2) ? 60000 : 75001;
            const int quarters = int(random.bounded(-16000000, 16000000));
            QVERIFY(add({{QStringLiteral("Lama"), lama}, {QStringLiteral("JumlahOrang"), orang}, {QStringLiteral("HargaSewa"), harga},
                         {QStringLiteral("Pengeluaran"), quarters * 0.25}}));
        }
        const TransaksiTotals t = totals();
        const auto [error, recap] = rowByRow();
        QCOMPARE(error, 0);
        QVERIFY(t.clean);
        QCOMPARE(t.income, recap.income());
        QCOMPARE(t.expenses, recap.expenses());
        QCOMPARE(t.balance, recap.balance());
        QVERIFY(t.income != 0 && t.expenses != 0);
    }

    void emptyTableHasNoRows()
    {
        const TransaksiTotals t = totals();
        QCOMPARE(t.rows, 0);
    }
};

QTEST_GUILESS_MAIN(TestTransaksiTotals)
#include "test_transaksitotals.moc"
