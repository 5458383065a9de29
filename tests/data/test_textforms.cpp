#include "data/TextForms.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>

// How texts of boxes and prompts are read and written under the clerk's
// Indonesian locale and under an English one. Each case is checked under
// both, whatever locale the test runs in.
class TestTextForms : public QObject
{
    Q_OBJECT

    static QLocale indonesian() { return QLocale(QLocale::Indonesian, QLocale::Indonesia); }
    static QLocale english() { return QLocale(QLocale::English, QLocale::UnitedKingdom); }

    // A refused text: no value.
    static QVariant refused() { return QVariant(); }

private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void readsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("idLeading");
        QTest::addColumn<QVariant>("idNumber"); // parseNumber; null when refused
        QTest::addColumn<double>("enLeading");
        QTest::addColumn<QVariant>("enNumber");
        const double max = std::numeric_limits<double>::max();
        QTest::newRow("plain digits") << "2500" << 2500.0 << QVariant(2500.0) << 2500.0 << QVariant(2500.0);
        QTest::newRow("twenty-five thousand the Indonesian way")
            << "25.000" << 25000.0 << QVariant(25000.0) << 25.0 << QVariant(25.0);
        QTest::newRow("decimal comma") << "18750,25" << 18750.25 << QVariant(18750.25) << 18750.0 << refused();
        QTest::newRow("English grouping") << "1,200" << 1.2 << QVariant(1.2) << 1200.0 << QVariant(1200.0);
        QTest::newRow("decimal point") << "2.5" << 2.0 << refused() << 2.5 << QVariant(2.5);
        QTest::newRow("Indonesian grouped decimal")
            << "1.234.567,5" << 1234567.5 << QVariant(1234567.5) << 1.234 << refused();
        QTest::newRow("English grouped decimal")
            << "1,234,567.5" << 1.234 << refused() << 1234567.5 << QVariant(1234567.5);
        QTest::newRow("four digits after a separator") << "1.2345" << 1.0 << refused() << 1.2345 << QVariant(1.2345);
        QTest::newRow("two digits after a separator") << "1.23" << 1.0 << refused() << 1.23 << QVariant(1.23);
        QTest::newRow("grouping after four digits") << "12345.678" << 12345.0 << refused() << 12345.678
                                                    << QVariant(12345.678);
        QTest::newRow("two points") << "1.2.3" << 1.0 << refused() << 1.2 << refused();
        QTest::newRow("a unit word after") << "2 buah" << 2.0 << refused() << 2.0 << refused();
        QTest::newRow("blanks anywhere") << " 1 2 3 " << 123.0 << QVariant(123.0) << 123.0 << QVariant(123.0);
        QTest::newRow("empty") << "" << 0.0 << refused() << 0.0 << refused();
        QTest::newRow("no number") << "dua" << 0.0 << refused() << 0.0 << refused();
        QTest::newRow("a sign alone") << "-" << 0.0 << refused() << 0.0 << refused();
        QTest::newRow("a separator alone") << "," << 0.0 << refused() << 0.0 << refused();
        QTest::newRow("negative") << "-12" << -12.0 << QVariant(-12.0) << -12.0 << QVariant(-12.0);
        QTest::newRow("plus sign") << "+4" << 4.0 << QVariant(4.0) << 4.0 << QVariant(4.0);
        QTest::newRow("fraction without a whole part") << ",5" << 0.5 << QVariant(0.5) << 0.0 << refused();
        QTest::newRow("Indonesian exponent") << "3,5E2 rupiah" << 350.0 << refused() << 3.0 << refused();
        QTest::newRow("English exponent") << "3.5E2" << 3.0 << refused() << 350.0 << QVariant(350.0);
        QTest::newRow("exponent beyond a double") << "1E400" << max << refused() << max << refused();
        QTest::newRow("a date") << "01/03/2004" << 1.0 << refused() << 1.0 << refused();
        QTest::newRow("a unit word starting like an exponent") << "2 dus" << 2.0 << refused() << 2.0 << refused();
    }

    void readsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, idLeading);
        QFETCH(QVariant, idNumber);
        QFETCH(double, enLeading);
        QFETCH(QVariant, enNumber);
        const struct
        {
            QLocale locale;
            double leading;
            QVariant number;
        } cases[] = {{indonesian(), idLeading, idNumber}, {english(), enLeading, enNumber}};
        for (const auto &c : cases) {
            QLocale::setDefault(c.locale);
            QCOMPARE(TextForms::leadingNumber(text), c.leading);
            const std::optional<double> number = TextForms::parseNumber(text);
            QCOMPARE(number.has_value(), c.number.isValid());
            if (number)
                QCOMPARE(*number, c.number.toDouble());
        }
    }

    void writesNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("idText");
        QTest::addColumn<QString>("enText");
        QTest::newRow("whole") << 7500.0 << "7500" << "7500";
        QTest::newRow("zero") << 0.0 << "0" << "0";
        QTest::newRow("no grouping") << 1234567.0 << "1234567" << "1234567";
        QTest::newRow("fraction") << 0.25 << "0,25" << "0.25";
        QTest::newRow("expense share of 75001") << 18750.25 << "18750,25" << "18750.25";
        QTest::newRow("15 significant digits") << (0.1 + 0.2) << "0,3" << "0.3";
        QTest::newRow("negative") << -150000.0 << "-150000" << "-150000";
        QTest::newRow("large") << 1e20 << "1E+20" << "1E+20";
        QTest::newRow("small") << 1.5e-7 << "1,5E-07" << "1.5E-07";
        QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345" << "123456789012345";
    }

    // A computed value written back in general number format reads back as
    // itself, by the window rules and by the store alike.
    void writesNumbers()
    {
        QFETCH(double, value);
        QFETCH(QString, idText);
        QFETCH(QString, enText);
        const struct
        {
            QLocale locale;
            QString text;
        } cases[] = {{indonesian(), idText}, {english(), enText}};
        for (const auto &c : cases) {
            QLocale::setDefault(c.locale);
            QCOMPARE(TextForms::numberText(value), c.text);
            QCOMPARE(TextForms::leadingNumber(c.text), value);
            QCOMPARE(TextForms::parseNumber(c.text).value_or(std::nan("")), value);
        }
    }

    void readsDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid: refused
        QTest::newRow("as shown") << "28/02/2004" << QDate(2004, 2, 28);
        QTest::newRow("dashes, two-digit year") << "28-02-04" << QDate(2004, 2, 28);
        QTest::newRow("points, one-digit day and month") << "1.3.2004" << QDate(2004, 3, 1);
        QTest::newRow("two-digit year is 20xx") << "28/02/99" << QDate(2099, 2, 28);
        QTest::newRow("blanks around") << " 28 / 02 / 2004 " << QDate(2004, 2, 28);
        QTest::newRow("year first") << "2004-02-28" << QDate(2004, 2, 28);
        QTest::newRow("leap day") << "29/02/2004" << QDate(2004, 2, 29);
        QTest::newRow("no such day") << "29/02/2003" << QDate();
        QTest::newRow("month 13") << "01/13/2004" << QDate();
        QTest::newRow("mixed separators") << "28/02-2004" << QDate();
        QTest::newRow("three-digit year") << "28/02/204" << QDate();
        QTest::newRow("three-digit day") << "028/02/2004" << QDate();
        QTest::newRow("two parts") << "28/02" << QDate();
        QTest::newRow("words") << "kemarin" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }

    void readsDates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        for (const QLocale &locale : {indonesian(), english()}) {
            QLocale::setDefault(locale);
            QCOMPARE(TextForms::parseDate(text).value_or(QDate()), date);
            if (date.isValid())
                QCOMPARE(TextForms::dateText(*TextForms::parseDate(text)), date.toString(QStringLiteral("dd/MM/yyyy")));
        }
    }

    void readsDatesInTheLocaleOrder()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(TextForms::parseDate(QStringLiteral("02/28/2004")).value_or(QDate()), QDate(2004, 2, 28));
        QCOMPARE(TextForms::parseDate(QStringLiteral("28/02/2004")).value_or(QDate()), QDate());
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); // year first
        QCOMPARE(TextForms::parseDate(QStringLiteral("2004/02/28")).value_or(QDate()), QDate(2004, 2, 28));
        QCOMPARE(TextForms::parseDate(QStringLiteral("28/02/2004")).value_or(QDate()), QDate(2004, 2, 28));
    }

    // A box's text as the store keeps it, under each locale; what is stored
    // shows again as a text that stores the same value.
    void storesTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("idStored"); // null: refused
        QTest::addColumn<QVariant>("enStored");
        const int whole = int(FieldType::WholeNumber);
        const int number = int(FieldType::Number);
        const int date = int(FieldType::Date);
        QTest::newRow("whole, grouped the Indonesian way")
            << whole << "60.000" << QVariant(60000LL) << QVariant(60LL);
        QTest::newRow("whole, grouped the English way") << whole << "60,000" << QVariant(60LL) << QVariant(60000LL);
        QTest::newRow("whole given a fraction") << whole << "2,5" << refused() << refused();
        QTest::newRow("whole given a point fraction") << whole << "2.5" << refused() << refused();
        QTest::newRow("whole beyond 32 bits") << whole << "3000000000" << refused() << refused();
        QTest::newRow("number with a unit word") << number << "2 buah" << refused() << refused();
        QTest::newRow("number, decimal comma") << number << "1250,5" << QVariant(1250.5) << refused();
        QTest::newRow("number, grouped decimal") << number << "1.250,5" << QVariant(1250.5) << refused();
        QTest::newRow("date as typed") << date << "1.3.04" << QVariant(QStringLiteral("2004-03-01"))
                                       << QVariant(QStringLiteral("2004-03-01"));
        QTest::newRow("date refused") << date << "31/02/2004" << refused() << refused();
    }

    void storesTexts()
    {
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(QVariant, idStored);
        QFETCH(QVariant, enStored);
        const struct
        {
            QLocale locale;
            QVariant stored;
        } cases[] = {{indonesian(), idStored}, {english(), enStored}};
        for (const auto &c : cases) {
            QLocale::setDefault(c.locale);
            const std::optional<QVariant> stored = TextForms::storedValue(FieldType(type), text);
            QCOMPARE(stored.has_value(), c.stored.isValid());
            if (!stored)
                continue;
            QCOMPARE(*stored, c.stored);
            const QString shown = TextForms::displayText(FieldType(type), *stored);
            QCOMPARE(TextForms::storedValue(FieldType(type), shown).value_or(QVariant()), *stored);
        }
    }
};

QTEST_APPLESS_MAIN(TestTextForms)
#include "test_textforms.moc"
