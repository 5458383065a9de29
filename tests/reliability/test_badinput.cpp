#include "TestDatabase.h"
#include "TestPlatform.h"

#include "../records/WindowDriver.h"

#include "data/TextForms.h"
#include "platform/WindowRegistry.h"
#include "records/DataControl.h"
#include "records/RecordWindow.h"
#include "reports/frmcetaklap.h"
#include "shell/WindowCatalog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

using namespace WindowDriver;

// Texts a clerk may type, paste or mistype, tried in every box and every
// prompt: each gets its behaviour or a clear message, nothing crashes or
// hangs, and what is stored is what the box showed.
namespace {
QStringList badInputs()
{
    return {QStringLiteral("O'Brien \"Jr\""),
            QStringLiteral("100% _x_"),
            QString(10000, QLatin1Char('x')),
            QStringLiteral("Ñandú 東京 مرحبا שלום"),
            QStringLiteral("a\tb") + QChar(1) + QChar(0x1f) + QChar(0x7f) + QChar(0) + QStringLiteral("c"),
            QStringLiteral("31/02/2004"),
            QStringLiteral("00/00/0000"),
            QStringLiteral("1/1/99999"),
            QStringLiteral("1e400"),
            QStringLiteral("-0"),
            QStringLiteral("2,5"),
            QStringLiteral("99999999999999999999")};
}
} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;
    int tried = 0;

    // The boxes of the window's main data source that the clerk sees.
    static QList<QLineEdit *> shownBoxes(RecordWindow *w)
    {
        QList<QLineEdit *> boxes;
        for (int i = 0; i <= 14; ++i)
            if (QLineEdit *b = w->box(i); b && b->isVisibleTo(w) && !w->mainData().fieldOf(b).isEmpty())
                boxes << b;
        return boxes;
    }

    static QStringList texts(const QList<QLineEdit *> &boxes)
    {
        QStringList t;
        for (QLineEdit *b : boxes)
            t << b->text();
        return t;
    }

    // Tambah and every required box filled with good values.
    void startGoodRow(RecordWindow *w)
    {
        QVERIFY(click(w, "cmdAdd"));
        const QString name = w->objectName();
        if (name == QLatin1String("frmtamu")) {
            type(w->box(2), QStringLiteral("Budi"));
            for (int i : {1, 3, 5, 6})
                w->box(i)->setText(QStringLiteral("isi %1").arg(i));
            choose(w->findChild<QComboBox *>(QStringLiteral("Combo1")), 3);
        } else if (name == QLatin1String("frmpembelian")) {
            w->box(2)->setText(QStringLiteral("Sabun"));
            w->box(4)->setText(QStringLiteral("3"));
            w->box(5)->setText(QStringLiteral("2500"));
            choose(w->findChild<QComboBox *>(QStringLiteral("Combo1")), 1);
        } else {
            type(w->box(12), QStringLiteral("2\r"));
        }
    }

    void tryEveryBox(const QString &windowName)
    {
        auto *w = open<RecordWindow>(windowName);
        QVERIFY(w);
        const QList<QLineEdit *> boxes = shownBoxes(w);
        QVERIFY(!boxes.isEmpty());
        const TableDef &table = w->mainData().records().table();
        for (QLineEdit *box : boxes) {
            for (const QString &input : badInputs()) {
                ++tried;
                const int rowsBefore = TestDatabase::rows(QStringLiteral("SELECT 1 FROM \"%1\"").arg(table.name)).size();
                startGoodRow(w);
                box->setText(input);
                const QStringList shown = texts(boxes);
                const int messages = int(platform->messages.calls.size());
                platform->messages.expect(); // a message may come; if none, the answer is left over
                QVERIFY(click(w, "cmdUpdate"));
                const QString where = QStringLiteral("%1 %2 <- %3").arg(windowName, box->objectName(), input.left(40));
                QVERIFY2(platform->messages.problems.isEmpty(), qPrintable(where + platform->messages.problems.join(QLatin1Char('\n'))));
                if (platform->messages.calls.size() > messages) {
                    // Refused with a message: still adding, nothing written.
                    QVERIFY2(!platform->messages.calls.last().text.trimmed().isEmpty(), qPrintable(where));
                    QVERIFY2(button(w, "cmdUpdate")->isEnabled(), qPrintable(where));
                    QVERIFY(click(w, "cmdCancel"));
                    QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT 1 FROM \"%1\"").arg(table.name)).size(), rowsBefore);
                } else {
                    platform->messages.reset();
                    // Saved: the row as stored shows exactly what was shown.
                    QVERIFY2(button(w, "cmdAdd")->isEnabled(), qPrintable(where));
                    QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT 1 FROM \"%1\"").arg(table.name)).size(), rowsBefore + 1);
                    w->mainData().records().requery();
                    w->mainData().records().moveLast();
                    const QStringList stored = texts(boxes);
                    for (int i = 0; i < boxes.size(); ++i) {
                        // The same value: a date typed 1/3/2004 is stored as
                        // 01/03/2004, a number typed -0 as 0; a text as typed.
                        const FieldType type = table.fields.at(table.indexOf(w->mainData().fieldOf(boxes.at(i)))).type;
                        QVERIFY2(TextForms::storedValue(type, stored.at(i)) == TextForms::storedValue(type, shown.at(i)),
                                 qPrintable(where + QStringLiteral(": stored ") + stored.at(i).left(60)
                                            + QStringLiteral(", shown ") + shown.at(i).left(60)));
                    }
                }
                QVERIFY2(platform->messages.problems.isEmpty(), qPrintable(platform->messages.problems.join(QLatin1Char('\n'))));
                platform->messages.reset();
            }
        }
    }

