#include "PdfReader.h"
#include "TestDatabase.h"
#include "TestPlatform.h"
#include "WindowDriver.h"

#include "data/DataError.h"
#include "records/DataControl.h"
#include "records/DataNavigator.h"
#include "records/frmtransaksi.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QLocale>
#include <QTableView>
#include <QToolButton>
#include <memory>

using namespace WindowDriver;

class TestFrmtransaksi : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static void addGuest(const QString &name, const QString &checkin, int price, const QString &room)
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("No KTP/KTA"), QStringLiteral("KTP ") + name},
                                                     {QStringLiteral("Nama"), name},
                                                     {QStringLiteral("Alamat"), QStringLiteral("Jl. ") + name},
                                                     {QStringLiteral("Kota"), QStringLiteral("Kalisor")},
                                                     {QStringLiteral("No Telpon"), QStringLiteral("0341")},
                                                     {QStringLiteral("Checkin"), checkin},
                                                     {QStringLiteral("NoKamar"), room},
                                                     {QStringLiteral("Harga"), price},
                                                     {QStringLiteral("Status"), QStringLiteral("Isi")}});
    }

    static void addGuests()
    {
        addGuest(QStringLiteral("Ani"), QStringLiteral("2004-02-27"), 75000, QStringLiteral("PT 12"));
        addGuest(QStringLiteral("Budi"), QStringLiteral("2004-02-28"), 60000, QStringLiteral("PM 03"));
    }

    static frmtransaksi *openWindow() { return open<frmtransaksi>(QStringLiteral("frmtransaksi")); }

    static void step(frmtransaksi *w, const char *name)
    {
        QTest::mouseClick(w->guestNavigator()->findChild<QToolButton *>(QLatin1String(name)), Qt::LeftButton);
    }

    static QList<QVariantMap> transactions()
    {
        return TestDatabase::rows(QStringLiteral("SELECT * FROM \"Transaksi\" ORDER BY \"NoTransaksi\""));
    }

    // Tambah, the second guest, two persons, and keys until the stay shows.
    static void recordBudi(frmtransaksi *w)
    {
        QVERIFY(click(w, "cmdAdd"));
        step(w, "cmdNext");
        QCOMPARE(w->box(3)->text(), QStringLiteral("Budi"));
        type(w->box(12), QStringLiteral("2"));
        QCOMPARE(w->box(10)->text(), QStringLiteral("2"));
        QCOMPARE(w->box(13)->text(), QStringLiteral("0")); // computed before the 2 arrived
        QTest::keyClick(w->box(12), Qt::Key_Return);
        QCOMPARE(w->box(13)->text(), QStringLiteral("240000"));
        QCOMPARE(w->box(14)->text(), QStringLiteral("0"));
        w->box(13)->setFocus(); // the expense share follows the total
        QCOMPARE(w->box(14)->text(), QStringLiteral("120000"));
    }

