#include "LocaleGrouping.h"
#include "ReportFixture.h"
#include "ReportGoldens.h"
#include "TestPlatform.h"

#include "platform/WindowRegistry.h"
#include "reports/frmcetaklap.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>
#include <memory>

using namespace ReportFixture;
using namespace ReportGoldens;
using Answer = std::optional<QString>;
Q_DECLARE_METATYPE(Answer)

class TestFrmcetaklap : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;
    frmcetaklap *window = nullptr;

    void choose(const char *item)
    {
        QAction *a = window->findChild<QAction *>(QLatin1String(item));
        QVERIFY(a);
        a->trigger();
    }
    QString panel3() const { return window->findChild<QLabel *>(QStringLiteral("Panels_3"))->text(); }

    // The window stands as after a normal end: pane shown, bar back at 0.
    void verifyRecovered()
    {
        QVERIFY(window->findChild<QPlainTextEdit *>(QStringLiteral("rtfLap1"))->isVisible());
        QCOMPARE(window->findChild<QProgressBar *>(QStringLiteral("prgBar1"))->value(), 0);
    }

private slots:
    void initTestCase()
    {
        WindowRegistry::instance().registerWindow(QStringLiteral("frmcetaklap"), [] { return new frmcetaklap; });
    }
    void init()
    {
        platform = std::make_unique<TestPlatform>();
        window = WindowRegistry::instance().window<frmcetaklap>(QStringLiteral("frmcetaklap"));
        window->show();
    }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void buildsTheWorkedExample()
    {
        addExampleStays();
        add({QStringLiteral("003"), QStringLiteral("Budi"), QStringLiteral("2004-02-28"), QStringLiteral("2004-03-01"),
             1, 1, 60000, 0});
        platform->prompt.expect(QStringLiteral("Tamu"));
        choose("mnNama");
        QCOMPARE(platform->prompt.calls.size(), 1);
        QCOMPARE(platform->prompt.calls[0].message, QStringLiteral("Masukkan nama tamu (boleh sebagian):"));
        QCOMPARE(platform->prompt.calls[0].title, QStringLiteral("Nama Tamu"));
        QCOMPARE(platform->prompt.calls[0].defaultText, QStringLiteral("Nuri"));
        QCOMPARE(window->paneText(), receiptsExample());
        QCOMPARE(reportFile(), (receiptsExample() + QStringLiteral("\r\n")).toUtf8());
        QCOMPARE(panel3(), QStringLiteral("Tamu"));
        QCOMPARE(window->findChild<QProgressBar *>(QStringLiteral("prgBar1"))->maximum(), 2);
        verifyRecovered();
    }

    void breaksPagesAfterTenRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("carried"); // the carried total of each page break
        QTest::newRow("10 rows, one page") << 10 << QStringList();
        QTest::newRow("11 rows") << 11 << QStringList{QStringLiteral("      200,000")};
        QTest::newRow("21 rows") << 21 << QStringList{QStringLiteral("      200,000"), QStringLiteral("      400,000")};
    }

    void breaksPagesAfterTenRows()
    {
        QFETCH(int, rows);
        QFETCH(QStringList, carried);
        addStays(rows);
        choose("mnSemuadata");
        QCOMPARE(panel3(), QString());
        const QString text = window->paneText();
        QVERIFY(text.startsWith(QStringLiteral(" PENGINAPAN RERAR MERBALUTA KALISOR\r\n \r\n LAPORAN PENERIMAAN "
                                               "KEUANGAN RERAR MERBALUNTA\r\n BERDASARKAN KATEGORI:  (SEMUA DATA)\r\n")));
        const QStringList got = text.split(QStringLiteral("\r\n"));
        int at = 9; // first row line
        for (int row = 1; row <= rows; ++row) {
            if (row > 1 && row % 10 == 1) {
                const QString total = withLocaleGrouping(carried.at(row / 10 - 1));
                const QStringList block = {
                    QLatin1Char(' ') + QString(124, QLatin1Char('-')),
                    QStringLiteral(" Dipindahkan") + QString(80, QLatin1Char(' ')) + total,
                    QLatin1Char(' ') + QString(117, QLatin1Char('=')),
                    QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "),
                    QString(89, QLatin1Char(' ')) + QStringLiteral("Halaman: %1").arg(row / 10 + 1, 2, 10, QLatin1Char('0')),
                    QLatin1Char(' ') + QString(99, QLatin1Char('=')),
                    QStringLiteral(" No Trans      Nama                 Tgl Keluar        Lama     Jumlah      Harga"
                                   "          Total     "),
                    QLatin1Char(' ') + QString(99, QLatin1Char('-')),
                    QStringLiteral(" Pindahan") + QString(76, QLatin1Char(' ')) + total,
                };
                QCOMPARE(got.mid(at, block.size()), block);
                at += int(block.size());
            }
            QCOMPARE(got.at(at).left(5), QStringLiteral("%1. ").arg(row, 3));
            QCOMPARE(got.at(at).size(), 110);
            ++at;
        }
        QCOMPARE(got.at(at), QLatin1Char(' ') + QString(109, QLatin1Char('-')));
        QCOMPARE(got.at(at + 1), QStringLiteral(" Total Pengunjung = %1;").arg(rows, 5) + QString(52, QLatin1Char(' '))
                                     + QStringLiteral("Total Besar Uang = %1").arg(QLocale().toString(rows * 20000), 13));
        QCOMPARE(text.count(QStringLiteral("Halaman: ")), carried.size() + 1);
        QCOMPARE(reportFile(), (text + QStringLiteral("\r\n")).toUtf8());
    }

    void showsALossAsZeroButCountsIt()
    {
        add({QStringLiteral("001"), QStringLiteral("Rugi"), QStringLiteral("2004-02-28"), QStringLiteral("2004-03-01"),
             2, 1, 10000, 50000});
        add({QStringLiteral("002"), QStringLiteral("Untung"), QStringLiteral("2004-02-28"), QStringLiteral("2004-03-04"),
             5, 2, 10000, 0});
        choose("mnSemuadata");
        const QStringList got = window->paneText().split(QStringLiteral("\r\n"));
        QCOMPARE(got.at(9).right(31), withLocaleGrouping(QStringLiteral("   20,000     50,000          0")));
        QVERIFY(got.at(12).endsWith(withLocaleGrouping(QStringLiteral("Total Besar Uang =        70,000"))));
    }

    void selectsByCategory_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("criterion"); // null: nothing built
        QTest::addColumn<QStringList>("numbers"); // the rows' number fields, in order

        const Answer cancel;
        QTest::newRow("date") << "mnTanggal" << QList<Answer>{QStringLiteral("29/2/2004")} << QStringList()
                              << QStringLiteral("29/2/2004") << QStringList{QStringLiteral("2")};
        QTest::newRow("wrong date, then a date")
            << "mnTanggal" << QList<Answer>{QStringLiteral("30/02/2004"), QStringLiteral("28/02/2004")}
            << QStringList{QStringLiteral("Tanggal atau formatnya salah!|Tanggal Salah")} << QStringLiteral("28/02/2004")
            << QStringList{QStringLiteral("1"), QStringLiteral("3")};
        QTest::newRow("wrong date, then cancel")
            << "mnTanggal" << QList<Answer>{QString(), cancel}
            << QStringList{QStringLiteral("Tanggal atau formatnya salah!|Tanggal Salah")} << QString() << QStringList();
        QTest::newRow("number part") << "mnNoTrans" << QList<Answer>{QStringLiteral("3")} << QStringList()
                                     << QStringLiteral("3") << QStringList{QStringLiteral("3")};
        QTest::newRow("empty number: every row") << "mnNoTrans" << QList<Answer>{QString()} << QStringList()
                                                 << QStringLiteral("") << QStringList{"1", "2", "3"};
        QTest::newRow("number cancelled") << "mnNoTrans" << QList<Answer>{cancel} << QStringList() << QString()
                                          << QStringList();
        QTest::newRow("name with apostrophe") << "mnNama" << QList<Answer>{QStringLiteral("o'b")} << QStringList()
                                              << QStringLiteral("o'b") << QStringList{QStringLiteral("3")};
        QTest::newRow("price") << "mnHarga" << QList<Answer>{QStringLiteral("75000")} << QStringList()
                               << QStringLiteral("75000") << QStringList{QStringLiteral("1")};
        QTest::newRow("price not a number") << "mnHarga" << QList<Answer>{QStringLiteral("murah")}
                                            << QStringList{QStringLiteral("Harga satuan harus karakter angka!|Tipe Data Salah")}
                                            << QString() << QStringList();
        QTest::newRow("nothing found") << "mnNama" << QList<Answer>{QStringLiteral("Nuri")}
                                       << QStringList{QStringLiteral("Data tidak ditemukan!|NIHIL")} << QString()
                                       << QStringList();
        // Dates as a clerk types them: dashes or points, a two-digit year.
        QTest::newRow("date with dashes, two-digit year") << "mnTanggal" << QList<Answer>{QStringLiteral("28-02-04")}
                                                          << QStringList() << QStringLiteral("28-02-04")
                                                          << QStringList{QStringLiteral("1"), QStringLiteral("3")};
        QTest::newRow("date with points") << "mnTanggal" << QList<Answer>{QStringLiteral("29.2.2004")} << QStringList()
                                          << QStringLiteral("29.2.2004") << QStringList{QStringLiteral("2")};
        // A price grouped as the locale groups it is the price meant.
        const QString price = QStringLiteral("60") + QLocale::system().groupSeparator() + QStringLiteral("000");
        QTest::newRow("price grouped the locale's way") << "mnHarga" << QList<Answer>{price} << QStringList() << price
                                                        << QStringList{QStringLiteral("2"), QStringLiteral("3")};
        QTest::newRow("price with a unit word") << "mnHarga" << QList<Answer>{QStringLiteral("60000 rupiah")}
                                                << QStringList{QStringLiteral("Harga satuan harus karakter angka!|Tipe Data Salah")}
                                                << QString() << QStringList();
    }

    void selectsByCategory()
    {
        QFETCH(QString, item);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, messages);
        QFETCH(QString, criterion);
        QFETCH(QStringList, numbers);
        add({QStringLiteral("001"), QStringLiteral("Ani"), QStringLiteral("2004-02-28"), QStringLiteral("2004-03-01"),
             2, 1, 75000, 0});
        add({QStringLiteral("002"), QStringLiteral("Budi"), QStringLiteral("2004-02-29"), QStringLiteral("2004-03-01"),
             1, 1, 60000, 0});
        add({QStringLiteral("003"), QStringLiteral("Dermot O'Brien"), QStringLiteral("2004-02-28"),
             QStringLiteral("2004-03-01"), 2, 2, 60000, 0});
        for (const Answer &a : answers)
            platform->prompt.expect(a);
        for (int i = 0; i < messages.size(); ++i)
            platform->messages.expect();
        const QString before = QStringLiteral("laporan sebelumnya");
        window->findChild<QPlainTextEdit *>(QStringLiteral("rtfLap1"))->setPlainText(before);

        choose(item.toLatin1().constData());

        QStringList shown;
        for (const auto &c : platform->messages.calls) {
            shown << c.text + QLatin1Char('|') + c.title;
            QCOMPARE(c.icon, Messages::Icon::Critical);
        }
        QCOMPARE(shown, messages);
        if (criterion.isNull()) {
            QCOMPARE(window->paneText(), before);
            QCOMPARE(panel3(), QString());
            return;
        }
        QCOMPARE(panel3(), criterion);
        const QStringList got = window->paneText().split(QStringLiteral("\r\n"));
        const QString category = item == QLatin1String("mnTanggal") ? QStringLiteral("TANGGAL")
                                 : item == QLatin1String("mnNoTrans") ? QStringLiteral("NOTRANSAKSI")
                                 : item == QLatin1String("mnNama") ? QStringLiteral("NAMA") : QStringLiteral("HARGA");
        QCOMPARE(got.at(3), QStringLiteral(" BERDASARKAN KATEGORI: %1 (%2)").arg(criterion, category));
        QStringList rowNumbers;
        for (int i = 0; i < numbers.size(); ++i)
            rowNumbers << got.at(9 + i).mid(5, 3).trimmed();
        QCOMPARE(rowNumbers, numbers);
        QCOMPARE(got.at(9 + int(numbers.size())), QLatin1Char(' ') + QString(109, QLatin1Char('-')));
    }

    void reportsAFailedBuildAndRecovers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("price");
        QTest::addColumn<QString>("message");
        QTest::newRow("name of 23 characters") << QStringLiteral("Abdurrahman Wahidullahs") << 1 << 10000
                                               << QStringLiteral("5 Pemanggilan prosedur atau argumen tidak sah");
        QTest::newRow("price of 3000000") << QStringLiteral("Mahal") << 1 << 3000000
                                          << QStringLiteral("5 Pemanggilan prosedur atau argumen tidak sah");
        QTest::newRow("32-bit overflow") << QStringLiteral("Lama Sekali") << 30000 << 90000
                                         << QStringLiteral("6 Luapan bilangan (overflow)");
    }

    void reportsAFailedBuildAndRecovers()
    {
        QFETCH(QString, name);
        QFETCH(int, days);
        QFETCH(int, price);
        QFETCH(QString, message);
        add({QStringLiteral("001"), name, QStringLiteral("2004-02-28"), QStringLiteral("2004-03-01"), days, 1, price, 0});
        add({QStringLiteral("002"), QStringLiteral("Tamu Baik"), QStringLiteral("2004-02-28"),
             QStringLiteral("2004-03-01"), 1, 1, 10000, 0});
        // The price query selects the stays of that price; the first row fails.
        platform->prompt.expect(QString::number(price));
        platform->messages.expect();
        choose("mnHarga");
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls[0].text, message);
        QCOMPARE(platform->messages.calls[0].title, QString());
        QCOMPARE(platform->messages.calls[0].icon, Messages::Icon::None);
        QCOMPARE(platform->messages.calls[0].buttons, Messages::Buttons::Ok);
        verifyRecovered();
        // The report file holds the text up to the last completed row.
        const QString built = window->paneText();
        QCOMPARE(reportFile(), (built + QStringLiteral("\r\n")).toUtf8());
        QCOMPARE(built.count(QStringLiteral("\r\n")), 9); // the header only

        // The next build and a save work.
        platform->prompt.expect(QStringLiteral("Baik"));
        choose("mnNama");
        QVERIFY(window->paneText().contains(QStringLiteral("Total Pengunjung =     1;")));
        QCOMPARE(reportFile(), (window->paneText() + QStringLiteral("\r\n")).toUtf8());
        platform->fileDialogs.expect(platform->path(QStringLiteral("simpan.txt")));
        choose("mnuSimpan");
        QFile saved(platform->path(QStringLiteral("simpan.txt")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), (window->paneText() + QStringLiteral("\r\n")).toUtf8());
    }

    // The page-break block goes into the pane before the row is made, so a
    // build that fails on the first row of a new page shows the block; the
    // report file keeps the last completed row.
    void buildFailingOnTheFirstRowOfANewPageShowsItsPageBreak()
    {
        for (int i = 1; i <= 10; ++i)
            add({QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("Tamu %1").arg(i),
                 QStringLiteral("2004-02-28"), QStringLiteral("2004-03-01"), 2, 1, 60000, 0});
        add({QStringLiteral("011"), QStringLiteral("Tamu Mahal"), QStringLiteral("2004-02-28"),
             QStringLiteral("2004-03-01"), 2, 1, 100000, 0});
        platform->messages.expect();
        choose("mnSemuadata");
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls[0].text, QStringLiteral("5 Pemanggilan prosedur atau argumen tidak sah"));
        verifyRecovered();
        const QString built = window->paneText();
        const QString file = QString::fromUtf8(reportFile());
        QVERIFY(file.endsWith(QStringLiteral("\r\n")));
        const QString completed = file.chopped(2);
        QCOMPARE(completed.count(QStringLiteral("\r\n")), 9 + 10); // header and ten rows
        QVERIFY2(built.startsWith(completed), qPrintable(built));
        const QString block = built.mid(completed.size());
        QVERIFY2(block.contains(QStringLiteral("Halaman: 02")) && block.contains(QStringLiteral(" Pindahan")),
                 qPrintable(block));
        QVERIFY(!block.contains(QStringLiteral("Tamu Mahal")));
    }
};

QTEST_MAIN(TestFrmcetaklap)
#include "test_frmcetaklap.moc"
