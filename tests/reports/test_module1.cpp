#include "LocaleGrouping.h"
#include "TestPlatform.h"

#include "reports/Module1.h"
#include "reports/ReportError.h"

#include <QTest>
#include <memory>

class TestModule1 : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void aligns_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected"); // null: the value does not fit

        const QString nine = QStringLiteral("#,###,###");
        QTest::newRow("right 0") << true << QVariant(0) << nine << QStringLiteral("        0");
        QTest::newRow("right -250") << true << QVariant(-250) << nine << QStringLiteral("        0");
        QTest::newRow("right 1234567") << true << QVariant(1234567) << nine << QStringLiteral("1,234,567");
        QTest::newRow("right 1234 ungrouped") << true << QVariant(1234) << QStringLiteral("#####")
                                            << QStringLiteral(" 1234");
        QTest::newRow("right empty") << true << QVariant(QString()) << QStringLiteral("##") << QStringLiteral(" 0");
        QTest::newRow("right null") << true << QVariant() << QStringLiteral("###") << QStringLiteral("  0");
        QTest::newRow("right 10,000,000 too wide") << true << QVariant(10000000) << nine << QString();
        QTest::newRow("right wide total") << true << QVariant(qint64(5000000000)) << QStringLiteral("#,###,###,###")
                                          << QStringLiteral("5,000,000,000");
        QTest::newRow("left 12") << false << QVariant(12) << QStringLiteral("##,###") << QStringLiteral("12    ");
        QTest::newRow("left 75000 grouped") << false << QVariant(75000.0) << QStringLiteral("##,###")
                                            << QStringLiteral("75,000");
        QTest::newRow("left 100000 too wide") << false << QVariant(100000) << QStringLiteral("##,###") << QString();
        QTest::newRow("left 0") << false << QVariant(0) << QStringLiteral("##") << QStringLiteral("  ");
        QTest::newRow("left negative") << false << QVariant(-3) << QStringLiteral("##") << QStringLiteral("  ");
        QTest::newRow("left text 001") << false << QVariant(QStringLiteral("001")) << QStringLiteral("###")
                                       << QStringLiteral("1  ");
        QTest::newRow("left text 000") << false << QVariant(QStringLiteral("000")) << QStringLiteral("###")
                                       << QStringLiteral("   ");
        QTest::newRow("left text A01") << false << QVariant(QStringLiteral("A01")) << QStringLiteral("###")
                                       << QStringLiteral("A01");
        QTest::newRow("left 22 characters") << false << QVariant(QStringLiteral("Abdurrahman Wahidullah"))
                                            << QString(22, QLatin1Char('#'))
                                            << QStringLiteral("Abdurrahman Wahidullah");
        QTest::newRow("left 23 characters") << false << QVariant(QStringLiteral("Abdurrahman Wahidullahs"))
                                            << QString(22, QLatin1Char('#')) << QString();
    }

    void aligns()
    {
        QFETCH(bool, right);
        QFETCH(QVariant, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        const auto align = [&] { return right ? Module1::RataKanan(value, pattern) : Module1::RataKiri(value, pattern); };
        if (expected.isNull()) {
            try {
                const QString got = align();
                QFAIL(qPrintable(QStringLiteral("no error, got \"%1\"").arg(got)));
            } catch (const ReportError &e) {
                QCOMPARE(e.number(), int(ReportError::InvalidArgument));
            }
            return;
        }
        QCOMPARE(align(), withLocaleGrouping(expected));
    }

    void groupsWithTheLocaleSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
        QCOMPARE(Module1::RataKanan(1234567, QStringLiteral("#,###,###")), QStringLiteral("1.234.567"));
    }

    void tellsWhetherThereIsAPrinter_data()
    {
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<bool>("present");
        QTest::newRow("default printer") << QStringLiteral("Kantor") << true;
        QTest::newRow("none") << QString() << false;
    }

    void tellsWhetherThereIsAPrinter()
    {
        QFETCH(QString, defaultName);
        QFETCH(bool, present);
        platform->printer.defaultName = defaultName;
        QCOMPARE(Module1::AdaPrinter(), present);
    }
};

QTEST_GUILESS_MAIN(TestModule1)
#include "test_module1.moc"
