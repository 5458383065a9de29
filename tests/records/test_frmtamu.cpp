#include "TestDatabase.h"
#include "TestPlatform.h"
#include "TestServer.h"
#include "WindowDriver.h"

#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/ServerStore.h"
#include "data/RecordSet.h"
#include "platform/WindowRegistry.h"
#include "records/DataControl.h"
#include "records/frmtamu.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <memory>

class TestFrmtamu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;
    int programEnded = 0;

    static frmtamu *openWindow()
    {
        auto *w = qobject_cast<frmtamu *>(WindowRegistry::instance().show(QStringLiteral("frmtamu")));
        if (w && !QTest::qWaitForWindowActive(w))
            return nullptr;
        return w;
    }

    static QPushButton *button(frmtamu *w, const char *name)
    {
        return w->findChild<QPushButton *>(QLatin1String(name));
    }

    static QComboBox *rooms(frmtamu *w) { return w->findChild<QComboBox *>(QStringLiteral("Combo1")); }

    static void click(frmtamu *w, const char *name)
    {
        QPushButton *b = button(w, name);
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    static void type(frmtamu *w, int index, const QString &text)
    {
        QLineEdit *b = w->box(index);
        b->setFocus();
        QTest::keyClicks(b, text);
    }

    // Chooses a room with the arrow keys, as a clerk can.
    static void chooseRoom(frmtamu *w, int entry) { WindowDriver::choose(rooms(w), entry); }

    static void fillGuest(frmtamu *w, const QString &name, const QString &ktp)
    {
        type(w, 2, name);
        type(w, 1, ktp);
        type(w, 3, QStringLiteral("Jl. Melati 2"));
        type(w, 6, QStringLiteral("Kalisor"));
        type(w, 5, QStringLiteral("0341-55"));
    }

    static QString focusName(frmtamu *w)
    {
        QWidget *f = w->focusWidget();
        if (f && qobject_cast<QComboBox *>(f->parentWidget()))
            f = f->parentWidget(); // the picker's edit part
        return f ? f->objectName() : QString();
    }

private slots:
    void initTestCase()
    {
        WindowRegistry::instance().registerWindow(QStringLiteral("frmtamu"), [] { return new frmtamu; });
    }

    void init()
    {
        platform.reset();
        platform = std::make_unique<TestPlatform>();
        programEnded = 0;
        WindowRegistry::instance().setEndProgramAction([this] { ++programEnded; });
    }

    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
        WindowRegistry::instance().setEndProgramAction(nullptr);
    }

    void layoutAndNames()
    {
        frmtamu *w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("PENGINAPAN RERAR MERBALUNTA KALISOR"));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(255, 192, 192));

        const QStringList captions = {"cmdAdd|&Tambah", "cmdUpdate|&Simpan", "cmdCancel|&Batal",
                                      "cmdDelete|&Hapus", "cmdEdit|&Edit", "cmdRefresh|&Refresh",
                                      "cmdClose|&Keluar"};
        QWidget *bar = w->picButtons();
        int lastX = -1;
        for (const QString &entry : captions) {
            const QStringList parts = entry.split(QLatin1Char('|'));
            auto *b = bar->findChild<QPushButton *>(parts.at(0));
            QVERIFY2(b, qPrintable(parts.at(0)));
            QCOMPARE(b->text(), parts.at(1));
            if (b->isHidden())
                continue;
            QVERIFY(b->x() > lastX);
            lastX = b->x();
        }
        QVERIFY(!button(w, "cmdRefresh")->isVisible());
        const QStringList search = {"cmdFindFirst|Pencarian", "cmdFindNext|Pencarian Berikutnya",
                                    "cmdView|Hasil Pencarian", "cmdClearSearch|&Hapus Pencarian"};
        for (const QString &entry : search) {
            const QStringList parts = entry.split(QLatin1Char('|'));
            auto *b = w->picUtility()->findChild<QPushButton *>(parts.at(0));
            QVERIFY2(b, qPrintable(parts.at(0)));
            QCOMPARE(b->text(), parts.at(1));
        }

        const QList<QPair<int, int>> maxLengths = {{0, 50}, {1, 30}, {2, 50}, {3, 50}, {4, 10}, {5, 30}, {6, 8}, {7, 10}};
        for (const auto &m : maxLengths) {
            QLineEdit *b = w->findChild<QLineEdit *>(QStringLiteral("txtFields_%1").arg(m.first));
            QVERIFY(b);
            QCOMPARE(b->maxLength(), m.second);
            QCOMPARE(b->isVisible(), m.first != 0);
            QCOMPARE(b->font().family(), QStringLiteral("Verdana"));
        }
        const QColor face = w->palette().color(QPalette::Button);
        QCOMPARE(w->box(4)->palette().color(QPalette::Base), face);
        QCOMPARE(w->box(7)->palette().color(QPalette::Base), face);
        QVERIFY(w->box(2)->palette().color(QPalette::Base) != face);

        QComboBox *c = rooms(w);
        QCOMPARE(c->count(), 20);
        QCOMPARE(c->itemText(0), QStringLiteral("PM 01"));
        QCOMPARE(c->itemText(9), QStringLiteral("PM 10"));
        QCOMPARE(c->itemText(10), QStringLiteral("PT 11"));
        QCOMPARE(c->itemText(19), QStringLiteral("PT 20"));
        QVERIFY(c->isEditable());
        QVERIFY(w->findChild<QTableView *>(QStringLiteral("grdDataGrid")));
    }

    void registersAGuest()
    {
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        QCOMPARE(focusName(w), QStringLiteral("txtFields_2"));
        fillGuest(w, QStringLiteral("Budi"), QStringLiteral("KTP-7"));
        QCOMPARE(w->box(4)->text(), QStringLiteral("01/03/2004"));
        chooseRoom(w, 9);
        QCOMPARE(rooms(w)->currentText(), QStringLiteral("PM 10"));
        QCOMPARE(w->box(7)->text(), QStringLiteral("60000"));
        QCOMPARE(w->box(0)->text(), QStringLiteral("PM 10"));
        click(w, "cmdUpdate");

        const auto rows = TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" ORDER BY rowid"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).value(QStringLiteral("Nama")).toString(), QStringLiteral("Budi"));
        QCOMPARE(rows.at(0).value(QStringLiteral("No KTP/KTA")).toString(), QStringLiteral("KTP-7"));
        QCOMPARE(rows.at(0).value(QStringLiteral("Harga")).toInt(), 60000);
        QCOMPARE(rows.at(0).value(QStringLiteral("NoKamar")).toString(), QStringLiteral("PM 10"));
        QCOMPARE(rows.at(0).value(QStringLiteral("Checkin")).toString(), QStringLiteral("2004-03-01"));
        QCOMPARE(rows.at(0).value(QStringLiteral("Status")).toString(), QStringLiteral("Isi"));

        // Back in Browsing with the lock range read-only.
        QVERIFY(button(w, "cmdAdd")->isEnabled());
        QVERIFY(!button(w, "cmdUpdate")->isEnabled());
        for (int i = 1; i <= 7; ++i)
            QVERIFY(w->box(i)->isReadOnly());
        QVERIFY(!w->box(0)->isReadOnly());
        QCOMPARE(w->grid()->model()->rowCount(), 1);
    }

    // A room price typed over the picker's, as the clerk writes it under the
    // locale the test runs in; the whole-number field refuses a fraction.
    void typedPrice_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored"); // 0: refused
        QTest::newRow("plain digits") << "65000" << 65000;
        QTest::newRow("grouped the locale's way")
            << QStringLiteral("65") + QLocale::system().groupSeparator() + QStringLiteral("000") << 65000;
        QTest::newRow("a fraction") << "2,5" << 0;
        QTest::newRow("a unit word") << "65000 rupiah" << 0;
    }

    void typedPrice()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        fillGuest(w, QStringLiteral("Budi"), QStringLiteral("KTP-7"));
        chooseRoom(w, 0);
        w->box(7)->selectAll();
        type(w, 7, typed);
        if (!stored)
            platform->messages.expect();
        click(w, "cmdUpdate");
        const auto rows = TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\""));
        if (!stored) {
            QCOMPARE(platform->messages.calls.size(), 1);
            QVERIFY(platform->messages.calls.at(0).text.startsWith(QString::number(DataError::TypeMismatch)
                                                                   + QStringLiteral(" - ")));
            QCOMPARE(rows.size(), 0);
            return;
        }
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).value(QStringLiteral("Harga")).toInt(), stored);
        QCOMPARE(w->box(7)->text(), QString::number(stored));
    }

    void roomPrices_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("room");
        QTest::addColumn<QString>("price");
        QTest::newRow("PM 01") << 0 << "PM 01" << "60000";
        QTest::newRow("PM 10") << 9 << "PM 10" << "60000";
        QTest::newRow("PT 11") << 10 << "PT 11" << "75000";
        QTest::newRow("PT 20") << 19 << "PT 20" << "75000";
    }

    void roomPrices()
    {
        QFETCH(int, entry);
        QFETCH(QString, room);
        QFETCH(QString, price);
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        chooseRoom(w, entry);
        QCOMPARE(w->box(0)->text(), room);
        QCOMPARE(w->box(7)->text(), price);
    }

    // Text typed into the picker counts for nothing, even when it names an
    // entry, whichever way the clerk leaves it; a choice afterwards still counts.
    void typedPickerTextChangesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("leaveWith");
        QTest::newRow("an entry, Enter") << "PM 05" << int(Qt::Key_Return);
        QTest::newRow("an entry in small letters, Enter") << "pt 15" << int(Qt::Key_Return);
        QTest::newRow("the start of an entry, Enter") << "PT 1" << int(Qt::Key_Enter);
        QTest::newRow("an entry, Tab") << "PT 12" << int(Qt::Key_Tab);
        QTest::newRow("no entry, Enter") << "PM 05x" << int(Qt::Key_Return);
    }

    void typedPickerTextChangesNothing()
    {
        QFETCH(QString, typed);
        QFETCH(int, leaveWith);
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        QComboBox *c = rooms(w);
        c->setFocus();
        QTest::keyClicks(c, typed);
        QTest::keyClick(c, Qt::Key(leaveWith));
        if (leaveWith != Qt::Key_Tab)
            QTest::keyClick(c, Qt::Key(leaveWith)); // a second press takes nothing either
        QCOMPARE(w->box(0)->text(), QString());
        QCOMPARE(w->box(7)->text(), QString());

        chooseRoom(w, 2);
        QCOMPARE(w->box(0)->text(), QStringLiteral("PM 03"));
        QCOMPARE(w->box(7)->text(), QStringLiteral("60000"));
        click(w, "cmdCancel");
    }

    // The open list takes an entry with Enter or a click.
    void roomChosenInTheOpenList()
    {
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        QComboBox *c = rooms(w);
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Down, Qt::AltModifier); // opens the list, chooses nothing
        QAbstractItemView *list = c->view();
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(w->box(0)->text(), QString());
        list->setCurrentIndex(c->model()->index(12, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(w->box(0)->text(), QStringLiteral("PT 13"));
        QCOMPARE(w->box(7)->text(), QStringLiteral("75000"));

        c->showPopup();
        QTRY_VERIFY(list->isVisible());
        QTest::qWait(QApplication::doubleClickInterval() + 50); // a release right after opening is no choice
        list->scrollTo(c->model()->index(2, 0));
        const QRect entry = list->visualRect(c->model()->index(2, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(w->box(0)->text(), QStringLiteral("PM 03"));
        QCOMPARE(w->box(7)->text(), QStringLiteral("60000"));
        click(w, "cmdCancel");
    }

    void everyCharacterKeySetsTheCheckinDate_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("checkin");
        QTest::newRow("a letter") << int(Qt::Key_A) << "01/03/2004";
        QTest::newRow("Enter") << int(Qt::Key_Return) << "01/03/2004";
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "01/03/2004";
        QTest::newRow("Tab gives no character") << int(Qt::Key_Tab) << "";
        QTest::newRow("an arrow gives no character") << int(Qt::Key_Left) << "";
    }

    void everyCharacterKeySetsTheCheckinDate()
    {
        QFETCH(int, key);
        QFETCH(QString, checkin);
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        QTest::keyClick(w->box(2), Qt::Key(key));
        QCOMPARE(w->box(4)->text(), checkin);
    }

    void simpanStopsAtTheLowestEmptyBox_data()
    {
        QTest::addColumn<QString>("leaveEmpty"); // boxes left empty, by label
        QTest::addColumn<QString>("focus");
        QTest::newRow("nothing typed") << "all" << "Combo1";
        QTest::newRow("no room") << "room" << "Combo1";
        QTest::newRow("no city and no phone") << "kota telpon" << "txtFields_5";
        QTest::newRow("no name") << "nama" << "txtFields_2";
    }

    void simpanStopsAtTheLowestEmptyBox()
    {
        QFETCH(QString, leaveEmpty);
        QFETCH(QString, focus);
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        if (leaveEmpty != QLatin1String("all")) {
            if (!leaveEmpty.contains(QLatin1String("nama")))
                type(w, 2, QStringLiteral("Ani"));
            type(w, 1, QStringLiteral("K1"));
            type(w, 3, QStringLiteral("Jl. A"));
            if (!leaveEmpty.contains(QLatin1String("kota")))
                type(w, 6, QStringLiteral("Malang"));
            if (!leaveEmpty.contains(QLatin1String("telpon")))
                type(w, 5, QStringLiteral("1"));
            if (!leaveEmpty.contains(QLatin1String("room")))
                chooseRoom(w, 12);
        }
        platform->messages.expect();
        click(w, "cmdUpdate");
        QCOMPARE(platform->messages.calls.size(), 1);
        const auto call = platform->messages.calls.at(0);
        QCOMPARE(call.text, QStringLiteral("Semua data harus diisi!"));
        QCOMPARE(call.title, QStringLiteral("Isi Semua Data"));
        QCOMPARE(call.icon, Messages::Icon::Critical);
        QCOMPARE(call.buttons, Messages::Buttons::Ok);
        QCOMPARE(focusName(w), focus);
        QVERIFY(button(w, "cmdUpdate")->isEnabled()); // still Adding
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" ORDER BY rowid")).size(), 0);
    }

    void blanksCountAsFilled()
    {
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        fillGuest(w, QStringLiteral("   "), QStringLiteral("K2"));
        chooseRoom(w, 0);
        click(w, "cmdUpdate");
        const auto rows = TestDatabase::rows(QStringLiteral("SELECT \"Nama\" FROM \"Tamu\""));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).value(QStringLiteral("Nama")).toString(), QStringLiteral("   "));
    }

    void batalAfterTambahDropsTheNewRecord()
    {
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("K1"));
        TestDatabase::insertGuest(QStringLiteral("Dua"), QStringLiteral("K2"));
        frmtamu *w = openWindow();
        QVERIFY(w);
        w->grid()->selectRow(1);
        QCOMPARE(w->box(2)->text(), QStringLiteral("Dua"));
        click(w, "cmdAdd");
        type(w, 2, QStringLiteral("Tiga"));
        click(w, "cmdCancel");
        QCOMPARE(w->box(2)->text(), QStringLiteral("Satu"));
        QCOMPARE(w->grid()->model()->rowCount(), 2);
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" ORDER BY rowid")).size(), 2);
        QVERIFY(button(w, "cmdAdd")->isEnabled());
        QVERIFY(w->box(2)->isReadOnly());
    }

    void batalAfterEditDropsTheChanges()
    {
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("K1"));
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdEdit");
        QCOMPARE(focusName(w), QStringLiteral("txtFields_1"));
        QCOMPARE(w->box(1)->selectedText(), QStringLiteral("K1"));
        QVERIFY(!w->picUtility()->isEnabled());
        QTest::keyClicks(w->box(1), QStringLiteral("K9"));
        QCOMPARE(w->box(1)->text(), QStringLiteral("K9"));
        click(w, "cmdCancel");
        QCOMPARE(w->box(1)->text(), QStringLiteral("K1"));
        QCOMPARE(w->box(4)->text(), QStringLiteral("28/02/2004"));
        QVERIFY(w->picUtility()->isEnabled());
        QVERIFY(button(w, "cmdFindFirst")->isEnabled());
        const auto rows = TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" ORDER BY rowid"));
        QCOMPARE(rows.at(0).value(QStringLiteral("No KTP/KTA")).toString(), QStringLiteral("K1"));
        QCOMPARE(rows.at(0).value(QStringLiteral("Checkin")).toString(), QStringLiteral("2004-02-28"));
    }

    void editAndSave()
    {
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("K1"));
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdEdit");
        QTest::keyClicks(w->box(1), QStringLiteral("K5"));
        click(w, "cmdUpdate");
        const auto rows = TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" ORDER BY rowid"));
        QCOMPARE(rows.at(0).value(QStringLiteral("No KTP/KTA")).toString(), QStringLiteral("K5"));
        QCOMPARE(rows.at(0).value(QStringLiteral("Checkin")).toString(), QStringLiteral("2004-03-01"));
        QVERIFY(w->picUtility()->isEnabled());
        QVERIFY(w->box(1)->isReadOnly());
    }

    void hapus_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("guests");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("current");
        QTest::newRow("no") << false << 3 << 3 << "Dua";
        QTest::newRow("yes, the next becomes current") << true << 3 << 2 << "Tiga";
        QTest::newRow("yes on the last, the last becomes current") << true << 2 << 1 << "Satu";
        QTest::newRow("yes on the only record") << true << 1 << 0 << "";
    }

    void hapus()
    {
        QFETCH(bool, yes);
        QFETCH(int, guests);
        QFETCH(int, left);
        QFETCH(QString, current);
        const QStringList names = {"Satu", "Dua", "Tiga"};
        for (int i = 0; i < guests; ++i)
            TestDatabase::insertGuest(names.at(i), QStringLiteral("K%1").arg(i));
        frmtamu *w = openWindow();
        QVERIFY(w);
        w->grid()->selectRow(qMin(1, guests - 1));
        platform->messages.expect(yes ? Messages::Answer::Yes : Messages::Answer::No);
        click(w, "cmdDelete");
        QCOMPARE(platform->messages.calls.size(), 1);
        const auto call = platform->messages.calls.at(0);
        QCOMPARE(call.text, QStringLiteral("Yakin record ini mau dihapus"));
        QCOMPARE(call.title, QStringLiteral("Hapus Record"));
        QCOMPARE(call.icon, Messages::Icon::Question);
        QCOMPARE(call.buttons, Messages::Buttons::YesNo);
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" ORDER BY rowid")).size(), left);
        QCOMPARE(w->grid()->model()->rowCount(), left);
        QCOMPARE(w->box(2)->text(), current);
        QVERIFY(button(w, "cmdAdd")->isEnabled());
    }

    void keluarAndShowAgainKeepRecordAndState()
    {
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("K1"));
        TestDatabase::insertGuest(QStringLiteral("Dua"), QStringLiteral("K2"));
        QWidget mainWindow; // another window keeps the program running
        mainWindow.show();
        frmtamu *w = openWindow();
        QVERIFY(w);
        w->grid()->selectRow(1);
        click(w, "cmdClose");
        QVERIFY(!w->isVisible());
        QCOMPARE(programEnded, 0);
        QCOMPARE(openWindow(), w);
        QCOMPARE(w->box(2)->text(), QStringLiteral("Dua"));
        QCOMPARE(w->grid()->currentIndex().row(), 1);
        QVERIFY(button(w, "cmdAdd")->isEnabled());
        QVERIFY(w->box(2)->isReadOnly());
    }

    void keluarOfTheLastShownWindowEndsTheProgram()
    {
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdClose");
        QVERIFY(!w->isVisible());
        QCOMPARE(programEnded, 1);
    }

    void closeBoxEndsTheProgramWithoutSaving()
    {
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        fillGuest(w, QStringLiteral("Budi"), QStringLiteral("K1"));
        chooseRoom(w, 3);
        w->close();
        QCOMPARE(programEnded, 1);
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" ORDER BY rowid")).size(), 0);
    }

    void duplicateKey()
    {
        TestDatabase::exec(QStringLiteral("CREATE UNIQUE INDEX \"Tamu_KTP\" ON \"Tamu\" (\"No KTP/KTA\")"));
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("K1"));
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        fillGuest(w, QStringLiteral("Dua"), QStringLiteral("K1"));
        chooseRoom(w, 1);
        w->box(2)->setFocus();
        platform->messages.expect();
        click(w, "cmdUpdate");
        QCOMPARE(platform->messages.calls.size(), 1);
        const auto call = platform->messages.calls.at(0);
        QCOMPARE(call.text, QStringLiteral("ID Tamu tersebut sudah ada.\r\nGanti dengan yang lain!"));
        QCOMPARE(call.title, QStringLiteral("ID Tamu Dobel?"));
        QCOMPARE(call.icon, Messages::Icon::Critical);
        QCOMPARE(call.buttons, Messages::Buttons::Ok);
        QCOMPARE(focusName(w), QStringLiteral("Combo1"));
        // Still Adding with the record pending, and the search bar enabled.
        QVERIFY(button(w, "cmdUpdate")->isEnabled());
        QVERIFY(w->picUtility()->isEnabled());
        QCOMPARE(w->box(2)->text(), QStringLiteral("Dua"));
        // Corrected, it saves.
        type(w, 1, QStringLiteral("2"));
        click(w, "cmdUpdate");
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" ORDER BY rowid")).size(), 2);
    }

    void failedSimpanOfAnEditLeavesTheSearchBarEnabled()
    {
        TestDatabase::exec(QStringLiteral("CREATE UNIQUE INDEX \"Tamu_KTP\" ON \"Tamu\" (\"No KTP/KTA\")"));
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("K1"));
        TestDatabase::insertGuest(QStringLiteral("Dua"), QStringLiteral("K2"));
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdEdit");
        QVERIFY(!w->picUtility()->isEnabled());
        QTest::keyClicks(w->box(1), QStringLiteral("K2")); // replaces the selected K1
        platform->messages.expect();
        click(w, "cmdUpdate");
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls.at(0).title, QStringLiteral("ID Tamu Dobel?"));
        QVERIFY(button(w, "cmdUpdate")->isEnabled()); // still Editing
        QVERIFY(w->picUtility()->isEnabled());
        QVERIFY(button(w, "cmdFindFirst")->isEnabled());
    }

    void otherWriteFailureShowsNumberAndDescription()
    {
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        fillGuest(w, QStringLiteral("Budi"), QStringLiteral("K1"));
        chooseRoom(w, 1);
        w->box(7)->setText(QStringLiteral("enam"));
        platform->messages.expect();
        click(w, "cmdUpdate");
        QCOMPARE(platform->messages.calls.size(), 1);
        const auto call = platform->messages.calls.at(0);
        QVERIFY2(call.text.startsWith(QStringLiteral("-2147217913 - ")), qPrintable(call.text));
        QCOMPARE(call.title, QString());
        QCOMPARE(call.icon, Messages::Icon::None);
        QVERIFY(button(w, "cmdUpdate")->isEnabled());
    }

    void enterMovesAlongTheTabOrder_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("Nama to Kota") << 2 << "txtFields_6";
        QTest::newRow("Checkin to Alamat") << 4 << "txtFields_3";
        QTest::newRow("Alamat to No KTP/KTA") << 3 << "txtFields_1";
        QTest::newRow("No KTP/KTA to No Telpon") << 1 << "txtFields_5";
        QTest::newRow("Kota is outside the Enter range") << 6 << "txtFields_6";
        QTest::newRow("Harga is outside the Enter range") << 7 << "txtFields_7";
    }

    void enterMovesAlongTheTabOrder()
    {
        QFETCH(int, from);
        QFETCH(QString, to);
        frmtamu *w = openWindow();
        QVERIFY(w);
        for (bool adding : {false, true}) {
            if (adding)
                click(w, "cmdAdd");
            w->box(from)->setFocus();
            QTest::keyClick(w->box(from), Qt::Key_Return);
            QCoreApplication::processEvents();
            QCOMPARE(focusName(w), to);
        }
    }

    void tabOrder()
    {
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdAdd");
        w->grid()->setFocus();
        QStringList order;
        for (int i = 0; i < 18; ++i) {
            order << focusName(w);
            platform->keystrokes.send(w, QStringLiteral("{Tab}"));
        }
        // In Adding the browsing buttons are disabled and skipped.
        QCOMPARE(order.join(QLatin1Char(' ')),
                 QStringLiteral("grdDataGrid cmdClearSearch cmdView cmdFindFirst cmdFindNext cmdCancel cmdUpdate "
                                "txtFields_2 txtFields_6 txtFields_4 txtFields_3 txtFields_1 txtFields_5 Combo1 "
                                "txtFields_7 grdDataGrid cmdClearSearch cmdView"));
    }

    void statesEnableTheirControls_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("browsingButtons"); // Tambah, Edit, Hapus, Refresh, Keluar
        QTest::addColumn<bool>("searchBar");
        QTest::addColumn<bool>("locked");
        QTest::newRow("Browsing") << "browsing" << true << true << true;
        QTest::newRow("Adding") << "adding" << false << true << false;
        QTest::newRow("Editing") << "editing" << false << false << false;
        QTest::newRow("Browsing after Simpan of an edit") << "saved" << true << true << true;
        QTest::newRow("Browsing after Batal of an edit") << "cancelled" << true << true << true;
    }

    void statesEnableTheirControls()
    {
        QFETCH(QString, state);
        QFETCH(bool, browsingButtons);
        QFETCH(bool, searchBar);
        QFETCH(bool, locked);
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("K1"));
        frmtamu *w = openWindow();
        QVERIFY(w);
        if (state == QLatin1String("adding"))
            click(w, "cmdAdd");
        if (state != QLatin1String("browsing") && state != QLatin1String("adding"))
            click(w, "cmdEdit");
        if (state == QLatin1String("saved"))
            click(w, "cmdUpdate");
        if (state == QLatin1String("cancelled"))
            click(w, "cmdCancel");

        for (const char *name : {"cmdAdd", "cmdEdit", "cmdDelete", "cmdRefresh", "cmdClose"})
            QVERIFY2(button(w, name)->isEnabled() == browsingButtons, name);
        for (const char *name : {"cmdUpdate", "cmdCancel"})
            QVERIFY2(button(w, name)->isEnabled() == !browsingButtons, name);
        QCOMPARE(w->picUtility()->isEnabled(), searchBar);
        for (const char *name : {"cmdFindFirst", "cmdFindNext", "cmdView", "cmdClearSearch"})
            QVERIFY2(button(w, name)->isEnabled() == searchBar, name);
        for (int i = 1; i <= 7; ++i)
            QCOMPARE(w->box(i)->isReadOnly(), locked);
        QVERIFY(!w->box(0)->isReadOnly());
        QVERIFY(w->grid()->isEnabled());
        QVERIFY(rooms(w)->isEnabled());
    }

    void browsingRulesChangeNothing()
    {
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("K1"));
        TestDatabase::insertGuest(QStringLiteral("Dua"), QStringLiteral("K2"));
        frmtamu *w = openWindow();
        QVERIFY(w);
        w->box(2)->setFocus();
        QTest::keyClick(w->box(2), Qt::Key_A);
        QTest::keyClick(w->box(2), Qt::Key_Return);
        chooseRoom(w, 15);
        QCOMPARE(w->box(4)->text(), QStringLiteral("28/02/2004"));
        QCOMPARE(w->box(7)->text(), QStringLiteral("60000"));
        QCOMPARE(w->box(0)->text(), QStringLiteral("PM 01"));
        w->grid()->selectRow(1);
        const auto rows = TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" ORDER BY rowid"));
        QCOMPARE(rows.at(0).value(QStringLiteral("Checkin")).toString(), QStringLiteral("2004-02-28"));
        QCOMPARE(rows.at(0).value(QStringLiteral("NoKamar")).toString(), QStringLiteral("PM 01"));
        QCOMPARE(rows.at(0).value(QStringLiteral("Nama")).toString(), QStringLiteral("Satu"));
    }

    void gridChoosesTheCurrentRecordInEveryState()
    {
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("K1"));
        TestDatabase::insertGuest(QStringLiteral("Dua"), QStringLiteral("K2"));
        frmtamu *w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->grid()->currentIndex().row(), 0);
        click(w, "cmdEdit");
        QTest::keyClicks(w->box(1), QStringLiteral("X"));
        const QRect cell = w->grid()->visualRect(w->grid()->model()->index(1, 2));
        QTest::mouseClick(w->grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(w->box(2)->text(), QStringLiteral("Dua"));
        // Leaving the edited record wrote it.
        const auto rows = TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" ORDER BY rowid"));
        QCOMPARE(rows.at(0).value(QStringLiteral("No KTP/KTA")).toString(), QStringLiteral("X"));
    }

    void refusedWriteOnAMoveIsADataError()
    {
        TestDatabase::exec(QStringLiteral("CREATE UNIQUE INDEX \"Tamu_KTP\" ON \"Tamu\" (\"No KTP/KTA\")"));
        TestDatabase::insertGuest(QStringLiteral("Satu"), QStringLiteral("K1"));
        TestDatabase::insertGuest(QStringLiteral("Dua"), QStringLiteral("K2"));
        frmtamu *w = openWindow();
        QVERIFY(w);
        click(w, "cmdEdit");
        QTest::keyClick(w->box(1), Qt::Key_2); // K1 selected -> "2"
        w->box(1)->setText(QStringLiteral("K2"));
        platform->messages.expect();
        w->grid()->selectRow(1);
        QCOMPARE(platform->messages.calls.size(), 1);
        QVERIFY2(platform->messages.calls.at(0).text.startsWith(QStringLiteral("Data error event hit err:Menyimpan")),
                 qPrintable(platform->messages.calls.at(0).text));
        QCOMPARE(platform->messages.calls.at(0).title, QString());
        QCOMPARE(platform->messages.calls.at(0).icon, Messages::Icon::None);
        // The edited record stays current in the grid.
        QCOMPARE(w->grid()->currentIndex().row(), 0);
        QCOMPARE(w->box(2)->text(), QStringLiteral("Satu"));
    }

    void aDatabaseNotOursIsADataErrorAndTheWindowStaysUsable()
    {
        if (TestPlatform::onServer()) {
            // A server database that holds tables of another program.
            TestServer::exec(platform->server(), QStringLiteral("CREATE TABLE \"Daftar\" (\"Nama\" text)"));
        } else {
            QDir().mkpath(QFileInfo(DataFolder::databasePath()).path());
            QFile f(DataFolder::databasePath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Standard Jet DB, not really");
            f.close();
        }
        platform->messages.expect();
        frmtamu *w = openWindow();
        QVERIFY(w);
        QCOMPARE(platform->messages.calls.size(), 1);
        QVERIFY(platform->messages.calls.at(0).text.startsWith(QStringLiteral("Data error event hit err:")));
        if (TestPlatform::onServer())
            QVERIFY2(platform->messages.calls.at(0).text.contains(
                         QStringLiteral("Database %1 di server ").arg(ServerStore::databaseName(platform->server()))),
                     qPrintable(platform->messages.calls.at(0).text));
        QCOMPARE(w->grid()->model()->rowCount(), 0);
        platform->messages.expect(); // Tambah: no table to add to
        click(w, "cmdAdd");
        platform->messages.expect(); // Batal reads again, which fails again
        click(w, "cmdCancel");
        QCOMPARE(platform->messages.calls.size(), 3);
        QVERIFY(button(w, "cmdAdd")->isEnabled());
        if (TestPlatform::onServer())
            return;
        QFile f(DataFolder::databasePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("Standard Jet DB, not really"));
    }

    void opensAHundredThousandGuestsWithoutAStall()
    {
        TestDatabase::exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
            "INSERT INTO \"Tamu\" (\"No KTP/KTA\", \"Nama\", \"Alamat\", \"Kota\", \"No Telpon\", \"Checkin\", "
            "\"NoKamar\", \"Harga\", \"Status\") SELECT 'K' || i, 'Tamu ' || i, 'Jl. ' || i, 'Kalisor', '0341', "
            "'2004-02-28', 'PM 01', 60000, 'Isi' FROM n"));
        // How fast is measured by the benchmark suite; here: every row is
        // there, the grid scrolls to the end, and the last row can be chosen.
        frmtamu *w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->grid()->model()->rowCount(), 100000);
        QScrollBar *bar = w->grid()->verticalScrollBar();
        for (int step = 0; step < 50; ++step) {
            bar->setValue(bar->maximum() * step / 49);
            w->grid()->viewport()->repaint();
        }
        QVERIFY(w->grid()->rowAt(w->grid()->viewport()->height() - 2) >= 99990);
        w->grid()->selectRow(99999);
        QCOMPARE(w->box(2)->text(), QStringLiteral("Tamu 100000"));
    }
};

QTEST_MAIN(TestFrmtamu)
#include "test_frmtamu.moc"