private slots:
    void initTestCase() { WindowCatalog::registerAll(); }
    void init()
    {
        platform = std::make_unique<TestPlatform>();
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("No KTP/KTA"), QStringLiteral("KTP 1")},
                                                     {QStringLiteral("Nama"), QStringLiteral("Tamu Satu")},
                                                     {QStringLiteral("Alamat"), QStringLiteral("Jl. Satu")},
                                                     {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                                                     {QStringLiteral("NoKamar"), QStringLiteral("PM 01")},
                                                     {QStringLiteral("Harga"), 60000}});
    }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }
    void cleanupTestCase() { qInfo("inputs tried: %d", tried); }

    void everyBoxOfTheGuestWindow() { tryEveryBox(QStringLiteral("frmtamu")); }
    void everyBoxOfTheTransactionWindow() { tryEveryBox(QStringLiteral("frmtransaksi")); }
    void everyBoxOfThePurchaseWindow() { tryEveryBox(QStringLiteral("frmpembelian")); }

    void everySearchPrompt()
    {
        for (const char *name : {"frmtamu", "frmtransaksi", "frmpembelian"}) {
            QWidget *w = WindowRegistry::instance().show(QLatin1String(name));
            for (const QString &input : badInputs()) {
                ++tried;
                platform->prompt.expect(input);
                platform->messages.expect(); // not found, or the clear-search question below
                QVERIFY(click(w, "cmdFindFirst") || click(w, "cmdFindNext"));
                // Forget the criterion so the next press prompts again.
                platform->messages.expect(Messages::Answer::Yes);
                QVERIFY(click(w, "cmdClearSearch"));
                QVERIFY2(platform->messages.problems.isEmpty(), qPrintable(platform->messages.problems.join(QLatin1Char('\n'))));
                platform->messages.reset();
            }
        }
    }

    void everyReportPrompt()
    {
        TestDatabase::insertStay(QStringLiteral("001"), QStringLiteral("O'Brien"));
        auto *w = open<frmcetaklap>(QStringLiteral("frmcetaklap"));
        QVERIFY(w);
        for (const char *category : {"TANGGAL", "NOTRANSAKSI", "NAMA", "HARGA"}) {
            for (const QString &input : badInputs()) {
                ++tried;
                platform->prompt.expect(input);
                platform->prompt.expect(std::nullopt); // a date prompt asked again is cancelled
                platform->messages.expect();
                w->TampilData(QLatin1String(category));
                const auto *pane = w->findChild<QPlainTextEdit *>(QStringLiteral("rtfLap1"));
                QVERIFY(pane && pane->isVisible());
                QVERIFY2(platform->messages.problems.isEmpty(), qPrintable(platform->messages.problems.join(QLatin1Char('\n'))));
                platform->messages.reset();
                platform->prompt.reset();
            }
        }
    }

    // Quotes, wildcards and letters beyond ASCII are looked for as typed:
    // the search and the reports find exactly the record that holds them.
    void promptsFindWhatTheyAreGiven_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("found");
        for (const char *where : {"search", "report"}) {
            QTest::addRow("%s, apostrophe and quotes", where) << where << "o'brien \"jr" << "O'Brien \"Jr\"";
            QTest::addRow("%s, wildcards", where) << where << "100% _x" << "100% _x_";
            QTest::addRow("%s, beyond ASCII", where) << where << "ÑANDÚ" << QStringLiteral("Ñandú 東京");
        }
    }

    void promptsFindWhatTheyAreGiven()
    {
        QFETCH(QString, where);
        QFETCH(QString, input);
        QFETCH(QString, found);
        int number = 1;
        // Look-alikes that a wildcard or a lost quote would find as well.
        for (const QString &name : {QStringLiteral("O Brien Jr"), QStringLiteral("1000 axb"), QStringLiteral("Nandu"),
                                    QStringLiteral("O'Brien \"Jr\""), QStringLiteral("100% _x_"), QStringLiteral("Ñandú 東京")}) {
            TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), name}});
            TestDatabase::insertStay(QStringLiteral("%1").arg(number++, 3, 10, QLatin1Char('0')), name);
        }
        ++tried;
        platform->prompt.expect(input);
        if (where == QLatin1String("search")) {
            auto *w = open<RecordWindow>(QStringLiteral("frmtamu"));
            QVERIFY(click(w, "cmdFindFirst"));
            QCOMPARE(w->box(2)->text(), found); // not a look-alike stored before it
        } else {
            auto *w = open<frmcetaklap>(QStringLiteral("frmcetaklap"));
            w->TampilData(QStringLiteral("NAMA"));
            const QString pane = w->paneText();
            QVERIFY2(pane.contains(found), qPrintable(pane));
            QVERIFY2(pane.contains(QStringLiteral("Total Pengunjung =     1;")), qPrintable(pane));
        }
    }
};

QTEST_MAIN(TestBadInput)
#include "test_badinput.moc"
