#include "TestDatabase.h"
#include "JayaExample.h"
#include "TestPlatform.h"

#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "search/InfoMirror.h"
#include "search/RecordSearch.h"
#include "search/SearchResultView.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {
// Stands in for the result window and notes what the search did with it.
struct FakeView : SearchResultView
{
    QString text;
    bool findFirstEnabled = true;
    int shownAtEnd = 0;
    int shown = 0;

    QString resultText() const override { return text; }
    void setResultText(const QString &t) override { text = t; }
    void setFindFirstEnabled(bool enabled) override { findFirstEnabled = enabled; }
    void showResults() override { ++shown; }
    void showAtEnd() override { ++shownAtEnd; }
};


QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestRecordSearch : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;
    QString startDir;
    std::unique_ptr<RecordSet> records;
    std::unique_ptr<RecordSearch> search;
    FakeView view;
    bool windowFindFirstEnabled = true;

    static void addGuest(const QString &nama, const QString &alamat = QString(),
                         const QVariant &checkin = QStringLiteral("2004-02-28"))
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("NoKamar"), QStringLiteral("PM 01")},
                                                     {QStringLiteral("No KTP/KTA"), QStringLiteral("KTP-7")},
                                                     {QStringLiteral("Nama"), nama},
                                                     {QStringLiteral("Alamat"), alamat},
                                                     {QStringLiteral("Checkin"), checkin}});
    }

    // The guest register's run of boxes over the Tamu table.
    void openGuests()
    {
        records = std::make_unique<RecordSet>(Schema::tamu());
        records->open(DataFolder::databaseLocation());
        search = std::make_unique<RecordSearch>(
            *records,
            QList<RecordSearch::Box>{{0, QStringLiteral("NoKamar")}, {1, QStringLiteral("No KTP/KTA")},
                                     {2, QStringLiteral("Nama")}, {3, QStringLiteral("Alamat")},
                                     {4, QStringLiteral("Checkin")}},
            [this] { return &view; }, [this](bool enabled) { windowFindFirstEnabled = enabled; });
    }

    void findFirst(const QString &typed)
    {
        platform->prompt.expect(typed);
        search->findFirst();
    }

    void verifyNotFoundMessage(const QString &criterion)
    {
        QVERIFY(!platform->messages.calls.isEmpty());
        const ScriptedMessages::Call &call = platform->messages.calls.last();
        QCOMPARE(call.text, QStringLiteral("Data %1 tidak ditemukan!").arg(criterion));
        QCOMPARE(call.title, QStringLiteral("Tidak Ditemukan"));
        QCOMPARE(call.icon, Messages::Icon::Critical);
        QCOMPARE(call.buttons, Messages::Buttons::Ok);
    }

