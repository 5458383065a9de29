#include "data/TextForms.h"
#include "records/Receipt.h"
#include "records/StayComputation.h"

#include <QLocale>
#include <QTest>

// The stay computation and the receipt text, without a window.
class TestStayComputation : public QObject
{
    Q_OBJECT

    const QDate today{2004, 3, 1};

private slots:
    void init() { QLocale::setDefault(QLocale::system()); }

    void onKeyPress_data()
    {
        QTest::addColumn<QString>("checkin");
        QTest::addColumn<QString>("harga");
        QTest::addColumn<QString>("orang");
        QTest::addColumn<QString>("total");   // before the key
        QTest::addColumn<QString>("lama");    // after, "-" for unchanged
        QTest::addColumn<QString>("newTotal");
        QTest::addColumn<QString>("share");
        QTest::newRow("check-in today counts one day") << "01/03/2004" << "60000" << "1" << "" << "1" << "60000" << "0";
        QTest::newRow("three days ago") << "27/02/2004" << "60000" << "1" << "" << "3" << "180000" << "0";
        QTest::newRow("two days ahead") << "03/03/2004" << "75000" << "1" << "" << "-2" << "-150000" << "0";
        QTest::newRow("two days, two persons") << "28/02/2004" << "60000" << "2" << "" << "2" << "240000" << "0";
        QTest::newRow("the key after") << "28/02/2004" << "60000" << "2" << "240000" << "2" << "240000" << "120000";
        QTest::newRow("persons box still empty") << "28/02/2004" << "60000" << "" << "" << "2" << "0" << "0";
        QTest::newRow("persons typed with a unit") << "29/02/2004" << "60000" << "3 orang" << "" << "1" << "180000" << "0";
        QTest::newRow("no check-in date") << "" << "60000" << "2" << "5" << "-" << "-" << "-";
        QTest::newRow("unreadable check-in date") << "kemarin" << "60000" << "2" << "5" << "-" << "-" << "-";
        QTest::newRow("beyond 32767 days") << "01/01/1900" << "60000" << "2" << "5" << "-" << "-" << "-";
        QTest::newRow("32767 days") << "15/06/1914" << "1" << "1" << "" << "32767" << "32767" << "0";
        QTest::newRow("32768 days") << "14/06/1914" << "1" << "1" << "" << "-" << "-" << "-";
    }

    void onKeyPress()
    {
        QFETCH(QString, checkin);
        QFETCH(QString, harga);
        QFETCH(QString, orang);
        QFETCH(QString, total);
        QFETCH(QString, lama);
        QFETCH(QString, newTotal);
        QFETCH(QString, share);
        const auto r = StayComputation::onKeyPress({checkin, QStringLiteral("9"), harga, orang, total}, today);
        QCOMPARE(r.checkout, QStringLiteral("01/03/2004"));
        QCOMPARE(r.lama.value_or(QStringLiteral("-")), lama);
        QCOMPARE(r.total.value_or(QStringLiteral("-")), newTotal);
        QCOMPARE(r.pengeluaran.value_or(QStringLiteral("-")), share);
    }

    // The share is written with the locale's decimal separator and, read
    // back, stays the same value.
    void fractionalShareReadsBackAsItself()
    {
        const QString share = StayComputation::expenseShare(QStringLiteral("1"), QStringLiteral("75001"));
        QCOMPARE(share, QStringLiteral("18750") + QLocale().decimalPoint() + QStringLiteral("25"));
        QCOMPARE(TextForms::leadingNumber(share), 18750.25);
        QCOMPARE(StayComputation::expenseShare(QStringLiteral("2"), share), QStringLiteral("9375") + QLocale().decimalPoint()
                                                                             + QStringLiteral("125"));
    }

    void receiptLines()
    {
        const QString text = Receipt::text({QStringLiteral("7"), QStringLiteral("Budi"), QStringLiteral("Jl. Melati 2"),
                                            QStringLiteral("28/02/2004"), QStringLiteral("01/03/2004"),
                                            QStringLiteral("2"), QStringLiteral("240000")});
        QCOMPARE(text, QStringLiteral("                     ID Tamu7\r\n"
                                      "                     NamaBudi\r\n"
                                      "                     AlamatJl. Melati 2\r\n"
                                      "                     Checkin28/02/2004\r\n"
                                      "                     Checkout01/03/2004\r\n"
                                      "                     Lama2\r\n"
                                      "                     Total Bayar240000"));
        QCOMPARE(Receipt::text({}), QStringLiteral("                     ID Tamu\r\n                     Nama\r\n"
                                                   "                     Alamat\r\n                     Checkin\r\n"
                                                   "                     Checkout\r\n                     Lama\r\n"
                                                   "                     Total Bayar"));
    }
};

QTEST_APPLESS_MAIN(TestStayComputation)
#include "test_staycomputation.moc"