private slots:
    void initTestCase()
    {
        WindowRegistry::instance().registerWindow(QStringLiteral("frmtransaksi"), [] { return new frmtransaksi; });
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
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("PENGINAPAN RERAR MERBALUNTA KALISOR"));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(192, 192, 255));
        QVERIFY(w->findChild<QTableView *>(QStringLiteral("DataGrid1")));
        QCOMPARE(w->guestData().objectName(), QStringLiteral("adoidentitas"));
        QCOMPARE(w->mainData().objectName(), QStringLiteral("adotransaksi"));
        QVERIFY(w->guestNavigator()->isVisible());
        const QStringList captions = {"cmdAdd", "cmdUpdate", "cmdCancel", "cmdDelete", "cmdEdit", "cmdRefresh",
                                      "Command1", "cmdClose", "cmdSimpanPdf"};
        int lastX = -1;
        for (const QString &name : captions) {
            QPushButton *b = button(w, qPrintable(name));
            QVERIFY2(b && b->isVisible(), qPrintable(name));
            QVERIFY(b->x() > lastX);
            lastX = b->x();
        }
        QCOMPARE(button(w, "Command1")->text(), QStringLiteral("Cetak"));
        QCOMPARE(button(w, "cmdSimpanPdf")->text(), QStringLiteral("Simpan sebagai PDF"));
        for (int i = 1; i <= 14; ++i) {
            QVERIFY(w->box(i)->isVisible());
            QCOMPARE(w->box(i)->font().family(), QStringLiteral("Verdana"));
        }
        for (int i = 1; i <= 9; ++i) {
            QVERIFY(w->transferBox(i));
            QCOMPARE(w->transferBox(i)->objectName(), QStringLiteral("Text%1").arg(i));
            QVERIFY(!w->transferBox(i)->isVisible());
        }
        // The lock range is editable until the first Simpan or Batal.
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!w->box(i)->isReadOnly());
    }

    void recordsAWholeStay()
    {
        addGuests();
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->box(3)->text(), QStringLiteral("Ani"));
        recordBudi(w);
        QVERIFY(click(w, "cmdUpdate"));

        const auto rows = transactions();
        QCOMPARE(rows.size(), 1);
        const QVariantMap &t = rows.at(0);
        QCOMPARE(t.value(QStringLiteral("NoTransaksi")).toString(), QStringLiteral("001"));
        QCOMPARE(t.value(QStringLiteral("No ID")).toString(), QStringLiteral("2"));
        QCOMPARE(t.value(QStringLiteral("No KTP/KTA")).toString(), QStringLiteral("KTP Budi"));
        QCOMPARE(t.value(QStringLiteral("Nama")).toString(), QStringLiteral("Budi"));
        QCOMPARE(t.value(QStringLiteral("Alamat")).toString(), QStringLiteral("Jl. Budi"));
        QCOMPARE(t.value(QStringLiteral("Kota")).toString(), QStringLiteral("Kalisor"));
        QCOMPARE(t.value(QStringLiteral("No Telpon")).toString(), QStringLiteral("0341"));
        QCOMPARE(t.value(QStringLiteral("Checkin")).toString(), QStringLiteral("2004-02-28"));
        QCOMPARE(t.value(QStringLiteral("No Kamar")).toString(), QStringLiteral("PM 03"));
        QCOMPARE(t.value(QStringLiteral("HargaSewa")).toInt(), 60000);
        QCOMPARE(t.value(QStringLiteral("Checkout")).toString(), QStringLiteral("2004-03-01"));
        QCOMPARE(t.value(QStringLiteral("Lama")).toInt(), 2);
        QCOMPARE(t.value(QStringLiteral("JumlahOrang")).toInt(), 2);
        QCOMPARE(t.value(QStringLiteral("TotalBayar")).toDouble(), 240000.0);
        QCOMPARE(t.value(QStringLiteral("Pengeluaran")).toDouble(), 120000.0);

        // Browsing again, the guest boxes read-only; the guest is unchanged.
        QVERIFY(button(w, "cmdAdd")->isEnabled());
        for (int i = 1; i <= 4; ++i)
            QVERIFY(w->box(i)->isReadOnly());
        QVERIFY(!w->box(12)->isReadOnly());
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT \"Nama\" FROM \"Tamu\" WHERE \"NoID\" = 2")).at(0)
                     .value(QStringLiteral("Nama")).toString(),
                 QStringLiteral("Budi"));

        // A second stay gets the next number from the store.
        QVERIFY(click(w, "cmdAdd"));
        type(w->box(12), QStringLiteral("1"));
        QVERIFY(click(w, "cmdUpdate"));
        QCOMPARE(transactions().at(1).value(QStringLiteral("NoTransaksi")).toString(), QStringLiteral("002"));
    }

    void enterComputesTheStayBeforeTheFocusMoves()
    {
        addGuests();
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        step(w, "cmdNext");
        type(w->box(12), QStringLiteral("2"));
        w->box(4)->setFocus();
        QTest::keyClick(w->box(4), Qt::Key_Return);
        QCOMPARE(w->box(13)->text(), QStringLiteral("240000"));
        QCOMPARE(w->box(14)->text(), QStringLiteral("0"));
        QCoreApplication::processEvents();
        // The focus arrives in "Nama" after the total is up to date.
        QCOMPARE(focusName(w), QStringLiteral("txtFields_3"));
        QCOMPARE(w->box(14)->text(), QStringLiteral("120000"));
    }

    void printsTheReceipt()
    {
        addGuests();
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        recordBudi(w);
        QVERIFY(click(w, "Command1")); // usable while adding, saved or not
        QCOMPARE(platform->printer.jobs.size(), 1);
        const auto job = platform->printer.jobs.at(0);
        QCOMPARE(job.fontFamily, QStringLiteral("Courier New"));
        QCOMPARE(job.pointSize, 18.0);
        QCOMPARE(job.text, QStringLiteral("                     ID Tamu2\r\n"
                                          "                     NamaBudi\r\n"
                                          "                     AlamatJl. Budi\r\n"
                                          "                     Checkin28/02/2004\r\n"
                                          "                     Checkout01/03/2004\r\n"
                                          "                     Lama2\r\n"
                                          "                     Total Bayar240000"));
    }

    void savesTheReceiptAsPdf()
    {
        addGuests();
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        recordBudi(w);
        platform->printer.defaultName.clear(); // a PDF needs no printer
        const QString file = platform->path(QStringLiteral("kuitansi"));
        platform->fileDialogs.expect(file);
        QVERIFY(click(w, "cmdSimpanPdf")); // usable while adding, saved or not
        QCOMPARE(platform->fileDialogs.calls.size(), 1);
        QCOMPARE(platform->fileDialogs.calls[0].title, QStringLiteral("Simpan sebagai PDF..."));
        QCOMPARE(platform->fileDialogs.calls[0].presetName, QStringLiteral("Kuitansi.pdf"));
        QVERIFY(platform->printer.jobs.isEmpty());
        // The lines Cetak prints, in the embedded face (a reader of the sheet
        // does not see the blanks every line begins with).
        COMPARE_SHEETS(PdfReader::sheetsOf(file + QStringLiteral(".pdf"), 18),
                       (QList<QStringList>{{"ID Tamu2", "NamaBudi", "AlamatJl. Budi", "Checkin28/02/2004",
                                            "Checkout01/03/2004", "Lama2", "Total Bayar240000"}}));
        const QStringList fonts = PdfReader::fonts(file + QStringLiteral(".pdf"));
        QCOMPARE(fonts.size(), 1);
        QVERIFY2(fonts.at(0).contains(QStringLiteral("LiberationMono")) && fonts.at(0).contains(QStringLiteral(" yes ")),
                 qPrintable(fonts.at(0)));
    }

    void aReceiptPdfThatCannotBeWrittenIsTold()
    {
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        const QString file = platform->path(QStringLiteral("tidak-ada/kuitansi.pdf"));
        platform->fileDialogs.expect(file);
        platform->messages.expect();
        QVERIFY(click(w, "cmdSimpanPdf"));
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls[0].title, QStringLiteral("PDF Gagal Disimpan"));
        QCOMPARE(platform->messages.calls[0].icon, Messages::Icon::Critical);
        QVERIFY(!QFileInfo::exists(file));
    }

    void receiptPrinterFailures_data()
    {
        QTest::addColumn<bool>("noPrinter");
        QTest::newRow("no printer") << true;
        QTest::newRow("printer fails") << false;
    }

    void receiptPrinterFailures()
    {
        QFETCH(bool, noPrinter);
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        if (noPrinter)
            platform->printer.defaultName.clear();
        else
            platform->printer.nextFailure = Printer::Failure{482, QStringLiteral("Kesalahan printer")};
        platform->messages.expect();
        QVERIFY(click(w, "Command1"));
        QCOMPARE(platform->messages.calls.size(), 1);
        const auto call = platform->messages.calls.at(0);
        QCOMPARE(call.icon, Messages::Icon::Critical);
        if (noPrinter) {
            QCOMPARE(call.text, Printer::noPrinterText());
            QCOMPARE(call.title, QStringLiteral("Printer Belum Diinstall"));
            QCOMPARE(platform->printer.jobs.size(), 0);
        } else {
            QCOMPARE(call.text, Printer::failureText({482, QStringLiteral("Kesalahan printer")}));
            QCOMPARE(call.title, QStringLiteral("Printer Error"));
        }
    }

    void browsingKeysChangeNothing()
    {
        addGuests();
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("001")},
                                                          {QStringLiteral("No ID"), QStringLiteral("1")},
                                                          {QStringLiteral("Nama"), QStringLiteral("Ani")},
                                                          {QStringLiteral("Checkin"), QStringLiteral("2004-02-20")},
                                                          {QStringLiteral("Checkout"), QStringLiteral("2004-02-21")},
                                                          {QStringLiteral("Lama"), 1},
                                                          {QStringLiteral("JumlahOrang"), 1},
                                                          {QStringLiteral("TotalBayar"), 75000.0},
                                                          {QStringLiteral("Pengeluaran"), 18750.0}});
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("002")}});
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->box(8)->text(), QStringLiteral("21/02/2004"));
        w->box(12)->setFocus();
        w->box(12)->setCursorPosition(0); // Backspace there changes no text
        QTest::keyClick(w->box(12), Qt::Key_Backspace);
        QTest::keyClick(w->box(12), Qt::Key_Return);
        w->box(13)->setFocus();
        QCOMPARE(w->box(8)->text(), QStringLiteral("21/02/2004"));
        QCOMPARE(w->box(10)->text(), QStringLiteral("1"));
        QCOMPARE(w->box(14)->text(), QStringLiteral("18750"));
        QCOMPARE(w->transferBox(3)->text(), QStringLiteral("Ani"));
        w->grid()->selectRow(1);
        const auto t = transactions().at(0);
        QCOMPARE(t.value(QStringLiteral("Checkout")).toString(), QStringLiteral("2004-02-21"));
        QCOMPARE(t.value(QStringLiteral("Pengeluaran")).toDouble(), 18750.0);
        QCOMPARE(t.value(QStringLiteral("JumlahOrang")).toInt(), 1);
    }

    // Price 75001, one day, one person: the expense share 0.25 x 75001 shows
    // with the locale's decimal separator, is stored as 18750.25 and stays
    // so after Simpan, a Refresh, a Tambah with Batal and a move.
    void fractionalShareIsStoredAsShown()
    {
        addGuest(QStringLiteral("Ani"), QStringLiteral("2004-03-01"), 75001, QStringLiteral("PT 12"));
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("001")},
                                                          {QStringLiteral("Nama"), QStringLiteral("Lama")},
                                                          {QStringLiteral("Checkin"), QStringLiteral("2004-02-20")},
                                                          {QStringLiteral("Lama"), 1},
                                                          {QStringLiteral("JumlahOrang"), 1},
                                                          {QStringLiteral("TotalBayar"), 75000.0},
                                                          {QStringLiteral("Pengeluaran"), 5.0}});
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        type(w->box(12), QStringLiteral("1"));
        QTest::keyClick(w->box(12), Qt::Key_Return);
        QCOMPARE(w->box(13)->text(), QStringLiteral("75001"));
        w->box(13)->setFocus();
        const QString share = QStringLiteral("18750") + QLocale().decimalPoint() + QStringLiteral("25");
        QCOMPARE(w->box(14)->text(), share);
        QVERIFY(click(w, "cmdUpdate"));

        const auto saved = transactions();
        QCOMPARE(saved.size(), 2);
        QCOMPARE(saved.at(1).value(QStringLiteral("TotalBayar")).toDouble(), 75001.0);
        QCOMPARE(saved.at(1).value(QStringLiteral("Pengeluaran")).toDouble(), 18750.25);
        QCOMPARE(w->mainData().records().editMode(), RecordSet::EditMode::None);
        QCOMPARE(w->box(14)->text(), share);
        QVERIFY(click(w, "cmdRefresh"));
        w->grid()->selectRow(1);
        QCOMPARE(w->box(14)->text(), share);
        w->grid()->selectRow(0);
        QVERIFY(click(w, "cmdAdd"));
        QVERIFY(click(w, "cmdCancel"));
        QCOMPARE(transactions(), saved);
    }

    // A number of persons the whole-number field cannot hold is refused at
    // Simpan with the type-mismatch message; nothing is written.
    void refusesPersonsTheFieldCannotHold_data()
    {
        QTest::addColumn<QString>("orang");
        QTest::newRow("a fraction") << "2,5";
        QTest::newRow("a unit word") << "2 orang";
    }

    void refusesPersonsTheFieldCannotHold()
    {
        QFETCH(QString, orang);
        addGuests();
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        type(w->box(12), orang);
        QTest::keyClick(w->box(12), Qt::Key_Return);
        platform->messages.expect();
        QVERIFY(click(w, "cmdUpdate"));
        QCOMPARE(platform->messages.calls.size(), 1);
        const QString text = platform->messages.calls.at(0).text;
        QVERIFY2(text.startsWith(QString::number(DataError::TypeMismatch) + QStringLiteral(" - ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("JumlahOrang")), qPrintable(text));
        QCOMPARE(transactions().size(), 0);
        QVERIFY(button(w, "cmdUpdate")->isEnabled());
    }

    void unreadableCheckinLeavesTheStayAlone()
    {
        addGuest(QStringLiteral("Cici"), QString(), 60000, QStringLiteral("PM 01"));
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        type(w->box(12), QStringLiteral("2"));
        QTest::keyClick(w->box(12), Qt::Key_Return);
        QCOMPARE(w->box(8)->text(), QStringLiteral("01/03/2004"));
        QCOMPARE(w->box(10)->text(), QString());
        QCOMPARE(w->box(13)->text(), QString());
        QCOMPARE(w->transferBox(3)->text(), QStringLiteral("Cici"));
    }

    void guestNavigatorStopsAtBothEnds()
    {
        addGuests();
        addGuest(QStringLiteral("Cici"), QStringLiteral("2004-02-29"), 60000, QStringLiteral("PM 05"));
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        step(w, "cmdPrevious");
        QCOMPARE(w->box(3)->text(), QStringLiteral("Ani"));
        step(w, "cmdLast");
        QCOMPARE(w->box(3)->text(), QStringLiteral("Cici"));
        step(w, "cmdNext");
        QCOMPARE(w->box(3)->text(), QStringLiteral("Cici"));
        QCOMPARE(w->box(11)->text(), QStringLiteral("60000"));
        step(w, "cmdPrevious");
        QCOMPARE(w->box(3)->text(), QStringLiteral("Budi"));
        step(w, "cmdFirst");
        QCOMPARE(w->box(3)->text(), QStringLiteral("Ani"));
        QCOMPARE(w->box(1)->text(), QStringLiteral("1"));
    }

    void simpanChecksTheGuestBoxes()
    {
        frmtransaksi *w = openWindow(); // no guests at all
        QVERIFY(w);
        QVERIFY(click(w, "cmdAdd"));
        QCOMPARE(focusName(w), QStringLiteral("txtFields_1"));
        platform->messages.expect();
        QVERIFY(click(w, "cmdUpdate"));
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls.at(0).text, QStringLiteral("Semua data harus diisi!"));
        QCOMPARE(platform->messages.calls.at(0).title, QStringLiteral("Isi Semua Data"));
        QCOMPARE(focusName(w), QStringLiteral("txtFields_1"));
        QVERIFY(click(w, "cmdCancel"));
        QCOMPARE(transactions().size(), 0);
        for (int i = 1; i <= 4; ++i)
            QVERIFY(w->box(i)->isReadOnly());
    }

    void duplicateKey()
    {
        addGuests();
        TestDatabase::exec(QStringLiteral("CREATE UNIQUE INDEX \"Transaksi_NoID\" ON \"Transaksi\" (\"No ID\")"));
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("001")},
                                                          {QStringLiteral("No ID"), QStringLiteral("2")}});
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        recordBudi(w);
        platform->messages.expect();
        QVERIFY(click(w, "cmdUpdate"));
        QCOMPARE(platform->messages.calls.size(), 1);
        const auto call = platform->messages.calls.at(0);
        QCOMPARE(call.text, QStringLiteral("No Transaksi tersebut sudah ada.\r\nGanti dengan yang lain!"));
        QCOMPARE(call.title, QStringLiteral("No Transaksi Dobel?"));
        QCOMPARE(call.icon, Messages::Icon::Critical);
        QCOMPARE(focusName(w), QStringLiteral("txtFields_1"));
        QVERIFY(button(w, "cmdUpdate")->isEnabled());
        QCOMPARE(transactions().size(), 1);
    }

    void enterMovesAlongTheTabOrder_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("Alamat to Nama") << 4 << "txtFields_3";
        QTest::newRow("Nama to No KTP/KTA") << 3 << "txtFields_2";
        QTest::newRow("No KTP/KTA to ID Tamu") << 2 << "txtFields_1";
        QTest::newRow("ID Tamu to the button bar") << 1 << "cmdAdd";
        QTest::newRow("Kota is outside the Enter range") << 5 << "txtFields_5";
    }

    void enterMovesAlongTheTabOrder()
    {
        QFETCH(int, from);
        QFETCH(QString, to);
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        w->box(from)->setFocus();
        QTest::keyClick(w->box(from), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(focusName(w), to);
    }

    void tabOrder()
    {
        frmtransaksi *w = openWindow();
        QVERIFY(w);
        w->box(13)->setFocus();
        QStringList order;
        for (int i = 0; i < 32; ++i) {
            order << focusName(w);
            platform->keystrokes.send(w, QStringLiteral("{Tab}"));
        }
        QCOMPARE(order.join(QLatin1Char(' ')),
                 QStringLiteral("txtFields_13 txtFields_12 txtFields_11 txtFields_10 txtFields_9 txtFields_8 "
                                "txtFields_7 txtFields_6 txtFields_5 txtFields_4 txtFields_3 txtFields_2 txtFields_1 "
                                "cmdAdd cmdEdit cmdDelete cmdRefresh cmdClose "
                                "cmdFindNext cmdFindFirst cmdView cmdClearSearch "
                                "cmdFirst cmdPrevious cmdNext cmdLast DataGrid1 txtFields_14 Command1 cmdSimpanPdf "
                                "txtFields_13 txtFields_12"));
    }
};

QTEST_MAIN(TestFrmtransaksi)
#include "test_frmtransaksi.moc"