private slots:
    void init()
    {
        platform.reset(); // left over when a failed check ended cleanup() early
        platform = std::make_unique<TestPlatform>();
        startDir = QDir::currentPath();
        QDir::setCurrent(platform->dataDir());
        view = FakeView();
        windowFindFirstEnabled = true;
    }
    void cleanup()
    {
        search.reset();
        records.reset();
        QDir::setCurrent(startDir);
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void jayaExampleGivesTheGoldenText()
    {
        addGuest(QStringLiteral("Budi"), QStringLiteral("Jl. Mawar 1"));
        addGuest(QStringLiteral("Jaya Abadi"), QStringLiteral("Jl. Jaya 5"));
        addGuest(QStringLiteral("Siti"), QStringLiteral("Jl. Jaya 9"));
        openGuests();
        findFirst(QStringLiteral("jaya"));

        QCOMPARE(platform->prompt.calls.size(), 1);
        QCOMPARE(platform->prompt.calls.first().message, QStringLiteral("Masukkan data apa saja yang diketahui: "));
        QCOMPARE(platform->prompt.calls.first().title, QStringLiteral("Cari Data"));
        QCOMPARE(platform->prompt.calls.first().defaultText, QString());
        QCOMPARE(view.text, jayaGolden());
        QCOMPARE(fileBytes(InfoMirror::path()), jayaGolden().toUtf8());
        QCOMPARE(records->absolutePosition(), 2);
        QCOMPARE(view.shownAtEnd, 2);
        QCOMPARE(search->kriteriaCari(), QStringLiteral("JAYA"));
        QCOMPARE(search->kriteriaLama(), QStringLiteral("JAYA"));
        QCOMPARE(search->isiTerakhir(), QStringLiteral("28/02/2004"));
        QVERIFY(!windowFindFirstEnabled);
        QVERIFY(!view.findFirstEnabled);
    }

    void matchingIgnoresLetterCaseOnly_data()
    {
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        QTest::newRow("upper") << "JAYA" << "jaya" << true;
        QTest::newRow("title") << "Jaya" << "jaya" << true;
        QTest::newRow("inside") << "taJAYAn" << "jaya" << true;
        QTest::newRow("typed upper") << "kota jaya" << "JAYA" << true;
        QTest::newRow("blank inside") << "JA YA" << "jaya" << false;
        QTest::newRow("punctuation counts") << "Jl.Jaya" << "jl. jaya" << false;
        QTest::newRow("accented letters") << "Rumah Café" << "CAFÉ" << true;
    }
    void matchingIgnoresLetterCaseOnly()
    {
        QFETCH(QString, boxText);
        QFETCH(QString, typed);
        QFETCH(bool, matches);
        addGuest(boxText);
        openGuests();
        if (!matches)
            platform->messages.expect();
        findFirst(typed);
        const QString criterion = typed.toUpper();
        QCOMPARE(search->kriteriaCari(), criterion);
        if (matches) {
            QVERIFY(view.text.startsWith(QStringLiteral("Ditemukan data '%1' pada:\r\n").arg(criterion)));
            QVERIFY(view.text.contains(QStringLiteral("  - Isi field : %1\r\n").arg(boxText)));
        } else {
            verifyNotFoundMessage(criterion);
        }
    }

    void severalMatchingBoxesGiveOneEntryEach()
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("NoKamar"), QStringLiteral("PT 04")},
                                                     {QStringLiteral("No KTP/KTA"), QStringLiteral("123")},
                                                     {QStringLiteral("Nama"), QStringLiteral("Ani 04")},
                                                     {QStringLiteral("Alamat"), QStringLiteral("Jl. Kenari")},
                                                     {QStringLiteral("Checkin"), QStringLiteral("2004-03-01")}});
        openGuests();
        findFirst(QStringLiteral("04"));
        QCOMPARE(view.text, QStringLiteral("Ditemukan data '04' pada:\r\n"
                                           "-------------------------\r\n"
                                           "\r\n"
                                           "  Record ke-1\r\n"
                                           "  - Nama field: NoKamar\r\n"
                                           "  - Isi field : PT 04\r\n"
                                           "  - Kolom ke  : 1 di tabel.\r\n"
                                           "\r\n"
                                           "  Record ke-1\r\n"
                                           "  - Nama field: Nama\r\n"
                                           "  - Isi field : Ani 04\r\n"
                                           "  - Kolom ke  : 3 di tabel.\r\n"
                                           "\r\n"
                                           "  Record ke-1\r\n"
                                           "  - Nama field: Checkin\r\n"
                                           "  - Isi field : 01/03/2004\r\n"
                                           "  - Kolom ke  : 5 di tabel.\r\n"));
        QCOMPARE(view.shownAtEnd, 3);
    }

    void findNextAlwaysLeavesTheRecordItStartsOn()
    {
        addGuest(QStringLiteral("Jaya"), QStringLiteral("Jaya"));
        addGuest(QStringLiteral("Budi"));
        addGuest(QStringLiteral("Budi"));
        addGuest(QStringLiteral("Budi"));
        addGuest(QStringLiteral("Toko Jaya"));
        addGuest(QStringLiteral("Siti"));
        openGuests();
        findFirst(QStringLiteral("jaya"));
        const QString first = view.text;

        search->findNext();
        QCOMPARE(records->absolutePosition(), 5);
        QCOMPARE(view.text, first + QStringLiteral("\r\n"
                                                   "  Record ke-5\r\n"
                                                   "  - Nama field: Nama\r\n"
                                                   "  - Isi field : Toko Jaya\r\n"
                                                   "  - Kolom ke  : 3 di tabel.\r\n"));
        QCOMPARE(view.shownAtEnd, 3);

        // No further match: the message, the last record, the text as it was.
        const QString found = view.text;
        const QByteArray mirrored = fileBytes(InfoMirror::path());
        platform->messages.expect();
        search->findNext();
        verifyNotFoundMessage(QStringLiteral("JAYA"));
        QCOMPARE(records->absolutePosition(), 6);
        QCOMPARE(view.text, found);
        QCOMPARE(fileBytes(InfoMirror::path()), mirrored);
        QVERIFY(!view.findFirstEnabled);
    }

    void findNextBeforeAnySearchPrompts()
    {
        addGuest(QStringLiteral("Budi"));
        addGuest(QStringLiteral("Jaya Abadi"), QStringLiteral("Jl. Jaya 5"));
        openGuests();
        platform->prompt.expect(QStringLiteral("jaya"));
        search->findNext();
        QCOMPARE(platform->prompt.calls.size(), 1);
        QCOMPARE(view.text, jayaGolden());
    }

    void emptyOrCancelledPromptEndsSilentlyOnTheFirstRecord_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("empty") << std::optional<QString>(QString());
        QTest::newRow("cancelled") << std::optional<QString>();
    }
    void emptyOrCancelledPromptEndsSilentlyOnTheFirstRecord()
    {
        QFETCH(std::optional<QString>, answer);
        addGuest(QStringLiteral("Budi"));
        addGuest(QStringLiteral("Siti"));
        openGuests();
        records->moveLast();
        platform->prompt.expect(answer);
        search->findFirst();
        QCOMPARE(records->absolutePosition(), 1);
        QCOMPARE(search->kriteriaCari(), QString());
        QCOMPARE(view.text, QString());
        QVERIFY(!QFile::exists(InfoMirror::path()));
    }

    void notFoundReplacesTheTextWithoutShowingIt()
    {
        addGuest(QStringLiteral("Budi"));
        addGuest(QStringLiteral("Siti"));
        openGuests();
        view.text = QStringLiteral("earlier results\r\n");
        platform->messages.expect();
        findFirst(QStringLiteral("zz"));
        verifyNotFoundMessage(QStringLiteral("ZZ"));
        QCOMPARE(view.text, QStringLiteral("Data ZZ tidak ditemukan!\r\n"));
        QCOMPARE(fileBytes(InfoMirror::path()), QByteArray("Data ZZ tidak ditemukan!\r\n"));
        QCOMPARE(records->absolutePosition(), 2);
        QCOMPARE(view.shownAtEnd + view.shown, 0);
        QVERIFY(windowFindFirstEnabled);
    }

    void findFirstAfterNotFoundRepeatsTheLastFoundCriterion()
    {
        addGuest(QStringLiteral("Budi"));
        addGuest(QStringLiteral("Jaya Abadi"), QStringLiteral("Jl. Jaya 5"));
        openGuests();
        findFirst(QStringLiteral("jaya"));
        platform->messages.expect(Messages::Answer::Yes);
        search->clearSearch();
        platform->messages.expect();
        findFirst(QStringLiteral("zz"));

        search->findFirst(); // no prompt
        QCOMPARE(search->kriteriaCari(), QStringLiteral("JAYA"));
        QCOMPARE(view.text, QStringLiteral("Data ZZ tidak ditemukan!\r\n") + jayaGolden());
    }

    void findFirstAfterNotFoundWithoutEarlierMatchPromptsOnTheNextPress()
    {
        addGuest(QStringLiteral("Budi"));
        openGuests();
        platform->messages.expect();
        findFirst(QStringLiteral("zz"));
        const QString text = view.text;

        search->findFirst(); // does nothing visible
        QCOMPARE(search->kriteriaCari(), QString());
        QCOMPARE(view.text, text);
        QCOMPARE(platform->prompt.calls.size(), 1);

        findFirst(QStringLiteral("budi"));
        QCOMPARE(platform->prompt.calls.size(), 2);
        QVERIFY(view.text.startsWith(text + QStringLiteral("Ditemukan data 'BUDI' pada:")));
    }

    void findNextWithoutCriterionStartsAfresh()
    {
        // A not-found search leaves the last box's text behind; a Find First
        // that then had no earlier criterion emptied the criterion.
        addGuest(QStringLiteral("Budi"));
        addGuest(QStringLiteral("Jaya Abadi"), QStringLiteral("Jl. Jaya 5"));
        openGuests();
        platform->messages.expect();
        findFirst(QStringLiteral("zz"));
        search->findFirst();
        QVERIFY(!search->isiTerakhir().isEmpty());

        platform->prompt.expect(QStringLiteral("jaya"));
        search->findNext();
        QCOMPARE(platform->prompt.calls.size(), 2);
        QCOMPARE(view.text, QStringLiteral("Data ZZ tidak ditemukan!\r\n") + jayaGolden());
    }

    void blankLastBoxMakesFindNextStartOver()
    {
        addGuest(QStringLiteral("Jaya"), QString(), QVariant());
        addGuest(QStringLiteral("Budi"));
        openGuests();
        findFirst(QStringLiteral("jaya"));
        QCOMPARE(search->isiTerakhir(), QString());
        const QString once = view.text;
        QCOMPARE(once, QStringLiteral("Ditemukan data 'JAYA' pada:\r\n"
                                      "---------------------------\r\n"
                                      "\r\n"
                                      "  Record ke-1\r\n"
                                      "  - Nama field: Nama\r\n"
                                      "  - Isi field : Jaya\r\n"
                                      "  - Kolom ke  : 3 di tabel.\r\n"));
        search->findNext();
        QCOMPARE(view.text, once + once);
        QCOMPARE(records->absolutePosition(), 1);
        QCOMPARE(platform->prompt.calls.size(), 1);
    }

    void clearSearch_data()
    {
        QTest::addColumn<bool>("searched");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("no criterion") << false << int(Messages::Answer::Ok) << false;
        QTest::newRow("no") << true << int(Messages::Answer::No) << false;
        QTest::newRow("yes") << true << int(Messages::Answer::Yes) << true;
    }
    void clearSearch()
    {
        QFETCH(bool, searched);
        QFETCH(int, answer);
        QFETCH(bool, cleared);
        addGuest(QStringLiteral("Jaya Abadi"), QStringLiteral("Jl. Jaya 5"));
        openGuests();
        if (searched)
            findFirst(QStringLiteral("jaya"));
        const QString text = view.text;
        const QByteArray mirrored = fileBytes(InfoMirror::path());

        platform->messages.expect(Messages::Answer(answer));
        search->clearSearch();
        const ScriptedMessages::Call &call = platform->messages.calls.last();
        if (searched) {
            QCOMPARE(call.text, QStringLiteral("Kriteria pencarian sebelumnya = JAYA\rAnda yakin ingin menghapusnya?"));
            QCOMPARE(call.title, QStringLiteral("Reset Pencarian"));
            QCOMPARE(call.icon, Messages::Icon::Question);
            QCOMPARE(call.buttons, Messages::Buttons::YesNo);
        } else {
            QCOMPARE(call.text, QStringLiteral("Belum ada kriteria pencarian."));
            QCOMPARE(call.title, QStringLiteral("Kriteria Masih Kosong"));
            QCOMPARE(call.icon, Messages::Icon::Information);
            QCOMPARE(call.buttons, Messages::Buttons::Ok);
        }
        QCOMPARE(view.text, cleared ? QString() : text);
        QCOMPARE(search->kriteriaCari(), searched && !cleared ? QStringLiteral("JAYA") : QString());
        QCOMPARE(search->kriteriaLama(), searched ? QStringLiteral("JAYA") : QString());
        QCOMPARE(search->isiTerakhir().isEmpty(), !searched || cleared);
        QCOMPARE(windowFindFirstEnabled, !searched || cleared);
        QCOMPARE(view.findFirstEnabled, !searched || cleared);
        QCOMPARE(fileBytes(InfoMirror::path()), mirrored);
    }

    void emptyTableFindsNothingWithoutHarm()
    {
        openGuests();
        platform->messages.expect();
        findFirst(QStringLiteral("jaya"));
        verifyNotFoundMessage(QStringLiteral("JAYA"));
        QCOMPARE(view.text, QStringLiteral("Data JAYA tidak ditemukan!\r\n"));
        platform->messages.expect();
        search->findNext();
        verifyNotFoundMessage(QStringLiteral("JAYA"));
    }

    void unwritableMirrorLeavesTheTextAsBuilt()
    {
        QVERIFY(QDir().mkdir(InfoMirror::path())); // a folder where the file should be
        addGuest(QStringLiteral("Jaya"));
        openGuests();
        findFirst(QStringLiteral("jaya"));
        QCOMPARE(view.text, QStringLiteral("Ditemukan data 'JAYA' pada:\r\n"
                                           "---------------------------\r\n"
                                           "\r\n"
                                           "  Record ke-1\r\n"
                                           "  - Nama field: Nama\r\n"
                                           "  - Isi field : Jaya\r\n"
                                           "  - Kolom ke  : 3 di tabel."));
        QCOMPARE(view.shownAtEnd, 1);
    }

    void failedPendingWriteIsReported()
    {
        addGuest(QStringLiteral("Jaya"));
        openGuests();
        records->setText(QStringLiteral("Checkin"), QStringLiteral("bukan tanggal"));
        platform->messages.expect();
        search->findFirst();
        QVERIFY2(platform->messages.calls.last().text.startsWith(
                     QString::number(int(DataError::TypeMismatch)) + QStringLiteral(" - ")),
                 qPrintable(platform->messages.calls.last().text));
        QCOMPARE(platform->prompt.calls.size(), 0);
    }

    void matchOnTheLastOf100000RecordsMovesOnlyToIt()
    {
        TestDatabase::exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 99999) "
            "INSERT INTO \"Tamu\" (\"NoKamar\", \"No KTP/KTA\", \"Nama\", \"Alamat\", \"Checkin\", \"Harga\") "
            "SELECT 'PM 01', 'KTP-' || i, 'Tamu ' || i, 'Jl. Mawar ' || i, '2004-02-28', 60000 FROM n"));
        addGuest(QStringLiteral("Jaya"));
        openGuests();
        QCOMPARE(records->count(), 100000);
        QSignalSpy moves(records.get(), &RecordSet::currentChanged);
        findFirst(QStringLiteral("jaya"));
        QCOMPARE(records->absolutePosition(), 100000);
        QCOMPARE(moves.size(), 2); // to the first record, then straight to the match
    }
};

QTEST_MAIN(TestRecordSearch)
#include "test_recordsearch.moc"
