#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/DataFolder.h"
#include "data/RecordSet.h"
#include "data/Schema.h"

#include <QTest>
#include <memory>

// The store numbers stays 001, 002, ...; a number once given is never given
// again, whatever is deleted and however often the program starts.
class TestTransactionNumbers : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static QString addStay(RecordSet &rs, const QString &name)
    {
        rs.addNew();
        rs.setText(QStringLiteral("Nama"), name);
        rs.update();
        return rs.text(QStringLiteral("NoTransaksi"));
    }

    static void deleteNumber(RecordSet &rs, const QString &number)
    {
        for (int row = 0; row < rs.count(); ++row) {
            rs.moveTo(row);
            if (rs.text(QStringLiteral("NoTransaksi")) == number) {
                rs.deleteCurrent();
                return;
            }
        }
        QFAIL(qPrintable(number + QStringLiteral(" is not stored")));
    }

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void deletedNumbersAreNotGivenAgain()
    {
        QStringList given;
        {
            RecordSet rs(Schema::transaksi());
            rs.open(DataFolder::databasePath());
            for (const char *name : {"Ani", "Budi", "Citra"})
                given << addStay(rs, QLatin1String(name));
            QCOMPARE(given, (QStringList{"001", "002", "003"}));
            deleteNumber(rs, QStringLiteral("003")); // the newest
            given << addStay(rs, QStringLiteral("Dewi"));
            QCOMPARE(given.last(), QStringLiteral("004"));
            deleteNumber(rs, QStringLiteral("004"));
            deleteNumber(rs, QStringLiteral("002"));
        }
        // The next start of the program goes on from there too, even with
        // the newest deleted.
        RecordSet rs(Schema::transaksi());
        rs.open(DataFolder::databasePath());
        QCOMPARE(addStay(rs, QStringLiteral("Eko")), QStringLiteral("005"));
        deleteNumber(rs, QStringLiteral("005"));
        deleteNumber(rs, QStringLiteral("001"));
        QCOMPARE(rs.count(), 0);
        QCOMPARE(addStay(rs, QStringLiteral("Fajar")), QStringLiteral("006"));
    }

    void fileWithoutACounterGoesOnAfterTheHighestStoredNumber()
    {
        // A file made before the store kept its counter: the stays carry
        // numbers, nothing else does.
        for (const char *number : {"001", "002", "017", "009"})
            TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QLatin1String(number)},
                                                              {QStringLiteral("Nama"), QStringLiteral("Lama")}});
        TestDatabase::exec(QStringLiteral("DROP TABLE IF EXISTS \"Penomoran\""));
        RecordSet rs(Schema::transaksi());
        rs.open(DataFolder::databasePath());
        QCOMPARE(rs.count(), 4);
        QCOMPARE(addStay(rs, QStringLiteral("Baru")), QStringLiteral("018"));
        deleteNumber(rs, QStringLiteral("018"));
        QCOMPARE(addStay(rs, QStringLiteral("Baru lagi")), QStringLiteral("019"));
    }

    void numberTakenMeanwhileIsSkipped()
    {
        // A row put in with a number of its own (a copy from elsewhere) never
        // makes a save fail again and again.
        RecordSet rs(Schema::transaksi());
        rs.open(DataFolder::databasePath());
        QCOMPARE(addStay(rs, QStringLiteral("Ani")), QStringLiteral("001"));
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("002")},
                                                          {QStringLiteral("Nama"), QStringLiteral("Salinan")}});
        QCOMPARE(addStay(rs, QStringLiteral("Budi")), QStringLiteral("003"));
    }
};

QTEST_GUILESS_MAIN(TestTransactionNumbers)
#include "test_transactionnumbers.moc"
