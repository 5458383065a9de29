#include "ReportFixture.h"
#include "TestPlatform.h"

#include "platform/Platform.h"
#include "platform/QtPrinter.h"
#include "platform/WindowRegistry.h"
#include "records/frmtransaksi.h"
#include "reports/frmcetaklap.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <memory>

using namespace ReportFixture;

// Prints a report through the real printer path (Qt on the system's print
// service) on the default printer, a file queue of the PDF driver, and reads
// the text back from the file it writes.
class TestRealPrinter : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;
    QtPrinter printer;
    QString output;

    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess p;
        p.start(program, arguments);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return QString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    // The file the default printer writes to, or nothing when the default
    // printer is not a file queue.
    QString outputFile()
    {
        const QString name = printer.defaultPrinterName();
        if (name.isEmpty())
            return QString();
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(": (?:file:)?/*(/[^\\s]+)"))
                                              .match(run(QStringLiteral("lpstat"), {QStringLiteral("-v"), name}));
        return m.hasMatch() ? QLatin1Char('/') + m.captured(1).mid(1) : QString();
    }

    // The lines that hold text, without trailing blanks and without the
    // blanks of the sheet's left margin.
    static QStringList visibleLines(const QString &text)
    {
        QStringList lines;
        for (QString line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\f")))) {
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            if (!line.isEmpty())
                lines << line;
        }
        qsizetype margin = std::numeric_limits<qsizetype>::max();
        for (const QString &line : lines)
            margin = qMin(margin, line.indexOf(QRegularExpression(QStringLiteral("\\S"))));
        for (QString &line : lines)
            line = line.mid(margin);
        return lines;
    }

private slots:
    void initTestCase()
    {
        WindowRegistry::instance().registerWindow(QStringLiteral("frmcetaklap"), [] { return new frmcetaklap; });
        WindowRegistry::instance().registerWindow(QStringLiteral("frmtransaksi"), [] { return new frmtransaksi; });
        output = outputFile();
        if (output.isEmpty()) {
            if (qEnvironmentVariableIsSet("PENGINAPAN_REAL_PRINTER"))
                QFAIL("no default file printer, though scripts/cups-test-printer start should have set one up");
            QSKIP("No print scheduler with a default file printer here (scripts/cups-test-printer start sets one "
                  "up); the real-printer test is skipped.");
        }
    }
    void init()
    {
        platform = std::make_unique<TestPlatform>();
        Platform::setPrinter(&printer);
    }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
        WindowRegistry::instance().unloadAll();
    }

    void printsAReportInTheFixedPitchFont()
    {
        addStays(11); // with a page-break block, whose lines are the longest
        auto *w = WindowRegistry::instance().window<frmcetaklap>(QStringLiteral("frmcetaklap"));
        w->TampilData(QStringLiteral("SEMUA DATA"));
        const QString report = w->paneText();
        QVERIFY(report.contains(QStringLiteral("Pindahan")));

        QFile::remove(output);
        platform->messages.expect(Messages::Answer::No);
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdCetak")), Qt::LeftButton);
        QCOMPARE(platform->messages.calls.size(), 1);
        QCOMPARE(platform->messages.calls[0].text, QStringLiteral("Hasil cetakan sudah benar?"));

        // The scheduler writes the job when its filters are done.
        QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired()
               && (QFileInfo(output).size() == 0
                   || !run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty()))
            QTest::qWait(200);
        QVERIFY2(QFileInfo(output).size() > 0, qPrintable(output + QStringLiteral(" was not written")));

        const QString fonts = run(QStringLiteral("pdffonts"), {output});
        QVERIFY2(fonts.contains(QStringLiteral("Mono")) || fonts.contains(QStringLiteral("Courier")), qPrintable(fonts));
        // Read back on the grid of the font's pitch: 0.6 of its size (8 pt).
        const QString printed = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                                                  QStringLiteral("4.8"), output, QStringLiteral("-")});
        QCOMPARE(visibleLines(printed), visibleLines(report));
    }

    // The refusing queue (cupsreject) made the default: Cetak says "Printer
    // Error" with the service's number and an Indonesian description, and
    // the report stays in the pane; the stay receipt alike.
    void refusedJobIsAPrintError_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("report") << QStringLiteral("report");
        QTest::newRow("stay receipt") << QStringLiteral("receipt");
    }

    void refusedJobIsAPrintError()
    {
        QFETCH(QString, what);
        const QByteArray refusing = printer.defaultPrinterName().toUtf8() + "-tolak";
        const QByteArray before = qgetenv("PRINTER");
        qputenv("PRINTER", refusing);
        const auto restore = qScopeGuard([&] { before.isNull() ? qunsetenv("PRINTER") : qputenv("PRINTER", before); });
        if (printer.defaultPrinterName().toUtf8() != refusing) {
            if (qEnvironmentVariableIsSet("PENGINAPAN_REAL_PRINTER"))
                QFAIL("no refusing queue, though scripts/cups-test-printer start should have set one up");
            QSKIP("No refusing queue here (scripts/cups-test-printer start sets one up).");
        }
        const qint64 sizeBefore = QFileInfo(output).size();

        QWidget *w = nullptr;
        QString pane;
        if (what == QLatin1String("report")) {
            addStays(3);
            auto *report = WindowRegistry::instance().window<frmcetaklap>(QStringLiteral("frmcetaklap"));
            report->TampilData(QStringLiteral("SEMUA DATA"));
            pane = report->paneText();
            QVERIFY(!pane.isEmpty());
            w = report;
            platform->messages.expect();
            QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdCetak")), Qt::LeftButton);
        } else {
            TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), QStringLiteral("Ani")}});
            addStays(1);
            w = WindowRegistry::instance().show(QStringLiteral("frmtransaksi"));
            QVERIFY(w);
            platform->messages.expect();
            QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        }
        QCOMPARE(platform->messages.calls.size(), 1);
        const auto &call = platform->messages.calls.first();
        qInfo("refused job: %s", qPrintable(call.text.section(QLatin1Char('\r'), 0, 0)));
        QCOMPARE(call.title, QStringLiteral("Printer Error"));
        QVERIFY2(call.text.startsWith(QStringLiteral("Kesalahan nomor: 1286. Keterangan: Printer menolak pekerjaan cetak")),
                 qPrintable(call.text));
        if (what == QLatin1String("report"))
            QCOMPARE(qobject_cast<frmcetaklap *>(w)->paneText(), pane);
        QCOMPARE(QFileInfo(output).size(), sizeBefore); // nothing reached the good queue either
    }
};

QTEST_MAIN(TestRealPrinter)
#include "test_realprinter.moc"
