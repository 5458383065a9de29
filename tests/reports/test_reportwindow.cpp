#include "TestPlatform.h"
#include "TestServer.h"

#include "data/DataFolder.h"
#include "data/ServerStore.h"
#include "platform/WindowRegistry.h"
#include "reports/frmcetaklap.h"
#include "reports/frmlaprek.h"
#include "shell/WindowCatalog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlDatabase>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <memory>

class TestReportWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static ReportWindow *open(const QString &name)
    {
        return qobject_cast<ReportWindow *>(WindowRegistry::instance().show(name));
    }
    template<typename T>
    static T *child(QWidget *w, const char *name)
    {
        T *c = w->findChild<T *>(QLatin1String(name));
        if (!c)
            qFatal("no %s", name);
        return c;
    }
    static QString panel(QWidget *w, int index)
    {
        return w->findChild<QLabel *>(QStringLiteral("Panels_%1").arg(index))->text();
    }
    static void windows()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("frmcetaklap") << QStringLiteral("frmcetaklap");
        QTest::newRow("frmlaprek") << QStringLiteral("frmlaprek");
    }
    static void writeFile(const QString &path, const QByteArray &content)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

private slots:
    void initTestCase() { WindowCatalog::registerAll(); }
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void opensFromTheMainMenu_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("name");
        QTest::newRow("Cetak Transaksi") << QStringLiteral("mncetaktrans") << QStringLiteral("frmcetaklap");
        QTest::newRow("Cetak Rekapitulasi") << QStringLiteral("mnRekapitulasi") << QStringLiteral("frmlaprek");
    }

    void opensFromTheMainMenu()
    {
        QFETCH(QString, item);
        QFETCH(QString, name);
        QWidget *menu = WindowRegistry::instance().show(QStringLiteral("frmmenu"));
        menu->findChild<QAction *>(item)->trigger();
        auto *w = qobject_cast<ReportWindow *>(WindowRegistry::instance().existing(name));
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(menu->isVisible());
        QVERIFY(child<QTimer>(w, "Timer1")->isActive());
    }

    void showsTheDayDateAndClockAtLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("time");
        const QDateTime sunday(QDate(2004, 2, 29), QTime(23, 5, 9));
        QTest::newRow("frmcetaklap on a Sunday") << QStringLiteral("frmcetaklap") << sunday
                                                 << QStringLiteral("Minggu, 29/02/2004") << QStringLiteral("23:05:09");
        QTest::newRow("frmlaprek on a Sunday") << QStringLiteral("frmlaprek") << sunday
                                               << QStringLiteral("Minggu, 29/02/2004") << QStringLiteral("23:05:09");
        QTest::newRow("frmcetaklap on a Monday") << QStringLiteral("frmcetaklap") << TestPlatform::fixedNow()
                                                 << QStringLiteral("Senin, 01/03/2004") << QStringLiteral("10:00:00");
    }

    void showsTheDayDateAndClockAtLoad()
    {
        QFETCH(QString, name);
        QFETCH(QDateTime, now);
        QFETCH(QString, day);
        QFETCH(QString, time);
        platform->clock.set(now);
        ReportWindow *w = open(name);
        QCOMPARE(w->windowTitle(), QStringLiteral("PENGINAPAN RERAR MERBALUNTA KALISOR"));

        struct Panel { int width; const char *text; const char *tip; };
        const Panel panels[] = {
            {6350, "Pilih kategori laporan dari menu di atas...", ""},
            {1870, "F1=Bantuan", "Tekan F1 untuk menampilkan bantuan"},
            {1817, "", "Kategori yang dipilih"},
            {2822, "", "Hari dan tanggal setempat saat ini"},
            {1587, "", "Pukul setempat saat ini"},
        };
        QStatusBar *bar = child<QStatusBar>(w, "StatusBar1");
        for (int i = 0; i < 5; ++i) {
            auto *label = bar->findChild<QLabel *>(QStringLiteral("Panels_%1").arg(i + 1));
            QVERIFY(label);
            QCOMPARE(label->width(), (panels[i].width + 7) / 15);
            QCOMPARE(label->toolTip(), QString::fromLatin1(panels[i].tip));
            if (i != 3 && i != 4)
                QCOMPARE(label->text(), QString::fromLatin1(panels[i].text));
        }
        QCOMPARE(panel(w, 4), day);
        QCOMPARE(panel(w, 5), time);

        // The clock runs; the date stays as it was at load.
        QTimer *timer = child<QTimer>(w, "Timer1");
        QCOMPARE(timer->interval(), 500);
        QVERIFY(timer->isActive());
        platform->clock.set(now.addDays(1).addSecs(1));
        QTRY_COMPARE_WITH_TIMEOUT(panel(w, 5), now.addSecs(1).toString(QStringLiteral("hh:mm:ss")), 2000);
        QCOMPARE(panel(w, 4), day);
    }

    void hasItsMenusAndButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("menus"); // "name|caption|item name:caption,..."
        QTest::newRow("frmcetaklap")
            << QStringLiteral("frmcetaklap")
            << QStringList{QStringLiteral("mnuFile|&File|mnuBuka:&Buka,mnuSimpan:&Simpan,mnCetak:&Cetak,mngrs:,mnExit:Keluar,"
                                          ":,mnPratinjau:Pratinjau Cetak...,mnSimpanPdf:Simpan sebagai PDF..."),
                           QStringLiteral("mnKategori|&Kategori|mnSemuadata:Semua Data,mnTanggal:Tanggal,"
                                          "mnNoTrans:No Transaksi,mnNama:Nama,mnHarga:Harga")};
        QTest::newRow("frmlaprek") << QStringLiteral("frmlaprek") << QStringList{QStringLiteral(
            "mnfile|File|mncetak:Cetak,:,mnPratinjau:Pratinjau Cetak...,mnSimpanPdf:Simpan sebagai PDF...")};
    }

    void hasItsMenusAndButtons()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, menus);
        ReportWindow *w = open(name);
        QStringList got;
        for (QAction *top : w->menuBar()->actions()) {
            QStringList items;
            for (QAction *a : top->menu()->actions())
                items << a->objectName() + QLatin1Char(':') + (a->isSeparator() ? QString() : a->text());
            got << top->menu()->objectName() + QLatin1Char('|') + top->text() + QLatin1Char('|')
                       + items.join(QLatin1Char(','));
        }
        QCOMPARE(got, menus);

        QCOMPARE(child<QPushButton>(w, "cmdSimpan")->text(), QStringLiteral("&Simpan"));
        QCOMPARE(child<QPushButton>(w, "cmdCetak")->text(), QStringLiteral("&Cetak"));
        QCOMPARE(child<QPushButton>(w, "cmdKeluar")->text(), QStringLiteral("&Keluar"));
        QCOMPARE(child<QLabel>(w, "lblPrinter")->text(), QStringLiteral("Nama printer:"));
        QVERIFY(child<QPlainTextEdit>(w, "rtfLap1")->font().fixedPitch());
        QCOMPARE(child<QPlainTextEdit>(w, "rtfLap1")->toPlainText(), QString());
    }

    // "&Kategori" and "&Keluar" share K: the first Alt+K opens the menu the
    // status bar points to, and never leaves the focus on Keluar, where Enter
    // would close the window.
    void altKOpensTheKategoriMenuAtOnce()
    {
        ReportWindow *w = open(QStringLiteral("frmcetaklap"));
        QVERIFY(QTest::qWaitForWindowActive(w));
        QPushButton *keluar = child<QPushButton>(w, "cmdKeluar");
        QMenu *kategori = child<QMenu>(w, "mnKategori");
        QTest::keyClick(w, Qt::Key_K, Qt::AltModifier);
        QTRY_VERIFY(kategori->isVisible());
        QVERIFY(!keluar->hasFocus());
        QTest::keyClick(kategori, Qt::Key_Escape);
        QTRY_VERIFY(!kategori->isVisible());
        QVERIFY(w->isVisible());
        QCOMPARE(keluar->text(), QStringLiteral("&Keluar"));
        // The other buttons keep their keys.
        QCOMPARE(child<QPushButton>(w, "cmdCetak")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_C));
        QCOMPARE(child<QPushButton>(w, "cmdSimpan")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
    }

    void panelsShowWholeSideBySide_data() { windows(); }

    // At the opening size and however narrow the clerk makes the window, the
    // five panels keep their widths and lie side by side inside the bar.
    void panelsShowWholeSideBySide()
    {
        QFETCH(QString, name);
        ReportWindow *w = open(name);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const auto verifyPanels = [w] {
            const QWidget *bar = w->statusBar();
            int right = 0;
            for (int i = 1; i <= 5; ++i) {
                const QLabel *p = child<QLabel>(const_cast<QWidget *>(bar), qPrintable(QStringLiteral("Panels_%1").arg(i)));
                const QRect g = p->geometry();
                if (g.left() < right || g.right() >= bar->width())
                    return QStringLiteral("panel %1 at %2..%3, bar %4 wide").arg(i).arg(g.left()).arg(g.right()).arg(bar->width());
                right = g.right() + 1;
            }
            return QString();
        };
        QTRY_COMPARE(verifyPanels(), QString());
        w->resize(300, w->height());
        QTRY_COMPARE(verifyPanels(), QString());
        QVERIFY(w->width() > 300);
    }

    void listsThePrintersWithTheDefaultShown()
    {
        platform->printer.names = {QStringLiteral("Dapur"), QStringLiteral("Kantor"), QStringLiteral("Lobi")};
        platform->printer.defaultName = QStringLiteral("Kantor");
        QComboBox *printers = child<QComboBox>(open(QStringLiteral("frmcetaklap")), "cmbPrinter");
        QCOMPARE(printers->count(), 3);
        QCOMPARE(printers->itemText(2), QStringLiteral("Lobi"));
        QCOMPARE(printers->currentText(), QStringLiteral("Kantor"));
    }

    void placesTheControlsOnResize()
    {
        ReportWindow *w = open(QStringLiteral("frmcetaklap"));
        w->resize(1200, 600);
        QWidget *client = w->centralWidget();
        QTRY_COMPARE(client->height() > 300, true);
        const int sw = client->width();
        const int sh = client->height();
        const auto px = [](int twips) { return (twips + 7) / 15; };
        QPlainTextEdit *pane = child<QPlainTextEdit>(w, "rtfLap1");
        QCOMPARE(pane->geometry(), QRect(px(50), px(50), px(sw * 15 - 50), px(sh * 15 - 1100)));
        QPushButton *keluar = child<QPushButton>(w, "cmdKeluar");
        QPushButton *cetak = child<QPushButton>(w, "cmdCetak");
        QPushButton *simpan = child<QPushButton>(w, "cmdSimpan");
        QCOMPARE(keluar->geometry().right() + 1, px(sw * 15 - 250));
        QCOMPARE(cetak->geometry().right() + 1, keluar->x());
        QCOMPARE(simpan->geometry().right() + 1, cetak->x());
        QCOMPARE(keluar->y(), px(sh * 15 - 700));
        QCOMPARE(child<QComboBox>(w, "cmbPrinter")->x(), child<QLabel>(w, "lblPrinter")->width() + px(100));
        QCOMPARE(child<QProgressBar>(w, "prgBar1")->geometry(),
                 QRect(px(100), px(sh * 15 - 1000), px(w->frameGeometry().width() * 15 - 500), px(225)));

        // Too low for the pane: it keeps its size, the rest is still placed.
        const QRect paneBefore = pane->geometry();
        w->resize(1200, w->height() - sh + 50);
        QTRY_COMPARE(client->height(), 50);
        QCOMPARE(pane->geometry(), paneBefore);
        QCOMPARE(keluar->y(), px(50 * 15 - 700));
    }

    void savesThePaneAndOpensAFile()
    {
        ReportWindow *w = open(QStringLiteral("frmcetaklap"));
        child<QPlainTextEdit>(w, "rtfLap1")->setPlainText(QStringLiteral("baris satu\nbaris dua"));
        const QString path = platform->path(QStringLiteral("laporan.txt"));

        platform->fileDialogs.expect(path);
        QTest::mouseClick(child<QPushButton>(w, "cmdSimpan"), Qt::LeftButton);
        QCOMPARE(platform->fileDialogs.calls.at(0).title, QStringLiteral("Simpan sebagai file..."));
        QCOMPARE(platform->fileDialogs.calls.at(0).filter, QStringLiteral("*.txt|*.txt"));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("baris satu\r\nbaris dua\r\n"));

        // Opening it again shows one empty line more; the status bar stays.
        child<QPlainTextEdit>(w, "rtfLap1")->clear();
        platform->fileDialogs.expect(path);
        child<QAction>(w, "mnuBuka")->trigger();
        QCOMPARE(platform->fileDialogs.calls.at(1).save, false);
        QCOMPARE(platform->fileDialogs.calls.at(1).filter, QStringLiteral("*.txt|*.txt"));
        QCOMPARE(w->paneText(), QStringLiteral("baris satu\r\nbaris dua\r\n"));
        QCOMPARE(panel(w, 1), QStringLiteral("Pilih kategori laporan dari menu di atas..."));
    }

    void cancelledOrFailingFileDialogsChangeNothing()
    {
        ReportWindow *w = open(QStringLiteral("frmcetaklap"));
        child<QPlainTextEdit>(w, "rtfLap1")->setPlainText(QStringLiteral("isi"));
        platform->fileDialogs.expect(QString());
        child<QAction>(w, "mnuSimpan")->trigger();
        platform->fileDialogs.expect(QString());
        child<QAction>(w, "mnuBuka")->trigger();
        platform->fileDialogs.expect(platform->path(QStringLiteral("tidak/ada/folder.txt")));
        child<QAction>(w, "mnuSimpan")->trigger();
        platform->fileDialogs.expect(platform->path(QStringLiteral("tidak-ada.txt")));
        child<QAction>(w, "mnuBuka")->trigger();
        QCOMPARE(w->paneText(), QStringLiteral("isi"));
        QCOMPARE(QDir(platform->dataDir()).entryList(QStringList{QStringLiteral("*.txt")}, QDir::Files), QStringList());
    }

    void printsThePane_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("printerName");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QString>("answer"); // "Yes", "No" or empty: not asked
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<bool>("fromPreview"); // the preview's own "Cetak" in place of the button
        const QString printer = QStringLiteral("Kantor");
        const QString text = QStringLiteral("LAPORAN\nbaris");
        const QString paperOut = QStringLiteral("Kesalahan nomor: 482. Keterangan: Kesalahan printer (kertas habis)\r\r"
                                                "Kemungkinan printer belum diaktifkan\ratau kertas habis/belum dipasang!\r"
                                                "Nyalakan printer atau pasang kertas,\rlalu klik menu Cetak kembali!");
        QTest::newRow("no printer") << "frmcetaklap" << QString() << text << false << QString()
                                    << "Belum ada printer terinstall di\rkomputer Anda. Silahkan install\rprinter terlebih dulu!"
                                    << "Printer Belum Diinstall" << 8.0 << false;
        QTest::newRow("no printer, empty pane") << "frmlaprek" << QString() << QString() << false << QString()
                                                << "Belum ada printer terinstall di\rkomputer Anda. Silahkan install\rprinter terlebih dulu!"
                                                << "Printer Belum Diinstall" << 9.0 << false;
        QTest::newRow("nothing to print") << "frmcetaklap" << printer << QString() << false << QString()
                                          << "Belum ada informasi yang akan dicetak!\rPilih kategori laporan yang akan Anda\r"
                                             "cetak, lalu klik menu Cetak."
                                          << "Data Tidak Ada" << 8.0 << false;
        QTest::newRow("printer fails") << "frmlaprek" << printer << text << true << QString() << paperOut
                                       << "Printer Error" << 9.0 << false;
        QTest::newRow("frmcetaklap, Yes") << "frmcetaklap" << printer << text << false << "Yes"
                                          << "Hasil cetakan sudah benar?" << "Cetak" << 8.0 << false;
        QTest::newRow("frmcetaklap, No") << "frmcetaklap" << printer << text << false << "No"
                                         << "Hasil cetakan sudah benar?" << "Cetak" << 8.0 << false;
        QTest::newRow("frmlaprek, Yes") << "frmlaprek" << printer << text << false << "Yes"
                                        << "Hasil cetakan sudah benar?" << "Cetak" << 9.0 << false;
        QTest::newRow("printer fails, from the preview") << "frmcetaklap" << printer << text << true << QString()
                                                         << paperOut << "Printer Error" << 8.0 << true;
        QTest::newRow("frmlaprek, Yes, from the preview") << "frmlaprek" << printer << text << false << "Yes"
                                                          << "Hasil cetakan sudah benar?" << "Cetak" << 9.0 << true;
    }

    void printsThePane()
    {
        QFETCH(QString, name);
        QFETCH(QString, printerName);
        QFETCH(QString, pane);
        QFETCH(bool, fails);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(qreal, pointSize);
        QFETCH(bool, fromPreview);
        platform->printer.defaultName = printerName;
        if (fails)
            platform->printer.nextFailure = Printer::printerFailure(QStringLiteral("kertas habis"));
        ReportWindow *w = open(name);
        child<QPlainTextEdit>(w, "rtfLap1")->setPlainText(pane);
        platform->messages.expect(answer == QLatin1String("Yes") ? Messages::Answer::Yes
                                  : answer == QLatin1String("No") ? Messages::Answer::No : Messages::Answer::Ok);

        if (fromPreview) {
            platform->printPreview.expect(ScriptedPrintPreview::Then::Print);
            child<QAction>(w, "mnPratinjau")->trigger();
        } else {
            QTest::mouseClick(child<QPushButton>(w, "cmdCetak"), Qt::LeftButton);
        }

        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls[0].text, message);
        QCOMPARE(platform->messages.calls[0].title, title);
        QCOMPARE(platform->messages.calls[0].icon, answer.isEmpty() ? Messages::Icon::Critical : Messages::Icon::Question);
        QCOMPARE(platform->messages.calls[0].buttons, answer.isEmpty() ? Messages::Buttons::Ok : Messages::Buttons::YesNo);
        QCOMPARE(platform->printer.jobs.size(), answer.isEmpty() ? 0 : 1);
        if (!answer.isEmpty()) {
            QCOMPARE(platform->printer.jobs[0].text, QStringLiteral("LAPORAN\r\nbaris\r\n"));
            QCOMPARE(platform->printer.jobs[0].fontFamily, QStringLiteral("Courier New"));
            QCOMPARE(platform->printer.jobs[0].pointSize, pointSize);
        }
        QCOMPARE(w->paneText().isEmpty(), answer == QLatin1String("Yes") || pane.isEmpty());
    }

    void printsAnOpenedFileFromTheMenu()
    {
        const QString path = platform->path(QStringLiteral("lama.txt"));
        writeFile(path, "Laporan lama\r\n");
        ReportWindow *w = open(QStringLiteral("frmcetaklap"));
        platform->fileDialogs.expect(path);
        child<QAction>(w, "mnuBuka")->trigger();
        platform->messages.expect(Messages::Answer::No);
        child<QAction>(w, "mnCetak")->trigger();
        QCOMPARE(platform->printer.jobs.size(), 1);
        QCOMPARE(platform->printer.jobs[0].text, QStringLiteral("Laporan lama\r\n\r\n"));

        // No kept the text: it prints again.
        platform->messages.expect(Messages::Answer::No);
        QTest::mouseClick(child<QPushButton>(w, "cmdCetak"), Qt::LeftButton);
        QCOMPARE(platform->printer.jobs.size(), 2);
        QCOMPARE(platform->printer.jobs[1].text, platform->printer.jobs[0].text);
    }

    void ownsItsConnectionWhileLoaded_data() { windows(); }

    void ownsItsConnectionWhileLoaded()
    {
        QFETCH(QString, name);
        const int before = int(QSqlDatabase::connectionNames().size());
        ReportWindow *w = open(name);
        QCOMPARE(int(QSqlDatabase::connectionNames().size()), before + 1);
        QTest::mouseClick(child<QPushButton>(w, "cmdKeluar"), Qt::LeftButton);
        QTRY_VERIFY(!WindowRegistry::instance().existing(name));
        QCOMPARE(int(QSqlDatabase::connectionNames().size()), before);
    }

    void reportsADatabaseThatIsNotOurs_data() { windows(); }

    void reportsADatabaseThatIsNotOurs()
    {
        QFETCH(QString, name);
        const bool server = TestPlatform::onServer();
        if (server) {
            TestServer::exec(platform->server(), QStringLiteral("CREATE TABLE \"Daftar\" (\"Nama\" text)"));
        } else {
            QDir().mkpath(QFileInfo(DataFolder::databasePath()).path());
            writeFile(DataFolder::databasePath(), "Daftar tamu\r\n");
        }
        platform->messages.expect();
        ReportWindow *w = open(name);
        QCOMPARE(platform->messages.calls.size(), 1);
        QVERIFY(platform->messages.calls[0].text.contains(
            server ? QStringLiteral("Database %1 di server ").arg(ServerStore::databaseName(platform->server()))
                   : QStringLiteral("Zavav.mdb")));
        QCOMPARE(platform->messages.calls[0].icon, Messages::Icon::Critical);

        // A build tells the same error; the window stays usable.
        platform->messages.expect();
        w->TampilData(QStringLiteral("SEMUA DATA"));
        QCOMPARE(platform->messages.calls.size(), 2);
        QVERIFY(platform->messages.calls[1].text.endsWith(platform->messages.calls[0].text));
        QVERIFY(child<QPlainTextEdit>(w, "rtfLap1")->isVisible());
        if (server)
            return;
        QFile db(DataFolder::databasePath());
        QVERIFY(db.open(QIODevice::ReadOnly));
        QCOMPARE(db.readAll(), QByteArray("Daftar tamu\r\n"));
    }
};

QTEST_MAIN(TestReportWindow)
#include "test_reportwindow.moc"
