#include "TestDatabase.h"
#include "TestPlatform.h"
#include "WindowDriver.h"

#include "data/DataError.h"
#include "records/DataControl.h"
#include "records/frmpembelian.h"

#include <QAbstractItemModel>
#include <QLocale>
#include <QTableView>
#include <memory>

using namespace WindowDriver;

class TestFrmpembelian : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static frmpembelian *openWindow() { return open<frmpembelian>(QStringLiteral("frmpembelian")); }
    static QComboBox *kinds(frmpembelian *w) { return w->findChild<QComboBox *>(QStringLiteral("Combo1")); }
    static QList<QVariantMap> purchases()
    {
        return TestDatabase::rows(QStringLiteral("SELECT * FROM \"Pembelian\" ORDER BY rowid"));
    }
    static void addPurchase(const QString &name, double jumlah, double harga, double total)
    {
        TestDatabase::insert(QStringLiteral("Pembelian"), {{QStringLiteral("Tanggal"), QStringLiteral("2004-02-28")},
                                                          {QStringLiteral("Nama"), name},
                                                          {QStringLiteral("Jenis"), QStringLiteral("001 PERLENGKAPAN")},
                                                          {QStringLiteral("Jumlah"), jumlah},
                                                          {QStringLiteral("Harga"), harga},
                                                          {QStringLiteral("Total"), total}});
    }

