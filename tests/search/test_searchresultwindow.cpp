#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/DataFolder.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "search/SearchBar.h"
#include "search/frminfo.h"
#include "search/frminfo2.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
// A record window as far as the search needs one: the four search buttons
// over its own record set.
class StandInRecordWindow : public QWidget
{
public:
    StandInRecordWindow(const TableDef &table, const QList<QPair<int, QString>> &boxes, const QString &resultWindow)
        : records(table)
    {
        for (const char *name : {"cmdFindFirst", "cmdFindNext", "cmdView", "cmdClearSearch"}) {
            auto *b = new QPushButton(this);
            b->setObjectName(QLatin1String(name));
        }
        records.open(DataFolder::databasePath());
        new SearchBar(this, [this, boxes, resultWindow] { return SearchBar::Setup{&records, boxes, resultWindow}; });
    }
    QPushButton *button(const char *name) const { return findChild<QPushButton *>(QLatin1String(name)); }

    RecordSet records;
};

const QList<QPair<int, QString>> guestBoxes{{0, QStringLiteral("NoKamar")}, {1, QStringLiteral("No KTP/KTA")},
                                          {2, QStringLiteral("Nama")}, {3, QStringLiteral("Alamat")},
                                          {4, QStringLiteral("Checkin")}};
const QList<QPair<int, QString>> transactionBoxes{{1, QStringLiteral("No ID")}, {2, QStringLiteral("No KTP/KTA")},
                                                {3, QStringLiteral("Nama")}, {4, QStringLiteral("Alamat")}};
const QList<QPair<int, QString>> purchaseBoxes{{1, QStringLiteral("Tanggal")}, {2, QStringLiteral("Nama")},
                                             {3, QStringLiteral("Jenis")}, {4, QStringLiteral("Jumlah")}};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestSearchResultWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;
    QString startDir;
    int programEnded = 0;

    static SearchResultWindow *resultWindow(const QString &name)
    {
        return WindowRegistry::instance().window<SearchResultWindow>(name);
    }
    static StandInRecordWindow *recordWindow(const QString &name)
    {
        return static_cast<StandInRecordWindow *>(WindowRegistry::instance().window(name));
    }
    static QPushButton *buttonOf(const QString &window, const char *name)
    {
        return WindowRegistry::instance().window(window)->findChild<QPushButton *>(QLatin1String(name));
    }
    static QPlainTextEdit *paneOf(const QString &window)
    {
        return WindowRegistry::instance().window(window)->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    }

