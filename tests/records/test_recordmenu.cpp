#include "TestDatabase.h"
#include "TestPlatform.h"
#include "WindowDriver.h"

#include "records/frmpembelian.h"
#include "records/frmtamu.h"
#include "records/frmtransaksi.h"
#include "shell/WindowCatalog.h"

#include <QAction>
#include <QScrollBar>
#include <QTableView>
#include <QSet>
#include <memory>

// The main window's menu shows the record windows.
class TestRecordMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

private slots:
    void initTestCase() { WindowCatalog::registerAll(); }
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

    void menuItemShowsItsWindow_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("window");
        QTest::newRow("guests") << "mnDataTamu" << "Data &Tamu" << "frmtamu";
        QTest::newRow("stays") << "mnZavav" << "Transaksi Penginapan" << "frmtransaksi";
        QTest::newRow("purchases") << "mnPembelian" << "Transaksi Pembelian" << "frmpembelian";
    }

    void menuItemShowsItsWindow()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QString, window);
        QWidget *menu = WindowRegistry::instance().show(QStringLiteral("frmmenu"));
        QVERIFY(menu);
        auto *action = menu->findChild<QAction *>(item);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        action->trigger();
        QWidget *w = WindowRegistry::instance().existing(window);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(qobject_cast<RecordWindow *>(w));
        QCOMPARE(w->objectName(), window);
        // Keluar hides it; the menu shows the same window again.
        QVERIFY(WindowDriver::click(w, "cmdClose"));
        QVERIFY(!w->isVisible());
        action->trigger();
        QCOMPARE(WindowRegistry::instance().existing(window), w);
        QVERIFY(w->isVisible());
    }

    void opensWithTheFocusOnTheFirstOfItsOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("first");
        QTest::newRow("guests") << "frmtamu" << "grdDataGrid";
        QTest::newRow("stays") << "frmtransaksi" << "txtFields_13";
        QTest::newRow("purchases") << "frmpembelian" << "cmdClearSearch";
    }

    // A window opens with the focus on the first control of its tab order,
    // never on a button that a stray Space would press.
    void opensWithTheFocusOnTheFirstOfItsOrder()
    {
        QFETCH(QString, window);
        QFETCH(QString, first);
        QWidget *w = WindowDriver::open<RecordWindow>(window);
        QVERIFY(w);
        QCOMPARE(WindowDriver::focusName(w), first);
        if (window == QLatin1String("frmtamu")) {
            QTest::keyClick(w->focusWidget(), Qt::Key_Space);
            QVERIFY(WindowDriver::button(w, "cmdAdd")->isEnabled()); // still Browsing: nothing added
        }
    }

    void sharedAccessKeyOnlyMovesTheFocus_data() { opensWithTheFocusOnTheFirstOfItsOrder_data(); }

    // "&Hapus" and "&Hapus Pencarian" share H. As the toolkit does, each
    // Alt+H moves the focus on to the next of the two and presses neither:
    // nothing is deleted or cleared on an ambiguous key (an unexpected
    // question fails the test).
    void sharedAccessKeyOnlyMovesTheFocus()
    {
        QFETCH(QString, window);
        QWidget *w = WindowDriver::open<RecordWindow>(window);
        QVERIFY(w);
        QStringList reached;
        for (int press = 0; press < 3; ++press) {
            QTest::keyClick(w, Qt::Key_H, Qt::AltModifier);
            reached << WindowDriver::focusName(w);
        }
        const QStringList pair = {QStringLiteral("cmdDelete"), QStringLiteral("cmdClearSearch")};
        QVERIFY2(pair.contains(reached.at(0)) && pair.contains(reached.at(1)) && reached.at(0) != reached.at(1),
                 qPrintable(reached.join(QLatin1Char(' '))));
        QCOMPARE(reached.at(2), reached.at(0));
        QVERIFY(WindowDriver::button(w, "cmdAdd")->isEnabled()); // still Browsing
    }

    void gridColumnsShowAtTheOpeningSize_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QVariantMap>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("longest"); // a text the grid must show whole in that column
        QTest::newRow("guests") << "frmtamu" << "Tamu"
                                << QVariantMap{{"No KTP/KTA", "3507123456780001"}, {"Nama", "Nuri Jayanti"},
                                               {"Alamat", "JL. LEMBURSARI NO. 139"}, {"Kota", "Kalisor"},
                                               {"No Telpon", "0341-555123"}, {"Checkin", "2004-02-28"},
                                               {"NoKamar", "PM 05"}, {"Harga", 60000}, {"Status", "Isi"}}
                                << 3 << "JL. LEMBURSARI NO. 139";
        QTest::newRow("purchases") << "frmpembelian" << "Pembelian"
                                   << QVariantMap{{"Tanggal", "2004-02-28"}, {"Nama", "Beras"},
                                                  {"Jenis", "003 SERVICE MAKAN"}, {"Jumlah", 3}, {"Harga", 2500},
                                                  {"Total", 7500}}
                                   << 2 << "003 SERVICE MAKAN";
    }

    // At the opening size every column of the grid shows beside the scroll
    // bar, none hidden to the right, and the texts of the first rows whole.
    void gridColumnsShowAtTheOpeningSize()
    {
        QFETCH(QString, window);
        QFETCH(QString, table);
        QFETCH(QVariantMap, row);
        QFETCH(int, column);
        QFETCH(QString, longest);
        TestDatabase::insert(table, row);
        auto *w = WindowDriver::open<RecordWindow>(window);
        QVERIFY(w);
        QTableView *grid = w->grid();
        QTRY_COMPARE(grid->horizontalScrollBar()->maximum(), 0);
        QVERIFY(grid->columnWidth(column) >= grid->fontMetrics().horizontalAdvance(longest));
    }

    void focusChainIsOneWholeRing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("guests") << "frmtamu";
        QTest::newRow("stays") << "frmtransaksi";
        QTest::newRow("purchases") << "frmpembelian";
    }

    // Every widget of the window stands once in its focus chain, linked both
    // ways. A chain broken into pieces makes destroying the window write into
    // widgets already destroyed.
    void focusChainIsOneWholeRing()
    {
        QFETCH(QString, window);
        QWidget *w = WindowRegistry::instance().show(window);
        QVERIFY(w);
        QSet<QWidget *> seen;
        QWidget *at = w;
        do {
            QVERIFY2(!seen.contains(at), qPrintable(at->objectName()));
            seen.insert(at);
            QCOMPARE(at->nextInFocusChain()->previousInFocusChain(), at);
            at = at->nextInFocusChain();
        } while (at != w);
        const QList<QWidget *> children = w->findChildren<QWidget *>();
        for (QWidget *child : children)
            if (child->window() == w) // a picker's drop-down list is a window of its own
                QVERIFY2(seen.contains(child), qPrintable(child->objectName() + QStringLiteral(" is not in the chain")));
    }
};

QTEST_MAIN(TestRecordMenu)
#include "test_recordmenu.moc"