private slots:
    void initTestCase()
    {
        WindowRegistry::instance().registerWindow(QStringLiteral("frmpembelian"), [] { return new frmpembelian; });
    }

    void init()
    {
        platform.reset();
        platform = std::make_unique<TestPlatform>();
    }

    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void layoutAndNames()
    {
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral(" "));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(255, 224, 192));
        QCOMPARE(w->mainData().objectName(), QStringLiteral("adopembelian"));
        QVERIFY(w->findChild<QTableView *>(QStringLiteral("DataGrid1")));
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(w->box(i)->objectName(), QStringLiteral("Text1_%1").arg(i));
            QCOMPARE(w->box(i)->isVisible(), i != 3);
        }
        QComboBox *c = kinds(w);
        QCOMPARE(c->count(), 3);
        QCOMPARE(c->itemText(0), QStringLiteral("001 PERLENGKAPAN"));
        QCOMPARE(c->itemText(1), QStringLiteral("002 PERAWTAN"));
        QCOMPARE(c->itemText(2), QStringLiteral("003 SERVICE MAKAN"));
        QVERIFY(button(w, "cmdRefresh")->isVisible());
        QVERIFY(!button(w, "Command1"));
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!w->box(i)->isReadOnly()); // editable until the first Simpan or Batal
    }

    void recordsAPurchase()
    {
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        QCOMPARE(w->box(1)->text(), QStringLiteral("01/03/2004"));
        QCOMPARE(focusName(w), QStringLiteral("Text1_2"));
        type(w->box(2), QStringLiteral("Sabun"));
        choose(kinds(w), 1);
        type(w->box(4), QStringLiteral("3"));
        type(w->box(5), QStringLiteral("2500"));
        QCOMPARE(w->box(6)->text(), QStringLiteral("7500"));
        QVERIFY(click(w, "cmdUpdate"));
        const auto rows = purchases();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).value(QStringLiteral("Tanggal")).toString(), QStringLiteral("2004-03-01"));
        QCOMPARE(rows.at(0).value(QStringLiteral("Nama")).toString(), QStringLiteral("Sabun"));
        QCOMPARE(rows.at(0).value(QStringLiteral("Jenis")).toString(), QStringLiteral("002 PERAWTAN"));
        QCOMPARE(rows.at(0).value(QStringLiteral("Jumlah")).toDouble(), 3.0);
        QCOMPARE(rows.at(0).value(QStringLiteral("Harga")).toDouble(), 2500.0);
        QCOMPARE(rows.at(0).value(QStringLiteral("Total")).toDouble(), 7500.0);
        QVERIFY(button(w, "cmdAdd")->isEnabled());
        for (int i = 1; i <= 4; ++i)
            QVERIFY(w->box(i)->isReadOnly());
        QVERIFY(!w->box(5)->isReadOnly());
        QVERIFY(!w->box(6)->isReadOnly());
    }

    void totalRule_data()
    {
        QTest::addColumn<QString>("jumlah");
        QTest::addColumn<QString>("harga");
        QTest::addColumn<QString>("total");
        QTest::newRow("3 x 2500") << "3" << "2500" << "7500";
        QTest::newRow("empty price") << "3" << "" << "0";
        QTest::newRow("quantity with a unit word") << "2 buah" << "1000" << "2000";
    }

    void totalRule()
    {
        QFETCH(QString, jumlah);
        QFETCH(QString, harga);
        QFETCH(QString, total);
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        type(w->box(4), jumlah);
        type(w->box(5), harga);
        QCOMPARE(w->box(6)->text(), total);
    }

    // Quantity and price typed as a clerk writes them under the locale the
    // test runs in, saved with Simpan: the stored row holds the numbers meant,
    // the total shows in general number format, and the saved row stays as
    // it is through the next Tambah, Batal, Refresh and moves.
    void typedNumbersAreStoredAsMeant_data()
    {
        QTest::addColumn<QString>("jumlah");
        QTest::addColumn<QString>("harga");
        QTest::addColumn<double>("storedJumlah");
        QTest::addColumn<double>("storedHarga");
        QTest::addColumn<double>("storedTotal");
        QTest::addColumn<QString>("shownHarga"); // after Simpan
        QTest::addColumn<QString>("shownTotal"); // before and after Simpan

        const struct
        {
            const char *locale; // empty: every locale
            const char *name;
            const char *jumlah, *harga;
            double storedJumlah, storedHarga, storedTotal;
            const char *shownHarga, *shownTotal;
        } rows[] = {
            {"", "plain digits", "3", "2500", 3, 2500, 7500, "2500", "7500"},
            {"", "a blank inside", "1", "25 000", 1, 25000, 25000, "25000", "25000"},
            {"id_ID", "price grouped", "2", "1.250", 2, 1250, 2500, "1250", "2500"},
            {"id_ID", "twenty-five thousand", "1", "25.000", 1, 25000, 25000, "25000", "25000"},
            {"id_ID", "millions", "2", "1.250.000", 2, 1250000, 2500000, "1250000", "2500000"},
            {"id_ID", "decimal comma", "2", "18750,25", 2, 18750.25, 37500.5, "18750,25", "37500,5"},
            {"id_ID", "fractional quantity", "1,5", "3", 1.5, 3, 4.5, "3", "4,5"},
            {"id_ID", "grouped and decimal", "1", "1.234,5", 1, 1234.5, 1234.5, "1234,5", "1234,5"},
            {"en_GB", "quantity grouped", "1,200", "100", 1200, 100, 120000, "100", "120000"},
            {"en_GB", "decimal point", "2.5", "1,000", 2.5, 1000, 2500, "1000", "2500"},
            {"en_GB", "grouped and decimal", "1", "1,234.5", 1, 1234.5, 1234.5, "1234.5", "1234.5"},
        };
        const QString locale = QLocale::system().name();
        for (const auto &r : rows)
            if (!*r.locale || locale == QLatin1String(r.locale))
                QTest::newRow(r.name) << QString::fromUtf8(r.jumlah) << QString::fromUtf8(r.harga) << r.storedJumlah
                                      << r.storedHarga << r.storedTotal << QString::fromUtf8(r.shownHarga)
                                      << QString::fromUtf8(r.shownTotal);
    }

    void typedNumbersAreStoredAsMeant()
    {
        QFETCH(QString, jumlah);
        QFETCH(QString, harga);
        QFETCH(double, storedJumlah);
        QFETCH(double, storedHarga);
        QFETCH(double, storedTotal);
        QFETCH(QString, shownHarga);
        QFETCH(QString, shownTotal);
        addPurchase(QStringLiteral("Lampu"), 2, 5000, 999); // a stored total that differs
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        type(w->box(2), QStringLiteral("Sabun"));
        choose(kinds(w), 0);
        type(w->box(4), jumlah);
        type(w->box(5), harga);
        QCOMPARE(w->box(6)->text(), shownTotal);
        QVERIFY(click(w, "cmdUpdate"));

        const auto saved = purchases();
        QCOMPARE(saved.size(), 2);
        QCOMPARE(saved.at(1).value(QStringLiteral("Jumlah")).toDouble(), storedJumlah);
        QCOMPARE(saved.at(1).value(QStringLiteral("Harga")).toDouble(), storedHarga);
        QCOMPARE(saved.at(1).value(QStringLiteral("Total")).toDouble(), storedTotal);
        QCOMPARE(saved.at(0).value(QStringLiteral("Total")).toDouble(), 999.0);
        QCOMPARE(w->mainData().records().editMode(), RecordSet::EditMode::None); // nothing left pending
        QCOMPARE(w->box(5)->text(), shownHarga);
        QCOMPARE(w->box(6)->text(), shownTotal);

        QVERIFY(click(w, "cmdAdd"));
        QVERIFY(click(w, "cmdCancel"));
        QCOMPARE(purchases(), saved);
        QVERIFY(click(w, "cmdRefresh"));
        w->grid()->selectRow(1);
        QCOMPARE(w->box(6)->text(), shownTotal);
        w->grid()->selectRow(0);
        QCOMPARE(w->box(6)->text(), QStringLiteral("999"));
        w->grid()->selectRow(1);
        QVERIFY(click(w, "cmdAdd"));
        QVERIFY(click(w, "cmdCancel"));
        QCOMPARE(purchases(), saved);
        QCOMPARE(w->mainData().records().editMode(), RecordSet::EditMode::None);
    }

    // A purchase date typed as a clerk writes it is stored as that day and
    // shown as dd/MM/yyyy after Simpan.
    void datesAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("as shown") << "28/02/2004" << "2004-02-28";
        QTest::newRow("dashes, two-digit year") << "28-02-04" << "2004-02-28";
        QTest::newRow("points, one-digit day and month") << "1.3.2004" << "2004-03-01";
    }

    void datesAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        w->box(1)->selectAll();
        type(w->box(1), typed);
        type(w->box(2), QStringLiteral("Sabun"));
        choose(kinds(w), 0);
        type(w->box(4), QStringLiteral("1"));
        QVERIFY(click(w, "cmdUpdate"));
        QCOMPARE(purchases().at(0).value(QStringLiteral("Tanggal")).toString(), stored);
        QCOMPARE(w->box(1)->text(), QDate::fromString(stored, Qt::ISODate).toString(QStringLiteral("dd/MM/yyyy")));
    }

    // A quantity the number field cannot hold as typed is refused at Simpan
    // with the type-mismatch message; nothing is written.
    void refusesAQuantityTheFieldCannotHold_data()
    {
        QTest::addColumn<QString>("jumlah");
        QTest::newRow("a unit word") << "2 buah";
        QTest::newRow("a sign alone") << "-";
        if (QLocale::system().name() == QLatin1String("id_ID"))
            QTest::newRow("a decimal point") << "2.5";
        if (QLocale::system().name() == QLatin1String("en_GB"))
            QTest::newRow("a decimal comma") << "2,5";
    }

    void refusesAQuantityTheFieldCannotHold()
    {
        QFETCH(QString, jumlah);
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        type(w->box(2), QStringLiteral("Sabun"));
        choose(kinds(w), 0);
        type(w->box(4), jumlah);
        type(w->box(5), QStringLiteral("100"));
        platform->messages.expect();
        QVERIFY(click(w, "cmdUpdate"));
        QCOMPARE(platform->messages.calls.size(), 1);
        const QString text = platform->messages.calls.at(0).text;
        QVERIFY2(text.startsWith(QString::number(DataError::TypeMismatch) + QStringLiteral(" - ")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1Char('"') + jumlah + QLatin1Char('"')), qPrintable(text));
        QCOMPARE(purchases().size(), 0);
        QVERIFY(button(w, "cmdUpdate")->isEnabled()); // still Adding, the text kept
        QCOMPARE(w->box(4)->text(), jumlah);
    }

    void simpanWithoutAKindFocusesThePicker()
    {
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        type(w->box(2), QStringLiteral("Beras"));
        type(w->box(4), QStringLiteral("1"));
        platform->messages.expect();
        QVERIFY(click(w, "cmdUpdate"));
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls.at(0).text, QStringLiteral("Semua data harus diisi!"));
        QCOMPARE(platform->messages.calls.at(0).icon, Messages::Icon::Critical);
        QCOMPARE(focusName(w), QStringLiteral("Combo1"));
        QCOMPARE(purchases().size(), 0);
    }

    // A kind typed into the picker is no choice, even when it names an entry.
    void typedKindIsNotStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("leaveWith");
        QTest::newRow("start of an entry, Enter") << "003" << int(Qt::Key_Return);
        QTest::newRow("a whole entry, Enter") << "002 PERAWTAN" << int(Qt::Key_Return);
        QTest::newRow("a whole entry, Tab") << "001 perlengkapan" << int(Qt::Key_Tab);
    }

    void typedKindIsNotStored()
    {
        QFETCH(QString, typed);
        QFETCH(int, leaveWith);
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        QComboBox *c = kinds(w);
        c->setFocus();
        QTest::keyClicks(c, typed);
        QTest::keyClick(c, Qt::Key(leaveWith));
        QCOMPARE(w->box(3)->text(), QString());
        choose(c, 2);
        QCOMPARE(w->box(3)->text(), QStringLiteral("003 SERVICE MAKAN"));
        QVERIFY(click(w, "cmdCancel"));
    }

    void showingAnotherRecordWhileBrowsingKeepsItsTotal()
    {
        addPurchase(QStringLiteral("Sapu"), 2, 5000, 10000);
        addPurchase(QStringLiteral("Lampu"), 2, 5000, 999); // stored total differs
        frmpembelian *w = openWindow();
        QVERIFY(w);
        w->grid()->selectRow(1);
        QCOMPARE(w->box(6)->text(), QStringLiteral("999"));
        choose(kinds(w), 2); // the picker changes nothing while browsing
        QCOMPARE(w->box(3)->text(), QStringLiteral("001 PERLENGKAPAN"));
        w->grid()->selectRow(0);
        QCOMPARE(purchases().at(1).value(QStringLiteral("Total")).toDouble(), 999.0);
        QCOMPARE(purchases().at(1).value(QStringLiteral("Jenis")).toString(), QStringLiteral("001 PERLENGKAPAN"));
    }

    void showingAnotherRecordWhileEditingKeepsItsTotal()
    {
        addPurchase(QStringLiteral("Sapu"), 2, 5000, 10000);
        addPurchase(QStringLiteral("Lampu"), 2, 5000, 999);
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdEdit"));
        w->grid()->selectRow(1);
        QCOMPARE(w->box(6)->text(), QStringLiteral("999"));
        w->grid()->selectRow(0); // leaving the record writes nothing into it
        QCOMPARE(purchases().at(1).value(QStringLiteral("Total")).toDouble(), 999.0);
    }

    void duplicateKey()
    {
        TestDatabase::exec(QStringLiteral("CREATE UNIQUE INDEX \"Pembelian_Nama\" ON \"Pembelian\" (\"Nama\")"));
        addPurchase(QStringLiteral("Sapu"), 1, 1, 1);
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        type(w->box(2), QStringLiteral("Sapu"));
        choose(kinds(w), 0);
        type(w->box(4), QStringLiteral("1"));
        platform->messages.expect();
        QVERIFY(click(w, "cmdUpdate"));
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls.at(0).text,
                 QStringLiteral("No Transaksi tersebut sudah ada.\r\nGanti dengan yang lain!"));
        QCOMPARE(platform->messages.calls.at(0).title, QStringLiteral("No Transaksi Dobel?"));
        QCOMPARE(focusName(w), QStringLiteral("Text1_1"));
        // Still Adding; Tambah left the search bar enabled.
        QVERIFY(button(w, "cmdUpdate")->isEnabled());
        QVERIFY(w->picUtility()->isEnabled());
        QCOMPARE(purchases().size(), 1);
    }

    void enterMovesAlongTheTabOrder_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("Tanggal to Nama") << 1 << "Text1_2";
        QTest::newRow("Nama to Jumlah") << 2 << "Text1_4";
        QTest::newRow("Jumlah to Harga") << 4 << "Text1_5";
        QTest::newRow("Harga is outside the Enter range") << 5 << "Text1_5";
    }

    void enterMovesAlongTheTabOrder()
    {
        QFETCH(int, from);
        QFETCH(QString, to);
        frmpembelian *w = openWindow();
        QVERIFY(w);
        w->box(from)->setFocus();
        QTest::keyClick(w->box(from), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(focusName(w), to);
    }

    void tabOrder()
    {
        frmpembelian *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdEdit")); // search bar disabled, editing buttons enabled
        w->grid()->setFocus();
        QStringList order;
        for (int i = 0; i < 10; ++i) {
            order << focusName(w);
            platform->keystrokes.send(w, QStringLiteral("{Tab}"));
        }
        QCOMPARE(order.join(QLatin1Char(' ')),
                 QStringLiteral("DataGrid1 Text1_1 Text1_2 Text1_4 Text1_5 Text1_6 cmdUpdate cmdCancel Combo1 DataGrid1"));
    }
};

QTEST_MAIN(TestFrmpembelian)
#include "test_frmpembelian.moc"
