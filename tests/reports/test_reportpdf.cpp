#include "PdfReader.h"
#include "ReportFixture.h"
#include "ReportGoldens.h"
#include "TestPlatform.h"

#include "platform/WindowRegistry.h"
#include "reports/frmcetaklap.h"
#include "reports/frmlaprek.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <memory>

using namespace ReportFixture;
using namespace ReportGoldens;
using PdfReader::run;
using PdfReader::pageCount;

// The PDF and the print preview of the report windows, read back with
// poppler's pdftotext and pdffonts as an outside reader sees them.
class TestReportPdf : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    template<typename Window> Window *show(const char *name)
    {
        auto *w = WindowRegistry::instance().window<Window>(QLatin1String(name));
        w->show();
        return w;
    }
    static void choose(QWidget *w, const char *item)
    {
        QAction *a = w->findChild<QAction *>(QLatin1String(item));
        QVERIFY2(a, item);
        a->trigger();
    }
    static QString paneOf(QWidget *w)
    {
        return static_cast<ReportWindow *>(w)->paneText();
    }

    // Builds the worked example of a window into its pane.
    QWidget *buildExample(const QString &window)
    {
        addExampleStays();
        if (window == QLatin1String("frmcetaklap")) {
            QWidget *w = show<frmcetaklap>("frmcetaklap");
            platform->prompt.expect(QStringLiteral("Tamu"));
            choose(w, "mnNama");
            return w;
        }
        QWidget *w = show<frmlaprek>("frmlaprek");
        choose(w, "mncetak");
        return w;
    }