private slots:
    void initTestCase()
    {
        WindowRegistry &r = WindowRegistry::instance();
        r.registerWindow(QStringLiteral("frminfo"), [] { return new frminfo; });
        r.registerWindow(QStringLiteral("frminfo2"), [] { return new frminfo2; });
        r.registerWindow(QStringLiteral("frmtamu"), [] {
            return new StandInRecordWindow(Schema::tamu(), guestBoxes, QStringLiteral("frminfo"));
        });
        r.registerWindow(QStringLiteral("frmtransaksi"), [] {
            return new StandInRecordWindow(Schema::transaksi(), transactionBoxes, QStringLiteral("frminfo2"));
        });
        r.registerWindow(QStringLiteral("frmpembelian"), [] {
            return new StandInRecordWindow(Schema::pembelian(), purchaseBoxes, QStringLiteral("frminfo2"));
        });
    }
    void init()
    {
        platform.reset(); // left over when a failed check ended cleanup() early
        platform = std::make_unique<TestPlatform>();
        startDir = QDir::currentPath();
        QDir::setCurrent(platform->dataDir());
        programEnded = 0;
        WindowRegistry::instance().setEndProgramAction([this] { ++programEnded; });
    }
    void cleanup()
    {
        WindowRegistry::instance().unloadAll();
        QDir::setCurrent(startDir);
        WindowRegistry::instance().setEndProgramAction(nullptr);
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void controlsLieWhereDesigned_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        const QString pane = QStringLiteral("Text1");
        QTest::newRow("frminfo pane") << "frminfo" << pane << QString() << QRect(720, 1800, 6495, 2535);
        QTest::newRow("frminfo clear") << "frminfo" << "cmdClearSearch" << "&Hapus Pencarian" << QRect(720, 4440, 1095, 495);
        QTest::newRow("frminfo first") << "frminfo" << "cmdFindFirst" << "Cari" << QRect(1920, 4440, 1125, 495);
        QTest::newRow("frminfo next") << "frminfo" << "cmdFindNext" << "Cari Berikutnya" << QRect(3240, 4440, 1125, 495);
        QTest::newRow("frminfo save") << "frminfo" << "cmdSimpan" << "&Simpan..." << QRect(4560, 4440, 1125, 495);
        QTest::newRow("frminfo ok") << "frminfo" << "cmdOk" << "Keluar" << QRect(5880, 4440, 1215, 495);
        QTest::newRow("frminfo2 pane") << "frminfo2" << pane << QString() << QRect(480, 960, 6495, 2535);
        QTest::newRow("frminfo2 clear") << "frminfo2" << "cmdClearSearch" << "&Hapus Pencarian" << QRect(480, 3600, 1095, 495);
        QTest::newRow("frminfo2 first") << "frminfo2" << "cmdFindFirst" << "Cari" << QRect(1680, 3600, 1125, 495);
        QTest::newRow("frminfo2 next") << "frminfo2" << "cmdFindNext" << "Cari Berikutnya" << QRect(3000, 3600, 1125, 495);
        QTest::newRow("frminfo2 save") << "frminfo2" << "cmdSimpan" << "&Simpan..." << QRect(4320, 3600, 1125, 495);
        QTest::newRow("frminfo2 ok") << "frminfo2" << "cmdOk" << "Keluar" << QRect(5640, 3600, 1215, 495);
    }
    // Controls lie where designed, except that a button too narrow for its
    // caption widens to show it whole (the next test covers the row).
    void controlsLieWhereDesigned()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QWidget *w = WindowRegistry::instance().window(window)->findChild<QWidget *>(control);
        QVERIFY(w);
        QVERIFY(w->isEnabled());
        const QRect designed = Twips::rect(twips.x(), twips.y(), twips.width(), twips.height());
        QCOMPARE(w->y(), designed.y());
        QCOMPARE(w->height(), designed.height());
        if (auto *b = qobject_cast<QPushButton *>(w)) {
            QCOMPARE(b->text(), caption);
            QCOMPARE(b->width(), qMax(designed.width(), b->sizeHint().width()));
        } else {
            QCOMPARE(w->x(), designed.x());
        }
    }

    // The buttons stand in the designed order with the designed gaps, moved
    // right by as much as the buttons before them widened; the pane above
    // and the window widen with the row.
    void buttonRowKeepsItsOrderAndGaps_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<int>>("lefts"); // designed, in twips, left to right
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QSize>("client");
        QTest::newRow("frminfo") << "frminfo" << QList<int>{720, 1920, 3240, 4560, 5880}
                                 << QList<int>{1095, 1125, 1125, 1125, 1215} << QSize(7560, 7320);
        QTest::newRow("frminfo2") << "frminfo2" << QList<int>{480, 1680, 3000, 4320, 5640}
                                  << QList<int>{1095, 1125, 1125, 1125, 1215} << QSize(7590, 7470);
    }
    void buttonRowKeepsItsOrderAndGaps()
    {
        QFETCH(QString, window);
        QFETCH(QList<int>, lefts);
        QFETCH(QList<int>, widths);
        QFETCH(QSize, client);
        QWidget *w = WindowRegistry::instance().window(window);
        int widened = 0;
        int i = 0;
        for (const char *name : {"cmdClearSearch", "cmdFindFirst", "cmdFindNext", "cmdSimpan", "cmdOk"}) {
            const QPushButton *b = w->findChild<QPushButton *>(QLatin1String(name));
            QCOMPARE(b->x(), Twips::toPixels(lefts.at(i)) + widened);
            widened += b->width() - Twips::toPixels(widths.at(i));
            ++i;
        }
        QVERIFY(widened > 0); // "&Hapus Pencarian" needs more than its designed width
        QCOMPARE(paneOf(window)->width(), Twips::toPixels(6495) + widened);
        QCOMPARE(w->size(), QSize(Twips::toPixels(client.width()) + widened, Twips::toPixels(client.height())));
    }

    void designedSizePaneAndTabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("twips");
        QTest::newRow("frminfo") << "frminfo" << QSize(7560, 7320);
        QTest::newRow("frminfo2") << "frminfo2" << QSize(7590, 7470);
    }
    void designedSizePaneAndTabOrder()
    {
        QFETCH(QString, window);
        QFETCH(QSize, twips);
        QWidget *w = WindowRegistry::instance().window(window);
        QCOMPARE(w->windowTitle(), QStringLiteral("PENGINAPAN RERAR MERBALUNTA KALISOR"));
        QCOMPARE(w->height(), Twips::toPixels(twips.height()));
        QVERIFY(w->width() >= Twips::toPixels(twips.width())); // wider where a caption needs it
        QPlainTextEdit *pane = paneOf(window);
        QVERIFY(pane->isReadOnly());
        QCOMPARE(pane->toPlainText(), QString());
        QCOMPARE(pane->palette().color(QPalette::Text), QColor(0, 0, 192));
        QVERIFY(QFontInfo(pane->font()).fixedPitch());
        QStringList chain;
        for (QWidget *c = pane; chain.size() < 6; c = c->nextInFocusChain()) {
            if (c->focusPolicy() & Qt::TabFocus)
                chain << c->objectName();
        }
        QCOMPARE(chain, QStringList({"Text1", "cmdSimpan", "cmdFindNext", "cmdFindFirst", "cmdClearSearch", "cmdOk"}));
    }

    void searchButtonsPressTheTiedWindowsButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("tied");
        QTest::newRow("frminfo") << "frminfo" << "frmtamu";
        QTest::newRow("frminfo2") << "frminfo2" << "frmtransaksi";
    }
    void searchButtonsPressTheTiedWindowsButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, tied);
        QVERIFY(!WindowRegistry::instance().existing(tied));
        platform->prompt.expect(QString()); // Cari: Find First asks
        QTest::mouseClick(buttonOf(window, "cmdFindFirst"), Qt::LeftButton);
        QVERIFY(WindowRegistry::instance().existing(tied));
        QVERIFY(WindowRegistry::instance().existing(tied)->isHidden());
        QCOMPARE(platform->prompt.calls.size(), 1);

        platform->prompt.expect(QString()); // Cari Berikutnya before any search asks too
        QTest::mouseClick(buttonOf(window, "cmdFindNext"), Qt::LeftButton);
        QCOMPARE(platform->prompt.calls.size(), 2);

        platform->messages.expect(); // no criterion yet
        QTest::mouseClick(buttonOf(window, "cmdClearSearch"), Qt::LeftButton);
        QCOMPARE(platform->messages.calls.last().title, QStringLiteral("Kriteria Masih Kosong"));

        // A disabled button of the tied window does nothing.
        buttonOf(tied, "cmdFindFirst")->setEnabled(false);
        QTest::mouseClick(buttonOf(window, "cmdFindFirst"), Qt::LeftButton);
        QCOMPARE(platform->prompt.calls.size(), 2);
    }

    void theSearchBarRunsIntoTheResultWindow()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Jaya")}});
        StandInRecordWindow *tamu = recordWindow(QStringLiteral("frmtamu"));
        platform->prompt.expect(QStringLiteral("jaya"));
        QTest::mouseClick(tamu->button("cmdFindFirst"), Qt::LeftButton);
        SearchResultWindow *info = resultWindow(QStringLiteral("frminfo"));
        const QString found = QStringLiteral("Ditemukan data 'JAYA' pada:\r\n"
                                             "---------------------------\r\n"
                                             "\r\n"
                                             "  Record ke-1\r\n"
                                             "  - Nama field: Nama\r\n"
                                             "  - Isi field : Jaya\r\n"
                                             "  - Kolom ke  : 3 di tabel.\r\n");
        QCOMPARE(info->resultText(), found);
        QVERIFY(info->isVisible());
        QVERIFY(!tamu->button("cmdFindFirst")->isEnabled());
        QVERIFY(!buttonOf(QStringLiteral("frminfo"), "cmdFindFirst")->isEnabled());
        QPlainTextEdit *pane = paneOf(QStringLiteral("frminfo"));
        QCOMPARE(pane->toPlainText(), QString(found).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(pane->textCursor().position(), pane->toPlainText().size());
        QVERIFY(!pane->textCursor().hasSelection());

        // Keluar hides it; Hasil Pencarian shows it again as it was.
        QTest::mouseClick(buttonOf(QStringLiteral("frminfo"), "cmdOk"), Qt::LeftButton);
        QVERIFY(info->isHidden());
        QTest::mouseClick(tamu->button("cmdView"), Qt::LeftButton);
        QVERIFY(info->isVisible());
        QCOMPARE(resultWindow(QStringLiteral("frminfo")), info);
        QCOMPARE(info->resultText(), found);
        QVERIFY(!buttonOf(QStringLiteral("frminfo"), "cmdFindFirst")->isEnabled());

        // Its Hapus Pencarian clears the guest window's search.
        platform->messages.expect(Messages::Answer::Yes);
        QTest::mouseClick(buttonOf(QStringLiteral("frminfo"), "cmdClearSearch"), Qt::LeftButton);
        QCOMPARE(info->resultText(), QString());
        QVERIFY(tamu->button("cmdFindFirst")->isEnabled());
        QVERIFY(buttonOf(QStringLiteral("frminfo"), "cmdFindFirst")->isEnabled());
    }

    // Keluar only hides the window; when that leaves no window on the screen
    // the program ends, as after a record window's Keluar, rather than run on
    // unseen with the database open.
    void keluarOnTheLastShownWindowEndsTheProgram()
    {
        SearchResultWindow *info = resultWindow(QStringLiteral("frminfo"));
        QWidget *tamu = recordWindow(QStringLiteral("frmtamu"));
        tamu->show();
        info->showResults();
        QVERIFY(QTest::qWaitForWindowExposed(info));
        QTest::mouseClick(buttonOf(QStringLiteral("frminfo"), "cmdOk"), Qt::LeftButton);
        QVERIFY(info->isHidden());
        QCOMPARE(programEnded, 0);

        tamu->hide();
        info->showResults();
        QVERIFY(QTest::qWaitForWindowExposed(info));
        QTest::mouseClick(buttonOf(QStringLiteral("frminfo"), "cmdOk"), Qt::LeftButton);
        QVERIFY(info->isHidden());
        QCOMPARE(programEnded, 1);
    }

    void closingFromTheFrameDiscardsTheWindow()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Jaya")}});
        platform->prompt.expect(QStringLiteral("jaya"));
        QTest::mouseClick(recordWindow(QStringLiteral("frmtamu"))->button("cmdFindFirst"), Qt::LeftButton);
        QPointer<QWidget> info = WindowRegistry::instance().existing(QStringLiteral("frminfo"));
        QVERIFY(info->close());
        QTRY_VERIFY(info.isNull());

        QTest::mouseClick(recordWindow(QStringLiteral("frmtamu"))->button("cmdView"), Qt::LeftButton);
        SearchResultWindow *fresh = resultWindow(QStringLiteral("frminfo"));
        QVERIFY(fresh->isVisible());
        QCOMPARE(fresh->resultText(), QString());
        QVERIFY(buttonOf(QStringLiteral("frminfo"), "cmdFindFirst")->isEnabled());
        QVERIFY(!recordWindow(QStringLiteral("frmtamu"))->button("cmdFindFirst")->isEnabled());
    }

    void transactionAndPurchaseWindowsShareOneResultText()
    {
        TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), QStringLiteral("001")},
                                                          {QStringLiteral("Nama"), QStringLiteral("Jaya")}});
        TestDatabase::insert(QStringLiteral("Pembelian"), {{QStringLiteral("Nama"), QStringLiteral("Sabun Jaya")},
                                                          {QStringLiteral("Jumlah"), 2}});
        platform->prompt.expect(QStringLiteral("jaya"));
        QTest::mouseClick(recordWindow(QStringLiteral("frmpembelian"))->button("cmdFindFirst"), Qt::LeftButton);
        const QString purchase = resultWindow(QStringLiteral("frminfo2"))->resultText();
        QCOMPARE(purchase, QStringLiteral("Ditemukan data 'JAYA' pada:\r\n"
                                          "---------------------------\r\n"
                                          "\r\n"
                                          "  Record ke-1\r\n"
                                          "  - Nama field: Nama\r\n"
                                          "  - Isi field : Sabun Jaya\r\n"
                                          "  - Kolom ke  : 3 di tabel.\r\n"));

        // The shared window's buttons search the transactions, below the purchases.
        QVERIFY(!buttonOf(QStringLiteral("frminfo2"), "cmdFindFirst")->isEnabled());
        platform->prompt.expect(QStringLiteral("jaya"));
        QTest::mouseClick(buttonOf(QStringLiteral("frminfo2"), "cmdFindNext"), Qt::LeftButton);
        QCOMPARE(resultWindow(QStringLiteral("frminfo2"))->resultText(),
                 purchase + QStringLiteral("Ditemukan data 'JAYA' pada:\r\n"
                                           "---------------------------\r\n"
                                           "\r\n"
                                           "  Record ke-1\r\n"
                                           "  - Nama field: Nama\r\n"
                                           "  - Isi field : Jaya\r\n"
                                           "  - Kolom ke  : 4 di tabel.\r\n"));

        // Clear Search in the purchase window empties it for both.
        platform->messages.expect(Messages::Answer::Yes);
        QTest::mouseClick(recordWindow(QStringLiteral("frmpembelian"))->button("cmdClearSearch"), Qt::LeftButton);
        QCOMPARE(resultWindow(QStringLiteral("frminfo2"))->resultText(), QString());
    }

    void reportingSelectsTheCaretLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("mirrored, ends with a line end") << "Data A\r\n  - Kolom ke  : 3 di tabel.\r\n" << "";
        QTest::newRow("mirror failed") << "Data A\r\n  - Kolom ke  : 3 di tabel." << "  - Kolom ke  : 3 di tabel.";
    }
    void reportingSelectsTheCaretLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, selected);
        SearchResultWindow *info = resultWindow(QStringLiteral("frminfo"));
        info->setResultText(text);
        info->showAtEnd();
        QVERIFY(info->isVisible());
        const QTextCursor cursor = paneOf(QStringLiteral("frminfo"))->textCursor();
        QCOMPARE(cursor.selectedText(), selected);
        QCOMPARE(cursor.selectionEnd(), int(QString(text).remove(QLatin1Char('\r')).size()));
    }

    void saveWritesTheTextAndOneLineEnd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("results") << "Ditemukan data 'A' pada:\r\n------------------------\r\n";
        QTest::newRow("not found line") << "Data ZZ tidak ditemukan!\r\n";
    }
    void saveWritesTheTextAndOneLineEnd()
    {
        QFETCH(QString, text);
        resultWindow(QStringLiteral("frminfo"))->setResultText(text);
        const QString target = platform->path(QStringLiteral("hasil.txt"));
        platform->fileDialogs.expect(target);
        QTest::mouseClick(buttonOf(QStringLiteral("frminfo"), "cmdSimpan"), Qt::LeftButton);
        const ScriptedFileDialogs::Call &call = platform->fileDialogs.calls.last();
        QVERIFY(call.save);
        QCOMPARE(call.title, QStringLiteral("Simpan sebagai file teks"));
        QCOMPARE(call.filter, QStringLiteral("*.txt|*.txt"));
        QCOMPARE(call.presetName, QStringLiteral("HasilCari"));
        QCOMPARE(fileBytes(target), (text + QStringLiteral("\r\n")).toUtf8());
        QCOMPARE(resultWindow(QStringLiteral("frminfo"))->resultText(), text);
    }

    void saveWithAnEmptyPaneSaysSo()
    {
        platform->messages.expect();
        QTest::mouseClick(buttonOf(QStringLiteral("frminfo2"), "cmdSimpan"), Qt::LeftButton);
        const ScriptedMessages::Call &call = platform->messages.calls.last();
        QCOMPARE(call.text, QStringLiteral("Belum ada hasil pencarian!"));
        QCOMPARE(call.title, QStringLiteral("Kosong"));
        QCOMPARE(call.icon, Messages::Icon::Critical);
        QCOMPARE(call.buttons, Messages::Buttons::Ok);
        QVERIFY(platform->fileDialogs.calls.isEmpty());
    }

    void cancelledSaveWritesNothing()
    {
        {
            QFile existing(QStringLiteral("HasilCari"));
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("disimpan sebelumnya");
        }
        resultWindow(QStringLiteral("frminfo"))->setResultText(QStringLiteral("Data ZZ tidak ditemukan!\r\n"));
        platform->fileDialogs.expect(QString());
        QTest::mouseClick(buttonOf(QStringLiteral("frminfo"), "cmdSimpan"), Qt::LeftButton);
        QCOMPARE(fileBytes(QStringLiteral("HasilCari")), QByteArray("disimpan sebelumnya"));
        QCOMPARE(QDir::current().entryList(QDir::Files), QStringList{QStringLiteral("HasilCari")});
    }
};

QTEST_MAIN(TestSearchResultWindow)
#include "test_searchresultwindow.moc"
