#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/Connection.h"
#include "data/DataFolder.h"
#include "data/ReportQuery.h"

#include <QTest>
#include <memory>

using Category = ReportQuery::Category;
Q_DECLARE_METATYPE(ReportQuery::Category)

class TestReportQuery : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static void addStay(const QString &number, const QString &name, const QString &checkin, int price)
    {
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), number},
                                                          {QStringLiteral("Nama"), name},
                                                          {QStringLiteral("Checkin"), checkin},
                                                          {QStringLiteral("HargaSewa"), price}});
    }

private slots:
    void init()
    {
        platform = std::make_unique<TestPlatform>();
        // Stored out of order, so the sort shows.
        addStay(QStringLiteral("010"), QStringLiteral("Hanafi"), QStringLiteral("2004-02-28"), 60000);
        addStay(QStringLiteral("002"), QStringLiteral("ÉLAN Ñandú"), QStringLiteral("2004-02-29"), 75000);
        addStay(QStringLiteral("001"), QStringLiteral("O'Brien"), QStringLiteral("2004-02-28"), 60000);
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("003")}});
    }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void selects_data()
    {
        QTest::addColumn<Category>("category");
        QTest::addColumn<QVariant>("argument");
        QTest::addColumn<QStringList>("numbers");
        const auto list = [](std::initializer_list<const char *> l) {
            QStringList s;
            for (const char *n : l)
                s << QString::fromLatin1(n);
            return s;
        };
        QTest::newRow("all, store order") << Category::All << QVariant() << list({"010", "002", "001", "003"});
        QTest::newRow("number part, sorted") << Category::TransactionNumber << QVariant(QStringLiteral("01"))
                                             << list({"001", "010"});
        QTest::newRow("name, any case") << Category::GuestName << QVariant(QStringLiteral("AN")) << list({"002", "010"});
        QTest::newRow("name, non-ASCII case") << Category::GuestName << QVariant(QStringLiteral("élan ñ")) << list({"002"});
        QTest::newRow("name with apostrophe") << Category::GuestName << QVariant(QStringLiteral("o'b")) << list({"001"});
        QTest::newRow("empty name: every name") << Category::GuestName << QVariant(QString()) << list({"001", "002", "010"});
        QTest::newRow("date by day") << Category::CheckinDate << QVariant(QDate(2004, 2, 28)) << list({"001", "010"});
        QTest::newRow("price") << Category::RoomPrice << QVariant(60000.0) << list({"001", "010"});
        QTest::newRow("nothing") << Category::RoomPrice << QVariant(3000000.0) << QStringList();
    }

    void selects()
    {
        QFETCH(Category, category);
        QFETCH(QVariant, argument);
        QFETCH(QStringList, numbers);
        Connection c(DataFolder::databaseLocation());
        ReportQuery q(c, category, argument);
        QCOMPARE(q.count(), numbers.size());
        QStringList got;
        while (q.next())
            got << q.value(QStringLiteral("NoTransaksi")).toString();
        QCOMPARE(got, numbers);
    }
};

QTEST_GUILESS_MAIN(TestReportQuery)
#include "test_reportquery.moc"