private slots:
    void initTestCase()
    {
        WindowRegistry::instance().registerWindow(QStringLiteral("frmcetaklap"), [] { return new frmcetaklap; });
        WindowRegistry::instance().registerWindow(QStringLiteral("frmlaprek"), [] { return new frmlaprek; });
    }
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void pdfOfTheWorkedExamples_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("golden");
        QTest::addColumn<QString>("presetName");
        QTest::addColumn<double>("pointSize");
        QTest::newRow("receipts report") << "frmcetaklap" << receiptsExample() << "Laporan Penerimaan.pdf" << 8.0;
        QTest::newRow("recapitulation") << "frmlaprek" << recapitulationExample() << "Rekapitulasi.pdf" << 9.0;
    }

    void pdfOfTheWorkedExamples()
    {
        QFETCH(QString, window);
        QFETCH(QString, golden);
        QFETCH(QString, presetName);
        QFETCH(double, pointSize);
        QWidget *w = buildExample(window);
        QCOMPARE(paneOf(w), golden);

        const QString file = platform->path(QStringLiteral("laporan")); // ".pdf" is added
        platform->fileDialogs.expect(file);
        choose(w, "mnSimpanPdf");
        QCOMPARE(platform->fileDialogs.calls.size(), 1);
        QCOMPARE(platform->fileDialogs.calls[0].title, QStringLiteral("Simpan sebagai PDF..."));
        QCOMPARE(platform->fileDialogs.calls[0].presetName, presetName);
        QVERIFY(QFile::exists(file + QStringLiteral(".pdf")));

        // The font the sheet shows is embedded: Liberation Mono for "Courier New".
        const QStringList fonts = PdfReader::fonts(file + QStringLiteral(".pdf"));
        QCOMPARE(fonts.size(), 1);
        QVERIFY2(fonts.at(0).contains(QStringLiteral("LiberationMono")), qPrintable(fonts.at(0)));
        // Embedded.
        QVERIFY2(QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+\\s*$")).match(fonts.at(0)).hasMatch(),
                 qPrintable(fonts.at(0)));

        // Every line of the pane, whole, with the blanks in it.
        const QList<QStringList> read = PdfReader::sheetsOf(file + QStringLiteral(".pdf"), pointSize);
        COMPARE_SHEETS(read, PdfReader::expectedSheets(golden, read));
        QCOMPARE(pageCount(file + QStringLiteral(".pdf")), 1);
        // The size: a run of "=" is 0.6 of the size wide per character.
        const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file + QStringLiteral(".pdf"), QStringLiteral("-")});
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("xMin=\"([\\d.]+)\"[^>]*xMax=\"([\\d.]+)\"[^>]*>(=+)<")).match(boxes);
        QVERIFY2(m.hasMatch(), qPrintable(boxes));
        const double perCharacter = (m.captured(2).toDouble() - m.captured(1).toDouble()) / m.captured(3).size();
        QVERIFY2(qAbs(perCharacter - 0.6 * pointSize) < 0.05, qPrintable(QString::number(perCharacter)));
        // The pane is left as it was, as after a print answered No.
        QCOMPARE(paneOf(w), golden);
    }

    void longLinesStayWholeOnATurnedSheet()
    {
        // Eleven rows: the page-break block brings the 125-character line.
        addStays(11);
        QWidget *w = show<frmcetaklap>("frmcetaklap");
        choose(w, "mnSemuadata");
        const QString pane = paneOf(w);
        QVERIFY(pane.contains(QStringLiteral("\r\n ") + QString(124, QLatin1Char('-')) + QStringLiteral("\r\n")));

        const QString file = platform->path(QStringLiteral("sebelas.pdf"));
        platform->fileDialogs.expect(file);
        choose(w, "mnSimpanPdf");
        const QList<QStringList> read = PdfReader::sheetsOf(file, 8);
        COMPARE_SHEETS(read, PdfReader::expectedSheets(pane, read));
        QVERIFY(read.at(0).contains(QString(124, QLatin1Char('-'))));
        const QString info = run(QStringLiteral("pdfinfo"), {file});
        // A4 turned: wider than high.
        const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
        QVERIFY2(size.captured(1).toDouble() > size.captured(2).toDouble(), qPrintable(info));
    }

    void previewShowsWhatThePdfHolds_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<double>("pointSize");
        QTest::newRow("receipts report") << "frmcetaklap" << 8.0;
        QTest::newRow("recapitulation") << "frmlaprek" << 9.0;
    }

    void previewShowsWhatThePdfHolds()
    {
        QFETCH(QString, window);
        QFETCH(double, pointSize);
        QWidget *w = buildExample(window);
        platform->printPreview.expect();
        choose(w, "mnPratinjau");
        QCOMPARE(platform->printPreview.shown, 1);
        const QList<QStringList> read = PdfReader::sheets(platform->printPreview.lastPdf, pointSize);
        COMPARE_SHEETS(read, PdfReader::expectedSheets(paneOf(w), read));
        QVERIFY(platform->printer.jobs.isEmpty()); // a preview prints nothing
    }

    void manySheetsKeepEveryLine()
    {
        // 250 rows fill several sheets; each line stays whole and in order.
        addStays(250);
        QWidget *w = show<frmcetaklap>("frmcetaklap");
        choose(w, "mnSemuadata");
        const QString file = platform->path(QStringLiteral("panjang.pdf"));
        platform->fileDialogs.expect(file);
        choose(w, "mnSimpanPdf");
        const QList<QStringList> read = PdfReader::sheetsOf(file, 8);
        COMPARE_SHEETS(read, PdfReader::expectedSheets(paneOf(w), read));
        QVERIFY(read.size() > 3);
        QCOMPARE(pageCount(file), read.size());
    }

    void anEmptyPaneHasNothingToShow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("item");
        QTest::newRow("receipts report, PDF") << "frmcetaklap" << "mnSimpanPdf";
        QTest::newRow("receipts report, preview") << "frmcetaklap" << "mnPratinjau";
        QTest::newRow("recapitulation, PDF") << "frmlaprek" << "mnSimpanPdf";
        QTest::newRow("recapitulation, preview") << "frmlaprek" << "mnPratinjau";
    }

    void anEmptyPaneHasNothingToShow()
    {
        QFETCH(QString, window);
        QFETCH(QString, item);
        QWidget *w = window == QLatin1String("frmcetaklap") ? static_cast<QWidget *>(show<frmcetaklap>("frmcetaklap"))
                                                            : show<frmlaprek>("frmlaprek");
        platform->messages.expect(Messages::Answer::Ok);
        choose(w, item.toLatin1().constData());
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls[0].title, QStringLiteral("Data Tidak Ada"));
        QVERIFY(platform->messages.calls[0].text.startsWith(QStringLiteral("Belum ada informasi yang akan dicetak!\r")));
        QCOMPARE(platform->printPreview.shown, 0);
        QVERIFY(platform->fileDialogs.calls.isEmpty());
    }

    void aFileThatCannotBeWrittenIsToldAndLeftAlone_data()
    {
        QTest::addColumn<QString>("name"); // within the test's data folder
        QTest::addColumn<QString>("detail");
        QTest::newRow("folder missing") << "tidak-ada/laporan.pdf" << "tidak ada.";
        QTest::newRow("a file stands where the folder should") << "Lap.txt/laporan.pdf" << "tidak ada.";
        QTest::newRow("the name is a folder") << "laporan.pdf" << "Nama itu sudah dipakai sebuah folder.";
    }

    void aFileThatCannotBeWrittenIsToldAndLeftAlone()
    {
        QFETCH(QString, name);
        QFETCH(QString, detail);
        QWidget *w = buildExample(QStringLiteral("frmcetaklap"));
        QVERIFY(QDir(platform->dataDir()).mkpath(QStringLiteral("laporan.pdf")));
        const QStringList before = QDir(platform->dataDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QString file = platform->path(name);
        platform->fileDialogs.expect(file);
        platform->messages.expect(Messages::Answer::Ok);
        choose(w, "mnSimpanPdf");
        QCOMPARE(platform->messages.calls.size(), 1);
        const auto &call = platform->messages.calls[0];
        QCOMPARE(call.title, QStringLiteral("PDF Gagal Disimpan"));
        QVERIFY2(call.text.startsWith(QStringLiteral("PDF tidak dapat disimpan ke\r") + QDir::toNativeSeparators(file)),
                 qPrintable(call.text));
        QVERIFY2(call.text.endsWith(detail), qPrintable(call.text));
        QCOMPARE(call.icon, Messages::Icon::Critical);
        // Nothing new in the folder, and nothing under the chosen name.
        QCOMPARE(QDir(platform->dataDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        QVERIFY(!QFileInfo(file).isFile());
    }
};

QTEST_MAIN(TestReportPdf)
#include "test_reportpdf.moc"
