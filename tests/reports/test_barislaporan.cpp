#include "reports/BarisLaporan.h"
#include "reports/ReportError.h"

#include <QTest>

class TestBarisLaporan : public QObject
{
    Q_OBJECT

    static QVariantMap record()
    {
        return {{QStringLiteral("NoTransaksi"), QStringLiteral("001")}, {QStringLiteral("Nama"), QStringLiteral("Ani")},
                {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                {QStringLiteral("Checkout"), QStringLiteral("2004-03-01")}, {QStringLiteral("Lama"), 2},
                {QStringLiteral("JumlahOrang"), 3}, {QStringLiteral("HargaSewa"), 40000},
                {QStringLiteral("Pengeluaran"), 15000.0}};
    }

private slots:
    void fillsAndComputes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("income");
        QTest::addColumn<int>("balance");
        QTest::addColumn<int>("error"); // 0: none

        QTest::newRow("as stored") << QString() << QVariant() << 240000 << 225000 << 0;
        QTest::newRow("expense above income") << "Pengeluaran" << QVariant(300000.0) << 240000 << -60000 << 0;
        QTest::newRow("half rounds to even, down") << "Pengeluaran" << QVariant(2.5) << 240000 << 239998 << 0;
        QTest::newRow("half rounds to even, up") << "Pengeluaran" << QVariant(3.5) << 240000 << 239996 << 0;
        QTest::newRow("income beyond 32 bits") << "HargaSewa" << QVariant(400000000) << 0 << 0
                                               << int(ReportError::Overflow);
        QTest::newRow("balance beyond 32 bits") << "Pengeluaran" << QVariant(-2147300000.0) << 0 << 0
                                                << int(ReportError::Overflow);
        QTest::newRow("field beyond 32 bits") << "Pengeluaran" << QVariant(3e9) << 0 << 0 << int(ReportError::Overflow);
        QTest::newRow("empty name") << "Nama" << QVariant(QMetaType(QMetaType::QString)) << 0 << 0
                                    << int(ReportError::InvalidNull);
        QTest::newRow("empty price") << "HargaSewa" << QVariant(QMetaType(QMetaType::Int)) << 0 << 0
                                     << int(ReportError::InvalidNull);
        QTest::newRow("empty checkout") << "Checkout" << QVariant(QMetaType(QMetaType::QString)) << 0 << 0
                                        << int(ReportError::InvalidNull);
        QTest::newRow("not a date") << "Checkin" << QVariant(QStringLiteral("kemarin")) << 0 << 0
                                    << int(ReportError::TypeMismatch);
        QTest::newRow("not a number") << "Lama" << QVariant(QStringLiteral("dua")) << 0 << 0
                                      << int(ReportError::TypeMismatch);
    }

    void fillsAndComputes()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(int, income);
        QFETCH(int, balance);
        QFETCH(int, error);
        QVariantMap r = record();
        if (!field.isEmpty())
            r.insert(field, value);
        try {
            const BarisLaporan b = BarisLaporan::fromRecord([&](const QString &f) { return r.value(f); });
            QCOMPARE(error, 0);
            QCOMPARE(b.NoTransaksi, QStringLiteral("001"));
            QCOMPARE(b.Checkin, QDate(2004, 2, 28));
            QCOMPARE(b.Checkout, QDate(2004, 3, 1));
            QCOMPARE(b.Pendapatan, income);
            QCOMPARE(b.Saldo, balance);
        } catch (const ReportError &e) {
            QCOMPARE(e.number(), error);
        }
    }

    void leavesCheckoutUnreadWhenAsked()
    {
        QVariantMap r = record();
        r.insert(QStringLiteral("Checkout"), QVariant(QMetaType(QMetaType::QString)));
        const BarisLaporan b = BarisLaporan::fromRecord([&](const QString &f) { return r.value(f); },
                                                        BarisLaporan::CheckoutField::NotRead);
        QCOMPARE(b.Saldo, 225000);
    }
};

QTEST_GUILESS_MAIN(TestBarisLaporan)
#include "test_barislaporan.moc"
